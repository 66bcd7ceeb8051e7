// Start-up of the editor's main window to its first finished frame, in the
// ready program folder with the sample tile sets.

#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QString>
#include <cstdio>
#include <cstring>

#include "app/main_form.h"
#include "editing/editor_session.h"
#include "recovery/autosave.h"
#include "bench_main.h"
#include "no_boxes.h"

namespace {

// Run with only this argument, the program starts the window once and ends.
constexpr char StartOnceFlag[] = "--start-once";

// Makes the main window as the editor does, to its first finished frame;
// false when start-up failed or showed a box.
bool StartWindow() {
  NoBoxes boxes;
  EditorSession session;
  Autosave autosave;
  TMainForm mainForm(boxes, session, autosave);
  const bool started = mainForm.StartUp();
  mainForm.CreateEditPlatform();
  mainForm.show();
  QApplication::processEvents();
  if (!boxes.Shown.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(boxes.Shown));
  return started && boxes.Shown.isEmpty();
}

double PeakRssMegabytes(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// In this process, with Qt and the fonts already set up.
void StartUpCase(benchmark::State& state) {
  QDir::setCurrent(QStringLiteral(ZUBO_PROGRAM_DIR));
  for (auto _ : state) {
    if (!StartWindow()) {
      state.SkipWithError("start-up failed");
      break;
    }
  }
  state.counters["peakRssMB"] = PeakRssMegabytes(RUSAGE_SELF);
}

// A new process of this program that starts the window once and ends: what
// a user waits for, Qt's own start included.
void NewProcessCase(benchmark::State& state) {
  for (auto _ : state) {
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QLatin1String(StartOnceFlag)});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
      state.SkipWithError("the start-up process failed");
      break;
    }
  }
  state.counters["peakRssMB"] = PeakRssMegabytes(RUSAGE_CHILDREN);
}

void RegisterCases() {
  benchmark::RegisterBenchmark("StartUp/firstFrame", StartUpCase)->Unit(benchmark::kMillisecond);
  // Its time is spent in the child: count the time waited for it.
  benchmark::RegisterBenchmark("StartUp/newProcess", NewProcessCase)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
}

int StartOnce(int argc, char** argv) {
  UseOffscreenPlatformUnlessSet();
  QApplication application(argc, argv);
  QDir::setCurrent(QStringLiteral(ZUBO_PROGRAM_DIR));
  return StartWindow() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], StartOnceFlag) == 0) return StartOnce(argc, argv);
  return RunBenchmarks<QApplication>(argc, argv, RegisterCases);
}
