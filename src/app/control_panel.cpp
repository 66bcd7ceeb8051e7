#include "app/control_panel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>

#include "app/arrow_button.h"
#include "app/emulator_launch.h"
#include "app/size_spin_box.h"
#include "model/editor_state.h"
#include "model/limits.h"

namespace {

// Left edges of the groups, left to right, and the place of the tool panels.
constexpr int FileGroupLeft = 6;
constexpr int ModeListLeft = 226;
constexpr int ViewGroupLeft = 330;
constexpr int ZoomColumnLeft = 466;
constexpr int EmulatorGroupLeft = 586;
constexpr int SwitchesLeft = 748;
constexpr int ToolPanelLeft = 872;
constexpr int ToolPanelWidth = 330;
constexpr int RecentLeft = 1210;
constexpr int SeparatorXs[] = {220, 324, 580, 742, 866, 1204};

// The zoom's edit is read-only, and its up-down ignores the arrow keys; the
// arrow buttons work.
class ZoomSpinBox : public QSpinBox {
 public:
  explicit ZoomSpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        event->accept();
        return;
      default:
        QSpinBox::keyPressEvent(event);
    }
  }
};

QFont PixelFont(const QFont& base, int pixelSize, bool bold = false) {
  QFont font = base;
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int x, int y, int width, int height) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(x, y, width, height);
  return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, int x, int y, int width,
                  int height = 22) {
  auto* label = Place(new QLabel(QString::fromLatin1(caption), parent), name, x, y, width, height);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int x, int y,
                        int width, int height) {
  return Place(new QPushButton(QString::fromLatin1(caption), parent), name, x, y, width, height);
}

ArrowButton* MakeArrowButton(QWidget* parent, const char* name, const char* caption, int x, int y) {
  return Place(new ArrowButton(QString::fromLatin1(caption), parent), name, x, y, 44, 24);
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption, bool checked, int x,
                        int y, int width, bool boxRightOfText = false) {
  auto* box = Place(new QCheckBox(QString::fromLatin1(caption), parent), name, x, y, width, 20);
  box->setChecked(checked);
  if (boxRightOfText) box->setLayoutDirection(Qt::RightToLeft);
  return box;
}

// An edit with its up-down: the spin box has the up-down's name, its edit the edit's.
template <typename Spin>
Spin* SetUpSpinBox(Spin* spin, const char* name, const char* editName, int minimum, int maximum,
                   int value, int x, int y, int width) {
  Place(spin, name, x, y, width, 22);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  spin->setGroupSeparatorShown(false);
  if (auto* edit = spin->template findChild<QLineEdit*>())
    edit->setObjectName(QString::fromLatin1(editName));
  return spin;
}

QSpinBox* MakeSpinBox(QWidget* parent, const char* name, const char* editName, int minimum,
                      int maximum, int value, int x, int y, int width) {
  return SetUpSpinBox(new QSpinBox(parent), name, editName, minimum, maximum, value, x, y, width);
}

QLineEdit* MakeCounter(QWidget* parent, const char* name, int x, int y) {
  auto* edit = Place(new QLineEdit(QStringLiteral("0"), parent), name, x, y, 44, 22);
  edit->setReadOnly(true);
  return edit;
}

}  // namespace

ControlPanel::ControlPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel1"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(PanelLeft, 0, width(), PanelHeight);
  BuildFileGroup();
  BuildMapSizeGroup();
  BuildModeList();
  BuildViewGroup();
  BuildEmulatorGroup();
  BuildDisplaySwitches();
  BuildSpecialPanel();
  BuildCustomTextsPanel();
  for (int x : SeparatorXs) {
    auto* line = new QFrame(this);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setGeometry(x, 4, 2, PanelHeight - 8);
  }
  LeaveTabOrder();
  GuardWheelAndArrows();
}

ShowSwitches ControlPanel::Shows() const {
  ShowSwitches show;
  show.BG = CBShowBG->isChecked();
  show.MG = CBShowMG->isChecked();
  show.FG = CBShowFG->isChecked();
  show.Objects = CBShowObjects->isChecked();
  show.Platforms = CBShowPlatforms->isChecked();
  return show;
}

