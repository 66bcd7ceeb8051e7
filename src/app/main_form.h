#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/camera.h"
#include "app/file_commands.h"
#include "app/wheel_navigation.h"
#include "editing/tool_controller.h"
#include "view/view_geometry.h"
#include "view/view_inputs.h"

class Autosave;
class CameraScroller;
class CustomTextsMemo;
class ControlPanel;
class MapPresenter;
class MessageBoxes;
class QKeyEvent;
class QTimer;
class TDrawSurface;
class ProblemsList;
class LevelNavigator;
class QLabel;
class QToolButton;
class ReplaceTilesDialog;
struct MapProblem;
class TEditPlatform;
class Map;
struct EditorSession;
struct RecoveryInfo;
struct ViewInputs;

// The main window: the drawing surface above the control panel. It shows
// the session (the document, the view, the tools) and hands it the user's
// events; the handlers keep the names the program has always had.
class TMainForm : public QWidget {
 public:
  // customTextsEnabled is the switch that start-up sets: on, the custom
  // texts panel shows; off (--special-tools), the special tools panel.
  TMainForm(MessageBoxes& boxes, EditorSession& session, Autosave& autosave,
            bool customTextsEnabled = true, QWidget* parent = nullptr);
  ~TMainForm() override;

  // FormCreate: the start-up sequence. Returns false, after the message that
  // names the file, when the tile sets cannot be loaded.
  bool StartUp();
  // Creates the platform properties dialog, kept hidden until it is needed.
  void CreateEditPlatform();

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
  // Opens the level of this name as Open does once the user agreed to drop
  // unsaved changes: the question comes before the name goes into the file
  // name box (the command line, a drop, recent levels, next and previous).
  void OpenLevelNamed(const std::string& name);
  // The level named on the command line, looked for under the program
  // folder first, then under the working directory.
  void OpenStartLevel(const std::string& argument);
  // Ctrl+Shift+S: the save dialog, its name into the file name box, Save.
  void SaveAsClick();
  void BSaveClick();
  void BExitClick();
  // Validates, writes the emulator's level file and starts the emulator.
  void BRunEmuClick();
  // Shift + "Run Emu" and Ctrl+R: the emulator starts the game at the
  // pointer's cell.
  void PlayFromHere();

  // The custom texts memo: its lines are the map's custom texts.
  void MCustomTextsChange(std::vector<std::string> lines);

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

  // Autosave every intervalSeconds (0: none) while the map has unsaved
  // changes; at start-up, the offer of the copy an editor which did not
  // exit left behind.
  void StartAutosave(int intervalSeconds);
  void OfferRecovery();

  // UDWidthChangingEx and UDHeightChangingEx: an arrow step of a size runs
  // the resize rules, a step of its own.
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
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void ConnectControls();
  void ConnectEditing();
  void ConnectCamera();
  void ConnectFiles();
  // Recent levels, next and previous, the watch on the open file, drops,
  // and the keys of the file commands.
  void ConnectLevels();
  // Reads the level file at path in place of the map; the user has agreed.
  void ReadLevelFile(const std::string& path);
  void ConnectCustomTexts();
  void SizeToScreen();
  void StartEditingState();
  bool LoadTiles();
  void RecoverCorruptedMap();
  // An empty 20 x 20 map in place of the edited one.
  void NewDefaultMap();
  // The focus rule: the window itself takes the focus and no control keeps it.
  void FocusWindow();

  ViewInputs CurrentViewInputs() const;
  void ShowToolResponse(const ToolResponse& response);
  void RunPlatformDialog();

  // The controls show the map's size and background without running the
  // resize rules; a changed map is drawn and counted again.
  void ShowMapValues();
  void ShowRestored(ToolController::Restored restored);
  void RestoreRecoveryCopy(const Map& copy, const RecoveryInfo& info);
  // Why no recovery copy can be kept, in a box; it waits while a button is
  // held on the map or another box is open.
  void TellRecoveryProblem(const QString& text);
  // A button is held on the map or a box is open: nothing may change the
  // map under the user, and no new box may appear.
  bool UserBusy() const;
  // The selection tool (S, Shift+drag, Ctrl+A), its keys and the clipboard;
  // Ctrl+click picks a cell's value; Ctrl+H replaces a tile everywhere.
  void ConnectAreas();
  void EnterAreaTool();
  bool AreaMouseDown(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers modifiers);
  void ShowAreaChange(bool changed);
  bool CopySelection();
  void PasteBlock();
  void TellLeftOut(int count);
  void ReplaceTilesClick();
  // The problems list (F8 or the count), the count, the pointer's cell.
  void ConnectProblems();
  void PlaceProblems();
  void ToggleProblems();
  void RefreshProblems(bool force = false);
  void ProblemChosen(const MapProblem& problem);
  void ShowPointerCell(int x, int y);
  ScreenOverlay PhoneScreen() const;
  void ShowRecoveryProblem();
  // Puts lines into the memo without counting as an edit.
  void SetCustomTextsMemo(const std::vector<std::string>& lines);
  void SetCustomTextsMemoText(const QString& text);

  MessageBoxes& Boxes;
  EditorSession& Session;
  Autosave& Recovery;
  FileCommands Files;
  std::unique_ptr<MapPresenter> Presenter;
  bool CustomTextsSwitch = false;
  const bool CustomTextsAtStartUp;
  SurfaceWheel Wheel;

  TDrawSurface* DXDraw = nullptr;
  ControlPanel* Panel1 = nullptr;
  QTimer* Timer = nullptr;
  std::unique_ptr<CameraScroller> Scroller;
  std::unique_ptr<CustomTextsMemo> Memo;
  TEditPlatform* EditPlatformDialog = nullptr;
  QString WaitingRecoveryProblem;
  ReplaceTilesDialog* ReplaceDialog = nullptr;
  ProblemsList* ProblemsView = nullptr;
  QToolButton* BProblems = nullptr;
  QLabel* LPointerCell = nullptr;
  LevelNavigator* Levels = nullptr;
  uint64_t ProblemsRevision = UINT64_MAX;
  bool ProblemsCustomTexts = false;
  std::optional<CellPosition> MarkedCell;
  uint64_t MarkedRevision = 0;
  std::optional<CellPosition> PointerCell;
  // Where the phone's screen rectangle stays when the pointer leaves the map.
  CellPosition ScreenAnchor{1, 1};
};
