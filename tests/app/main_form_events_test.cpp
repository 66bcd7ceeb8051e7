#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "app/control_panel.h"
#include "main_form_fixture.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "app/draw_surface.h"

namespace {

const QString HelpText = QString::fromLatin1(MessageTexts::Help);

}  // namespace

TEST_F(MainFormTest, LayoutKeepsPanelAtBottomAndSurfaceAbove) {
  const auto checkLayout = [this](int width, int height) {
    EXPECT_EQ(Surface()->geometry(), QRect(0, 0, width, std::max(0, height - 113)));
    EXPECT_EQ(Panel().geometry(), QRect(-1, height - 113, width, 113));
    EXPECT_EQ(Session->View.ViewWidth, Surface()->width());
    EXPECT_EQ(Session->View.ViewHeight, Surface()->height());
  };
  checkLayout(Form->width(), Form->height());

  Form->resize(640, 400);
  ASSERT_TRUE(WaitFor([this] { return Form->size() == QSize(640, 400); }));
  checkLayout(640, 400);
  EXPECT_EQ(Session->View.ViewHeight, 287);

  // Lower than the panel: the surface keeps a height of zero.
  Form->resize(300, 80);
  ASSERT_TRUE(WaitFor([this] { return Form->size() == QSize(300, 80); }));
  checkLayout(300, 80);
  EXPECT_EQ(Session->View.ViewHeight, 0);
  Form->TimerTimer();
  EXPECT_TRUE(Boxes.Messages.isEmpty());
}

TEST_F(MainFormTest, HelpButtonShowsTheHelpText) {
  QTest::mouseClick(Find<QPushButton>("BHelp"), Qt::LeftButton);
  EXPECT_EQ(Boxes.Messages, QStringList{HelpText});
}

TEST_F(MainFormTest, EscShowsTheHelpTextWhenTheWindowHasTheFocus) {
  QTest::mouseClick(Surface(), Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_EQ(QApplication::focusWidget(), Form.get());
  QTest::keyClick(Form.get(), Qt::Key_Escape);
  EXPECT_EQ(Boxes.Messages, QStringList{HelpText});
}

TEST_F(MainFormTest, EscPressesHelpAsTheCancelButtonFromAControl) {
  auto* width = Find<QSpinBox>("UDWidth");
  QTest::mouseClick(width, Qt::LeftButton, {}, QPoint(5, width->height() / 2));
  ASSERT_TRUE(width->hasFocus());
  QTest::keyClick(width, Qt::Key_Escape);
  EXPECT_EQ(Boxes.Messages, QStringList{HelpText});
}

TEST_F(MainFormTest, PressOnTheSurfaceTakesTheFocusFromAControl) {
  auto* help = Find<QPushButton>("BHelp");
  QTest::mouseClick(help, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), help);
  EXPECT_FALSE(Form->hasFocus());

  QTest::mouseClick(Surface(), Qt::LeftButton, {}, QPoint(40, 40));
  EXPECT_EQ(QApplication::focusWidget(), Form.get());
  EXPECT_TRUE(Form->hasFocus());
}

TEST_F(MainFormTest, PressOnFreeAreasOfPanelAndWindowFocusesTheWindow) {
  auto* selected = Find<QSpinBox>("UDSel");
  QTest::mouseClick(selected, Qt::LeftButton, {}, QPoint(5, selected->height() / 2));
  ASSERT_TRUE(selected->hasFocus());
  // The panel's bottom-left corner holds no control.
  QTest::mouseClick(&Panel(), Qt::LeftButton, {}, QPoint(2, 110));
  EXPECT_EQ(QApplication::focusWidget(), Form.get());

  QTest::mouseClick(selected, Qt::LeftButton, {}, QPoint(5, selected->height() / 2));
  ASSERT_TRUE(selected->hasFocus());
  // The panel starts one pixel left of the window, leaving the window's last column free.
  QTest::mouseClick(Form.get(), Qt::LeftButton, {}, QPoint(Form->width() - 1, Form->height() - 5));
  EXPECT_EQ(QApplication::focusWidget(), Form.get());
}