int ControlPanel::SelectedPosition() const {
  return UDSel->value();
}

std::string ControlPanel::EmulatorArgumentString() const {
  return ::EmulatorArgumentString(UDScreenWidth->text().toStdString(),
                                  UDScreenHeight->text().toStdString(), CBZoomed->isChecked());
}

void ControlPanel::ShowMapValues(int width, int height, int background) {
  UDWidth->setValue(width);
  UDHeight->setValue(height);
  CBBackground->setCurrentIndex(background);
}

void ControlPanel::ShowTileCounts(int bg, int mg, int fg) {
  EBGTiles->setText(QString::number(bg));
  EMGTiles->setText(QString::number(mg));
  EFGTiles->setText(QString::number(fg));
}

void ControlPanel::ShowCustomTextsPanel(bool shown) {
  SpecialPanel->setVisible(!shown);
  CustomTextsPanel->setVisible(shown);
}

void ControlPanel::ShowMode(int row) {
  const QSignalBlocker programChange(LBMode);
  LBMode->clearSelection();
  LBMode->setCurrentRow(row);
}

int ControlPanel::ChosenMode() const {
  return LBMode->currentRow();
}

void ControlPanel::ModeSelectionChanged() {
  const QList<QListWidgetItem*> selected = LBMode->selectedItems();
  if (selected.isEmpty()) {
    // A Ctrl+click took the highlight from the mode in force: it comes back.
    if (LBMode->currentItem()) ShowMode(LBMode->currentRow());
    return;
  }
  // A drag selects an entry before it becomes the current one.
  const int row = LBMode->row(selected.first());
  if (row != LBMode->currentRow()) ShowMode(row);
  if (OnModeChosen) OnModeChosen();
}

// Presses that a control passes on stop here; only the panel's own free area
// counts as a press on the panel.
void ControlPanel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (!childAt(event->position().toPoint()) && OnMouseDown) OnMouseDown();
}

void ControlPanel::BuildFileGroup() {
  const int x = FileGroupLeft;
  LFile = MakeLabel(this, "LFile", "File", x, 5, 32, 24);
  ESoubor = Place(new QLineEdit(this), "ESoubor", x + 32, 5, 152, 24);
  IBOpenFile = Place(new QToolButton(this), "IBOpenFile", x + 186, 5, 24, 24);
  IBOpenFile->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  BSave = MakeButton(this, "BSave", "Save", x, 33, 50, 26);
  BNew = MakeButton(this, "BNew", "New", x + 53, 33, 50, 26);
  BHelp = MakeButton(this, "BHelp", "Help", x + 106, 33, 50, 26);
  BExit = MakeButton(this, "BExit", "Exit", x + 159, 33, 51, 26);
  BRecent = Place(new QToolButton(this), "BRecent", RecentLeft, 5, 64, 24);
  BRecent->setText(QStringLiteral("Recent"));
  BRecent->setToolButtonStyle(Qt::ToolButtonTextOnly);
  BRecent->setPopupMode(QToolButton::InstantPopup);
  BRecent->setFocusPolicy(Qt::NoFocus);
  const QFont groupFont = PixelFont(font(), 16);
  for (QWidget* widget : {static_cast<QWidget*>(LFile), static_cast<QWidget*>(IBOpenFile),
                          static_cast<QWidget*>(BSave), static_cast<QWidget*>(BNew),
                          static_cast<QWidget*>(BHelp), static_cast<QWidget*>(BExit)}) {
    widget->setFont(groupFont);
  }
}

