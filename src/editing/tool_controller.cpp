#include "editing/tool_controller.h"

#include <cstdlib>
#include <utility>

#include "editing/cell_line.h"
#include "editing/map_document.h"
#include "editing/tile_tool.h"
#include "model/map.h"
#include "view/palette.h"
#include "view/tile_set.h"
#include "view/view_inputs.h"

namespace {

// What undo would take back, by the tool that makes the step.
const char* StepName(Tool tool, MouseButton button) {
  switch (tool) {
    case Tool::ToolPlaceTile:
    case Tool::ToolTexts:
      return button == MouseButton::Middle  ? "Fill"
             : button == MouseButton::Right ? "Erase"
                                            : "Paint";
    case Tool::ToolSprings:
      return "Spring";
    case Tool::ToolPlatforms:
      return "Platform";
    case Tool::ToolPasteBlock:
      return "Paste";
    case Tool::ToolSelectPrimaryChar:
      return "Primary char";
    case Tool::ToolSelectBlock:
    case Tool::ToolSelectArea:
      break;
  }
  return "";
}

void Merge(ToolResponse& response, const EditResult& result) {
  EditResult& edit = response.Edit;
  edit.RedrawView = edit.RedrawView || result.RedrawView;
  edit.UpdateTileCounters = edit.UpdateTileCounters || result.UpdateTileCounters;
  edit.ShowObjects = edit.ShowObjects || result.ShowObjects;
  edit.ShowPlatforms = edit.ShowPlatforms || result.ShowPlatforms;
  edit.OpenPlatformDialog = edit.OpenPlatformDialog || result.OpenPlatformDialog;
  if (result.RefreshCell) response.Refreshed.push_back(CellPosition{result.CellX, result.CellY});
}

}  // namespace

ToolController::ToolController(MapDocument& document, const ViewGeometry& view,
                               const TileSets& sets)
    : Document(document), View(view), Sets(sets), Area(document) {}

ToolResponse ToolController::Press(MouseButton button, int x, int y) {
  // A press happens where the pointer is, also when no movement reported it.
  PointerX = x;
  PointerY = y;
  if (Editor.ActiveTool == Tool::ToolSelectArea) return AreaPress(button, x, y);
  return MapPress(button, x, y, false);
}

ToolResponse ToolController::Move(int x, int y, bool showPlatforms) {
  PointerX = x;
  PointerY = y;
  if (Editor.ActiveTool == Tool::ToolSelectArea) return AreaMove(x, y);
  if (Held == MouseButton::Left || Held == MouseButton::Right) return MapPress(Held, x, y, true);
  ToolResponse response;
  // The line or the paste preview follows the pointer.
  response.Edit.RedrawView =
      PointerLineShown(showPlatforms) || Editor.ActiveTool == Tool::ToolPasteBlock;
  return response;
}

ToolResponse ToolController::Release(MouseButton button, int x, int y, int selectedPosition) {
  if (Editor.ActiveTool == Tool::ToolSelectArea) return AreaRelease(button, x, y);
  Held = MouseButton::None;
  SpringRelease(SpringTool);
  ToolResponse response;
  if (Editor.ActiveTool == Tool::ToolPlatforms) {
    const CellPosition cell = PointToCell(View, x, y);
    const PaletteGeometry palette =
        PaletteGeometryFor(Sets.DXPLA.ImageCount(), View.CellSize, View.ViewWidth);
    PlatformRelease release;
    release.Button = button;
    release.X = cell.X;
    release.Y = cell.Y;
    release.OnPalette = OnPalette(palette, View.ViewWidth, x, y);
    release.SelectedIndex = selectedPosition;
    Merge(response, PlatformToolRelease(Document.Edit(), Placement, release));
  }
  SettleStep();
  return response;
}

