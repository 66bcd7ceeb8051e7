// Mouse editing of the main window: presses, drags and releases on the
// drawing surface, the wheel, the mode list, the special tools and undo.

#include <QCheckBox>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/control_panel.h"
#include "app/edit_platform.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/screen_output.h"
#include "editing/editor_session.h"
#include "view/draw_surface.h"

namespace {

MouseButton EditingButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return MouseButton::None;
  }
}

}  // namespace

void TMainForm::ConnectEditing() {
  DXDraw->OnMouseDown = [this](Qt::MouseButton button, int x, int y) {
    DXDrawMouseDown(button, x, y);
  };
  DXDraw->OnMouseMove = [this](int x, int y) { DXDrawMouseMove(x, y); };
  DXDraw->OnMouseUp = [this](Qt::MouseButton button, int x, int y) { DXDrawMouseUp(button, x, y); };
  DXDraw->OnWheel = [this](int x, int y, QPoint angle, Qt::KeyboardModifiers modifiers) {
    DXDrawMouseWheel(x, y, angle, modifiers);
  };
  // The mode list acts on a click on an entry, and on every change of its
  // selection the user makes: a press, a drag across the entries (also one
  // released outside the list), the keyboard.
  connect(Panel1->LBMode, &QListWidget::itemClicked, this, [this] { LBModeClick(); });
  connect(Panel1->LBMode, &QListWidget::itemSelectionChanged, this,
          [this] { ModeSelectionChanged(); });
  connect(Panel1->BSelectPrimaryChar, &QPushButton::clicked, this,
          [this] { BSelectPrimaryCharClick(); });
  connect(Panel1->BSelectTiles, &QPushButton::clicked, this, [this] { BSelectTilesClick(); });
  connect(Panel1->BCopyTiles, &QPushButton::clicked, this, [this] { BCopyTilesClick(); });
  connect(Panel1->BLoadScreenOutput, &QPushButton::clicked, this,
          [this] { BLoadScreenOutputClick(); });
  // Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo, while the window itself
  // holds the focus; a focused control keeps its own keys.
  const auto shortcut = [this](QKeySequence keys, void (TMainForm::*act)()) {
    auto* key = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetShortcut);
    connect(key, &QShortcut::activated, this, [this, act] { (this->*act)(); });
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), &TMainForm::EditUndo);
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &TMainForm::EditRedo);
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TMainForm::EditRedo);
}

// MapPress for a press the user makes: the window takes the focus first.
void TMainForm::DXDrawMouseDown(Qt::MouseButton button, int x, int y) {
  FocusWindow();
  ShowToolResponse(Session.Tools.Press(EditingButton(button), x, y));
}

void TMainForm::DXDrawMouseMove(int x, int y) {
  ShowToolResponse(Session.Tools.Move(x, y, Panel1->CBShowPlatforms->isChecked()));
}

void TMainForm::DXDrawMouseUp(Qt::MouseButton button, int x, int y) {
  ShowToolResponse(
      Session.Tools.Release(EditingButton(button), x, y, Panel1->SelectedPosition()));
}

void TMainForm::ShowToolResponse(const ToolResponse& response) {
  const EditResult& result = response.Edit;
  if (response.PickedEntry) Panel1->UDSel->setValue(*response.PickedEntry);
  if (result.ShowObjects) Panel1->CBShowObjects->setChecked(true);
  if (result.ShowPlatforms) Panel1->CBShowPlatforms->setChecked(true);
  if (result.UpdateTileCounters) UpdateTileCounters();
  RefreshCells(response.Refreshed);
  if (result.RedrawView) RedrawView();
  if (result.OpenPlatformDialog) RunPlatformDialog();
}

// The dialog keeps its values from one platform to the next.
void TMainForm::RunPlatformDialog() {
  CreateEditPlatform();
  const bool accepted = EditPlatformDialog->exec() == QDialog::Accepted;
  Session.Tools.PlatformDialogClosed(
      accepted ? std::optional<int>(EditPlatformDialog->ChosenSwitchType()) : std::nullopt,
      EditPlatformDialog->ChosenSpeed());
}

