#include "app/main_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

#include "app/control_panel.h"
#include "app/edit_platform.h"
#include "app/message_boxes.h"
#include "app/size_spin_box.h"
#include "editing/editor_session.h"
#include "editing/map_resizing.h"
#include "levelfile/file_paths.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "view/draw_surface.h"
#include "view/frame_record.h"
#include "view/map_view.h"
#include "view/palette.h"
#include "view/tile_counters.h"

namespace {

constexpr char MainFormCaption[] = "Zubo Editor";
constexpr int RedrawInterval = 300;
// The window is the screen's height less this.
constexpr int ScreenHeightMargin = 50;

QFont WindowFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

}  // namespace

TMainForm::TMainForm(MessageBoxes& boxes, EditorSession& session, Autosave& autosave,
                     bool customTextsEnabled, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Boxes(boxes),
      Session(session),
      Recovery(autosave),
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

  if (Session.ProgramFolder.empty())
    Session.ProgramFolder = ProgramFolder(QCoreApplication::applicationDirPath().toStdString());
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
  Panel1->OnMouseDown = [this] { Panel1MouseDown(); };
  connect(Panel1->BHelp, &QPushButton::clicked, this, [this] { BHelpClick(); });
  // BHelp is the window's cancel button: Esc presses it.
  auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(cancel, &QShortcut::activated, Panel1->BHelp, &QPushButton::click);

  connect(Panel1->UDZoom, qOverload<int>(&QSpinBox::valueChanged), this, [this] { EZoomChange(); });
  connect(Panel1->UDSel, qOverload<int>(&QSpinBox::valueChanged), this, [this] { ESelChange(); });
  // Arrow steps and program changes of a size run the resize rules first; a
  // typed size only becomes the map's.
  Panel1->UDWidth->OnChanging = [this](int proposed) { UDWidthChangingEx(proposed); };
  Panel1->UDHeight->OnChanging = [this](int proposed) { UDHeightChangingEx(proposed); };
  connect(Panel1->UDWidth, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { MirrorSize(value, Session.Document.GetMap().Height); });
  connect(Panel1->UDHeight, qOverload<int>(&QSpinBox::valueChanged), this,
          [this](int value) { MirrorSize(Session.Document.GetMap().Width, value); });
  connect(Panel1->CBBackground, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [this](int index) { CBBackgroundChange(std::max(index, 0)); });
  connect(Panel1->CBBackground, qOverload<int>(&QComboBox::activated), this,
          [this] { Session.Document.MarkChanged(); });
}