// The dialog keeps its values from one platform to the next; only OK takes
// them into the platform being placed.
void ToolController::PlatformDialogClosed(std::optional<int> switchType, int speed) {
  if (switchType) PlatformPropertiesChosen(Document.Edit(), Placement, *switchType, speed);
  SettleStep();
}

ToolResponse ToolController::AreaPress(MouseButton button, int x, int y) {
  ToolResponse response;
  response.Edit.RedrawView = true;
  if (button == MouseButton::Right) {
    Area.CancelPaste();
  } else if (button == MouseButton::Left) {
    Held = button;
    response.LeftOut = Area.Press(PointToCell(View, x, y));
    response.Edit.UpdateTileCounters = response.LeftOut.has_value();
  }
  return response;
}

ToolResponse ToolController::AreaMove(int x, int y) {
  ToolResponse response;
  const CellPosition cell = PointToCell(View, x, y);
  if (Held == MouseButton::Left) {
    Area.Drag(cell);
    response.Edit.RedrawView = true;
  } else {
    Area.Hover(cell);
    response.Edit.RedrawView = Area.Pasting();
  }
  return response;
}

ToolResponse ToolController::AreaRelease(MouseButton button, int x, int y) {
  ToolResponse response;
  if (button != MouseButton::Left || Held != MouseButton::Left) return response;
  Held = MouseButton::None;
  Area.Release(PointToCell(View, x, y));
  response.Edit.RedrawView = true;
  response.Edit.UpdateTileCounters = true;
  return response;
}

// The press algorithm; a repeat comes from the pointer's movement.
ToolResponse ToolController::MapPress(MouseButton button, int x, int y, bool repeat) {
  ToolResponse response;
  if (button == MouseButton::None || PalettePress(x, y, response)) {
    StrokeCell.reset();
    return response;
  }
  // A press continues the step of a stroke or of a placement going on, and
  // begins a new one otherwise.
  SettleStep();
  Document.BeginStep(StepName(Editor.ActiveTool, button));
  Held = button;
  Document.MarkChanged();
  const CellPosition cell = PointToCell(View, x, y);
  const std::optional<CellPosition> previous = std::exchange(StrokeCell, cell);
  if (repeat && previous && StrokeRepeat(button, *previous, cell, response)) return response;
  if (!Document.GetMap().InUse(cell.X, cell.Y)) return response;
  Merge(response, ToolPress(button, cell.X, cell.Y));
  return response;
}

bool ToolController::PalettePress(int x, int y, ToolResponse& response) {
  const TileSet* set = PaletteTileSet(Sets, Editor.ActiveTool, Editor.ActiveLayer);
  if (set == nullptr) return false;
  const int count = set->ImageCount();
  const PaletteGeometry palette = PaletteGeometryFor(count, View.CellSize, View.ViewWidth);
  if (!OnPalette(palette, View.ViewWidth, x, y)) return false;
  const int entry = PaletteEntryAt(palette, View.CellSize, x, y);
  if (entry <= count) response.PickedEntry = entry;
  return true;
}

EditResult ToolController::ToolPress(MouseButton button, int x, int y) {
  switch (Editor.ActiveTool) {
    case Tool::ToolPlaceTile:
    case Tool::ToolTexts:
      return PlaceTilePress(Document.Edit(), Editor.ActiveLayer, Editor.SelectedIndex, button, x,
                            y);
    case Tool::ToolSprings:
      if (button == MouseButton::Left)
        return SpringLeftPress(Document.Edit(), SpringTool, View, Editor.SelectedIndex, PointerX,
                               PointerY);
      if (button == MouseButton::Right)
        return SpringRightPress(Document.Edit(), SpringTool, View, PointerX, PointerY);
      return EditResult::Redraw();
    case Tool::ToolSelectPrimaryChar:
      return SelectPrimaryCharPress(Document.Edit(), x, y);
    case Tool::ToolSelectBlock:
      return SelectionPress(Document.GetMap(), Cells, x, y);
    case Tool::ToolPasteBlock:
      // A right press leaves pasting for placing on the previous layer.
      return PastePress(Document.Edit(), Editor, Cells, button, x, y);
    case Tool::ToolPlatforms:
      // Platforms are placed on release.
      return EditResult::Redraw();
    case Tool::ToolSelectArea:
      break;
  }
  return {};
}

