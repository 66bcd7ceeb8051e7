#include <QCheckBox>
#include <QComboBox>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include "app/size_spin_box.h"
#include "editing_fixture.h"

namespace {

// Clicks the up or down arrow of a spin box.
void ClickArrow(QSpinBox* spin, bool up) {
  QStyleOptionSpinBox option;
  option.initFrom(spin);
  option.rect = spin->rect();
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame |
                       QStyle::SC_SpinBoxEditField;
  option.buttonSymbols = spin->buttonSymbols();
  option.frame = spin->hasFrame();
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  const QRect arrow = spin->style()->subControlRect(
      QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, spin);
  QTest::mouseClick(spin, Qt::LeftButton, {}, arrow.center());
}

}  // namespace

class ResizeTest : public EditingTest {
 protected:
  SizeSpinBox* Width() const { return Panel().UDWidth; }
  SizeSpinBox* Height() const { return Panel().UDHeight; }
};

TEST_F(ResizeTest, ArrowClickWithRiseLeftMovesTheContent) {
  Map& map = TheMap();
  map.Cell(1, 2).BgTile = 1;
  map.Cell(20, 3).FgTile = 2;
  map.Cell(5, 5).CharKind = ZuboCharKind;
  map.PrimaryCharX = 5;
  map.PrimaryCharY = 5;
  Find<QCheckBox>("CBRiseLeft")->setChecked(true);

  ClickArrow(Width(), true);
  EXPECT_EQ(Width()->value(), 21);
  EXPECT_EQ(map.Width, 21);
  EXPECT_EQ(map.Cell(2, 2).BgTile, 1);
  EXPECT_EQ(map.Cell(21, 3).FgTile, 2);
  EXPECT_TRUE(map.Cell(1, 2).IsEmpty());
  EXPECT_EQ(map.Cell(6, 5).CharKind, ZuboCharKind);
  EXPECT_EQ(map.PrimaryCharX, 6);
  EXPECT_FALSE(map.Saved);
  EXPECT_EQ(View().CameraX, 0);

  ClickArrow(Width(), false);
  EXPECT_EQ(map.Width, 20);
  EXPECT_EQ(map.Cell(1, 2).BgTile, 1);
  EXPECT_EQ(map.PrimaryCharX, 5);
}

TEST_F(ResizeTest, UpAndDownKeysInTheEditStepTheHeightWithRiseDown) {
  Map& map = TheMap();
  map.Cell(3, 1).MgTile = 2;
  map.Cell(3, 20).MgTile = 1;
  Find<QCheckBox>("CBRiseDown")->setChecked(true);
  QTest::mouseClick(Height(), Qt::LeftButton, {}, QPoint(5, Height()->height() / 2));
  ASSERT_TRUE(Height()->hasFocus());
  QTest::keyClick(Height(), Qt::Key_Down);
  EXPECT_EQ(map.Height, 19);
  EXPECT_EQ(map.Cell(3, 19).MgTile, 1);  // row 1 is gone, the rest one row lower
  EXPECT_TRUE(map.Cell(3, 20).IsEmpty());
  EXPECT_EQ(View().CameraY, 0);  // the key went to the edit, not the camera
  QTest::keyClick(Height(), Qt::Key_Up);
  EXPECT_EQ(map.Height, 20);
  EXPECT_EQ(map.Cell(3, 20).MgTile, 1);
  EXPECT_TRUE(map.Cell(3, 1).IsEmpty());
}

TEST_F(ResizeTest, ShrinkingOnTheRightClearsTheLastColumnOnly) {
  Map& map = TheMap();
  map.Cell(20, 4).BgTile = 1;
  map.Platforms[0].StartX = 20;
  map.PlatformCount = 1;
  ClickArrow(Width(), false);
  EXPECT_EQ(map.Width, 19);
  EXPECT_TRUE(map.Cell(20, 4).IsEmpty());
  EXPECT_EQ(map.Platforms[0].StartX, 20);
}

