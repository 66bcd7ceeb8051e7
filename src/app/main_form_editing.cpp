// Mouse editing of the main window: presses, drags and releases on the
// drawing surface, the mode list and the primary char picker.

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "editing/cell_line.h"
#include "editing/edit_platform.h"
#include "editing/edit_result.h"
#include "editing/history_watch.h"
#include "editing/map_history.h"
#include "editing/point_to_cell.h"
#include "editing/tile_tool.h"
#include "model/map.h"
#include "view/draw_surface.h"
#include "view/frame_record.h"
#include "view/map_view.h"
#include "view/palette.h"
#include "view/tile_set.h"

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
}

void TMainForm::DXDrawMouseDown(Qt::MouseButton button, int x, int y) {
  // A press happens where the pointer is, also when no movement reported it.
  Pointer = QPoint(x, y);
  MapPress(EditingButton(button), x, y, true);
}

void TMainForm::DXDrawMouseMove(int x, int y) {
  Pointer = QPoint(x, y);
  if (Held == MouseButton::Left || Held == MouseButton::Right) {
    MapPress(Held, x, y, false);
  } else if (PointerLineShown() || Editor.ActiveTool == Tool::ToolPasteBlock) {
    // The line or the paste preview follows the pointer.
    RedrawView();
  }
}

void TMainForm::DXDrawMouseUp(Qt::MouseButton button, int x, int y) {
  Held = MouseButton::None;
  SpringRelease(SpringTool);
  if (Editor.ActiveTool != Tool::ToolPlatforms) {
    SettleStep();
    return;
  }
  const CellPosition cell = PointToCell(View, x, y);
  const PaletteGeometry palette =
      PaletteGeometryFor(Tiles->DXPLA.ImageCount(), View.CellSize, View.ViewWidth);
  PlatformRelease release;
  release.Button = EditingButton(button);
  release.X = cell.X;
  release.Y = cell.Y;
  release.OnPalette = OnPalette(palette, View.ViewWidth, x, y);
  release.SelectedIndex = Panel1->UDSel->value();
  EditHistory->WatchPlatforms(*EditedMap);
  ApplyEditResult(PlatformToolRelease(*EditedMap, Placement, release));
  SettleStep();
}

void TMainForm::MapPress(MouseButton button, int x, int y, bool fromUser) {
  if (fromUser) FocusWindow();
  if (button == MouseButton::None || PalettePress(x, y)) {
    StrokeCell.reset();
    return;
  }
  BeginStroke();
  Held = button;
  EditedMap->Saved = false;
  const CellPosition cell = PointToCell(View, x, y);
  const std::optional<CellPosition> previous = std::exchange(StrokeCell, cell);
  if (!fromUser && previous && StrokeRepeat(button, *previous, cell)) return;
  if (!EditedMap->InUse(cell.X, cell.Y)) return;
  ApplyEditResult(ToolPress(button, cell.X, cell.Y));
}

bool TMainForm::PalettePress(int x, int y) {
  const TileSet* set = PaletteTileSet(*Tiles, Editor.ActiveTool, Editor.ActiveLayer);
  if (set == nullptr) return false;
  const int count = set->ImageCount();
  const PaletteGeometry palette = PaletteGeometryFor(count, View.CellSize, View.ViewWidth);
  if (!OnPalette(palette, View.ViewWidth, x, y)) return false;
  const int entry = PaletteEntryAt(palette, View.CellSize, x, y);
  if (entry <= count) Panel1->UDSel->setValue(entry);
  return true;
}

EditResult TMainForm::ToolPress(MouseButton button, int x, int y) {
  Map& map = *EditedMap;
  std::vector<bool>* filled = WatchToolPress(*EditHistory, map, Editor, Cells, button, x, y);
  switch (Editor.ActiveTool) {
    case Tool::ToolPlaceTile:
    case Tool::ToolTexts:
      return PlaceTilePress(map, Editor.ActiveLayer, Editor.SelectedIndex, button, x, y, filled);
    case Tool::ToolSprings:
      if (button == MouseButton::Left)
        return SpringLeftPress(map, SpringTool, View, Editor.SelectedIndex, Pointer.x(),
                               Pointer.y());
      if (button == MouseButton::Right)
        return SpringRightPress(map, SpringTool, View, Pointer.x(), Pointer.y());
      return EditResult::Redraw();
    case Tool::ToolSelectPrimaryChar:
      return SelectPrimaryCharPress(map, x, y);
    case Tool::ToolSelectBlock:
      return SelectionPress(map, Cells, x, y);
    case Tool::ToolPasteBlock:
      // A right press leaves pasting for placing on the previous layer.
      return PastePress(map, Editor, Cells, button, x, y);
    case Tool::ToolPlatforms:
      // Platforms are placed on release.
      return EditResult::Redraw();
  }
  return {};
}

