// Undo and redo of the changes to the map. The editing code tells the
// history what each action may change; here the window opens and closes the
// steps, maps the keys to undo and redo, and shows a restored step.

#include <QComboBox>
#include <QKeySequence>
#include <QShortcut>
#include <QSpinBox>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "app/size_spin_box.h"
#include "editing/map_history.h"
#include "editing/platform_tool.h"
#include "editing/spring_tool.h"
#include "levelfile/validation.h"
#include "model/map.h"

// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, while the window itself holds
// the focus; a focused control keeps its own keys (the memo its text undo).
void TMainForm::ConnectHistory() {
  const QKeySequence undoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
  const QKeySequence redoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
  for (const QKeySequence& keys : undoKeys) {
    auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { EditUndo(); });
  }
  for (const QKeySequence& keys : redoKeys) {
    auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { EditRedo(); });
  }
}

void TMainForm::EditUndo() {
  if (EndPlacement()) return;
  if (EditHistory->Undo(*EditedMap)) ShowRestoredStep();
}

// A placement going on is a new change: there is nothing to redo.
void TMainForm::EditRedo() {
  if (PlacementInProgress()) return;
  if (EditHistory->Redo(*EditedMap)) ShowRestoredStep();
}

bool TMainForm::PlacementInProgress() const {
  if (Editor.ActiveTool == Tool::ToolSprings)
    return SpringTool.SpringInProgress && EditedMap->SpringCount > 0;
  if (Editor.ActiveTool == Tool::ToolPlatforms) return Placement != PlatformStage::Idle;
  return false;
}

// Ends the spring or platform being placed as a right press or a right
// release would; that is the step.
bool TMainForm::EndPlacement() {
  if (!PlacementInProgress()) return false;
  Map& map = *EditedMap;
  EditHistory->BeginStep(map);
  map.Saved = false;
  if (Editor.ActiveTool == Tool::ToolSprings) {
    EditHistory->WatchSprings(map);
    SpringRightPress(map, SpringTool, View, Pointer.x(), Pointer.y());
  } else {
    EditHistory->WatchPlatforms(map);
    PlatformRelease release;
    release.Button = MouseButton::Right;
    PlatformToolRelease(map, Placement, release);
  }
  EditHistory->EndStep(map);
  map.Saved = EditHistory->AtSavedState(map);
  RedrawView();
  return true;
}

// The controls show the restored values without running the resize rules;
// no placement goes on over a restored map.
void TMainForm::ShowRestoredStep() {
  SpringTool.SpringInProgress = false;
  Placement = PlatformStage::Idle;
  Panel1->UDWidth->setValue(EditedMap->Width);
  Panel1->UDHeight->setValue(EditedMap->Height);
  Panel1->CBBackground->setCurrentIndex(EditedMap->Background);
  EditedMap->Saved = EditHistory->AtSavedState(*EditedMap);
  UpdateTileCounters();
  RedrawView();
}

// A press continues the step of a stroke or of a placement going on, and
// begins a new one otherwise.
void TMainForm::BeginStroke() {
  SettleStep();
  EditHistory->BeginStep(*EditedMap);
}

void TMainForm::SettleStep() {
  if (Held == MouseButton::None && !PlacementInProgress()) EditHistory->EndStep(*EditedMap);
}

// A typed size becomes the map's without the resize rules; an arrow step has
// changed the map already.
void TMainForm::MirrorSize(int width, int height) {
  if (width != EditedMap->Width || height != EditedMap->Height)
    EditHistory->TypeSize(*EditedMap, width, height);
}

// A background chosen is a step of its own.
void TMainForm::CBBackgroundChange(int index) {
  if (index == EditedMap->Background) return;
  EditHistory->EndStep(*EditedMap);
  EditHistory->BeginStep(*EditedMap);
  EditedMap->Background = index;
  EditHistory->EndStep(*EditedMap);
}

// Validation removes some background tiles from the map; that is part of
// the step going on, or a step of its own.
ValidationResult TMainForm::ValidateRecorded() {
  EditHistory->BeginStep(*EditedMap);
  EditHistory->WatchCells(*EditedMap, 1, EditedMap->Width, 1, EditedMap->Height);
  ValidationResult result = ValidateMap(*EditedMap, CustomTextsSwitch);
  SettleStep();
  return result;
}

void TMainForm::ClearHistory() {
  EditHistory->Clear();
}
