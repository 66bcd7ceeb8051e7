// The custom texts memo: its lines are the map's custom texts, and the
// label names the line being edited.

#include "app/custom_texts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

#include "level_files_fixture.h"
#include "model/message_texts.h"

TEST(CustomTextLines, OneLatin1LinePerLineOfTheMemo) {
  QPlainTextEdit memo;
  EXPECT_TRUE(CustomTextLines(memo).empty());
  memo.setPlainText(QStringLiteral("a\n\nb\n"));
  EXPECT_EQ(CustomTextLines(memo), (std::vector<std::string>{"a", "", "b", ""}));
  // Outside Latin-1 one character is one "?", also beyond 16 bits; a
  // no-break space stays one.
  memo.setPlainText(QStringLiteral("\u00e9\u20ac\U0001F600\u00a0x"));
  EXPECT_EQ(CustomTextLines(memo), std::vector<std::string>{"\xe9??\xa0x"});
}

TEST(CustomTextLines, MemoTextShowsTheLinesAndReadsBackTheSame) {
  const std::vector<std::string> lines = {"one", "", "\xff\xe9", "last"};
  QPlainTextEdit memo;
  memo.setPlainText(CustomTextsMemoText(lines));
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("one\n\n\u00ff\u00e9\nlast"));
  EXPECT_EQ(CustomTextLines(memo), lines);
  EXPECT_TRUE(CustomTextsMemoText({}).isEmpty());
}

class CustomTextsTest : public LevelFilesTest {
 protected:
  QPlainTextEdit* Memo() const { return Panel().MCustomTexts; }
  QString Label() const { return Panel().LCustomTextsLinerNumber->text(); }

  void ClickInMemo(int line) {
    const QTextBlock block = Memo()->document()->findBlockByNumber(line - 1);
    QTextCursor cursor(block);
    const QPoint at = Memo()->cursorRect(cursor).center();
    QTest::mouseClick(Memo()->viewport(), Qt::LeftButton, {}, at);
  }
};

TEST_F(CustomTextsTest, TypingChangesTheMapsTextsAndMarksItUnsaved) {
  ASSERT_TRUE(TheMap().Saved);
  QTest::mouseClick(Memo()->viewport(), Qt::LeftButton);
  QTest::keyClicks(Memo(), QStringLiteral("Hi"));
  EXPECT_EQ(TheMap().CustomTexts, std::vector<std::string>{"Hi"});
  EXPECT_FALSE(TheMap().Saved);
  QTest::keyClick(Memo(), Qt::Key_Return);
  QTest::keyClicks(Memo(), QStringLiteral("there"));
  EXPECT_EQ(TheMap().CustomTexts, (std::vector<std::string>{"Hi", "there"}));
  QTest::keyClick(Memo(), Qt::Key_Backspace);
  EXPECT_EQ(TheMap().CustomTexts, (std::vector<std::string>{"Hi", "ther"}));

  // New empties the memo and the list, and asks first.
  ClickButton(Panel().BNew);
  EXPECT_EQ(Boxes.Questions, QStringList{QString::fromLatin1(MessageTexts::NotSavedNew)});
  EXPECT_TRUE(Memo()->toPlainText().isEmpty());
  EXPECT_TRUE(TheMap().CustomTexts.empty());
  EXPECT_TRUE(TheMap().Saved);
}

TEST_F(CustomTextsTest, ValidationCountsTheMemosLines) {
  MakeValid();
  TheMap().Cell(4, 4).TextId = 3;
  Memo()->setPlainText(QStringLiteral("a\nb\n"));
  TypeFileName(QStringLiteral("levels/t"));
  ClickButton(Panel().BSave);
  EXPECT_EQ(
      Boxes.Messages,
      QStringList{QStringLiteral("Custom text at [4,4] is out of bounds. Maximum value is 2")});
  EXPECT_FALSE(QFile::exists(InFolder(QStringLiteral("levels/t"))));

  Memo()->setPlainText(QStringLiteral("a\nb\nc"));
  Boxes.Messages.clear();
  ClickButton(Panel().BSave);
  EXPECT_TRUE(Boxes.Messages.isEmpty());
  EXPECT_EQ(Dump(InFolder(QStringLiteral("levels/t")))["customTexts"],
            nlohmann::json::array({"a", "b", "c"}));
}

TEST_F(CustomTextsTest, LabelShowsTheLineOfTheCaret) {
  EXPECT_EQ(Label(), QStringLiteral("ID:"));
  // Entering the empty memo shows 1.
  FocusWindowByPress();
  ASSERT_FALSE(Memo()->hasFocus());
  Memo()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Label(), QStringLiteral("ID: 1"));

  QTest::keyClicks(Memo(), QStringLiteral("one"));
  QTest::keyClick(Memo(), Qt::Key_Return);
  QTest::keyClicks(Memo(), QStringLiteral("two"));
  EXPECT_EQ(Label(), QStringLiteral("ID: 2"));
  // Enter at the end of line 2 shows 3 once the key is released.
  QTest::keyPress(Memo(), Qt::Key_Return);
  EXPECT_EQ(Label(), QStringLiteral("ID: 2"));
  QTest::keyRelease(Memo(), Qt::Key_Return);
  EXPECT_EQ(Label(), QStringLiteral("ID: 3"));
  QTest::keyClicks(Memo(), QStringLiteral("three"));
  QTest::keyClick(Memo(), Qt::Key_Return);
  QTest::keyClicks(Memo(), QStringLiteral("four"));
  QTest::keyClick(Memo(), Qt::Key_Return);
  QTest::keyClicks(Memo(), QStringLiteral("five"));

  ClickInMemo(3);
  EXPECT_EQ(Label(), QStringLiteral("ID: 3"));
  QTest::keyClick(Memo(), Qt::Key_Down);
  EXPECT_EQ(Label(), QStringLiteral("ID: 4"));

  // A selection from line 5 up to line 2 shows its start.
  QTextCursor cursor(Memo()->document()->findBlockByNumber(4));
  cursor.setPosition(Memo()->document()->findBlockByNumber(1).position() + 1,
                     QTextCursor::KeepAnchor);
  Memo()->setTextCursor(cursor);
  EXPECT_EQ(Label(), QStringLiteral("ID: 4"));  // nothing released yet
  QTest::keyRelease(Memo(), Qt::Key_Shift);
  EXPECT_EQ(Label(), QStringLiteral("ID: 2"));
}

TEST_F(CustomTextsTest, LoadedTextsAreTheMemosLines) {
  auto level = std::make_unique<Map>();
  level->Cell(1, 1).CharKind = ZuboCharKind;
  level->CustomTexts = {"first", "second"};
  ASSERT_TRUE(WriteLevelFile(*level, InFolder(QStringLiteral("levels/x")).toStdString()).Ok);
  Boxes.ChosenFile = InFolder(QStringLiteral("levels/x"));
  ClickButton(Panel().IBOpenFile);
  EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("first\nsecond"));
  EXPECT_TRUE(TheMap().Saved);

  // Editing the loaded texts is a change like any other.
  QTextCursor cursor = Memo()->textCursor();
  cursor.movePosition(QTextCursor::End);
  Memo()->setTextCursor(cursor);
  QTest::keyClick(Memo(), Qt::Key_Backspace);
  EXPECT_EQ(TheMap().CustomTexts, (std::vector<std::string>{"first", "secon"}));
  EXPECT_FALSE(TheMap().Saved);
}