void TMainForm::DXDrawMouseWheel(int x, int y, QPoint angle, Qt::KeyboardModifiers modifiers) {
  ViewGeometry& view = Session.View;
  if (modifiers & Qt::ControlModifier) {
    const int notches = ZoomWheel.Add(angle.y() != 0 ? angle.y() : angle.x());
    QSpinBox* zoom = Panel1->UDZoom;
    const int next = WheelZoom(zoom->value(), notches, zoom->minimum(), zoom->maximum());
    if (next == zoom->value()) return;
    // The camera moves first, so that the zoom's own redraw shows the result.
    KeepCellUnderPointer(view, CellSizeFor(next, Session.Sets.BaseTileSize), x, y);
    zoom->setValue(next);
    return;
  }
  // Shift turns the wheel sideways; a sideways wheel or touchpad scrolls
  // columns, turned away from the user it shows the columns to the left.
  const bool sideways = modifiers & Qt::ShiftModifier;
  const int forwards = sideways ? 0 : angle.y();
  const int across = sideways ? (angle.y() != 0 ? angle.y() : angle.x()) : angle.x();
  const int rows = RowWheel.Add(forwards);
  const int columns = ColumnWheel.Add(across);
  if (rows == 0 && columns == 0) return;
  ScrollCamera(view, -columns * WheelScrollCells, rows * WheelScrollCells);
  RedrawView();
}

void TMainForm::SetModeRow(int row) {
  const QSignalBlocker programChange(Panel1->LBMode);
  Panel1->LBMode->clearSelection();
  Panel1->LBMode->setCurrentRow(row);
}

void TMainForm::ClearModeSelection() {
  SetModeRow(-1);
}

void TMainForm::ModeSelectionChanged() {
  QListWidget* modes = Panel1->LBMode;
  const QList<QListWidgetItem*> selected = modes->selectedItems();
  if (selected.isEmpty()) {
    // A Ctrl+click took the highlight from the mode in force: it comes back.
    if (modes->currentItem()) SetModeRow(modes->currentRow());
    return;
  }
  // A drag selects an entry before it becomes the current one.
  const int row = modes->row(selected.first());
  if (row != modes->currentRow()) SetModeRow(row);
  LBModeClick();
}

void TMainForm::LBModeClick() {
  const int row = Panel1->LBMode->currentRow();
  if (row < ModeBackground || row > ModeTexts) return;
  Session.Tools.ChooseMode(row);
  Panel1->UDSel->setValue(1);
}

void TMainForm::BSelectPrimaryCharClick() {
  Session.Tools.SelectPrimaryChar();
}

void TMainForm::BSelectTilesClick() {
  Session.Tools.SelectTiles();
  ClearModeSelection();
}

void TMainForm::BCopyTilesClick() {
  Session.Tools.CopyTiles();
  ClearModeSelection();
}

// With fewer than two selected cells there is no block, and nothing is shown.
void TMainForm::BLoadScreenOutputClick() {
  const std::optional<std::string> text =
      ScreenOutputText(Session.Document.GetMap(), Session.Tools.Selection());
  if (text) Boxes.ShowMessage(QString::fromStdString(*text));
}

void TMainForm::EditUndo() {
  if (Session.Tools.EndPlacement()) {
    RedrawView();
    return;
  }
  if (Session.Document.Undo()) ShowRestoredStep();
}

// A placement going on is a new change: there is nothing to redo.
void TMainForm::EditRedo() {
  if (Session.Tools.PlacementInProgress()) return;
  if (Session.Document.Redo()) ShowRestoredStep();
}

// No placement goes on over a restored map.
void TMainForm::ShowRestoredStep() {
  Session.Tools.ForgetPlacement();
  ShowMapValues();
  RedrawView();
}
