// The editor's command line: --special-tools, --autosave N, --game DIR, --help
// and a level.

#include "app/start_options.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "editing/editor_session.h"
#include "fake_message_boxes.h"
#include "recovery/autosave.h"
#include "tile_folder.h"

TEST(StartOptions, ReadsTheOptionsAndRefusesAnythingElse) {
  struct Case {
    std::vector<std::string> Arguments;
    bool SpecialTools;
    int AutosaveSeconds;
    bool Help;
    bool Refused;
    std::string Game = {};
    std::string Level = {};
  };
  const Case cases[] = {
      {{}, false, 30, false, false},
      {{"--special-tools"}, true, 30, false, false},
      {{"--autosave", "5"}, false, 5, false, false},
      {{"--autosave=0", "--special-tools"}, true, 0, false, false},
      {{"--help"}, false, 30, true, false},
      {{"-h"}, false, 30, true, false},
      {{"--autosave"}, false, 30, false, true},
      {{"--autosave", "-1"}, false, -1, false, true},
      {{"--autosave=1x"}, false, -1, false, true},
      {{"--autosave", "86401"}, false, -1, false, true},
      {{"--special"}, false, 30, false, true},
      {{"levels/demo.lvl"}, false, 30, false, false, "", "levels/demo.lvl"},
      {{"--game", "/g", "a.lvl", "--autosave=3"}, false, 3, false, false, "/g", "a.lvl"},
      {{"--game=../my game"}, false, 30, false, false, "../my game"},
      {{"--game"}, false, 30, false, true},
      {{"--game="}, false, 30, false, true},
      {{"a.lvl", "b.lvl"}, false, 30, false, true, "", "a.lvl"},
  };
  for (const Case& c : cases) {
    const StartOptions options = ParseStartOptions(c.Arguments);
    const std::string line = c.Arguments.empty() ? "" : c.Arguments.front();
    EXPECT_EQ(options.SpecialTools, c.SpecialTools) << line;
    if (!c.Refused) {
      EXPECT_EQ(options.AutosaveSeconds, c.AutosaveSeconds) << line;
    }
    EXPECT_EQ(options.Help, c.Help) << line;
    EXPECT_EQ(!options.Error.empty(), c.Refused) << line;
    EXPECT_EQ(options.GameFolder, c.Game) << line;
    EXPECT_EQ(options.Level, c.Level) << line;
  }
}

// --help and a bad command line answer without opening a window, so they
// work without a display.
TEST(StartOptions, HelpAndUnknownOptionsPrintUsageAndExit) {
  struct Case {
    QString Argument;
    int ExitCode;
    QString Expected;
  };
  const Case cases[] = {{QStringLiteral("--help"), 0, QStringLiteral("--special-tools")},
                        {QStringLiteral("--frobnicate"), 64, QStringLiteral("--frobnicate")}};
  for (const Case& c : cases) {
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(ZUBO_PROGRAM_DIR "/zubo-editor"), {c.Argument});
    ASSERT_TRUE(editor.waitForFinished(10000)) << c.Argument.toStdString();
    EXPECT_EQ(editor.exitCode(), c.ExitCode);
    const QString output = QString::fromLocal8Bit(editor.readAll() + editor.readAllStandardError());
    EXPECT_TRUE(output.contains(c.Expected)) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("--autosave N"))) << output.toStdString();
  }
}

TEST(StartOptions, SpecialToolsShowTheSpecialPanelInPlaceOfTheCustomTexts) {
  TileFolder tiles;
  FakeMessageBoxes boxes;
  const StartOptions options = ParseStartOptions({"--special-tools"});
  EditorSession session;
  Autosave autosave;
  TMainForm form(boxes, session, autosave, !options.SpecialTools);
  ASSERT_TRUE(form.StartUp());
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const ControlPanel* panel = form.findChild<ControlPanel*>();
  EXPECT_TRUE(panel->SpecialPanel->isVisible());
  EXPECT_FALSE(panel->CustomTextsPanel->isVisible());
  EXPECT_TRUE(panel->BSelectTiles->isVisible());
}
