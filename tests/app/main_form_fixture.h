#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/control_panel.h"
#include "app/edit_platform.h"
#include "app/main_form.h"
#include "app/size_spin_box.h"
#include "editing/editor_session.h"
#include "fake_message_boxes.h"
#include "model/map.h"
#include "recovery/autosave.h"
#include "tile_folder.h"
#include "app/draw_surface.h"

// Processes events until the condition holds or a second has passed.
inline bool WaitFor(const std::function<bool()>& condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 1000) QTest::qWait(5);
  return condition();
}

// The real main window, started on the small tile sets of a temporary
// folder and shown (offscreen) as the active window. The test owns what the
// window shows: the session (the document, the view, the tools) and the
// autosave, and reads them directly.
class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Tiles.IsValid());
    StartEditor();
    Form->CreateEditPlatform();
    Form->show();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  }

  void TearDown() override { Form.reset(); }

  // A new run of the editor on a session of its own; the window and the
  // autosave of a run before are dropped without Exit, as a crash would
  // leave them.
  void StartEditor() {
    const std::string folder = Session ? Session->ProgramFolder : std::string();
    Form.reset();
    Recovery = std::make_unique<Autosave>();
    auto map = std::make_unique<Map>();
    EditedMap = map.get();
    Session = std::make_unique<EditorSession>(std::move(map));
    Session->ProgramFolder = folder;
    Form = std::make_unique<TMainForm>(Boxes, *Session, *Recovery, CustomTextsOn);
    ASSERT_TRUE(Form->StartUp());
  }

  template <typename Widget>
  Widget* Find(const char* name) const {
    auto* widget = Form->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }

  // The map as the document holds it; a test may also prepare it directly.
  Map& TheMap() const { return *EditedMap; }
  const ToolController& Tools() const { return Session->Tools; }
  ControlPanel& Panel() const { return *Form->findChild<ControlPanel*>(); }
  TDrawSurface* Surface() const { return Find<TDrawSurface>("DXDraw"); }
  TEditPlatform* EditPlatform() const { return Form->findChild<TEditPlatform*>(); }
  QTimer* RedrawTimer() const { return Find<QTimer>("Timer"); }
  QTimer* CameraTimer() const { return Find<QTimer>("TimerSipky"); }
  bool CustomTextsShown() const { return Panel().CustomTextsPanel->isVisibleTo(Form.get()); }
  // A program change of the map size: both up-downs run the resize rules,
  // as an arrow step does.
  void SetMapSize(int width, int height) const {
    Panel().UDWidth->SetPosition(width);
    Panel().UDHeight->SetPosition(height);
  }

  TileFolder Tiles;
  FakeMessageBoxes Boxes;
  // The switch start-up sets; a fixture may turn it off before SetUp.
  bool CustomTextsOn = true;
  Map* EditedMap = nullptr;
  std::unique_ptr<EditorSession> Session;
  std::unique_ptr<Autosave> Recovery;
  std::unique_ptr<TMainForm> Form;
};
