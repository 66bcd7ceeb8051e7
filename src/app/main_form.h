#pragma once

#include <QLockFile>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "app/camera.h"
#include "app/wheel_navigation.h"
#include "editing/cell_selection.h"
#include "editing/mouse_button.h"
#include "editing/platform_tool.h"
#include "editing/point_to_cell.h"
#include "editing/spring_tool.h"
#include "levelfile/recovery_writer.h"
#include "model/editor_state.h"
#include "view/view_geometry.h"

class ControlPanel;
class FrameRecord;
class Map;
class MapHistory;
class MapView;
class MessageBoxes;
class QKeyEvent;
class QTimer;
class TDrawSurface;
class TEditPlatform;
struct EditResult;
struct TileSets;
struct ValidationResult;
struct ViewInputs;

// The main window: the drawing surface above the control panel. It owns the
// map, the editing state, the tile sets and both timers for the whole run.
class TMainForm : public QWidget {
 public:
  // customTextsEnabled is the switch that start-up sets; the editor always
  // runs with it on, tests also run the special panel's tools with it off.
  explicit TMainForm(MessageBoxes& boxes, QWidget* parent = nullptr,
                     bool customTextsEnabled = true);
  ~TMainForm() override;

  // FormCreate: the start-up sequence. Returns false, after the message that
  // names the file, when the tile sets cannot be loaded.
  bool StartUp();
  // Creates the platform properties dialog, kept hidden until it is needed.
  void CreateEditPlatform();

  Map& GetMap() { return *EditedMap; }
  EditorState& State() { return Editor; }
  ViewGeometry& Geometry() { return View; }
  TDrawSurface* Surface() const { return DXDraw; }
  ControlPanel* Panel() const { return Panel1; }
  const TileSets& Sets() const { return *Tiles; }
  TEditPlatform* EditPlatform() const { return EditPlatformDialog; }
  QTimer* RedrawTimer() const { return Timer; }
  QTimer* CameraTimer() const { return TimerSipky; }
  bool CustomTextsEnabled() const { return CustomTextsSwitch; }
  MouseButton HeldButton() const { return Held; }
  QPoint PointerPosition() const { return Pointer; }
  const SpringToolState& SpringState() const { return SpringTool; }
  PlatformStage PlacementStage() const { return Placement; }
  ScrollDirection Scrolling() const { return Direction; }
  const CellSelection& Selection() const { return Cells; }
  const MapHistory& History() const { return *EditHistory; }

  // The folder level files belong to, with a trailing "/": the executable's
  // folder unless set otherwise.
  const QString& ProgramFolderPath() const { return ProgramFolderName; }
  void SetProgramFolder(const QString& folder);

  // The layout rule: the surface fills the client area above the panel.
  void FormResize();
  void TimerTimer();
  // The full redraw; a map that cannot be drawn is replaced by an empty one.
  void RedrawView();
  void EZoomChange();
  void ESelChange();
  void UpdateTileCounters();
  // Empties the map and resets the editing state that goes with it.
  void NewMap();
  void BHelpClick();

  // The file commands. Every one that would drop unsaved changes asks first.
  void BNewClick();
  void IBOpenFileClick();
  void LoadLevelFile();
  void BSaveClick();
  void BExitClick();
  // Validates, writes the emulator's level file and starts the emulator.
  void BRunEmuClick();

  // The custom texts memo: its lines are the map's custom texts.
  void MCustomTextsChange();
  // MCustomTextsEnter, MCustomTextsClick and MCustomTextsKeyUp: the label
  // shows the identifier of the line holding the caret.
  void UpdateCustomTextsId();

  // Block selection and copy, and the export of a selected block.
  void BSelectTilesClick();
  void BCopyTilesClick();
  void BLoadScreenOutputClick();
  void FormMouseDown();
  void Panel1MouseDown();

  // Mouse editing on the drawing surface, in surface pixels.
  void DXDrawMouseDown(Qt::MouseButton button, int x, int y);
  void DXDrawMouseMove(int x, int y);
  void DXDrawMouseUp(Qt::MouseButton button, int x, int y);
  // Ctrl + wheel zooms at the pointer; the wheel scrolls, sideways with Shift.
  void DXDrawMouseWheel(int x, int y, QPoint angle, Qt::KeyboardModifiers modifiers);
  void LBModeClick();
  void BSelectPrimaryCharClick();

  // Camera movement and the window's keys; keys arrive only while the window
  // itself holds the focus.
  void StartScrolling(ScrollDirection direction);
  void StopScrolling();
  void TimerSipkyTimer();
  void FormKeyDown(const QKeyEvent& event);
  void FormKeyUp(int key);

  // Autosave: while the map has unsaved changes, a recovery copy every
  // intervalSeconds (0: none) in the user's application data folder, one
  // per program folder. Save, New, Open and a confirmed Exit remove it.
  // While another editor in the same program folder keeps the copy, this
  // one neither writes nor offers one.
  void StartAutosave(int intervalSeconds);
  void AutosaveTimerTimer();
  // At start-up: offers the copy that an editor which did not exit left behind.
  void OfferRecovery();
  QString RecoveryCopyPath() const;
  RecoveryWriter* RecoveryCopy() const { return Recovery.get(); }
  QTimer* AutosaveTimer() const { return TimerAutosave; }