TEST_F(ResizeTest, ArrowClickAtTheLimitOnlyMarksTheMapUnsaved) {
  Map& map = TheMap();
  Width()->setValue(255);
  map.Cell(1, 1).BgTile = 1;
  map.Cell(255, 1).BgTile = 2;
  map.Saved = true;
  Find<QCheckBox>("CBRiseLeft")->setChecked(true);
  ClickArrow(Width(), true);
  EXPECT_EQ(Width()->value(), 255);
  EXPECT_EQ(map.Width, 255);
  EXPECT_EQ(map.Cell(1, 1).BgTile, 1);
  EXPECT_EQ(map.Cell(255, 1).BgTile, 2);
  EXPECT_TRUE(map.Cell(256, 1).IsEmpty());
  EXPECT_FALSE(map.Saved);

  map.Saved = true;
  Height()->setValue(1);
  ClickArrow(Height(), false);
  EXPECT_EQ(map.Height, 1);
  EXPECT_EQ(map.Cell(1, 1).BgTile, 1);
  EXPECT_FALSE(map.Saved);
}

TEST_F(ResizeTest, TypedWidthSetsTheSizeAndNothingElse) {
  Map& map = TheMap();
  map.Cell(10, 1).BgTile = 1;
  Find<QCheckBox>("CBRiseLeft")->setChecked(true);
  QTest::mouseClick(Width(), Qt::LeftButton, {}, QPoint(5, Width()->height() / 2));
  Width()->selectAll();
  QTest::keyClicks(Width(), QStringLiteral("5"));
  EXPECT_EQ(map.Width, 5);
  EXPECT_EQ(map.Cell(10, 1).BgTile, 1);
  EXPECT_TRUE(map.Saved);
}

TEST_F(ResizeTest, ProgramChangesRunTheResizeRules) {
  Map& map = TheMap();
  map.Cell(1, 1).BgTile = 1;
  map.Cell(30, 1).BgTile = 1;
  Find<QCheckBox>("CBRiseDown")->setChecked(true);
  SetMapSize(40, 20);  // grows on the right; the height is unchanged
  EXPECT_EQ(map.Width, 40);
  EXPECT_EQ(map.Cell(1, 1).BgTile, 1);
  EXPECT_FALSE(map.Saved);

  map.Saved = true;
  SetMapSize(40, 20);  // the same size runs nothing
  EXPECT_TRUE(map.Saved);

  SetMapSize(20, 24);  // the content moves one row up however far the size goes
  EXPECT_TRUE(map.Cell(30, 1).IsEmpty());
  EXPECT_EQ(map.Cell(1, 2).BgTile, 1);
  EXPECT_EQ(map.Height, 24);
}

// Scrolling past the panel turns the wheel over its controls: only the one
// holding the focus takes it.
TEST_F(ResizeTest, TheWheelStepsOnlyTheControlThatHoldsTheFocus) {
  Map& map = TheMap();
  for (int column = 1; column <= 3; ++column) map.Cell(column, 1).BgTile = 1;
  Find<QCheckBox>("CBRiseLeft")->setChecked(true);
  map.Saved = true;
  for (const char* name : {"UDWidth", "UDHeight", "UDZoom", "UDSel", "UDScreenWidth",
                           "UDScreenHeight", "CBBackground"}) {
    auto* control = Find<QWidget>(name);
    const auto shown = [control] {
      auto* list = qobject_cast<QComboBox*>(control);
      return list ? list->currentText() : static_cast<QAbstractSpinBox*>(control)->text();
    };
    const QString before = shown();
    for (int notch = 0; notch < 3; ++notch) TurnWheel(control, -120);
    EXPECT_EQ(shown(), before) << name;
  }
  EXPECT_EQ(map.Cell(1, 1).BgTile, 1);
  EXPECT_TRUE(map.Saved);

  // With the focus, the wheel steps as the arrows do.
  QTest::mouseClick(Width(), Qt::LeftButton, {}, QPoint(5, Width()->height() / 2));
  ASSERT_TRUE(Width()->hasFocus());
  TurnWheel(Width(), -120);
  EXPECT_EQ(Width()->value(), 19);
  EXPECT_EQ(map.Cell(3, 1).BgTile, 0);
}
