// The editor's own CPU use while nobody touches it: the full 255 x 255 map
// at zoom 2 in the real window, left alone with its 300 ms redraw timer.
// The case's time is the CPU time the process used in that while.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QSpinBox>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <ctime>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "app/size_spin_box.h"
#include "editing/editor_session.h"
#include "recovery/autosave.h"
#include "bench_main.h"
#include "bench_map.h"
#include "model/limits.h"
#include "model/map.h"
#include "no_boxes.h"

namespace {

double ProcessCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// How long the editor is left alone: ZUBO_IDLE_SECONDS, 60 by default.
int IdleSeconds() {
  const char* value = std::getenv("ZUBO_IDLE_SECONDS");
  const int seconds = value != nullptr ? std::atoi(value) : 0;
  return seconds > 0 ? seconds : 60;
}

void IdleCase(benchmark::State& state) {
  QDir::setCurrent(QStringLiteral(ZUBO_PROGRAM_DIR));
  NoBoxes boxes;
  EditorSession session;
  Autosave autosave;
  TMainForm form(boxes, session, autosave);
  if (!form.StartUp()) {
    state.SkipWithError("start-up failed");
    return;
  }
  form.CreateEditPlatform();
  form.show();
  session.Document.Replace(*MakeFullMap());
  form.findChild<ControlPanel*>()->UDZoom->setValue(2);
  QApplication::processEvents();
  for (auto _ : state) {
    const double before = ProcessCpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(std::chrono::seconds(IdleSeconds()), &idle, &QEventLoop::quit);
    idle.exec();
    state.SetIterationTime(ProcessCpuSeconds() - before);
  }
  state.counters["idleSeconds"] = IdleSeconds();
  if (!boxes.Shown.isEmpty()) state.SkipWithError(qPrintable(boxes.Shown));
}

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks<QApplication>(argc, argv, [] {
    benchmark::RegisterBenchmark("Idle/fullMapZoom2/cpuTime", IdleCase)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1);
  });
}
