#include "app/edit_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "model/platform.h"

TEST(EditPlatform, StartsHiddenWithItsCaptionAndControls) {
  TEditPlatform dialog;
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Platform properties"));
  EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(dialog.Label1->text(), QStringLiteral("Movement Speed"));
  EXPECT_EQ(dialog.BOK->text(), QStringLiteral("OK"));
  EXPECT_NE(dialog.findChild<QLineEdit*>(QStringLiteral("ESpeed")), nullptr);
}

TEST(EditPlatform, ListsTheSixSwitchTypesWithNoSwitchSelected) {
  TEditPlatform dialog;
  ASSERT_EQ(dialog.LBType->count(), SwitchTypeCount);
  EXPECT_EQ(dialog.LBType->item(0)->text(), QStringLiteral("No switch"));
  EXPECT_EQ(dialog.LBType->item(4)->text(),
            QStringLiteral("Keep, one move (if the switch is pressed the platform keeps moving "
                           "forward; otherwise it keeps moving backwards)"));
  EXPECT_EQ(dialog.LBType->item(5)->text(),
            QStringLiteral("No switch, one move (after the level starts the platform makes just a "
                           "single move)"));
  EXPECT_EQ(dialog.ChosenSwitchType(), NoSwitch);
  dialog.LBType->setCurrentRow(KeepForever);
  EXPECT_EQ(dialog.ChosenSwitchType(), KeepForever);
}

TEST(EditPlatform, SpeedRunsFromOneToTenStartingAtFive) {
  TEditPlatform dialog;
  EXPECT_EQ(dialog.UpDown1->minimum(), 1);
  EXPECT_EQ(dialog.UpDown1->maximum(), 10);
  EXPECT_EQ(dialog.ChosenSpeed(), 5);
  dialog.UpDown1->stepBy(10);
  EXPECT_EQ(dialog.ChosenSpeed(), 10);
  dialog.UpDown1->stepBy(-20);
  EXPECT_EQ(dialog.ChosenSpeed(), 1);
}

TEST(EditPlatform, OkClosesAndKeepsTheChoicesForTheNextTime) {
  TEditPlatform dialog;
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.LBType->setCurrentRow(TurnOneMove);
  dialog.UpDown1->setValue(8);
  QTest::mouseClick(dialog.BOK, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  dialog.show();
  EXPECT_EQ(dialog.ChosenSwitchType(), TurnOneMove);
  EXPECT_EQ(dialog.ChosenSpeed(), 8);
}
