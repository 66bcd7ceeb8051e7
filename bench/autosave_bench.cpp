// The cost of autosave: what writing the recovery copy of a full 255 x 255
// level costs the window's thread (the map is encoded there, the file is
// written by the writer's own thread), and the whole write to disk.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "no_boxes.h"
#include "editing/editor_session.h"
#include "recovery/autosave.h"
#include "bench_main.h"
#include "bench_map.h"
#include "model/map.h"

namespace {

// The editor in its program folder holding the full level, custom texts
// included, with autosave on and its copies in a temporary folder.
struct FullEditor {
  FullEditor() {
    qputenv("XDG_DATA_HOME", Data.path().toLocal8Bit());
    QDir::setCurrent(QStringLiteral(ZUBO_PROGRAM_DIR));
    Started = Form.StartUp();
    if (!Started) return;
    const std::unique_ptr<Map> full = MakeFullMap();
    QStringList lines;
    for (const std::string& line : full->CustomTexts) lines.append(QString::fromStdString(line));
    Form.findChild<ControlPanel*>()->MCustomTexts->setPlainText(lines.join(QLatin1Char('\n')));
    Session.Document.Replace(*full);
    Form.StartAutosave(0);
  }

  // Every copy differs from the one before, so that each is written.
  void Change() {
    Session.Document.BeginStep("Paint");
    Session.Document.MarkChanged();
    Session.Document.Edit().Cell(1, 1).BgTile ^= 1;
    Session.Document.EndStep();
  }

  QTemporaryDir Data;
  NoBoxes Boxes;
  EditorSession Session;
  Autosave Recovery;
  TMainForm Form{Boxes, Session, Recovery};
  bool Started = false;
};

void WindowThreadCase(benchmark::State& state) {
  FullEditor editor;
  if (!editor.Started) {
    state.SkipWithError("start-up failed");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    editor.Recovery.Wait();
    editor.Change();
    state.ResumeTiming();
    editor.Recovery.Tick();
  }
  editor.Recovery.Wait();
}

void OnDiskCase(benchmark::State& state) {
  FullEditor editor;
  if (!editor.Started) {
    state.SkipWithError("start-up failed");
    return;
  }
  for (auto _ : state) {
    editor.Change();
    editor.Recovery.Tick();
    editor.Recovery.Wait();
  }
  state.counters["bytes"] = static_cast<double>(QFileInfo(editor.Recovery.Path()).size());
}

void RegisterCases() {
  benchmark::RegisterBenchmark("RecoveryCopy/windowThread", WindowThreadCase)
      ->Unit(benchmark::kMicrosecond);
  // The writer's thread sleeps on the disk: count the time waited.
  benchmark::RegisterBenchmark("RecoveryCopy/onDisk", OnDiskCase)
      ->Unit(benchmark::kMicrosecond)
      ->UseRealTime();
}

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks<QApplication>(argc, argv, RegisterCases);
}