// A quick drag reports pointer positions several cells apart; painting,
// erasing and text markers reach every cell in between, in order. Returns
// false for the tools whose repeats act only where the pointer is.
bool ToolController::StrokeRepeat(MouseButton button, CellPosition from, CellPosition to,
                                  ToolResponse& response) {
  if (Editor.ActiveTool != Tool::ToolPlaceTile && Editor.ActiveTool != Tool::ToolTexts)
    return false;
  // No pointer is this far off the map: such a line would only cost time.
  constexpr int Far = 4 * GridSize;
  const auto near = [](CellPosition cell) {
    return std::abs(cell.X) < Far && std::abs(cell.Y) < Far;
  };
  std::vector<CellPosition> cells{to};
  if (near(from) && near(to) && !(from == to)) cells = CellLineAfter(from, to);
  for (const CellPosition& cell : cells) {
    // Between two events, a line across the palette places nothing under it:
    // the pointer would have picked there.
    if (!(cell == to) && CellUnderPalette(cell)) continue;
    Merge(response, ToolPress(button, cell.X, cell.Y));
  }
  return true;
}

bool ToolController::CellUnderPalette(CellPosition cell) const {
  const TileSet* set = PaletteTileSet(Sets, Editor.ActiveTool, Editor.ActiveLayer);
  if (set == nullptr) return false;
  const PixelPosition middle = CellMiddle(View, cell.X, cell.Y);
  const PaletteGeometry palette =
      PaletteGeometryFor(set->ImageCount(), View.CellSize, View.ViewWidth);
  return OnPalette(palette, View.ViewWidth, middle.X, middle.Y);
}

void ToolController::ChooseMode(int row) {
  if (row < ModeBackground || row > ModeTexts) return;
  EndPlatformPlacement();
  Area.Reset();
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
}

void ToolController::SelectPrimaryChar() {
  EndPlatformPlacement();
  Area.Reset();
  Editor.ActiveTool = Tool::ToolSelectPrimaryChar;
}

void ToolController::SelectTiles() {
  EndPlatformPlacement();
  Area.Reset();
  SelectTilesClick(Editor, Cells);
}

void ToolController::CopyTiles() {
  EndPlatformPlacement();
  Area.Reset();
  CopyTilesClick(Editor, Cells);
}

void ToolController::SelectArea() {
  if (Editor.ActiveTool == Tool::ToolSelectArea) return;
  EndPlatformPlacement();
  SettleStep();
  Editor.ActiveTool = Tool::ToolSelectArea;
}

void ToolController::Reset() {
  ForgetPlacement();
  Area.Reset();
  Editor.ActiveTool = Tool::ToolPlaceTile;
  Editor.ActiveLayer = LayerBg;
  Editor.SelectedIndex = 1;
}

void ToolController::ForgetPlacement() {
  SpringTool.SpringInProgress = false;
  Placement = PlatformStage::Idle;
}

// Leaving the Platforms tool, or choosing it again, drops the platform that
// was being placed.
void ToolController::EndPlatformPlacement() {
  DiscardPlatformInPlacement(Document.Edit(), Placement);
}

ToolController::Restored ToolController::Undo() {
  if (EndPlacement()) return Restored::PlacementEnded;
  if (!Document.Undo()) return Restored::Nothing;
  ForgetPlacement();
  return Restored::Step;
}

ToolController::Restored ToolController::Redo() {
  if (PlacementInProgress() || !Document.Redo()) return Restored::Nothing;
  ForgetPlacement();
  return Restored::Step;
}

