// Where the keys go: the window from start-up on, the memo by a click or
// Tab, a control of the panel until the next press on the map.

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
