#include "app/main_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
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
#include "app/size_spin_box.h"
#include "editing/edit_platform.h"
#include "editing/history_watch.h"
#include "editing/map_history.h"
#include "editing/map_resizing.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "view/draw_surface.h"
#include "view/frame_record.h"
#include "view/map_view.h"
#include "view/palette.h"
#include "view/tile_counters.h"
#include "view/tile_set.h"

namespace {

constexpr char MainFormCaption[] = "Zubo Editor";
constexpr int RedrawInterval = 300;
// The window is the screen's height less this.
constexpr int ScreenHeightMargin = 50;
// How long a released arrow key waits for the press of an auto-repeat.
constexpr int ArrowReleaseDelay = 20;

QFont WindowFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace

TMainForm::TMainForm(MessageBoxes& boxes, QWidget* parent, bool customTextsEnabled)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Boxes(boxes),
      EditedMap(std::make_unique<Map>()),
      Tiles(std::make_unique<TileSets>()),
      EditHistory(std::make_unique<MapHistory>()),
      CustomTextsAtStartUp(customTextsEnabled) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QString::fromLatin1(MainFormCaption));
  setFont(WindowFont());
  // The window is a Tab stop beside the memo: Tab leaves the memo for the
  // window, whose keys choose modes and move the camera.
  setFocusPolicy(Qt::StrongFocus);

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
  TimerSipky->setInterval(CameraArmedInterval);
  TimerSipky->setTimerType(Qt::PreciseTimer);
  ArrowRelease = new QTimer(this);
  ArrowRelease->setSingleShot(true);
  ArrowRelease->setInterval(ArrowReleaseDelay);
  ArrowRelease->setTimerType(Qt::PreciseTimer);

  SetProgramFolder(QCoreApplication::applicationDirPath());
  ConnectControls();
}

// The controls outlive the map by a moment: nothing they send while they
// are destroyed may reach it.
TMainForm::~TMainForm() {
  Panel1->MCustomTexts->removeEventFilter(this);
  Panel1->MCustomTexts->viewport()->removeEventFilter(this);
  disconnect(Panel1->MCustomTexts, nullptr, this, nullptr);
}

void TMainForm::ConnectControls() {
  connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
  ConnectEditing();
  ConnectCamera();
  ConnectFiles();
  ConnectCustomTexts();
  ConnectBlocks();
  ConnectHistory();
  Panel1->OnMouseDown = [this] { Panel1MouseDown(); };
  connect(Panel1->BHelp, &QPushButton::clicked, this, [this] { BHelpClick(); });
  // BHelp is the window's cancel button: Esc presses it.
  auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(cancel, &QShortcut::activated, Panel1->BHelp, &QPushButton::click);

  connect(Panel1->UDZoom, qOverload<int>(&QSpinBox::valueChanged), this, [this] { EZoomChange(); });
  connect(Panel1->UDSel, qOverload<int>(&QSpinBox::valueChanged), this, [this] { ESelChange(); });
  // Width, height and background live in their controls; the map mirrors
  // them. Arrow steps and program changes run the resize rules first; a
  // typed size is only mirrored.
  Panel1->UDWidth->OnChanging = [this](int proposed) { UDWidthChangingEx(proposed); };
  Panel1->UDHeight->OnChanging = [this](int proposed) { UDHeightChangingEx(proposed); };
  connect(Panel1->UDWidth, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { MirrorSize(value, EditedMap->Height); });
  connect(Panel1->UDHeight, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { MirrorSize(EditedMap->Width, value); });
  connect(Panel1->CBBackground, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { CBBackgroundChange(std::max(index, 0)); });
  connect(Panel1->CBBackground, qOverload<int>(&QComboBox::activated), this,
          [this] { EditedMap->Saved = false; });
}

bool TMainForm::StartUp() {
  CustomTextsSwitch = CustomTextsAtStartUp;
  Panel1->SpecialPanel->setVisible(!CustomTextsSwitch);
  Panel1->CustomTextsPanel->setVisible(CustomTextsSwitch);
  SizeToScreen();
  FormResize();
  StartEditingState();
  if (!LoadTiles()) return false;
  RedrawView();
  Timer->start();
  // The window itself holds the focus from the start, so that the first
  // keys choose modes and move the camera.
  FocusWindow();
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
  SetModeRow(ModeBackground);
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
  LastFrame = std::make_unique<FrameRecord>();
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

// The surface's new buffer is drawn at once, so no frame shows it empty.
void TMainForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize();
  RedrawView();
}

