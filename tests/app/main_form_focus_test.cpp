// Where the keys go: the window from start-up on, the memo by a click or
// Tab, a control of the panel until the next press on the map.

#include <QComboBox>
#include <QPlainTextEdit>

#include "editing_fixture.h"
#include "model/editor_state.h"

class FocusTest : public EditingTest {
 protected:
  QPlainTextEdit* Memo() const { return Panel().MCustomTexts; }
};

TEST_F(FocusTest, AtStartUpTheWindowTakesTheKeys) {
  EXPECT_EQ(QApplication::focusWidget(), Form.get());
  Key(Qt::Key_4);
  EXPECT_EQ(Tools().State().ActiveLayer, LayerObject);
  QTest::keyPress(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_TRUE(CameraTimer()->isActive());
  QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_TRUE(Memo()->toPlainText().isEmpty());
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(FocusTest, TabMovesBetweenTheWindowAndTheMemoAndTypesNothing) {
  QTest::mouseClick(Memo()->viewport(), Qt::LeftButton);
  QTest::keyClicks(Memo(), QStringLiteral("a"));
  Key(Qt::Key_Tab);
  EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("a"));
  EXPECT_EQ(QApplication::focusWidget(), Form.get());
  Key(Qt::Key_6);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSprings);
  Key(Qt::Key_Tab);
  EXPECT_TRUE(Memo()->hasFocus());
}

TEST_F(FocusTest, ArrowKeysOnAPanelButtonOrCheckBoxMoveNoFocus) {
  for (const char* name : {"BRight", "BUp", "BNew", "CBRiseLeft", "CBShowObjects"}) {
    auto* control = Find<QWidget>(name);
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
    ASSERT_TRUE(control->hasFocus()) << name;
    for (Qt::Key arrow : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right}) {
      Key(arrow);
      EXPECT_EQ(QApplication::focusWidget(), control) << name;
    }
    Key(Qt::Key_7);
  }
  EXPECT_TRUE(Memo()->toPlainText().isEmpty());
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
}

// An open list takes its own Esc, which closes it and shows no help, also
// where the platform hands that Esc on to the window once the list closed.
TEST_F(FocusTest, EscClosesTheOpenBackgroundListWithoutTheHelp) {
  QComboBox* background = Panel().CBBackground;
  background->setFocus();
  background->showPopup();
  ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  QTest::keyClick(background, Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_TRUE(Boxes.Messages.isEmpty());
  // Once that Esc has been delivered, the next one is the window's again.
  QTest::qWait(1);
  QApplication::setActiveWindow(Form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  FocusWindowByPress();
  Key(Qt::Key_Escape);
  EXPECT_EQ(Boxes.Messages.size(), 1);
}
