#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <memory>

#include "app/main_form.h"
#include "fake_message_boxes.h"
#include "tile_folder.h"

// Processes events until the condition holds or a second has passed.
inline bool WaitFor(const std::function<bool()>& condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 1000) QTest::qWait(5);
  return condition();
}

// The real main window, started on the small tile sets of a temporary
// folder and shown (offscreen) as the active window.
class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Tiles.IsValid());
    Form = std::make_unique<TMainForm>(Boxes, nullptr, CustomTextsOn);
    ASSERT_TRUE(Form->StartUp());
    Form->CreateEditPlatform();
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  }

  void TearDown() override { Form.reset(); }

  template <typename Widget>
  Widget* Find(const char* name) const {
    auto* widget = Form->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  TileFolder Tiles;
  FakeMessageBoxes Boxes;
  // The switch start-up sets; a fixture may turn it off before SetUp.
  bool CustomTextsOn = true;
  std::unique_ptr<TMainForm> Form;
};
