#include <QLineEdit>
#include <QPushButton>

#include "app/arrow_button.h"
#include "editing_fixture.h"
#include "model/editor_state.h"

TEST_F(EditingTest, DigitKeysChooseTheModes) {
  FocusWindowByPress();
  Key(Qt::Key_6);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSprings);
  EXPECT_EQ(Panel().LBMode->currentRow(), ModeSprings);
  Key(Qt::Key_7);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlatforms);
  Key(Qt::Key_8);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolTexts);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerText);
  Key(Qt::Key_4);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerObject);
  EXPECT_EQ(Panel().LBMode->selectedItems().size(), 1);

  // 9, 0 and the keypad's digits do nothing.
  Key(Qt::Key_9);
  Key(Qt::Key_0);
  Key(Qt::Key_3, Qt::KeypadModifier);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerObject);
}

// What an X11 keyboard sends: the symbol the layout and Shift make of the
// key, with the key's code.
TEST_F(EditingTest, ModifiersAndLayoutsDoNotChangeWhatADigitKeyChooses) {
  struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint32 code;
    const char* text;
    int mode;  // -1: the mode stays
  } const cases[] = {
      {Qt::Key_Exclam, Qt::ShiftModifier, 10, "!", ModeBackground},
      {Qt::Key_NumberSign, Qt::ShiftModifier, 12, "#", ModeForeground},
      {Qt::Key_Asterisk, Qt::ShiftModifier, 17, "*", ModeTexts},
      {Qt::Key_Ampersand, Qt::NoModifier, 10, "&", ModeBackground},  // French layout
      {Qt::Key_5, Qt::ControlModifier, 14, "", ModeChars},
      {Qt::Key_ParenLeft, Qt::ShiftModifier, 18, "(", -1},  // 9
      {Qt::Key_3, Qt::KeypadModifier, 89, "3", -1},
  };
  FocusWindowByPress();
  for (const auto& c : cases) {
    Key(Qt::Key_7);
    const int expected = c.mode >= 0 ? c.mode : ModePlatforms;
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, c.key, c.modifiers, c.code, 0, 0, QString::fromLatin1(c.text));
      QApplication::sendEvent(Form.get(), &event);
    }
    EXPECT_EQ(Panel().LBMode->currentRow(), expected) << c.text;
  }
}

TEST_F(EditingTest, DigitKeysGoToAFocusedControlUntilTheMapIsPressed) {
  auto* screenWidth = Find<QSpinBox>("UDScreenWidth");
  QTest::mouseClick(screenWidth, Qt::LeftButton, {}, QPoint(5, screenWidth->height() / 2));
  ASSERT_TRUE(screenWidth->hasFocus());
  screenWidth->selectAll();
  Key(Qt::Key_6);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
  EXPECT_EQ(screenWidth->text(), QStringLiteral("6"));
  // Sent to the window itself while the control holds the focus: still nothing.
  QTest::keyClick(Form.get(), Qt::Key_6);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);

  FocusWindowByPress();
  Key(Qt::Key_6);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSprings);
}

TEST_F(EditingTest, HeldArrowKeyScrollsFirstAtOnceThenAfterAPauseThenFast) {
  FocusWindowByPress();
  QTimer* timer = CameraTimer();
  QTest::keyPress(Form.get(), Qt::Key_Right);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(Scrolling(), ScrollDirection::Right);
  ASSERT_TRUE(WaitFor([this] { return View().CameraX >= 1; }));
  EXPECT_EQ(View().CameraX, 1);
  EXPECT_EQ(timer->interval(), 500);

  QTest::keyRelease(Form.get(), Qt::Key_Right);
  ASSERT_TRUE(WaitFor([timer] { return !timer->isActive(); }));

  QTest::keyPress(Form.get(), Qt::Key_Right);
  ASSERT_TRUE(WaitFor([this] { return View().CameraX >= 2; }));
  QTest::qWait(700);
  EXPECT_GE(View().CameraX, 4);
  EXPECT_EQ(timer->interval(), 50);
  QTest::keyRelease(Form.get(), Qt::Key_Right);
  ASSERT_TRUE(WaitFor([timer] { return !timer->isActive(); }));
  EXPECT_EQ(timer->interval(), 1);
  const int stoppedAt = View().CameraX;
  QTest::qWait(120);
  EXPECT_EQ(View().CameraX, stoppedAt);
  EXPECT_EQ(Scrolling(), ScrollDirection::Right);  // kept after the stop
}

TEST_F(EditingTest, AutoRepeatedKeyEventsNeitherRearmNorStop) {
  FocusWindowByPress();
  QTimer* timer = CameraTimer();
  QTest::keyPress(Form.get(), Qt::Key_Up);
  Form->TimerSipkyTimer();
  ASSERT_EQ(timer->interval(), 500);
  QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(Form.get(), &repeatRelease);
  QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(Form.get(), &repeatPress);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 500);
  QTest::keyRelease(Form.get(), Qt::Key_Up);
  EXPECT_TRUE(WaitFor([timer] { return !timer->isActive(); }));
}