bool TMainForm::StartUp() {
  CustomTextsSwitch = CustomTextsAtStartUp;
  Panel1->ShowCustomTextsPanel(CustomTextsSwitch);
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

// The map starts empty, of the size the up-downs show, and saved.
void TMainForm::StartEditingState() {
  Session.View.CameraX = 0;
  Session.View.CameraY = 0;
  Session.Tools.Reset();
  SetModeRow(ModeBackground);
  Panel1->CBBackground->setCurrentIndex(0);
  MapEdit edit = Session.Document.Edit();
  edit.ClearPrimaryChar();
  edit.SetWidth(Panel1->UDWidth->value());
  edit.SetHeight(Panel1->UDHeight->value());
  Session.Document.MarkSaved();
  Session.Document.StartHistory();
  UpdateTileCounters();
}

bool TMainForm::LoadTiles() {
  const TileLoadResult result = LoadTileSets(QDir::currentPath() + QLatin1Char('/'), Session.Sets);
  if (!result.Ok) {
    Boxes.ShowMessage(result.Error);
    return false;
  }
  Session.View.Zoom = Panel1->UDZoom->value();
  Session.View.CellSize = CellSizeFor(Session.View.Zoom, Session.Sets.BaseTileSize);
  MapDrawing = std::make_unique<MapView>(Session.Sets);
  LastFrame = std::make_unique<FrameRecord>();
  return true;
}

void TMainForm::FormResize() {
  const int clientWidth = width();
  const int clientHeight = height();
  DXDraw->setGeometry(0, 0, clientWidth, std::max(0, clientHeight - ControlPanel::PanelHeight));
  Panel1->setGeometry(ControlPanel::PanelLeft, clientHeight - ControlPanel::PanelHeight,
                      clientWidth, ControlPanel::PanelHeight);
  Session.View.ViewWidth = DXDraw->width();
  Session.View.ViewHeight = DXDraw->height();
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
  if (!LastFrame->Shows(Session.Document.GetMap(), inputs, DXDraw->BufferGeneration()))
    DrawFrame(inputs);
}

ViewInputs TMainForm::CurrentViewInputs() const {
  ViewInputs inputs;
  inputs.Geometry = Session.View;
  inputs.Show = Panel1->Shows();
  inputs.SelectedPosition = Panel1->SelectedPosition();
  Session.Tools.DescribeTo(inputs);
  return inputs;
}

void TMainForm::RedrawView() {
  if (MapDrawing && DXDraw->IsReady()) DrawFrame(CurrentViewInputs());
}

void TMainForm::DrawFrame(const ViewInputs& inputs) {
  const Map& map = Session.Document.GetMap();
  if (MapDrawing->RedrawView(DXDraw->Buffer(), map, inputs)) {
    DXDraw->Flip();
    LastFrame->Remember(map, inputs, DXDraw->BufferGeneration());
  } else {
    LastFrame->Forget();
    RecoverCorruptedMap();
  }
}

void TMainForm::RefreshCells(const std::vector<CellPosition>& cells) {
  if (cells.empty() || !MapDrawing || !DXDraw->IsReady()) return;
  const ViewInputs inputs = CurrentViewInputs();
  for (const CellPosition& cell : cells)
    MapDrawing->RefreshCell(DXDraw->Buffer(), Session.Document.GetMap(), inputs, cell.X, cell.Y);
  DXDraw->Flip();
  // The cells are drawn over whatever lay on them (a spring, a label, the
  // palette): the next tick draws the whole frame again.
  LastFrame->Forget();
}

// A map that refers to a missing tile cannot be drawn: it is replaced by an
// empty 20 x 20 map without asking, then the user is told.
void TMainForm::RecoverCorruptedMap() {
  NewDefaultMap();
  Boxes.ShowMessage(QString::fromLatin1(MessageTexts::MapCorrupted));
}

void TMainForm::NewDefaultMap() {
  MapEdit edit = Session.Document.Edit();
  edit.SetWidth(DefaultMapSize);
  edit.SetHeight(DefaultMapSize);
  NewMap();
}

void TMainForm::NewMap() {
  // The map is emptied first, so that a redraw run by the selection change
  // below already draws the empty map. The spring or platform that was
  // being placed has gone with the lists.
  Session.Document.New();
  Session.Tools.Reset();
  Session.View.CameraX = 0;
  Session.View.CameraY = 0;
  Panel1->UDSel->setValue(1);
  SetCustomTextsMemo({});
  SetModeRow(ModeBackground);
  ShowMapValues();
}

// The controls follow the document; their signals find the map as they show
// it and change nothing.
void TMainForm::ShowMapValues() {
  const Map& map = Session.Document.GetMap();
  Panel1->ShowMapValues(map.Width, map.Height, map.Background);
  UpdateTileCounters();
}

void TMainForm::EZoomChange() {
  Session.View.Zoom = Panel1->UDZoom->value();
  Session.View.CellSize = CellSizeFor(Session.View.Zoom, Session.Sets.BaseTileSize);
  RedrawView();
}

void TMainForm::ESelChange() {
  const EditorState& state = Session.Tools.State();
  const TileSet* set = PaletteTileSet(Session.Sets, state.ActiveTool, state.ActiveLayer);
  const std::optional<int> selected = CorrectSelectedIndex(
      state.ActiveTool, Panel1->SelectedPosition(), set ? set->ImageCount() : 0);
  if (!selected) return;
  Session.Tools.SetSelectedIndex(*selected);
  Panel1->UDSel->setValue(*selected);
  RedrawView();
}

void TMainForm::UpdateTileCounters() {
  const TileCounts counts = CountUsedTiles(Session.Document.GetMap());
  Panel1->ShowTileCounts(counts.BG, counts.MG, counts.FG);
}

void TMainForm::BHelpClick() {
  Boxes.ShowMessage(QString::fromLatin1(MessageTexts::Help));
}

void TMainForm::FocusWindow() {
  setFocus(Qt::MouseFocusReason);
}

void TMainForm::UDWidthChangingEx(int proposed) {
  MapDocument& document = Session.Document;
  document.EndStep();
  document.BeginStep("Map width");
  document.MarkChanged();
  ::UDWidthChangingEx(document.Edit(), Panel1->UDWidth->value(), proposed,
                      Panel1->CBRiseLeft->isChecked());
  document.EndStep();
}

void TMainForm::UDHeightChangingEx(int proposed) {
  MapDocument& document = Session.Document;
  document.EndStep();
  document.BeginStep("Map height");
  document.MarkChanged();
  ::UDHeightChangingEx(document.Edit(), Panel1->UDHeight->value(), proposed,
                       Panel1->CBRiseDown->isChecked());
  document.EndStep();
}

// A typed size becomes the map's without the resize rules; an arrow step has
// changed the map already.
void TMainForm::MirrorSize(int width, int height) {
  const Map& map = Session.Document.GetMap();
  if (width != map.Width || height != map.Height) Session.Document.TypeSize(width, height);
}

// A background chosen is a step of its own.
void TMainForm::CBBackgroundChange(int index) {
  MapDocument& document = Session.Document;
  if (index == document.GetMap().Background) return;
  document.EndStep();
  document.BeginStep("Background");
  document.Edit().SetBackground(index);
  document.EndStep();
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