TEST_F(MainFormTest, ZoomChangesCellSize) {
  auto* zoom = Find<QSpinBox>("UDZoom");
  zoom->stepBy(1);
  EXPECT_EQ(Session->View.Zoom, 11);
  EXPECT_EQ(Session->View.CellSize, 17);
  zoom->setValue(5);
  EXPECT_EQ(Session->View.CellSize, 8);
  zoom->setValue(2);
  EXPECT_EQ(Session->View.CellSize, 3);
  zoom->setValue(100);
  EXPECT_EQ(Session->View.CellSize, 160);
  EXPECT_EQ(Session->View.CameraX, 0);
}

TEST_F(MainFormTest, ZoomIgnoresTypingAndArrowKeys) {
  auto* zoom = Find<QSpinBox>("UDZoom");
  QTest::mouseClick(zoom, Qt::LeftButton, {}, QPoint(5, zoom->height() / 2));
  QTest::keyClick(zoom, Qt::Key_Up);
  QTest::keyClick(zoom, Qt::Key_Down);
  QTest::keyClick(zoom, Qt::Key_Down);
  QTest::keyClicks(zoom, QStringLiteral("7"));
  EXPECT_EQ(zoom->value(), 10);
  EXPECT_EQ(Session->View.CellSize, 16);
}

TEST_F(MainFormTest, SelectedWrapsWithinTheBackgroundTiles) {
  auto* selected = Find<QSpinBox>("UDSel");
  QTest::mouseClick(selected, Qt::LeftButton, {}, QPoint(5, selected->height() / 2));
  QTest::keyClick(selected, Qt::Key_Down);
  EXPECT_EQ(selected->value(), TileFolder::BackgroundCount);
  EXPECT_EQ(Tools().State().SelectedIndex, TileFolder::BackgroundCount);
  QTest::keyClick(selected, Qt::Key_Up);
  EXPECT_EQ(selected->value(), 1);
  EXPECT_EQ(Tools().State().SelectedIndex, 1);
  QTest::keyClick(selected, Qt::Key_Up);
  EXPECT_EQ(Tools().State().SelectedIndex, 2);

  // A typed value above the range becomes 1.
  selected->selectAll();
  QTest::keyClicks(selected, QStringLiteral("9"));
  EXPECT_EQ(selected->value(), 1);
  EXPECT_EQ(selected->text(), QStringLiteral("1"));
  EXPECT_EQ(Tools().State().SelectedIndex, 1);
}

TEST_F(MainFormTest, SelectedWrapsBySpringAndTextRanges) {
  auto* selected = Find<QSpinBox>("UDSel");
  Session->Tools.ChooseMode(ModeSprings);
  selected->setValue(6);
  EXPECT_EQ(Tools().State().SelectedIndex, 6);
  selected->stepBy(1);
  EXPECT_EQ(selected->value(), 1);
  EXPECT_EQ(Tools().State().SelectedIndex, 1);

  Session->Tools.ChooseMode(ModeTexts);
  selected->stepBy(-1);
  EXPECT_EQ(selected->value(), 254);
  EXPECT_EQ(Tools().State().SelectedIndex, 254);
}

TEST_F(MainFormTest, SelectedIsLeftAloneByTheBlockAndPrimaryTools) {
  auto* selected = Find<QSpinBox>("UDSel");
  for (auto choose : {&ToolController::SelectTiles, &ToolController::CopyTiles,
                      &ToolController::SelectPrimaryChar}) {
    (Session->Tools.*choose)();
    selected->setValue(selected->value() == 7 ? 900 : 7);
    EXPECT_NE(selected->value(), 1);
    EXPECT_EQ(Tools().State().SelectedIndex, 1);
  }
}

TEST_F(MainFormTest, CountersShowDistinctTilesOfTheCellsInUse) {
  Map& map = TheMap();
  map.Cell(1, 1).BgTile = 1;
  map.Cell(2, 1).BgTile = 2;
  map.Cell(3, 1).BgTile = 2;
  map.Cell(4, 5).BgTile = 7;
  map.Cell(5, 5).MgTile = 1;
  map.Cell(21, 1).FgTile = 1;  // outside the map's width
  Form->UpdateTileCounters();
  EXPECT_EQ(Find<QLineEdit>("EBGTiles")->text(), QStringLiteral("3"));
  EXPECT_EQ(Find<QLineEdit>("EMGTiles")->text(), QStringLiteral("1"));
  EXPECT_EQ(Find<QLineEdit>("EFGTiles")->text(), QStringLiteral("0"));
}

