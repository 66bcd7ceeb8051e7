#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/camera.h"
#include "app/wheel_navigation.h"
#include "view/view_geometry.h"

class Autosave;
class ControlPanel;
class FrameRecord;
class MapView;
class MessageBoxes;
class QKeyEvent;
class QTimer;
class TDrawSurface;
class TEditPlatform;
class Map;
struct EditorSession;
struct RecoveryInfo;
struct ToolResponse;
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
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectControls();
  void ConnectEditing();
  void ConnectCamera();
  void ConnectFiles();
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
  // Draws the frame of these inputs and shows it (the surface is ready).
  void DrawFrame(const ViewInputs& inputs);
  // Draws the cells again at once, one screen update for all.
  void RefreshCells(const std::vector<CellPosition>& cells);
  void ShowToolResponse(const ToolResponse& response);
  void RunPlatformDialog();

  // The program's own change of the mode list's entry, and the clearing of
  // its highlight for the tools no mode stands for; only the user's changes
  // run LBModeClick by themselves.
  void SetModeRow(int row);
  void ClearModeSelection();
  // A change of the mode list's selection made by the user: the entry shown
  // selected is always the mode in force.
  void ModeSelectionChanged();

  // The controls show the map's size and background without running the
  // resize rules; a changed map is drawn and counted again.
  void ShowMapValues();
  void ShowRestoredStep();
  // A size typed into its edit, and a background chosen or set.
  void MirrorSize(int width, int height);
  void CBBackgroundChange(int index);
  // The check before a write and the removals it implies, with its messages;
  // true when the map may be written.
  bool ValidateForWrite();
  // A level read into the document (or a map in its place when it fails).
  void OpenLevel(const std::string& path);
  void RestoreRecoveryCopy(const Map& copy, const RecoveryInfo& info);
  // Puts lines into the memo without counting as an edit.
  void SetCustomTextsMemo(const std::vector<std::string>& lines);
  void SetCustomTextsMemoText(const QString& text);

  MessageBoxes& Boxes;
  EditorSession& Session;
  Autosave& Recovery;
  std::unique_ptr<MapView> MapDrawing;
  std::unique_ptr<FrameRecord> LastFrame;
  bool CustomTextsSwitch = false;
  const bool CustomTextsAtStartUp;
  ScrollDirection Direction = ScrollDirection::None;
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
};
