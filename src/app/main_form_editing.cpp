// Mouse editing of the main window: presses, drags and releases on the
// drawing surface, the wheel, the mode list, the special tools and undo.

#include <QCheckBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "app/control_panel.h"
#include "app/edit_platform.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/screen_output.h"
#include "editing/editor_session.h"
#include "app/draw_surface.h"
#include "app/map_presenter.h"

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
  DXDraw->OnMouseDown = [this](Qt::MouseButton button, int x, int y,
                               Qt::KeyboardModifiers modifiers) {
    if (!AreaMouseDown(button, x, y, modifiers)) DXDrawMouseDown(button, x, y);
  };
  DXDraw->OnMouseMove = [this](int x, int y) { DXDrawMouseMove(x, y); };
  DXDraw->OnMouseUp = [this](Qt::MouseButton button, int x, int y) { DXDrawMouseUp(button, x, y); };
  DXDraw->OnWheel = [this](int x, int y, QPoint angle, Qt::KeyboardModifiers modifiers) {
    DXDrawMouseWheel(x, y, angle, modifiers);
  };
  Panel1->OnModeChosen = [this] { LBModeClick(); };
  connect(Panel1->BSelectPrimaryChar, &QPushButton::clicked, this,
          [this] { BSelectPrimaryCharClick(); });
  // The same tool in the editor with the custom texts: a button and Z.
  connect(Panel1->BPrimaryChar, &QPushButton::clicked, this, [this] {
    BSelectPrimaryCharClick();
    Panel1->ShowMode(-1);
  });
  auto* primaryKey =
      new QShortcut(QKeySequence(Qt::Key_Z), this, nullptr, nullptr, Qt::WidgetShortcut);
  connect(primaryKey, &QShortcut::activated, Panel1->BPrimaryChar, &QPushButton::click);
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
  MarkedCell.reset();
  ShowToolResponse(Session.Tools.Press(EditingButton(button), x, y));
}

void TMainForm::DXDrawMouseMove(int x, int y) {
  ShowPointerCell(x, y);
  ShowToolResponse(Session.Tools.Move(x, y, Panel1->CBShowPlatforms->isChecked()));
}

void TMainForm::DXDrawMouseUp(Qt::MouseButton button, int x, int y) {
  ShowToolResponse(
      Session.Tools.Release(EditingButton(button), x, y, Panel1->SelectedPosition()));
}

void TMainForm::ShowToolResponse(const ToolResponse& response) {
  const EditResult& result = response.Edit;
  if (response.PickedEntry) Panel1->UDSel->setValue(*response.PickedEntry);
  if (response.LeftOut && *response.LeftOut > 0) TellLeftOut(*response.LeftOut);
  if (result.ShowObjects) Panel1->CBShowObjects->setChecked(true);
  if (result.ShowPlatforms) Panel1->CBShowPlatforms->setChecked(true);
  if (result.UpdateTileCounters) UpdateTileCounters();
  if (Presenter)
    Presenter->RefreshCells(Session.Document.GetMap(), CurrentViewInputs(), response.Refreshed);
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
  QSpinBox* zoom = Panel1->UDZoom;
  const WheelTurn turn =
      Wheel.Turn(angle.x(), angle.y(), modifiers & Qt::ControlModifier,
                 modifiers & Qt::ShiftModifier, zoom->value(), zoom->minimum(), zoom->maximum());
  if (turn.Zoom != zoom->value()) {
    // The camera moves first, so that the zoom's own redraw shows the result.
    KeepCellUnderPointer(Session.View, CellSizeFor(turn.Zoom, Session.Sets.BaseTileSize), x, y);
    zoom->setValue(turn.Zoom);
  } else if (turn.Columns != 0 || turn.Rows != 0) {
    ScrollCamera(Session.View, turn.Columns, turn.Rows);
    RedrawView();
  }
}

void TMainForm::LBModeClick() {
  const int row = Panel1->ChosenMode();
  if (row < ModeBackground || row > ModeTexts) return;
  Session.Tools.ChooseMode(row);
  Panel1->UDSel->setValue(1);
}

void TMainForm::BSelectPrimaryCharClick() {
  Session.Tools.SelectPrimaryChar();
}

void TMainForm::BSelectTilesClick() {
  Session.Tools.SelectTiles();
  Panel1->ShowMode(-1);
}

void TMainForm::BCopyTilesClick() {
  Session.Tools.CopyTiles();
  Panel1->ShowMode(-1);
}

// With fewer than two selected cells there is no block, and nothing is shown.
void TMainForm::BLoadScreenOutputClick() {
  const std::optional<std::string> text =
      ScreenOutputText(Session.Document.GetMap(), Session.Tools.Selection());
  if (text) Boxes.ShowMessage(QString::fromStdString(*text));
}

void TMainForm::EditUndo() {
  ShowRestored(Session.Tools.Undo());
}

void TMainForm::EditRedo() {
  ShowRestored(Session.Tools.Redo());
}

// A restored step changes what the controls show.
void TMainForm::ShowRestored(ToolController::Restored restored) {
  if (restored == ToolController::Restored::Step) ShowMapValues();
  if (restored != ToolController::Restored::Nothing) RedrawView();
}