std::optional<int> ToolController::ChooseSelected(int position) {
  const TileSet* set = PaletteTileSet(Sets, Editor.ActiveTool, Editor.ActiveLayer);
  const std::optional<int> selected =
      CorrectSelectedIndex(Editor.ActiveTool, position, set ? set->ImageCount() : 0);
  if (selected) Editor.SelectedIndex = *selected;
  return selected;
}

std::optional<int> ToolController::ValueAt(int x, int y) const {
  if (Editor.ActiveTool != Tool::ToolPlaceTile && Editor.ActiveTool != Tool::ToolTexts)
    return std::nullopt;
  const CellPosition cell = PointToCell(View, x, y);
  const Map& map = Document.GetMap();
  if (!map.InUse(cell.X, cell.Y)) return std::nullopt;
  const int value = map.Cell(cell.X, cell.Y).LayerByte(Editor.ActiveLayer);
  if (value == 0) return std::nullopt;
  return value;
}

CellPosition ToolController::PointerCell() const {
  return PointToCell(View, PointerX, PointerY);
}

bool ToolController::PlacementInProgress() const {
  if (Editor.ActiveTool == Tool::ToolSprings)
    return SpringTool.SpringInProgress && Document.GetMap().SpringCount > 0;
  if (Editor.ActiveTool == Tool::ToolPlatforms) return Placement != PlatformStage::Idle;
  return false;
}

bool ToolController::EndPlacement() {
  if (!PlacementInProgress()) return false;
  Document.BeginStep(StepName(Editor.ActiveTool, MouseButton::Right));
  Document.MarkChanged();
  if (Editor.ActiveTool == Tool::ToolSprings) {
    SpringRightPress(Document.Edit(), SpringTool, View, PointerX, PointerY);
  } else {
    PlatformRelease release;
    release.Button = MouseButton::Right;
    PlatformToolRelease(Document.Edit(), Placement, release);
  }
  Document.EndStep();
  Document.MarkSavedIfUnchanged();
  return true;
}

void ToolController::SettleStep() {
  if (Held == MouseButton::None && !PlacementInProgress()) Document.EndStep();
}

int ToolController::FinishedPlatformCount() const {
  const int count = Document.GetMap().PlatformCount;
  return Placement == PlatformStage::Idle ? count : std::max(0, count - 1);
}

bool ToolController::PointerLineShown(bool showPlatforms) const {
  if (Editor.ActiveTool == Tool::ToolSprings && SpringTool.SpringInProgress) return true;
  return (Placement == PlatformStage::StartPlaced || Placement == PlatformStage::AwaitingSwitch) &&
         showPlatforms;
}

void ToolController::DescribeTo(ViewInputs& inputs) const {
  inputs.ActiveTool = Editor.ActiveTool;
  inputs.ActiveLayer = Editor.ActiveLayer;
  inputs.Overlay.PointerPosition = QPoint(PointerX, PointerY);
  inputs.Overlay.SpringInProgress = SpringTool.SpringInProgress;
  inputs.Overlay.LastSpringPoint = SpringTool.LastSpringPoint;
  if (Editor.ActiveTool == Tool::ToolPasteBlock)
    inputs.Block.Preview = PastePreview(Document.GetMap(), Cells, View, PointerX, PointerY);
  if (Editor.ActiveTool == Tool::ToolSelectBlock || Editor.ActiveTool == Tool::ToolPasteBlock)
    inputs.Block.Outlines = SelectionOutlines(Cells, View);
  if (Editor.ActiveTool == Tool::ToolSelectArea) Area.DescribeTo(inputs.Area);
  if (Placement == PlatformStage::StartPlaced)
    inputs.Overlay.Placing = PlatformPlacing::ChoosingEnd;
  else if (Placement == PlatformStage::AwaitingSwitch)
    inputs.Overlay.Placing = PlatformPlacing::ChoosingSwitch;
}
