#include "app/size_spin_box.h"

#include <gtest/gtest.h>

#include <QTest>
#include <vector>

namespace {

// A size up-down of 1..255 at 20 that records the values it proposes.
class SizeSpinBoxTest : public ::testing::Test {
 protected:
  SizeSpinBoxTest() {
    Spin.setRange(1, 255);
    Spin.setValue(20);
    Spin.OnChanging = [this](int proposed) {
      Proposed.push_back(proposed);
      ValueWhenCalled.push_back(Spin.value());
    };
  }

  SizeSpinBox Spin;
  std::vector<int> Proposed;
  std::vector<int> ValueWhenCalled;
};

}  // namespace

TEST_F(SizeSpinBoxTest, EachStepProposesOneMoreOrLessBeforeTheValueChanges) {
  Spin.stepBy(1);
  Spin.stepBy(-1);
  Spin.stepBy(-1);
  EXPECT_EQ(Proposed, (std::vector<int>{21, 20, 19}));
  EXPECT_EQ(ValueWhenCalled, (std::vector<int>{20, 21, 20}));
  EXPECT_EQ(Spin.value(), 19);
}

TEST_F(SizeSpinBoxTest, APageStepIsThatManySingleSteps) {
  Spin.setValue(250);
  Spin.stepBy(10);
  EXPECT_EQ(Proposed, (std::vector<int>{251, 252, 253, 254, 255, 256, 256, 256, 256, 256}));
  EXPECT_EQ(Spin.value(), 255);
}

TEST_F(SizeSpinBoxTest, StepsAtTheLimitsAreProposedAndChangeNothing) {
  EXPECT_EQ(Spin.stepEnabled(),
            QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled);
  Spin.setValue(255);
  Spin.stepBy(1);
  Spin.setValue(1);
  Spin.stepBy(-1);
  EXPECT_EQ(Proposed, (std::vector<int>{256, 0}));
  EXPECT_EQ(Spin.value(), 1);
}

TEST_F(SizeSpinBoxTest, ProgramChangesRunTheHandlerOnlyForANewValue) {
  Spin.SetPosition(20);
  EXPECT_TRUE(Proposed.empty());
  Spin.SetPosition(37);
  EXPECT_EQ(Proposed, std::vector<int>{37});
  EXPECT_EQ(ValueWhenCalled, std::vector<int>{20});
  EXPECT_EQ(Spin.value(), 37);
}

TEST_F(SizeSpinBoxTest, TypedValuesDoNotRunTheHandler) {
  Spin.show();
  Spin.setFocus();
  Spin.selectAll();
  QTest::keyClicks(&Spin, QStringLiteral("57"));
  EXPECT_EQ(Spin.value(), 57);
  EXPECT_TRUE(Proposed.empty());
  QTest::keyClick(&Spin, Qt::Key_Up);
  EXPECT_EQ(Proposed, std::vector<int>{58});
}
