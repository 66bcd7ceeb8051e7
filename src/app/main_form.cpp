#include "app/main_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "app/control_panel.h"
#include "app/message_boxes.h"
#include "editing/edit_platform.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "view/draw_surface.h"
#include "view/map_view.h"
#include "view/palette.h"
#include "view/tile_counters.h"
#include "view/tile_set.h"

namespace {

constexpr char MainFormCaption[] = "Zubo Editor";
constexpr int RedrawInterval = 300;
constexpr int CameraStepInterval = 1;
// The window is the screen's height less this.
constexpr int ScreenHeightMargin = 50;

QFont WindowFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace

TMainForm::TMainForm(MessageBoxes& boxes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Boxes(boxes),
      EditedMap(std::make_unique<Map>()),
      Tiles(std::make_unique<TileSets>()) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QString::fromLatin1(MainFormCaption));
  setFont(WindowFont());
  setFocusPolicy(Qt::ClickFocus);

  DXDraw = new TDrawSurface(this);
  DXDraw->setObjectName(QStringLiteral("DXDraw"));
  DXDraw->setFocusPolicy(Qt::NoFocus);
  DXDraw->setGeometry(0, 0, 801, 569);
  Panel1 = new ControlPanel(this);

  Timer = new QTimer(this);
  Timer->setObjectName(QStringLiteral("Timer"));
  Timer->setInterval(RedrawInterval);
  TimerSipky = new QTimer(this);
  TimerSipky->setObjectName(QStringLiteral("TimerSipky"));
  TimerSipky->setInterval(CameraStepInterval);

  ConnectControls();
}

TMainForm::~TMainForm() = default;

void TMainForm::ConnectControls() {
  connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
  DXDraw->OnMouseDown = [this](Qt::MouseButton button, int x, int y) {
    DXDrawMouseDown(button, x, y);
  };
  Panel1->OnMouseDown = [this] { Panel1MouseDown(); };
  connect(Panel1->BHelp, &QPushButton::clicked, this, [this] { BHelpClick(); });
  connect(Panel1->BExit, &QPushButton::clicked, this, [this] { BExitClick(); });
  // BHelp is the window's cancel button: Esc presses it.
  auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(cancel, &QShortcut::activated, Panel1->BHelp, &QPushButton::click);

  connect(Panel1->UDZoom, qOverload<int>(&QSpinBox::valueChanged), this, [this] { EZoomChange(); });
  connect(Panel1->UDSel, qOverload<int>(&QSpinBox::valueChanged), this, [this] { ESelChange(); });
  // Width, height and background live in their controls; the map mirrors them.
  connect(Panel1->UDWidth, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { EditedMap->Width = value; });
  connect(Panel1->UDHeight, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { EditedMap->Height = value; });
  connect(Panel1->CBBackground, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { EditedMap->Background = std::max(index, 0); });
  connect(Panel1->CBBackground, qOverload<int>(&QComboBox::activated), this,
          [this] { EditedMap->Saved = false; });
}

bool TMainForm::StartUp() {
  CustomTextsSwitch = true;
  Panel1->SpecialPanel->setVisible(!CustomTextsSwitch);
  Panel1->CustomTextsPanel->setVisible(CustomTextsSwitch);
  SizeToScreen();
  FormResize();
  StartEditingState();
  if (!LoadTiles()) return false;
  RedrawView();
  Timer->start();
  return true;
}

void TMainForm::CreateEditPlatform() {
  if (!EditPlatformDialog) EditPlatformDialog = new TEditPlatform(this);
}

void TMainForm::SizeToScreen() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  resize(screen.width(), screen.height() - ScreenHeightMargin);
  move(0, 0);
}

void TMainForm::StartEditingState() {
  View.CameraX = 0;
  View.CameraY = 0;
  Editor.ActiveTool = Tool::ToolPlaceTile;
  EditedMap->PrimaryCharX = -1;
  Editor.ActiveLayer = LayerBg;
  Panel1->LBMode->setCurrentRow(ModeBackground);
  Editor.SelectedIndex = 1;
  Panel1->CBBackground->setCurrentIndex(0);
  EditedMap->Width = Panel1->UDWidth->value();
  EditedMap->Height = Panel1->UDHeight->value();
  EditedMap->Saved = true;
  UpdateTileCounters();
}

bool TMainForm::LoadTiles() {
  const TileLoadResult result = LoadTileSets(QDir::currentPath() + QLatin1Char('/'), *Tiles);
  if (!result.Ok) {
    Boxes.ShowMessage(result.Error);
    return false;
  }
  View.Zoom = Panel1->UDZoom->value();
  View.CellSize = CellSizeFor(View.Zoom, Tiles->BaseTileSize);
  MapDrawing = std::make_unique<MapView>(*Tiles);
  return true;
}