// A quick drag reports pointer positions several cells apart; painting,
// erasing and text markers reach every cell in between, in order. Returns
// false for the tools whose repeats act only where the pointer is.
bool TMainForm::StrokeRepeat(MouseButton button, CellPosition from, CellPosition to) {
  if (Editor.ActiveTool != Tool::ToolPlaceTile && Editor.ActiveTool != Tool::ToolTexts)
    return false;
  // No pointer is this far off the map: such a line would only cost time.
  constexpr int Far = 4 * GridSize;
  const auto near = [](CellPosition cell) {
    return std::abs(cell.X) < Far && std::abs(cell.Y) < Far;
  };
  std::vector<CellPosition> cells{to};
  if (near(from) && near(to) && !(from == to)) cells = CellLineAfter(from, to);
  std::vector<CellPosition> refreshed;
  bool counters = false;
  for (const CellPosition& cell : cells) {
    // Between two events, a line across the palette places nothing under it:
    // the pointer would have picked there.
    if (!(cell == to) && CellUnderPalette(cell)) continue;
    EditResult result = ToolPress(button, cell.X, cell.Y);
    if (result.RefreshCell) refreshed.push_back(cell);
    counters = counters || result.UpdateTileCounters;
    result.RefreshCell = false;
    result.UpdateTileCounters = false;
    ApplyEditResult(result);
  }
  if (counters) UpdateTileCounters();
  RefreshCells(refreshed);
  return true;
}

bool TMainForm::CellUnderPalette(CellPosition cell) const {
  const TileSet* set = PaletteTileSet(*Tiles, Editor.ActiveTool, Editor.ActiveLayer);
  if (set == nullptr) return false;
  const int cellSize = View.CellSize;
  const int x = (cell.X - 1 - View.CameraX) * cellSize + cellSize / 2;
  const int y = View.ViewHeight - (cell.Y - 1 - View.CameraY) * cellSize - cellSize / 2 - 1;
  const PaletteGeometry palette = PaletteGeometryFor(set->ImageCount(), cellSize, View.ViewWidth);
  return OnPalette(palette, View.ViewWidth, x, y);
}

void TMainForm::ApplyEditResult(const EditResult& result) {
  if (result.ShowObjects) Panel1->CBShowObjects->setChecked(true);
  if (result.ShowPlatforms) Panel1->CBShowPlatforms->setChecked(true);
  if (result.UpdateTileCounters) UpdateTileCounters();
  if (result.RefreshCell) RefreshCells({CellPosition{result.CellX, result.CellY}});
  if (result.RedrawView) RedrawView();
  if (result.OpenPlatformDialog) RunPlatformDialog();
}

void TMainForm::RefreshCells(const std::vector<CellPosition>& cells) {
  if (cells.empty() || !MapDrawing || !DXDraw->IsReady()) return;
  const ViewInputs inputs = CurrentViewInputs();
  for (const CellPosition& cell : cells)
    MapDrawing->RefreshCell(DXDraw->Buffer(), *EditedMap, inputs, cell.X, cell.Y);
  DXDraw->Flip();
  // The cells are drawn over whatever lay on them (a spring, a label, the
  // palette): the next tick draws the whole frame again.
  LastFrame->Forget();
}

// The dialog keeps its values from one platform to the next; only OK takes
// them into the platform being placed.
void TMainForm::RunPlatformDialog() {
  CreateEditPlatform();
  if (EditPlatformDialog->exec() != QDialog::Accepted) return;
  EditHistory->WatchPlatforms(*EditedMap);
  PlatformPropertiesChosen(*EditedMap, Placement, EditPlatformDialog->ChosenSwitchType(),
                           EditPlatformDialog->ChosenSpeed());
}

bool TMainForm::PointerLineShown() const {
  if (Editor.ActiveTool == Tool::ToolSprings && SpringTool.SpringInProgress) return true;
  return (Placement == PlatformStage::StartPlaced || Placement == PlatformStage::AwaitingSwitch) &&
         Panel1->CBShowPlatforms->isChecked();
}

void TMainForm::SetModeRow(int row) {
  const QSignalBlocker programChange(Panel1->LBMode);
  Panel1->LBMode->clearSelection();
  Panel1->LBMode->setCurrentRow(row);
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

void TMainForm::EndPlatformPlacement() {
  DiscardPlatformInPlacement(*EditedMap, Placement);
}

void TMainForm::LBModeClick() {
  const int row = Panel1->LBMode->currentRow();
  if (row < ModeBackground || row > ModeTexts) return;
  EndPlatformPlacement();
  switch (row) {
    case ModeBackground:
    case ModeMidground:
    case ModeForeground:
    case ModeObjects:
    case ModeChars:
      Editor.ActiveTool = Tool::ToolPlaceTile;
      Editor.ActiveLayer = row;
      break;
    case ModeSprings:
      Editor.ActiveTool = Tool::ToolSprings;
      SpringTool.SpringInProgress = false;
      break;
    case ModePlatforms:
      Editor.ActiveTool = Tool::ToolPlatforms;
      break;
    case ModeTexts:
      Editor.ActiveTool = Tool::ToolTexts;
      Editor.ActiveLayer = LayerText;
      break;
  }
  Panel1->UDSel->setValue(1);
}

void TMainForm::BSelectPrimaryCharClick() {
  EndPlatformPlacement();
  Editor.ActiveTool = Tool::ToolSelectPrimaryChar;
}
