// Drives the real main window with a seeded random stream of user actions,
// undo and redo keys among them, and checks the map's invariants after every
// step; now and then that a save and reload of a map that passes validation
// gives the same map, and that undoing everything since the last New or Open
// gives back the map of that moment, and redoing it all the map again.
//
// The default run is short. A longer one with any seed:
//   ZUBO_RANDOM_SEED=7 ZUBO_RANDOM_STEPS=100000 app_tests --gtest_filter='RandomEvents*'
// A failure prints the seed and the step, and the actions that led to it.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "app/arrow_button.h"
#include "app/custom_texts.h"
#include "app/size_spin_box.h"
#include "editing/map_history.h"
#include "level_files_fixture.h"
#include "levelfile/level_reader.h"
#include "levelfile/validation.h"
#include "random_map_checks.h"
#include "stand_in_java.h"

namespace {

constexpr unsigned DefaultSeed = 20240611;
constexpr int DefaultSteps = 1500;
// Steps between two save-and-reload checks of a copy of the map.
constexpr int RoundTripPeriod = 25;
// Steps between two checks that undo everything and redo it again.
constexpr int UndoAllPeriod = 40;
// The actions shown when a check fails.
constexpr size_t ActionHistory = 40;

long EnvironmentNumber(const char* name, long fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return std::strtol(text, nullptr, 10);
}

// A stand-in for java that does nothing.
constexpr char IdleJava[] = "#!/bin/sh\nexit 0\n";

}  // namespace

