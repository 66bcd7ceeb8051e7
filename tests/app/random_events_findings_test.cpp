// Faults the random-event test found in the window, each kept as a case.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "level_files_fixture.h"
#include "levelfile/level_reader.h"

class RandomEventsFindingsTest : public LevelFilesTest {};

// A file whose last custom text line is empty loads with that line: it
// counts for the text markers and is written again by the next Save.
TEST_F(RandomEventsFindingsTest, EmptyLastCustomTextLineSurvivesALoad) {
  for (const std::vector<std::string>& lines :
       {std::vector<std::string>{""}, std::vector<std::string>{"a", ""},
        std::vector<std::string>{"", ""}}) {
    SCOPED_TRACE(lines.size());
    auto level = std::make_unique<Map>();
    level->Cell(1, 1).CharKind = ZuboCharKind;
    level->Cell(2, 1).MgTile = EndMgTile;
    level->Cell(3, 1).TextId = static_cast<uint8_t>(lines.size());
    level->CustomTexts = lines;
    level->CustomTexts.push_back("");  // the memo's empty last line, not counted
    const QString path = InFolder(QStringLiteral("levels/texts"));
    ASSERT_TRUE(WriteLevelFile(*level, path.toStdString()).Ok);
    const QByteArray written = FileBytes(path);

    Boxes.ChosenFile = path;
    ClickButton(Panel().IBOpenFile);
    ASSERT_TRUE(Boxes.Messages.isEmpty());
    EXPECT_EQ(TheMap().CustomTextLineCount(), static_cast<int>(lines.size()));

    Boxes.ConfirmAnswer = true;
    ClickButton(Panel().BSave);
    EXPECT_TRUE(Boxes.Messages.isEmpty()) << Boxes.Messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(FileBytes(path), written);
    Boxes.Messages.clear();
  }
}