TEST_F(MainFormTest, CorruptedMapIsReplacedByAnEmptyOne) {
  Map& map = TheMap();
  Find<QSpinBox>("UDWidth")->setValue(30);
  Find<QSpinBox>("UDHeight")->setValue(25);
  Session->View.CameraX = 3;
  Session->View.CameraY = 4;
  Session->Tools.ChooseMode(ModeForeground);
  Find<QListWidget>("LBMode")->setCurrentRow(2);
  Find<QSpinBox>("UDSel")->setValue(2);
  map.Cell(5, 6).BgTile = TileFolder::BackgroundCount + 1;  // in view at camera (3, 4)
  map.Cell(3, 3).MgTile = 1;
  map.Saved = false;
  Form->UpdateTileCounters();
  ASSERT_EQ(Find<QLineEdit>("EBGTiles")->text(), QStringLiteral("1"));

  Form->TimerTimer();

  EXPECT_EQ(Boxes.Messages, QStringList{QString::fromLatin1(MessageTexts::MapCorrupted)});
  EXPECT_TRUE(Boxes.Questions.isEmpty());
  EXPECT_EQ(map.Width, 20);
  EXPECT_EQ(map.Height, 20);
  EXPECT_EQ(Find<QSpinBox>("UDWidth")->value(), 20);
  EXPECT_EQ(Find<QSpinBox>("UDHeight")->value(), 20);
  EXPECT_TRUE(map.Cell(5, 6).IsEmpty());
  EXPECT_TRUE(map.Cell(3, 3).IsEmpty());
  EXPECT_TRUE(map.Saved);
  EXPECT_EQ(Session->View.CameraX, 0);
  EXPECT_EQ(Session->View.CameraY, 0);
  EXPECT_EQ(Tools().State().SelectedIndex, 1);
  EXPECT_EQ(Find<QSpinBox>("UDSel")->value(), 1);
  EXPECT_EQ(Tools().State().ActiveTool, Tool::ToolPlaceTile);
  EXPECT_EQ(Tools().State().ActiveLayer, 0);
  EXPECT_EQ(Find<QListWidget>("LBMode")->currentRow(), 0);
  EXPECT_EQ(Find<QLineEdit>("EBGTiles")->text(), QStringLiteral("0"));

  // The empty map draws: no further message.
  Form->TimerTimer();
  EXPECT_EQ(Boxes.Messages.size(), 1);
}

TEST_F(MainFormTest, ClosingWithUnsavedChangesAsksAndStaysOpenOnCancel) {
  TheMap().Saved = false;
  Boxes.ConfirmAnswer = false;
  EXPECT_FALSE(Form->close());
  EXPECT_TRUE(Form->isVisible());
  EXPECT_EQ(Boxes.Questions, QStringList{QString::fromLatin1(MessageTexts::NotSavedReallyExit)});

  QTest::mouseClick(Find<QPushButton>("BExit"), Qt::LeftButton);
  EXPECT_TRUE(Form->isVisible());
  EXPECT_EQ(Boxes.Questions.size(), 2);

  Boxes.ConfirmAnswer = true;
  EXPECT_TRUE(Form->close());
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Boxes.Questions.size(), 3);
}

TEST_F(MainFormTest, ExitOnASavedMapAsksNothing) {
  QTest::mouseClick(Find<QPushButton>("BExit"), Qt::LeftButton);
  EXPECT_FALSE(Form->isVisible());
  EXPECT_TRUE(Boxes.Questions.isEmpty());
}

TEST_F(MainFormTest, ResizingDrawsTheNewSurfaceAtOnce) {
  RedrawTimer()->stop();
  for (const QSize size : {QSize(640, 400), QSize(900, 500)}) {
    Form->resize(size);
    ASSERT_TRUE(WaitFor([this, size] { return Form->size() == size; }));
    const QImage shown = Surface()->Buffer().copy();
    Form->RedrawView();
    EXPECT_EQ(shown, Surface()->Buffer());
  }
}
