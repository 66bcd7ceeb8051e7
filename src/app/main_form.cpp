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
#include <QSpinBox>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/camera_scroller.h"
#include "app/cancel_key.h"
#include "app/control_panel.h"
#include "app/custom_texts_memo.h"
#include "app/edit_platform.h"
#include "app/message_boxes.h"
#include "app/size_spin_box.h"
#include "editing/editor_session.h"
#include "editing/panel_steps.h"
#include "levelfile/file_paths.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "app/draw_surface.h"
#include "app/level_navigator.h"
#include "app/map_presenter.h"
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
      Files(boxes, session),
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

TMainForm::~TMainForm() = default;

void TMainForm::ConnectControls() {
  connect(Timer, &QTimer::timeout, this, [this] { TimerTimer(); });
  ConnectEditing();
  ConnectCamera();
  ConnectFiles();
  ConnectLevels();
  ConnectAreas();
  ConnectProblems();
  ConnectCustomTexts();
  Panel1->OnMouseDown = [this] { Panel1MouseDown(); };
  connect(Panel1->BHelp, &QPushButton::clicked, this, [this] { BHelpClick(); });
  // BHelp is the window's cancel button: Esc presses it.
  new CancelKey(*this, [this] { Panel1->BHelp->click(); });

  connect(Panel1->UDZoom, qOverload<int>(&QSpinBox::valueChanged), this, [this] { EZoomChange(); });
  connect(Panel1->UDSel, qOverload<int>(&QSpinBox::valueChanged), this, [this] { ESelChange(); });
  // Arrow steps and program changes of a size run the resize rules first; a
  // typed size only becomes the map's.
  Panel1->UDWidth->OnChanging = [this](int proposed) { UDWidthChangingEx(proposed); };
  Panel1->UDHeight->OnChanging = [this](int proposed) { UDHeightChangingEx(proposed); };
  // The controls show the document: a value they already show changes nothing.
  MapDocument& document = Session.Document;
  connect(Panel1->UDWidth, qOverload<int>(&QSpinBox::valueChanged), this,
          [&document](int value) { TypeSize(document, value, document.GetMap().Height); });
  connect(Panel1->UDHeight, qOverload<int>(&QSpinBox::valueChanged), this,
          [&document](int value) { TypeSize(document, document.GetMap().Width, value); });
  // CBBackgroundChange: a background chosen is a step of its own.
  connect(Panel1->CBBackground, qOverload<int>(&QComboBox::currentIndexChanged), this,
          [&document](int index) { ChooseBackground(document, std::max(index, 0)); });
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
  Panel1->ShowMode(ModeBackground);
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
  const QString folder = Session.TileFolder.empty() ? QDir::currentPath() + QLatin1Char('/')
                                                    : QString::fromStdString(Session.TileFolder);
  const TileLoadResult result = LoadTileSets(folder, Session.Sets);
  if (!result.Ok) {
    // Also for a start from a terminal or a script, where no box may be seen.
    std::fprintf(stderr, "zubo-editor: %s\n", result.Error.toLocal8Bit().constData());
    Boxes.ShowMessage(result.Error);
    return false;
  }
  Session.View.Zoom = Panel1->UDZoom->value();
  Session.View.CellSize = CellSizeFor(Session.View.Zoom, Session.Sets.BaseTileSize);
  Presenter = std::make_unique<MapPresenter>(*DXDraw, Session.Sets);
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
  PlaceProblems();
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
  RefreshProblems();
  Levels->ShowState();
  if (Presenter && !Presenter->RedrawIfChanged(Session.Document.GetMap(), CurrentViewInputs()))
    RecoverCorruptedMap();
}

ViewInputs TMainForm::CurrentViewInputs() const {
  ViewInputs inputs;
  inputs.Geometry = Session.View;
  inputs.Show = Panel1->Shows();
  inputs.SelectedPosition = Panel1->SelectedPosition();
  Session.Tools.DescribeTo(inputs);
  inputs.MarkedCell = MarkedCell;
  inputs.PointerCell = PointerCell;
  inputs.Screen = PhoneScreen();
  return inputs;
}

void TMainForm::RedrawView() {
  if (Presenter && !Presenter->Redraw(Session.Document.GetMap(), CurrentViewInputs()))
    RecoverCorruptedMap();
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
  Panel1->ShowMode(ModeBackground);
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
  const std::optional<int> selected = Session.Tools.ChooseSelected(Panel1->SelectedPosition());
  if (!selected) return;
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
  StepWidth(Session.Document, Panel1->UDWidth->value(), proposed, Panel1->CBRiseLeft->isChecked());
}

void TMainForm::UDHeightChangingEx(int proposed) {
  StepHeight(Session.Document, Panel1->UDHeight->value(), proposed,
             Panel1->CBRiseDown->isChecked());
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
