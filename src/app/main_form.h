#pragma once

#include <QWidget>
#include <memory>

#include "model/editor_state.h"
#include "view/view_geometry.h"

class ControlPanel;
class Map;
class MapView;
class MessageBoxes;
class QTimer;
class TDrawSurface;
class TEditPlatform;
struct TileSets;

// The main window: the drawing surface above the control panel. It owns the
// map, the editing state, the tile sets and both timers for the whole run.
class TMainForm : public QWidget {
 public:
  explicit TMainForm(MessageBoxes& boxes, QWidget* parent = nullptr);
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
  void BExitClick();
  void DXDrawMouseDown(Qt::MouseButton button, int x, int y);
  void FormMouseDown();
  void Panel1MouseDown();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
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
  EditorState Editor;
  ViewGeometry View;
  bool CustomTextsSwitch = false;

  TDrawSurface* DXDraw = nullptr;
  ControlPanel* Panel1 = nullptr;
  QTimer* Timer = nullptr;
  QTimer* TimerSipky = nullptr;
  TEditPlatform* EditPlatformDialog = nullptr;
};