void TMainForm::FormResize() {
  const int clientWidth = width();
  const int clientHeight = height();
  DXDraw->setGeometry(0, 0, clientWidth, std::max(0, clientHeight - ControlPanel::PanelHeight));
  Panel1->setGeometry(ControlPanel::PanelLeft, clientHeight - ControlPanel::PanelHeight,
                      clientWidth, ControlPanel::PanelHeight);
  View.ViewWidth = DXDraw->width();
  View.ViewHeight = DXDraw->height();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
}

void TMainForm::TimerTimer() {
  RedrawView();
}

void TMainForm::RedrawView() {
  if (!MapDrawing || !DXDraw->IsReady()) return;
  ViewInputs inputs;
  inputs.Geometry = View;
  inputs.Show.BG = Panel1->CBShowBG->isChecked();
  inputs.Show.MG = Panel1->CBShowMG->isChecked();
  inputs.Show.FG = Panel1->CBShowFG->isChecked();
  inputs.Show.Objects = Panel1->CBShowObjects->isChecked();
  inputs.Show.Platforms = Panel1->CBShowPlatforms->isChecked();
  inputs.ActiveTool = Editor.ActiveTool;
  inputs.ActiveLayer = Editor.ActiveLayer;
  inputs.SelectedPosition = Panel1->UDSel->value();
  if (MapDrawing->RedrawView(DXDraw->Buffer(), *EditedMap, inputs)) {
    DXDraw->Flip();
  } else {
    RecoverCorruptedMap();
  }
}

// A map that refers to a missing tile cannot be drawn: it is replaced by an
// empty 20 x 20 map without asking, then the user is told.
void TMainForm::RecoverCorruptedMap() {
  Panel1->UDWidth->setValue(DefaultMapSize);
  Panel1->UDHeight->setValue(DefaultMapSize);
  EditedMap->Saved = true;
  NewMap();
  Boxes.ShowMessage(QString::fromLatin1(MessageTexts::MapCorrupted));
}

void TMainForm::NewMap() {
  // The map is emptied first, so that a redraw run by the selection change
  // below already draws the empty map.
  ::NewMap(*EditedMap);
  View.CameraX = 0;
  View.CameraY = 0;
  Editor.SelectedIndex = 1;
  Panel1->UDSel->setValue(1);
  Editor.ActiveTool = Tool::ToolPlaceTile;
  Editor.ActiveLayer = LayerBg;
  Panel1->MCustomTexts->clear();
  Panel1->LBMode->setCurrentRow(ModeBackground);
  UpdateTileCounters();
}

void TMainForm::EZoomChange() {
  View.Zoom = Panel1->UDZoom->value();
  View.CellSize = CellSizeFor(View.Zoom, Tiles->BaseTileSize);
  RedrawView();
}

void TMainForm::ESelChange() {
  const TileSet* set = PaletteTileSet(*Tiles, Editor.ActiveTool, Editor.ActiveLayer);
  const std::optional<int> selected =
      CorrectSelectedIndex(Editor.ActiveTool, Panel1->UDSel->value(), set ? set->ImageCount() : 0);
  if (!selected) return;
  Editor.SelectedIndex = *selected;
  Panel1->UDSel->setValue(*selected);
  RedrawView();
}

void TMainForm::UpdateTileCounters() {
  const TileCounts counts = CountUsedTiles(*EditedMap);
  Panel1->EBGTiles->setText(QString::number(counts.BG));
  Panel1->EMGTiles->setText(QString::number(counts.MG));
  Panel1->EFGTiles->setText(QString::number(counts.FG));
}

void TMainForm::BHelpClick() {
  Boxes.ShowMessage(QString::fromLatin1(MessageTexts::Help));
}

// Closing goes through closeEvent, which asks about unsaved changes.
void TMainForm::BExitClick() {
  close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!EditedMap->Saved && !Boxes.Confirm(QString::fromLatin1(MessageTexts::NotSavedReallyExit))) {
    event->ignore();
    return;
  }
  event->accept();
}

void TMainForm::FocusWindow() {
  setFocus(Qt::MouseFocusReason);
}

void TMainForm::DXDrawMouseDown(Qt::MouseButton, int, int) {
  FocusWindow();
}

void TMainForm::FormMouseDown() {
  FocusWindow();
}

void TMainForm::Panel1MouseDown() {
  FocusWindow();
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (!childAt(event->position().toPoint())) FormMouseDown();
}
