// The periodic redraw skips a frame that would show what is already shown.
// Whatever the user does, the frame shown after the next tick must equal a
// fresh full redraw.

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <random>

#include "app/control_panel.h"
#include "app/size_spin_box.h"
#include "editing_fixture.h"

namespace {

class SkippedFramesTest : public EditingTest {
 protected:
  // One timer tick, then the frame it left against a full redraw.
  ::testing::AssertionResult TickShowsTheCurrentFrame() {
    Form->TimerTimer();
    const QImage shown = Surface()->Buffer().copy();
    Form->RedrawView();
    if (shown == Surface()->Buffer()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the shown frame is not the map's";
  }

  // Marks a pixel of the shown frame; a tick that draws paints it over.
  void Mark() { Surface()->Buffer().setPixelColor(0, 0, QColor(1, 2, 3)); }
  bool Marked() const { return Surface()->Buffer().pixelColor(0, 0) == QColor(1, 2, 3); }
};

}  // namespace

TEST_F(SkippedFramesTest, AnUntouchedEditorDrawsNothing) {
  Form->RedrawView();
  Mark();
  Form->TimerTimer();
  EXPECT_TRUE(Marked());
  // A change that bypasses every command still shows within a tick.
  TheMap().Cell(2, 2).FgTile = 1;
  Form->TimerTimer();
  EXPECT_FALSE(Marked());
  Move(CellPixel(3, 3));  // the pointer's cell is outlined at once
  Mark();
  Move(CellPixel(3, 3) + QPoint(1, 0));  // within the cell nothing follows the pointer
  Form->TimerTimer();
  EXPECT_TRUE(Marked());

  // Painting a cell with the tile it holds changes no byte of the map, yet
  // the cell is drawn over the spring that crosses it.
  TheMap().SpringCount = 1;
  TheMap().Springs[0].Kind = 1;
  TheMap().Springs[0].PointCount = 2;
  TheMap().Springs[0].Points[0] = SpringPoint{1, 1, Center};
  TheMap().Springs[0].Points[1] = SpringPoint{6, 6, Center};
  TheMap().Cell(3, 3).BgTile = 1;
  Form->RedrawView();
  ClickCell(Qt::LeftButton, 3, 3);
  EXPECT_TRUE(TickShowsTheCurrentFrame());
}

TEST_F(SkippedFramesTest, RandomActionsNeverLeaveAStaleFrame) {
  std::mt19937 random(20261208);
  const auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  ControlPanel& panel = Panel();
  QCheckBox* const switches[] = {panel.CBShowBG, panel.CBShowMG, panel.CBShowFG,
                                 panel.CBShowObjects, panel.CBShowPlatforms};
  const ScrollDirection directions[] = {ScrollDirection::Up, ScrollDirection::Down,
                                        ScrollDirection::Left, ScrollDirection::Right};
  for (int step = 0; step < 400; ++step) {
    const QPoint pixel = CellPixel(pick(1, 24), pick(1, 24));
    switch (pick(0, 9)) {
      case 0:
        ChooseMode(pick(0, 7));
        break;
      case 1:
      case 2:
        // A platform's last click opens its dialog, answered with OK.
        if (Tools().State().ActiveTool == Tool::ToolPlatforms)
          WhenDialogShown([](TEditPlatform& dialog) { dialog.BOK->click(); });
        Press(pick(0, 3) == 0 ? Qt::RightButton : Qt::LeftButton, pixel);
        Move(CellPixel(pick(1, 24), pick(1, 24)));
        Release(Tools().HeldButton() == MouseButton::Right ? Qt::RightButton : Qt::LeftButton,
                Surface()->mapFromGlobal(QCursor::pos()));
        break;
      case 3:
        Move(pixel);
        break;
      case 4:
        panel.UDZoom->setValue(pick(2, 30));
        break;
      case 5:
        Form->StartScrolling(directions[pick(0, 3)]);
        Form->TimerSipkyTimer();
        Form->StopScrolling();
        break;
      case 6:
        Form->resize(pick(700, 1200), pick(400, 800));
        QApplication::processEvents();
        break;
      case 7:
        switches[pick(0, 4)]->click();
        break;
      case 8:
        panel.UDSel->setValue(pick(1, 6));
        break;
      case 9:
        panel.UDWidth->SetPosition(pick(10, 30));
        break;
    }
    ASSERT_TRUE(TickShowsTheCurrentFrame()) << "step " << step;
    ASSERT_TRUE(TickShowsTheCurrentFrame()) << "step " << step << ", an idle tick";
  }
}