void ControlPanel::BuildMapSizeGroup() {
  const int x = FileGroupLeft;
  CBRiseLeft = MakeCheckBox(this, "CBRiseLeft", "Rise left", false, x, 65, 76, true);
  LMapWidth = MakeLabel(this, "LMapWidth", "Map width", x + 86, 64, 62);
  UDWidth = SetUpSpinBox(new SizeSpinBox(this), "UDWidth", "EWidth", MinMapSize, MaxMapSize,
                         DefaultMapSize, x + 150, 64, 60);
  CBRiseDown = MakeCheckBox(this, "CBRiseDown", "Rise down", false, x, 89, 76, true);
  LMapHeight = MakeLabel(this, "LMapHeight", "Map height", x + 86, 88, 62);
  UDHeight = SetUpSpinBox(new SizeSpinBox(this), "UDHeight", "EHeight", MinMapSize, MaxMapSize,
                          DefaultMapSize, x + 150, 88, 60);
}

void ControlPanel::BuildModeList() {
  LBMode = Place(new QListWidget(this), "LBMode", ModeListLeft, 3, 92, PanelHeight - 6);
  for (const char* name : EditModeNames) LBMode->addItem(QString::fromLatin1(name));
  LBMode->setCurrentRow(ModeBackground);
  connect(LBMode, &QListWidget::itemClicked, this, [this] {
    if (OnModeChosen) OnModeChosen();
  });
  connect(LBMode, &QListWidget::itemSelectionChanged, this, [this] { ModeSelectionChanged(); });
}

void ControlPanel::BuildViewGroup() {
  const int x = ViewGroupLeft;
  BUp = MakeArrowButton(this, "BUp", "Up", x + 42, 5);
  BLeft = MakeArrowButton(this, "BLeft", "Left", x, 31);
  BRight = MakeArrowButton(this, "BRight", "Right", x + 84, 31);
  BDown = MakeArrowButton(this, "BDown", "Down", x + 42, 57);

  const int column = ZoomColumnLeft;
  LZoom = MakeLabel(this, "LZoom", "Zoom", column, 5, 50);
  UDZoom = SetUpSpinBox(new ZoomSpinBox(this), "UDZoom", "EZoom", 2, 100, 10, column + 52, 5, 56);
  LSelected = MakeLabel(this, "LSelected", "Selected", column, 31, 50);
  UDSel = MakeSpinBox(this, "UDSel", "ESel", 0, 1000, 1, column + 52, 31, 56);
  LBackground = MakeLabel(this, "LBackground", "Background", column, 57, 108, 18);
  CBBackground = Place(new QComboBox(this), "CBBackground", column, 77, 108, 24);
  for (const char* name : BackgroundNames) CBBackground->addItem(QString::fromLatin1(name));
  CBBackground->setCurrentIndex(0);
}

void ControlPanel::BuildEmulatorGroup() {
  const int x = EmulatorGroupLeft;
  BRunEmu = MakeButton(this, "BRunEmu", "Run Emu", x, 5, 150, 34);
  BRunEmu->setFont(PixelFont(font(), 16, true));
  LScreenWidth = MakeLabel(this, "LScreenWidth", "Screen width", x, 42, 80);
  UDScreenWidth = MakeSpinBox(this, "UDScreenWidth", "EScreenWidth", 10, 1000, 240, x + 82, 42, 68);
  LScreenHeight = MakeLabel(this, "LScreenHeight", "Screen height", x, 66, 80);
  UDScreenHeight =
      MakeSpinBox(this, "UDScreenHeight", "EScreenHeight", 10, 1000, 320, x + 82, 66, 68);
  CBZoomed = MakeCheckBox(this, "CBZoomed", "Zoomed", true, x, 90, 80, true);
  CBScreen = MakeCheckBox(this, "CBScreen", "Screen", false, x + 86, 90, 64, true);
}

void ControlPanel::BuildDisplaySwitches() {
  const int x = SwitchesLeft;
  CBShowBG = MakeCheckBox(this, "CBShowBG", "Show BG tiles", true, x, 5, 112);
  CBShowMG = MakeCheckBox(this, "CBShowMG", "Show MG tiles", true, x, 26, 112);
  CBShowFG = MakeCheckBox(this, "CBShowFG", "Show FG tiles", true, x, 47, 112);
  CBShowPlatforms = MakeCheckBox(this, "CBShowPlatforms", "Show platform", true, x, 68, 112);
  CBShowObjects = MakeCheckBox(this, "CBShowObjects", "Show objects", true, x, 89, 112);
}