  // The map size changes the program makes (Load, the recoveries): both
  // run the resize rules like an arrow step.
  void SetMapSize(int width, int height);
  void UDWidthChangingEx(int proposed);
  void UDHeightChangingEx(int proposed);

  // Undo and redo of the changes to the map (Ctrl+Z; Ctrl+Y, Ctrl+Shift+Z).
  // Undo first ends a spring or platform being placed.
  void EditUndo();
  void EditRedo();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void DropRecoveryCopy();
  // A confirmed Exit: no copy is left, and none is written any more.
  void EndAutosave();
  void RestoreRecoveryCopy(const Map& copy, const RecoveryInfo& info);
  void ConnectEditing();
  void ConnectCamera();
  void ConnectFiles();
  void ConnectCustomTexts();
  void ConnectBlocks();
  void ConnectHistory();
  // The steps of the history: a press begins or continues one; a release,
  // the end of a placement and the other changes close it.
  void BeginStroke();
  void SettleStep();
  bool PlacementInProgress() const;
  bool EndPlacement();
  void ShowRestoredStep();
  void ClearHistory();
  // A size typed into its edit, and a background chosen or set.
  void MirrorSize(int width, int height);
  void CBBackgroundChange(int index);
  ValidationResult ValidateRecorded();
  // Shows the validation's messages in order; true when the map may be written.
  bool ValidateForWrite();
  // Puts lines into the memo without counting as an edit.
  void SetCustomTextsMemo(const std::vector<std::string>& lines);
  void SetCustomTextsMemoText(const QString& text);
  // Clears the mode list's highlight, for the tools no mode stands for.
  void ClearModeSelection();
  // The program's own change of the mode list's entry; only the user's
  // changes run LBModeClick by themselves.
  void SetModeRow(int row);
  // A change of the mode list's selection made by the user: the entry shown
  // selected is always the mode in force.
  void ModeSelectionChanged();
  // Leaving the Platforms tool, or choosing it again, drops the platform
  // that was being placed.
  void EndPlatformPlacement();
  ViewInputs CurrentViewInputs() const;
  // Draws the frame of these inputs and shows it (the surface is ready).
  void DrawFrame(const ViewInputs& inputs);
  // Draws the cells again at once, one screen update for all.
  void RefreshCells(const std::vector<CellPosition>& cells);
  // The press algorithm; a repeat from pointer movement leaves the focus alone.
  void MapPress(MouseButton button, int x, int y, bool fromUser);
  // True when the press picked from the palette (or missed its entries).
  bool PalettePress(int x, int y);
  EditResult ToolPress(MouseButton button, int x, int y);
  // A repeat of a placing tool: the press on every cell of the line from the
  // previous pointer event's cell to this one, drawn in one flip.
  bool StrokeRepeat(MouseButton button, CellPosition from, CellPosition to);
  // True when the middle of the cell lies on the palette.
  bool CellUnderPalette(CellPosition cell) const;
  void ApplyEditResult(const EditResult& result);
  void RunPlatformDialog();
  // True while a line follows the pointer: a spring being drawn, or the end
  // or switch of a platform being placed.
  bool PointerLineShown() const;

  void ConnectControls();
  void SizeToScreen();
  void StartEditingState();
  bool LoadTiles();
  void RecoverCorruptedMap();
  // The focus rule: the window itself takes the focus and no control keeps it.
  void FocusWindow();

  MessageBoxes& Boxes;
  std::unique_ptr<Map> EditedMap;
  std::unique_ptr<TileSets> Tiles;
  std::unique_ptr<MapView> MapDrawing;
  std::unique_ptr<FrameRecord> LastFrame;
  std::unique_ptr<MapHistory> EditHistory;
  EditorState Editor;
  ViewGeometry View;
  bool CustomTextsSwitch = false;
  const bool CustomTextsAtStartUp;
  QString ProgramFolderName;
  CellSelection Cells;
  MouseButton Held = MouseButton::None;
  QPoint Pointer;
  SpringToolState SpringTool;
  PlatformStage Placement = PlatformStage::Idle;
  ScrollDirection Direction = ScrollDirection::None;
  // The cell of the previous press or repeat while a button is held.
  std::optional<CellPosition> StrokeCell;
  WheelNotches ZoomWheel;
  WheelNotches RowWheel;
  WheelNotches ColumnWheel;

  TDrawSurface* DXDraw = nullptr;
  ControlPanel* Panel1 = nullptr;
  QTimer* Timer = nullptr;
  QTimer* TimerSipky = nullptr;
  // A released arrow key stops the movement only when no press of the same
  // key follows at once: some X servers send the auto-repeat of a held key
  // as release and press pairs not marked as repeats.
  QTimer* ArrowRelease = nullptr;
  int ReleasedArrowKey = 0;
  TEditPlatform* EditPlatformDialog = nullptr;
  std::unique_ptr<QLockFile> RecoveryLock;
  std::unique_ptr<RecoveryWriter> Recovery;
  QTimer* TimerAutosave = nullptr;
};