class RandomEventsTest : public LevelFilesTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Java.IsValid());
    LevelFilesTest::SetUp();
    ASSERT_TRUE(MakeEmulatorFolders());
    // The timers are driven by the stream, so that a seed replays exactly.
    RedrawTimer()->blockSignals(true);
    CameraTimer()->blockSignals(true);
    Seed = static_cast<unsigned>(EnvironmentNumber("ZUBO_RANDOM_SEED", DefaultSeed));
    Steps = static_cast<int>(EnvironmentNumber("ZUBO_RANDOM_STEPS", DefaultSteps));
    Random.seed(Seed + (CustomTextsOn ? 0u : 1u));
    HistoryStart = std::make_unique<Map>(TheMap());
  }

  // The whole run; stops at the first broken invariant.
  void Run() {
    QElapsedTimer clock;
    clock.start();
    for (Step = 1; Step <= Steps; ++Step) {
      RandomAction();
      NoteHistoryStart();
      std::string broken = CheckInvariants();
      if (broken.empty() && Step % RoundTripPeriod == 0) broken = CheckRoundTrip();
      if (broken.empty() && Step % UndoAllPeriod == 0) broken = CheckUndoAll();
      if (!broken.empty()) {
        Fail(broken);
        return;
      }
    }
    std::printf(
        "[ random ] seed %u, %d steps in %.1f s, %d round trips, %d reloads, %d undo-all "
        "checks over %d steps\n",
        Seed, Steps, clock.elapsed() / 1000.0, RoundTrips, Reloads, UndoAlls, UndoneSteps);
    EXPECT_GT(RoundTrips, 0) << "no map was written and read back";
    EXPECT_GT(UndoAlls, 0) << "undoing everything was never checked";
    EXPECT_GT(UndoneSteps, 0) << "no step was ever undone";
  }

 private:
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random); }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
  bool Chance(int percent) { return Below(100) < percent; }

  void Note(const std::string& action) {
    History.push_back(std::to_string(Step) + ": " + action);
    if (History.size() > ActionHistory) History.pop_front();
  }

  void Fail(const std::string& broken) {
    std::ostringstream text;
    text << "seed " << Seed << ", step " << Step << " (custom texts "
         << (CustomTextsOn ? "on" : "off") << "): " << broken << "\nlast actions:";
    for (const std::string& action : History) text << "\n  " << action;
    text << "\nreplay: ZUBO_RANDOM_SEED=" << Seed << " ZUBO_RANDOM_STEPS=" << Step;
    ADD_FAILURE() << text.str();
  }

  static Qt::MouseButton AnyButton(int n) {
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    return buttons[n];
  }

  // A pixel on the surface, or with outside also up to a few cells beyond it.
  QPoint Pixel(bool outside) {
    const int w = Surface()->width();
    const int h = Surface()->height();
    const int reach = outside ? 3 * View().CellSize : 0;
    return QPoint(Between(-reach, w - 1 + reach), Between(-reach, h - 1 + reach));
  }

  static std::string Describe(QPoint pixel) {
    return "(" + std::to_string(pixel.x()) + ", " + std::to_string(pixel.y()) + ")";
  }

  // Answers the platform dialog whenever it opens modally during a release.
  class DialogAnswer {
   public:
    DialogAnswer(RandomEventsTest& test, TEditPlatform& dialog) : Poll(new QTimer) {
      QObject::connect(Poll.get(), &QTimer::timeout, [&test, &dialog] {
        if (!dialog.isVisible() || QApplication::activeModalWidget() != &dialog) return;
        test.AnswerDialog(dialog);
      });
      Poll->start(0);
    }

   private:
    std::unique_ptr<QTimer> Poll;
  };

  void AnswerDialog(TEditPlatform& dialog) {
    if (Chance(20)) {
      Note("  Esc and a close request to the dialog");
      QTest::keyClick(&dialog, Qt::Key_Escape);
      dialog.close();
      if (!dialog.isVisible()) {
        Pending = "the platform dialog closed without OK";
        return;
      }
    }
    const int row = Below(SwitchTypeCount);
    const int speed = Between(MinPlatformSpeed, MaxPlatformSpeed);
    Note("  dialog: type " + std::to_string(row) + ", speed " + std::to_string(speed));
    dialog.LBType->setCurrentRow(row);
    dialog.UpDown1->setValue(speed);
    QTest::mouseClick(dialog.BOK, Qt::LeftButton);
  }

  void MouseAction() {
    const Qt::MouseButton button = AnyButton(Below(3));
    const char* name = button == Qt::LeftButton    ? "left"
                       : button == Qt::RightButton ? "right"
                                                   : "middle";
    switch (Below(5)) {
      case 4:
        ReuseDeletedSlot();
        break;
      case 0: {
        const QPoint at = Pixel(false);
        Note(std::string("press ") + name + " " + Describe(at));
        Press(button, at);
        break;
      }
      case 1: {
        const QPoint at = Pixel(true);
        Note(std::string("release ") + name + " " + Describe(at));
        const DialogAnswer answer(*this, *EditPlatform());
        Release(button, at);
        break;
      }
      case 2: {
        const int moves = Between(1, 6);
        Note("move x" + std::to_string(moves));
        for (int i = 0; i < moves; ++i) Move(Pixel(true));
        break;
      }
      default: {
        const QPoint from = Pixel(false);
        const QPoint to = Pixel(true);
        Note(std::string("drag ") + name + " " + Describe(from) + " -> " + Describe(to));
        Press(button, from);
        const int moves = Between(1, 8);
        for (int i = 1; i <= moves; ++i) Move(from + (to - from) * i / moves);
        const DialogAnswer answer(*this, *EditPlatform());
        Release(button, to);
        break;
      }
    }
  }

  // A spring or platform made, deleted, another made in its slot, and two
  // Ctrl+Z: the deleted one must come back, not the later one.
  void ReuseDeletedSlot() {
    const bool springs = Chance(50);
    Note(springs ? "spring A, deleted, spring B, Ctrl+Z x2"
                 : "platform P, deleted, platform Q, Ctrl+Z x2");
    ChooseMode(springs ? ModeSprings : ModePlatforms);
    const auto count = [&] { return springs ? TheMap().SpringCount : TheMap().PlatformCount; };
    const auto make = [&](QPoint from, QPoint to) {
      const int before = count();
      const DialogAnswer answer(*this, *EditPlatform());
      Click(Qt::LeftButton, from);
      Click(Qt::LeftButton, to);
      if (springs || Tools().PlacementStage() == PlatformStage::AwaitingSwitch)
        Click(springs ? Qt::RightButton : Qt::LeftButton, springs ? to : Pixel(false));
      return count() == before + 1 && Tools().PlacementStage() == PlatformStage::Idle &&
             !Tools().SpringState().SpringInProgress;
    };
    const QPoint a = Pixel(false);
    const bool made = make(a, Pixel(false));
    const auto withA = std::make_unique<Map>(TheMap());
    const int before = count();
    Click(Qt::RightButton, a);
    const bool deleted = count() == before - 1;
    const bool remade = make(Pixel(false), Pixel(false));
    if (!ActivateWindow()) return;
    for (int i = 0; i < 2; ++i) QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
    if (made && deleted && remade) {
      const std::string failure = CompareRestored(*withA, TheMap());
      if (!failure.empty()) Pending = "undoing a deletion after its slot was reused: " + failure;
    }
  }

  // Keys go to whatever holds the focus, as the keyboard's do.
  void KeyAction() {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Form.get();
    const int kind = Below(14);
    if (kind >= 10) {
      const bool undo = kind < 12;
      const int presses = Between(1, 3);
      Note(std::string(undo         ? "Ctrl+Z"
                       : kind == 12 ? "Ctrl+Y"
                                    : "Ctrl+Shift+Z") +
           " x" + std::to_string(presses));
      for (int i = 0; i < presses; ++i)
        QTest::keyClick(target, kind == 12 ? Qt::Key_Y : Qt::Key_Z,
                        kind == 13 ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
      return;
    }
    if (kind < 4) {
      const auto key = static_cast<Qt::Key>(Qt::Key_0 + Below(10));
      Note("key " + std::to_string(key - Qt::Key_0));
      QTest::keyClick(target, key);
      return;
    }
    if (kind == 4) {
      const bool tab = Chance(50);
      Note(tab ? "key Tab" : "key Esc");
      QTest::keyClick(target, tab ? Qt::Key_Tab : Qt::Key_Escape);
      return;
    }
    const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
    const Qt::Key key = arrows[Below(4)];
    const int ticks = Below(6);
    Note("arrow key " + std::to_string(key - Qt::Key_Left) + " held for " + std::to_string(ticks) +
         " steps");
    QTest::keyPress(target, key);
    for (int i = 0; i < ticks; ++i) Form->TimerSipkyTimer();
    if (Chance(90)) {
      QTest::keyRelease(QApplication::focusWidget() ? QApplication::focusWidget() : target, key);
      // A released arrow key stops the movement once no press follows.
      QTest::qWait(25);
    }
  }

  void ArrowButtonAction() {
    ArrowButton* buttons[] = {Panel().BUp, Panel().BLeft, Panel().BRight, Panel().BDown};
    ArrowButton* button = buttons[Below(4)];
    const int ticks = Below(5);
    Note("arrow button " + button->objectName().toStdString() + " for " + std::to_string(ticks));
    QTest::mousePress(button, Qt::LeftButton);
    for (int i = 0; i < ticks; ++i) Form->TimerSipkyTimer();
    QTest::mouseRelease(button, Qt::LeftButton);
  }

  // A click on an entry (sometimes with Ctrl), or a drag from one entry to
  // another or out of the list.
  void ModeAction() {
    QListWidget* modes = Panel().LBMode;
    QWidget* list = modes->viewport();
    const auto entry = [modes](int row) {
      return modes->visualItemRect(modes->item(row)).center();
    };
    const int mode = Below(EditModeCount);
    if (Chance(50)) {
      const Qt::KeyboardModifiers keys = Chance(20) ? Qt::ControlModifier : Qt::NoModifier;
      Note(std::string(keys ? "mode Ctrl+click " : "mode ") + std::to_string(mode));
      QTest::mouseClick(list, Qt::LeftButton, keys, entry(mode));
      return;
    }
    const bool out = Chance(40);
    const int to = Below(EditModeCount);
    const QPoint end = out ? QPoint(list->width() + Between(1, 40), entry(to).y()) : entry(to);
    Note("mode drag " + std::to_string(mode) + (out ? " out beside " : " to ") +
         std::to_string(to));
    QTest::mousePress(list, Qt::LeftButton, {}, entry(mode));
    const int moves = Between(1, 4);
    for (int i = 1; i <= moves; ++i) DragTo(list, entry(mode) + (end - entry(mode)) * i / moves);
    QTest::mouseRelease(list, Qt::LeftButton, {}, end);
  }

  // The wheel over a control of the panel: only one holding the focus steps.
  void WheelAction() {
    QWidget* controls[] = {Panel().UDWidth,      Panel().UDHeight,          Panel().UDZoom,
                           Panel().UDSel,        Panel().UDScreenWidth,     Panel().UDScreenHeight,
                           Panel().CBBackground, Panel().LBMode->viewport()};
    QWidget* control = controls[Below(8)];
    if (Chance(30)) control->setFocus(Qt::MouseFocusReason);
    const int delta = Chance(50) ? 120 : -120;
    Note("wheel " + std::to_string(delta) + " over " + control->objectName().toStdString() +
         (control->hasFocus() ? " with the focus" : ""));
    const auto values = [this] {
      return std::array{Panel().UDWidth->value(), Panel().UDHeight->value(),
                        Panel().CBBackground->currentIndex(), Panel().UDZoom->value()};
    };
    const auto before = values();
    TurnWheel(control, delta);
    if (!control->hasFocus() && values() != before)
      Pending = "the wheel changed a control that did not hold the focus";
  }

  // A value for a typed edit: mostly useful ones, sometimes garbage.
  QString TypedValue(int low, int high, std::initializer_list<int> favourites) {
    const int kind = Below(10);
    if (kind == 0) return QStringLiteral("x");
    if (kind == 1) return QString::number(Between(-5, high + 300));
    if (kind < 6) return QString::number(*(favourites.begin() + Below(int(favourites.size()))));
    return QString::number(Between(low, high));
  }

  void TypeInto(QSpinBox* spin, const QString& text) {
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (Chance(50)) QTest::keyClick(edit, Qt::Key_Return);
  }

  void SpinAction() {
    switch (Below(7)) {
      case 0: {
        const int steps = Chance(50) ? 1 : -1;
        Note("zoom step " + std::to_string(steps));
        Panel().UDZoom->stepBy(steps);
        break;
      }
      case 1: {
        const int steps = Chance(50) ? 1 : -1;
        Note("selected step " + std::to_string(steps));
        Panel().UDSel->stepBy(steps);
        break;
      }
      case 2: {
        const QString text = TypedValue(0, 1000, {1, 2, 6, 14, 38, 40, 48, 0});
        Note("selected typed " + text.toStdString());
        TypeInto(Panel().UDSel, text);
        break;
      }
      case 3:
      case 4: {
        SizeSpinBox* spin = Chance(50) ? Panel().UDWidth : Panel().UDHeight;
        QCheckBox* rise = spin == Panel().UDWidth ? Panel().CBRiseLeft : Panel().CBRiseDown;
        if (Chance(30)) rise->click();
        const int steps = Chance(50) ? 1 : -1;
        Note(spin->objectName().toStdString() + " step " + std::to_string(steps) +
             (rise->isChecked() ? " rising" : ""));
        spin->stepBy(steps);
        break;
      }
      case 5: {
        SizeSpinBox* spin = Chance(50) ? Panel().UDWidth : Panel().UDHeight;
        const QString text = TypedValue(1, 255, {1, 2, 3, 20, 254, 255});
        Note(spin->objectName().toStdString() + " typed " + text.toStdString());
        TypeInto(spin, text);
        break;
      }
      default: {
        Note("redraw tick");
        Form->TimerTimer();
        break;
      }
    }
  }

  void SpecialToolAction() {
    QPushButton* buttons[] = {Panel().BSelectTiles, Panel().BCopyTiles, Panel().BSelectPrimaryChar,
                              Panel().BLoadScreenOutput};
    QPushButton* button = buttons[Below(4)];
    Note("button " + button->objectName().toStdString());
    ClickButton(button);
  }

  void CustomTextsAction() {
    QPlainTextEdit* memo = Panel().MCustomTexts;
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {},
                      QPoint(Between(1, memo->viewport()->width() - 1),
                             Between(1, memo->viewport()->height() - 1)));
    const int kind = Below(4);
    if (kind == 0) {
      Note("memo: new line");
      QTest::keyClick(memo, Qt::Key_Return);
    } else if (kind == 1) {
      Note("memo: backspace");
      QTest::keyClick(memo, Qt::Key_Backspace);
    } else {
      const QString text = QStringLiteral("t%1").arg(Below(100));
      Note("memo: type " + text.toStdString() + " and a letter outside ASCII");
      QTest::keyClicks(memo, text);
      QTest::sendKeyEvent(QTest::Click, memo, Qt::Key_unknown, QStringLiteral("\u00e9"), {});
    }
  }

  // What a level needs to pass validation: a Zubo and the end tile, each
  // placed by a click on a cell in view.
  void PlaceZuboAndEnd() {
    Note("place the end tile and a Zubo");
    ChooseMode(ModeMidground);
    TypeInto(Panel().UDSel, QString::number(EndMgTile));
    Form->FormMouseDown();
    Click(Qt::LeftButton, Pixel(false));
    ChooseMode(ModeChars);
    Click(Qt::LeftButton, Pixel(false));
  }

  QString LevelName() { return QStringLiteral("levels/r%1").arg(Below(3)); }

  void FileAction() {
    switch (Below(7)) {
      case 0: {
        const bool answer = Chance(60);
        Note(std::string("New, answering ") + (answer ? "OK" : "Cancel"));
        Boxes.Answers = {answer};
        ClickButton(Panel().BNew);
        break;
      }
      case 1: {
        const QString name = LevelName();
        const bool answer = Chance(70);
        Note("Save " + name.toStdString() + (answer ? "" : ", not overwriting"));
        Panel().ESoubor->setText(name);
        Boxes.Answers = {answer};
        ClickButton(Panel().BSave);
        break;
      }
      case 2: {
        const QString name = Chance(80) ? LevelName() : QStringLiteral("zuboapp/levels/ed.lvl");
        const bool answer = Chance(70);
        Note("Load " + name.toStdString() + (answer ? "" : ", cancelling"));
        Boxes.Answers = {answer};
        Boxes.ChosenFile = InFolder(name);
        ClickButton(Panel().IBOpenFile);
        break;
      }
      case 3:
        Note("Run Emu");
        ClickButton(Panel().BRunEmu);
        break;
      case 4:
        PlaceZuboAndEnd();
        break;
      default:
        SaveAndReload();
        break;
    }
    Boxes.Answers.clear();
  }

  // A Save through the window that writes, then a Load of that file, gives
  // the map as validation left it.
  void SaveAndReload() {
    const QString name = QStringLiteral("levels/again");
    Note("Save and reload " + name.toStdString());
    QFile::remove(InFolder(name));
    Panel().ESoubor->setText(name);
    ClickButton(Panel().BSave);
    if (!QFile::exists(InFolder(name))) return;
    auto written = std::make_unique<Map>(TheMap());
    Boxes.ChosenFile = InFolder(name);
    Boxes.Answers = {true};
    const int messages = Boxes.Messages.size();
    ClickButton(Panel().IBOpenFile);
    ++Reloads;
    if (Boxes.Messages.size() != messages)
      Pending = "the reload showed \"" + Boxes.Messages.last().toStdString() + "\"";
    else
      Pending = CompareReloaded(*written, TheMap());
  }

  void RandomAction() {
    const int kind = Below(100);
    if (kind < 55)
      MouseAction();
    else if (kind < 63)
      KeyAction();
    else if (kind < 66)
      ArrowButtonAction();
    else if (kind < 72)
      ModeAction();
    else if (kind < 75)
      WheelAction();
    else if (kind < 88)
      SpinAction();
    else if (kind < 93 && !CustomTextsOn)
      SpecialToolAction();
    else if (kind < 93)
      CustomTextsAction();
    else
      FileAction();
    // The window gets the focus back as a click on its free area would give it.
    if (Chance(10)) Form->FormMouseDown();
  }

  // The entry the mode list shows selected is the mode in force; only the
  // primary char picker works beside it. A platform is placed only in its mode.
  std::string ModeFailure() {
    const EditorState& editor = Tools().State();
    if (Tools().PlacementStage() != PlatformStage::Idle && editor.ActiveTool != Tool::ToolPlatforms)
      return "a platform is being placed outside the Platforms mode";
    const QList<QListWidgetItem*> selected = Panel().LBMode->selectedItems();
    if (selected.isEmpty() || editor.ActiveTool == Tool::ToolSelectPrimaryChar) return {};
    const int row = Panel().LBMode->row(selected.first());
    const bool inForce = row <= ModeChars
                             ? editor.ActiveTool == Tool::ToolPlaceTile && editor.ActiveLayer == row
                         : row == ModeSprings   ? editor.ActiveTool == Tool::ToolSprings
                         : row == ModePlatforms ? editor.ActiveTool == Tool::ToolPlatforms
                                                : editor.ActiveTool == Tool::ToolTexts;
    if (!inForce)
      return "the mode list shows mode " + std::to_string(row) + " but another is in force";
    return {};
  }

  // The map at the start of the history: at start-up, and after New, Open or
  // a failed load while nothing can be undone.
  void NoteHistoryStart() {
    if (!Session->Document.History().CanUndo() && !Session->Document.History().StepOpen())
      HistoryStart = std::make_unique<Map>(TheMap());
  }

  // The offscreen platform can leave the closed platform dialog the active
  // window; a click on the window makes it active on a desktop and gives it
  // the keys.
  bool ActivateWindow() {
    if (QApplication::activeWindow() != Form.get()) QApplication::setActiveWindow(Form.get());
    Form->FormMouseDown();
    return QApplication::activeWindow() == Form.get();
  }

  // Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z at the window until nothing more is done.
  bool PressUntil(Qt::Key key, Qt::KeyboardModifiers modifiers, bool (MapHistory::*more)() const) {
    const std::size_t limit = Session->Document.History().StepCount() + 2;
    for (std::size_t i = 0; (Session->Document.History().*more)() && i < limit; ++i) {
      QTest::keyClick(Form.get(), key, modifiers);
      ++UndoneSteps;
    }
    return !(Session->Document.History().*more)();
  }

  // Undoing everything gives back the map at the start of the history;
  // redoing everything the map before.
  std::string CheckUndoAll() {
    if (!ActivateWindow()) return "the window did not become active";
    // The first Ctrl+Z may end a placement rather than undo a step.
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
    if (!PressUntil(Qt::Key_Y, Qt::ControlModifier, &MapHistory::CanRedo))
      return "Ctrl+Y did not redo every step";
    const auto top = std::make_unique<Map>(TheMap());
    if (!PressUntil(Qt::Key_Z, Qt::ControlModifier, &MapHistory::CanUndo))
      return "Ctrl+Z did not undo every step";
    std::string failure = CompareRestored(*HistoryStart, TheMap());
    if (!failure.empty()) return "undoing everything since the last New or Open: " + failure;
    if (!PressUntil(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, &MapHistory::CanRedo))
      return "Ctrl+Shift+Z did not redo every step";
    failure = CompareRestored(*top, TheMap());
    if (!failure.empty()) return "redoing everything: " + failure;
    ++UndoAlls;
    return {};
  }

  std::string CheckInvariants() {
    if (!Pending.empty()) return std::exchange(Pending, std::string());
    if (std::string broken = ModeFailure(); !broken.empty()) return broken;
    WindowState state;
    state.Width = Panel().UDWidth->value();
    state.Height = Panel().UDHeight->value();
    state.Background = Panel().CBBackground->currentIndex();
    state.MemoLines = CustomTextLines(*Panel().MCustomTexts);
    state.SpringInProgress = Tools().SpringState().SpringInProgress;
    state.Stage = Tools().PlacementStage();
    state.DialogOpen = EditPlatform()->isVisible();
    state.Selection = Tools().Selection().Cells();
    state.Geometry = View();
    return MapInvariantFailure(TheMap(), state);
  }

  // A copy of the map that validation passes more often: no switches, no
  // text markers, and an object under the first point of every spring that
  // an object can hold there. Springs that still fail are dropped.
  std::unique_ptr<Map> ReducedCopy() {
    auto copy = std::make_unique<Map>(TheMap());
    Map& map = *copy;
    for (int i = 0; i < map.PlatformCount; ++i) map.Platforms[i].SwitchType = NoSwitch;
    for (int x = 1; x <= map.Width; ++x)
      for (int y = 1; y <= map.Height; ++y) map.Cell(x, y).TextId = 0;
    std::set<std::pair<int, int>> centreEnds;
    for (int i = 0; i < map.SpringCount; ++i)
      for (const SpringPoint* end : {&map.Springs[i].First(), &map.Springs[i].Last()})
        if (end->Corner == Center) centreEnds.insert({end->X, end->Y});
    for (int i = 0; i < map.SpringCount; ++i) {
      const SpringPoint& first = map.Springs[i].First();
      if (first.Corner != Center && map.InUse(first.X, first.Y) &&
          centreEnds.count({first.X, first.Y}) == 0 && map.Cell(first.X, first.Y).ObjectKind == 0)
        map.Cell(first.X, first.Y).ObjectKind = 1;
    }
    if (!ValidateMap(map, CustomTextsOn).Passed) map.SpringCount = 0;
    return copy;
  }

  // Validation on a copy, then a write and a read of the file.
  std::string CheckRoundTrip() {
    auto copy = std::make_unique<Map>(TheMap());
    if (!ValidateMap(*copy, CustomTextsOn).Passed) {
      copy = ReducedCopy();
      if (!ValidateMap(*copy, CustomTextsOn).Passed) return {};
    }
    ++RoundTrips;
    const std::string path = InFolder(QStringLiteral("roundtrip")).toStdString();
    const WriteOutcome outcome = WriteLevelFile(*copy, path);
    if (!outcome.Ok) return "a map that passed validation was not written: " + outcome.Error;
    auto read = std::make_unique<Map>();
    if (!ReadLevelFile(path, *read)) return "a map that passed validation did not load again";
    return CompareReloaded(*copy, *read);
  }

  StandInJava Java{IdleJava};
  std::mt19937 Random;
  unsigned Seed = DefaultSeed;
  int Steps = DefaultSteps;
  int Step = 0;
  int RoundTrips = 0;
  int Reloads = 0;
  int UndoAlls = 0;
  int UndoneSteps = 0;
  std::unique_ptr<Map> HistoryStart;
  std::deque<std::string> History;
  // A failure found inside an action, reported by the next check.
  std::string Pending;
};

class RandomEventsWithSpecialToolsTest : public RandomEventsTest {
 protected:
  RandomEventsWithSpecialToolsTest() { CustomTextsOn = false; }
};

TEST_F(RandomEventsTest, WithCustomTextsKeepTheMapWhole) {
  Run();
}

TEST_F(RandomEventsWithSpecialToolsTest, KeepTheMapWhole) {
  Run();
}