void ControlPanel::BuildSpecialPanel() {
  SpecialPanel =
      Place(new QWidget(this), "SpecialPanel", ToolPanelLeft, 0, ToolPanelWidth, PanelHeight);
  QWidget* panel = SpecialPanel;
  LNumUsedBGTiles = MakeLabel(panel, "LNumUsedBGTiles", "Num used BG tiles", 0, 5, 110);
  EBGTiles = MakeCounter(panel, "EBGTiles", 112, 5);
  LNumUsedMGTiles = MakeLabel(panel, "LNumUsedMGTiles", "Num used MG tiles", 0, 31, 110);
  EMGTiles = MakeCounter(panel, "EMGTiles", 112, 31);
  LNumUsedFGTiles = MakeLabel(panel, "LNumUsedFGTiles", "Num used FG tiles", 0, 57, 110);
  EFGTiles = MakeCounter(panel, "EFGTiles", 112, 57);
  BSelectPrimaryChar =
      MakeButton(panel, "BSelectPrimaryChar", "Select Primary Char", 168, 4, 150, 24);
  BSelectTiles = MakeButton(panel, "BSelectTiles", "Select Tiles", 168, 30, 150, 24);
  BSelectTiles->setFont(PixelFont(font(), 8));
  BCopyTiles = MakeButton(panel, "BCopyTiles", "Copy Tiles", 168, 56, 150, 24);
  BLoadScreenOutput =
      MakeButton(panel, "BLoadScreenOutput", "Load Screen Output", 168, 82, 150, 24);
  BReplaceTiles = MakeButton(panel, "BReplaceTiles", "Replace Tiles...", 0, 82, 160, 24);
}

void ControlPanel::BuildCustomTextsPanel() {
  CustomTextsPanel =
      Place(new QWidget(this), "CustomTextsPanel", ToolPanelLeft, 0, ToolPanelWidth, PanelHeight);
  QWidget* panel = CustomTextsPanel;
  LCustomTexts = MakeLabel(panel, "LCustomTexts", "Custom Texts", 0, 4, 100, 18);
  LCustomTextsLinerNumber = MakeLabel(panel, "LCustomTextsLinerNumber", "ID:", 110, 4, 120, 18);
  BPrimaryChar = MakeButton(panel, "BPrimaryChar", "Primary Char", 232, 1, 94, 21);
  MCustomTexts =
      Place(new QPlainTextEdit(panel), "MCustomTexts", 0, 24, ToolPanelWidth - 4, PanelHeight - 28);
  MCustomTexts->setLineWrapMode(QPlainTextEdit::NoWrap);
  MCustomTexts->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MCustomTexts->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  MCustomTexts->setTabChangesFocus(true);
}

// Only the memo is reached with Tab; every other control takes the focus by a click.
void ControlPanel::LeaveTabOrder() {
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (widget == MCustomTexts || MCustomTexts->isAncestorOf(widget)) continue;
    if (widget->focusPolicy() & Qt::TabFocus) widget->setFocusPolicy(Qt::ClickFocus);
  }
}

void ControlPanel::GuardWheelAndArrows() {
  for (QWidget* widget : findChildren<QWidget*>()) {
    if (qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget) ||
        qobject_cast<QAbstractButton*>(widget))
      widget->installEventFilter(this);
  }
}

// A wheel turned while scrolling past the panel would otherwise change the
// map's size or the background; arrow keys on a button would walk the focus
// into the memo, where the next digit becomes a custom text.
bool ControlPanel::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::Wheel && widget && !qobject_cast<QAbstractButton*>(widget))
    return !widget->hasFocus();
  if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractButton*>(widget)) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
      case Qt::Key_Right:
      case Qt::Key_Down:
        return true;
      default:
        break;
    }
  }
  return QFrame::eventFilter(watched, event);
}
