// The selection tool of the main window, with the desktop's clipboard; the
// value picked from a cell; the replacement of a tile everywhere.

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <functional>
#include <variant>

#include "app/block_clipboard.h"
#include "app/control_panel.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/replace_tiles_dialog.h"
#include "editing/editor_session.h"
#include "model/map.h"

namespace {

constexpr char LeftOutMessage[] =
    "%1 of the items did not fit (off the map, or beyond what the level file holds) and were "
    "left out.";
constexpr char BadBlockMessage[] = "The clipboard holds a block that cannot be pasted: %1.";

QString ChangedCells(int count) {
  return count == 1 ? QStringLiteral("1 cell changed.")
                    : QStringLiteral("%1 cells changed.").arg(count);
}

}  // namespace

void TMainForm::ConnectAreas() {
  const auto key = [this](QKeySequence keys, std::function<void()> act) {
    auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shortcut, &QShortcut::activated, this, std::move(act));
  };
  key(QKeySequence(Qt::Key_S), [this] { EnterAreaTool(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_A), [this] {
    EnterAreaTool();
    Session.Tools.Areas().SelectAll();
    RedrawView();
  });
  key(QKeySequence(Qt::Key_Delete), [this] { ShowAreaChange(Session.Tools.Areas().Delete()); });
  key(QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopySelection(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_X), [this] {
    if (CopySelection()) ShowAreaChange(Session.Tools.Areas().Delete());
  });
  key(QKeySequence(Qt::CTRL | Qt::Key_V), [this] { PasteBlock(); });
  const std::pair<Qt::Key, CellPosition> nudges[] = {
      {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, 1}}, {Qt::Key_Down, {0, -1}}};
  for (const auto& [arrow, step] : nudges)
    key(QKeySequence(Qt::ALT | arrow),
        [this, step = step] { ShowAreaChange(Session.Tools.Areas().Nudge(step.X, step.Y)); });
  key(QKeySequence(Qt::CTRL | Qt::Key_H), [this] { ReplaceTilesClick(); });
  connect(Panel1->BReplaceTiles, &QPushButton::clicked, this, [this] { ReplaceTilesClick(); });
}

void TMainForm::EnterAreaTool() {
  Session.Tools.SelectArea();
  Panel1->ShowMode(-1);
  RedrawView();
}

// Ctrl+click picks the value of a cell in the tools that place one; Shift
// and a left press start the selection tool's drag from any tool. True when
// the press was taken here.
bool TMainForm::AreaMouseDown(Qt::MouseButton button, int x, int y,
                              Qt::KeyboardModifiers modifiers) {
  if (button != Qt::LeftButton) return false;
  const Tool tool = Session.Tools.State().ActiveTool;
  if ((modifiers & Qt::ControlModifier) &&
      (tool == Tool::ToolPlaceTile || tool == Tool::ToolTexts)) {
    FocusWindow();
    if (const std::optional<int> value = Session.Tools.ValueAt(x, y))
      Panel1->UDSel->setValue(*value);
    return true;
  }
  if (modifiers & Qt::ShiftModifier) {
    // Always a new selection, also from inside the one there is.
    EnterAreaTool();
    Session.Tools.Areas().Reset();
  }
  return false;
}

void TMainForm::ShowAreaChange(bool changed) {
  if (!changed) return;
  UpdateTileCounters();
  RedrawView();
}

bool TMainForm::CopySelection() {
  const std::unique_ptr<Map> block = Session.Tools.Areas().Copy();
  if (!block) return false;
  PutBlockOnClipboard(*block);
  return true;
}

// A block on the clipboard follows the pointer until a left press drops it;
// anything else on the clipboard pastes nothing.
void TMainForm::PasteBlock() {
  BlockText read = BlockOnClipboard();
  if (auto* bad = std::get_if<BadBlock>(&read)) {
    Boxes.ShowMessage(QString::fromLatin1(BadBlockMessage).arg(QString::fromStdString(bad->Why)));
    return;
  }
  auto* block = std::get_if<std::unique_ptr<Map>>(&read);
  if (block == nullptr) return;
  EnterAreaTool();
  Session.Tools.Areas().StartPaste(std::move(*block), Session.Tools.PointerCell());
  RedrawView();
}

void TMainForm::TellLeftOut(int count) {
  Boxes.ShowMessage(QString::fromLatin1(LeftOutMessage).arg(count));
}

void TMainForm::ReplaceTilesClick() {
  if (!ReplaceDialog) ReplaceDialog = new ReplaceTilesDialog(this);
  const EditorState& editor = Session.Tools.State();
  const bool tileLayer = editor.ActiveTool == Tool::ToolPlaceTile && editor.ActiveLayer <= LayerFg;
  ReplaceDialog->Prepare(tileLayer ? editor.ActiveLayer : LayerBg,
                         tileLayer ? editor.SelectedIndex : 0);
  const bool accepted = ReplaceDialog->exec() == QDialog::Accepted;
  FocusWindow();
  if (!accepted) return;
  const int changed = Session.Tools.Areas().Replace(
      ReplaceDialog->Layer(), static_cast<uint8_t>(ReplaceDialog->Replace()),
      static_cast<uint8_t>(ReplaceDialog->With()));
  ShowAreaChange(changed > 0);
  Boxes.ShowMessage(ChangedCells(changed));
}
