#pragma once

#include <optional>
#include <vector>

#include "editing/area_tool.h"
#include "editing/cell_selection.h"
#include "editing/edit_result.h"
#include "editing/mouse_button.h"
#include "editing/platform_tool.h"
#include "view/view_geometry.h"
#include "editing/spring_tool.h"
#include "model/editor_state.h"

class MapDocument;
struct TileSets;
struct ViewGeometry;
struct ViewInputs;

// What the window has to do after a pointer event or a tool change.
struct ToolResponse {
  EditResult Edit;
  // Cells to draw again at once, one screen update for all.
  std::vector<CellPosition> Refreshed;
  // A press on the palette chose this entry for the "Selected" up-down.
  std::optional<int> PickedEntry;
  // A paste was dropped; this many items did not fit and were left out.
  std::optional<int> LeftOut;
};

// The pointer on the map and the tools it works with: presses, repeats of a
// held button, releases, strokes as steps of the document, the placement of
// springs and platforms, and the block tools. Pixels are the drawing
// surface's; the geometry and the tile sets (for the palette) are read at
// each event.
class ToolController {
 public:
  ToolController(MapDocument& document, const ViewGeometry& view, const TileSets& sets);

  const EditorState& State() const { return Editor; }
  MouseButton HeldButton() const { return Held; }
  const SpringToolState& SpringState() const { return SpringTool; }
  PlatformStage PlacementStage() const { return Placement; }
  const CellSelection& Selection() const { return Cells; }
  AreaTool& Areas() { return Area; }
  const AreaTool& Areas() const { return Area; }

  // A press of a button at pixel (x, y); a repeat is the press that the
  // pointer's movement with a button held makes.
  ToolResponse Press(MouseButton button, int x, int y);
  // The pointer moved; with the left or right button held that repeats the
  // press. showPlatforms: the platform being placed is shown.
  ToolResponse Move(int x, int y, bool showPlatforms);
  // selectedPosition: the "Selected" up-down, the kind a new platform gets.
  ToolResponse Release(MouseButton button, int x, int y, int selectedPosition);
  // The properties dialog of the platform being placed closed; its values
  // when OK took them.
  void PlatformDialogClosed(std::optional<int> switchType, int speed);

  // The mode list's entry row was chosen; the tool it stands for.
  void ChooseMode(int row);
  void SelectPrimaryChar();
  void SelectTiles();
  void CopyTiles();
  // The selection tool, from any tool; its selection starts empty.
  void SelectArea();
  // The tools as at start-up, and after New and Open.
  void Reset();

  // What undo and redo did.
  enum class Restored { Nothing, PlacementEnded, Step };
  // Undo first ends a spring or platform being placed, as a right press
  // would; a placement going on is a new change, with nothing to redo. No
  // placement goes on over a map that undo or redo restored.
  Restored Undo();
  Restored Redo();

  // The "Selected" rule for a position of its up-down under the tool in
  // force: the value the selection becomes, or nothing for the tools that
  // ignore it. The selection takes the value.
  std::optional<int> ChooseSelected(int position);

  // The value the cell under pixel (x, y) holds in the byte the tool in
  // force places (tiles, objects, chars, text markers); nothing on an empty
  // cell, off the map or for the other tools.
  std::optional<int> ValueAt(int x, int y) const;
  // The cell under the pointer's last position.
  CellPosition PointerCell() const;

  // True while a spring or platform is being placed.
  bool PlacementInProgress() const;
  // Closes the document's step unless a button is held or a placement goes
  // on, which the step still belongs to.
  void SettleStep();
  // The platforms a recovery copy keeps: one being placed is left out.
  int FinishedPlatformCount() const;

  // The tools' part of a frame: the tool, the pointer's overlays, the block
  // tools' preview and outlines.
  void DescribeTo(ViewInputs& inputs) const;

 private:
  // No placement goes on over a map replaced by undo or redo.
  void ForgetPlacement();
  // The selection tool's part of a press, a movement and a release.
  ToolResponse AreaPress(MouseButton button, int x, int y);
  ToolResponse AreaMove(int x, int y);
  ToolResponse AreaRelease(MouseButton button, int x, int y);
  // Ends the spring or platform being placed as a right press or a right
  // release would; that is the step. False when none was.
  bool EndPlacement();
  ToolResponse MapPress(MouseButton button, int x, int y, bool repeat);
  // True when the press picked from the palette (or missed its entries).
  bool PalettePress(int x, int y, ToolResponse& response);
  EditResult ToolPress(MouseButton button, int x, int y);
  // A repeat of a placing tool: the press on every cell of the line from the
  // previous pointer event's cell to this one.
  bool StrokeRepeat(MouseButton button, CellPosition from, CellPosition to,
                    ToolResponse& response);
  // True while a line follows the pointer: a spring being drawn, or the end
  // or switch of a platform being placed (when platforms are shown).
  bool PointerLineShown(bool showPlatforms) const;
  // True when the middle of the cell lies on the palette.
  bool CellUnderPalette(CellPosition cell) const;
  void EndPlatformPlacement();

  MapDocument& Document;
  const ViewGeometry& View;
  const TileSets& Sets;
  EditorState Editor;
  CellSelection Cells;
  AreaTool Area;
  MouseButton Held = MouseButton::None;
  int PointerX = 0;
  int PointerY = 0;
  SpringToolState SpringTool;
  PlatformStage Placement = PlatformStage::Idle;
  // The cell of the previous press or repeat while a button is held.
  std::optional<CellPosition> StrokeCell;
};