// Some X servers send the auto-repeat of a held key as release and press
// pairs not marked as repeats; with two arrows held the movement turns at
// its rate instead of starting over.
TEST_F(EditingTest, UnmarkedAutoRepeatPairsNeitherStopNorRearm) {
  FocusWindowByPress();
  QTimer* timer = CameraTimer();
  QTest::keyPress(Form.get(), Qt::Key_Right);
  Form->TimerSipkyTimer();
  Form->TimerSipkyTimer();
  QTest::keyPress(Form.get(), Qt::Key_Up);
  for (int i = 0; i < 3; ++i) {
    QTest::keyRelease(Form.get(), Qt::Key_Up);
    QTest::keyPress(Form.get(), Qt::Key_Up);
    QTest::qWait(30);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 50);
    EXPECT_EQ(Scrolling(), ScrollDirection::Up);
  }
  // A real release, followed by no press, stops.
  QTest::keyRelease(Form.get(), Qt::Key_Up);
  EXPECT_TRUE(WaitFor([timer] { return !timer->isActive(); }));
  QTest::keyRelease(Form.get(), Qt::Key_Right);
}

TEST_F(EditingTest, TimerPhasesAndTheCameraBounds) {
  FocusWindowByPress();
  QTimer* timer = CameraTimer();
  // The top bound: the last fully visible row stays at 255.
  const int topBound = 255 - View().ViewHeight / View().CellSize;
  Session->View.CameraY = topBound - 2;
  QTest::keyPress(Form.get(), Qt::Key_Up);
  EXPECT_EQ(timer->interval(), 1);
  Form->TimerSipkyTimer();
  EXPECT_EQ(timer->interval(), 500);
  Form->TimerSipkyTimer();
  EXPECT_EQ(timer->interval(), 50);
  Form->TimerSipkyTimer();
  Form->TimerSipkyTimer();
  EXPECT_EQ(timer->interval(), 50);
  EXPECT_EQ(View().CameraY, topBound);

  // Pressing Left while Up is held turns the movement at the current rate;
  // releasing Up stops it.
  QTest::keyPress(Form.get(), Qt::Key_Left);
  EXPECT_EQ(timer->interval(), 50);
  Session->View.CameraX = 1;
  Form->TimerSipkyTimer();
  Form->TimerSipkyTimer();
  EXPECT_EQ(View().CameraX, 0);
  QTest::keyRelease(Form.get(), Qt::Key_Up);
  EXPECT_TRUE(WaitFor([timer] { return !timer->isActive(); }));
  QTest::keyRelease(Form.get(), Qt::Key_Left);
}

TEST_F(EditingTest, ArrowButtonsMoveWhileHeldAndStopOnRelease) {
  auto* up = Find<ArrowButton>("BUp");
  QTest::mousePress(up, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([this] { return View().CameraY == 1; }));
  QTest::mouseRelease(up, Qt::LeftButton);
  EXPECT_FALSE(CameraTimer()->isActive());
  EXPECT_EQ(View().CameraY, 1);

  // Any mouse button starts a movement.
  auto* right = Find<ArrowButton>("BRight");
  QTest::mousePress(right, Qt::RightButton);
  EXPECT_EQ(Scrolling(), ScrollDirection::Right);
  ASSERT_TRUE(WaitFor([this] { return View().CameraX == 1; }));
  QTest::mouseRelease(right, Qt::RightButton);
  EXPECT_FALSE(CameraTimer()->isActive());

  // A click on Down runs its click action between press and release and
  // still ends stopped.
  QTest::mouseClick(Find<ArrowButton>("BDown"), Qt::LeftButton);
  EXPECT_FALSE(CameraTimer()->isActive());
  EXPECT_EQ(Scrolling(), ScrollDirection::Down);
}

TEST_F(EditingTest, DownButtonActivatedFromTheKeyboardRunsUntilAnArrowIsReleased) {
  auto* down = Find<ArrowButton>("BDown");
  Session->View.CameraY = 3;
  down->setFocus();
  QTest::keyClick(down, Qt::Key_Space);
  EXPECT_TRUE(CameraTimer()->isActive());
  ASSERT_TRUE(WaitFor([this] { return View().CameraY == 0; }));
  EXPECT_TRUE(CameraTimer()->isActive());
  QTest::mouseClick(Find<ArrowButton>("BLeft"), Qt::LeftButton);
  EXPECT_FALSE(CameraTimer()->isActive());
}

TEST_F(EditingTest, ArrowKeysDoNotReachTheWindowWhileAButtonHasTheFocus) {
  auto* help = Find<QPushButton>("BHelp");
  QTest::mouseClick(help, Qt::LeftButton);
  ASSERT_TRUE(help->hasFocus());
  Key(Qt::Key_Right);
  QTest::keyPress(help, Qt::Key_Up);
  EXPECT_FALSE(CameraTimer()->isActive());
  QTest::keyRelease(help, Qt::Key_Up);
}