// The surface gets its buffer when the window is first shown.
void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RedrawView();
}

// The periodic redraw keeps the view showing the current map; a frame that
// would be the one already shown is not drawn again.
void TMainForm::TimerTimer() {
  if (!MapDrawing || !DXDraw->IsReady()) return;
  const ViewInputs inputs = CurrentViewInputs();
  if (!LastFrame->Shows(*EditedMap, inputs, DXDraw->BufferGeneration())) DrawFrame(inputs);
}

ViewInputs TMainForm::CurrentViewInputs() const {
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
  inputs.Overlay.PointerPosition = Pointer;
  inputs.Overlay.SpringInProgress = SpringTool.SpringInProgress;
  inputs.Overlay.LastSpringPoint = SpringTool.LastSpringPoint;
  if (Editor.ActiveTool == Tool::ToolPasteBlock)
    inputs.Block.Preview = PastePreview(*EditedMap, Cells, View, Pointer.x(), Pointer.y());
  if (Editor.ActiveTool == Tool::ToolSelectBlock || Editor.ActiveTool == Tool::ToolPasteBlock)
    inputs.Block.Outlines = SelectionOutlines(Cells, View);
  if (Placement == PlatformStage::StartPlaced)
    inputs.Overlay.Placing = PlatformPlacing::ChoosingEnd;
  else if (Placement == PlatformStage::AwaitingSwitch)
    inputs.Overlay.Placing = PlatformPlacing::ChoosingSwitch;
  return inputs;
}

void TMainForm::RedrawView() {
  if (MapDrawing && DXDraw->IsReady()) DrawFrame(CurrentViewInputs());
}

void TMainForm::DrawFrame(const ViewInputs& inputs) {
  if (MapDrawing->RedrawView(DXDraw->Buffer(), *EditedMap, inputs)) {
    DXDraw->Flip();
    LastFrame->Remember(*EditedMap, inputs, DXDraw->BufferGeneration());
  } else {
    LastFrame->Forget();
    RecoverCorruptedMap();
  }
}

// A map that refers to a missing tile cannot be drawn: it is replaced by an
// empty 20 x 20 map without asking, then the user is told.
void TMainForm::RecoverCorruptedMap() {
  SetMapSize(DefaultMapSize, DefaultMapSize);
  EditedMap->Saved = true;
  NewMap();
  Boxes.ShowMessage(QString::fromLatin1(MessageTexts::MapCorrupted));
}

void TMainForm::NewMap() {
  // The map is emptied first, so that a redraw run by the selection change
  // below already draws the empty map.
  ::NewMap(*EditedMap);
  ClearHistory();
  // The spring or platform that was being placed has gone with the lists.
  SpringTool.SpringInProgress = false;
  Placement = PlatformStage::Idle;
  View.CameraX = 0;
  View.CameraY = 0;
  Editor.SelectedIndex = 1;
  Panel1->UDSel->setValue(1);
  Editor.ActiveTool = Tool::ToolPlaceTile;
  Editor.ActiveLayer = LayerBg;
  SetCustomTextsMemo({});
  SetModeRow(ModeBackground);
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

void TMainForm::FocusWindow() {
  setFocus(Qt::MouseFocusReason);
}

void TMainForm::SetMapSize(int width, int height) {
  Panel1->UDWidth->SetPosition(width);
  Panel1->UDHeight->SetPosition(height);
}

void TMainForm::UDWidthChangingEx(int proposed) {
  WatchWidthStep(*EditHistory, *EditedMap);
  ::UDWidthChangingEx(*EditedMap, Panel1->UDWidth->value(), proposed,
                      Panel1->CBRiseLeft->isChecked());
  EditHistory->EndStep(*EditedMap);
}

void TMainForm::UDHeightChangingEx(int proposed) {
  WatchHeightStep(*EditHistory, *EditedMap);
  ::UDHeightChangingEx(*EditedMap, Panel1->UDHeight->value(), proposed,
                       Panel1->CBRiseDown->isChecked());
  EditHistory->EndStep(*EditedMap);
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
