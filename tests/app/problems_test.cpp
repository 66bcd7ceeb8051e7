// The problems list through the real window: every problem at once, live
// after edits, a chosen entry centring the camera on its cell, the count,
// the keyboard, and the pointer's cell.

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "app/problems_list.h"
#include "editing/editor_session.h"
#include "editing_fixture.h"
#include "model/message_texts.h"

namespace {

class ProblemsTest : public EditingTest {
 protected:
  ProblemsList* List() const { return Find<ProblemsList>("ProblemsList"); }
  QToolButton* Count() const { return Find<QToolButton>("BProblems"); }
  void Tick() { Form->TimerTimer(); }
};

TEST_F(ProblemsTest, EveryProblemIsListedLiveAndTheMapStaysAsItWas) {
  SetMapSize(60, 40);
  // The test sets have no images for these tiles: their layers stay hidden.
  Panel().CBShowBG->setChecked(false);
  Panel().CBShowFG->setChecked(false);
  TheMap().Cell(50, 30).BgTile = 47;
  TheMap().Cell(40, 20).FgTile = 38;
  Tick();
  EXPECT_EQ(Count()->text(), QStringLiteral("4 problems"));
  EXPECT_TRUE(Count()->isVisible());
  EXPECT_FALSE(List()->isVisible());

  Key(Qt::Key_F8);
  ASSERT_TRUE(List()->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), List());
  EXPECT_EQ(List()->currentRow(), 0);
  QStringList texts;
  for (int i = 0; i < List()->count(); ++i) texts << List()->item(i)->text().section('\n', 0, 0);
  EXPECT_EQ(texts, (QStringList{QString::fromLatin1(MessageTexts::NoZubo),
                                QString::fromLatin1(MessageTexts::NoEndTile),
                                QStringLiteral("(40, 20)  ") + MessageTexts::LavaWarning,
                                QStringLiteral("(50, 30)  A save removes 1 background tile "
                                               "(47..51) that the game cannot show.")}));
  EXPECT_EQ(List()->item(2)->text().section('\n', 1).trimmed(),
            QStringLiteral("Lava is foreground tiles 37 to 40."));
  EXPECT_EQ(TheMap().Cell(50, 30).BgTile, 47);

  // Down and Return choose the lava: the camera centres on its cell, which
  // is marked until the next click.
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  const ViewGeometry& view = Session->View;
  EXPECT_EQ(view.CameraX + view.ViewWidth / view.CellSize / 2 + 1, 40);
  EXPECT_EQ(view.CameraY + view.ViewHeight / view.CellSize / 2 + 1, 20);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString::fromLatin1(MessageTexts::LavaWarning));

  // An edit that mends a fault takes its entry away at the next tick.
  ChooseMode(ModeChars);
  Panel().UDSel->setValue(ZuboCharKind);
  ClickCell(Qt::LeftButton, 5 + view.CameraX, 5 + view.CameraY);
  Tick();
  EXPECT_EQ(Count()->text(), QStringLiteral("3 problems"));
  EXPECT_EQ(List()->count(), 3);

  Key(Qt::Key_F8);
  EXPECT_FALSE(List()->isVisible());
  EXPECT_TRUE(Form->hasFocus());
}

TEST_F(ProblemsTest, TheCountGoesWithTheLastProblemAndThePointersCellIsShown) {
  TheMap().Cell(1, 1).CharKind = ZuboCharKind;
  TheMap().Cell(2, 1).MgTile = EndMgTile;
  Tick();
  EXPECT_FALSE(Count()->isVisible());
  Move(CellPixel(7, 3));
  auto* cell = Find<QLabel>("LPointerCell");
  EXPECT_EQ(cell->text(), QStringLiteral("7, 3"));
  EXPECT_TRUE(cell->isVisible());
  Move(CellPixel(25, 3));  // off the 20 x 20 map
  EXPECT_FALSE(cell->isVisible());
}

}  // namespace

namespace {

// P shows the phone's screen with its bottom-left at the pointer's cell; it
// stays there when the pointer leaves the map, and follows the size edits.
TEST_F(ProblemsTest, PShowsThePhonesScreenAtThePointersCell) {
  Key(Qt::Key_P);
  ASSERT_TRUE(Panel().CBScreen->isChecked());
  Move(CellPixel(3, 2));
  Move(CellPixel(30, 2));  // off the map
  Form->RedrawView();
  const QImage& frame = Surface()->Buffer();
  const PixelPosition corner = CellTopLeft(Session->View, 3, 1);  // row 2's bottom edge
  const int size = Session->View.CellSize;
  EXPECT_EQ(frame.pixelColor(corner.X, corner.Y - 1 - 5), QColor(Qt::white));
  EXPECT_EQ(frame.pixelColor(corner.X + 240 * size / Session->Sets.BaseTileSize - 1,
                             corner.Y - 1 - 5),
            QColor(Qt::white));
  Panel().UDScreenWidth->setValue(176);
  EXPECT_NE(frame.pixelColor(corner.X + 240 * size / Session->Sets.BaseTileSize - 1,
                             corner.Y - 1 - 5),
            QColor(Qt::white));
  Key(Qt::Key_P);
  EXPECT_FALSE(Panel().CBScreen->isChecked());
}

}  // namespace

namespace {

TEST_F(ProblemsTest, ZChoosesThePrimaryCharInTheEditorWithCustomTexts) {
  ASSERT_TRUE(CustomTextsShown());
  EXPECT_TRUE(Panel().BPrimaryChar->isVisibleTo(Form.get()));
  Key(Qt::Key_Z);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolSelectPrimaryChar);
  EXPECT_EQ(Panel().LBMode->currentRow(), -1);
}

}  // namespace
