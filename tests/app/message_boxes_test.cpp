#include "app/message_boxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "model/message_texts.h"

namespace {

// Runs inspect on the next modal window that opens, from inside its event loop.
template <typename Modal>
void OnNextModal(std::function<void(Modal*)> inspect) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect] {
    if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      inspect(modal);
    }
  });
  poll->start(5);
}

struct SeenBox {
  QString Caption;
  QString Text;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons Buttons;
};

void AnswerNextBox(QMessageBox::StandardButton answer, SeenBox& seen) {
  OnNextModal<QMessageBox>([&seen, answer](QMessageBox* box) {
    seen.Caption = box->windowTitle();
    seen.Text = box->text();
    seen.Icon = box->icon();
    seen.Buttons = box->standardButtons();
    box->button(answer)->click();
  });
}

}  // namespace

TEST(QtMessageBoxes, PlainMessageIsCaptionedEditorWithOk) {
  QtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(QMessageBox::Ok, seen);
  boxes.ShowMessage(QStringLiteral("HELP\r\r-- first\r-- second"));
  EXPECT_EQ(seen.Caption, QStringLiteral("Editor"));
  EXPECT_EQ(seen.Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(seen.Icon, QMessageBox::NoIcon);
  EXPECT_EQ(seen.Text, QStringLiteral("HELP\n\n-- first\n-- second"));
}

TEST(QtMessageBoxes, QuestionIsCaptionedConfirmWithOkAndCancel) {
  QtMessageBoxes boxes;
  SeenBox seen;
  AnswerNextBox(QMessageBox::Ok, seen);
  EXPECT_TRUE(boxes.Confirm(QString::fromLatin1(MessageTexts::NotSavedReallyExit)));
  EXPECT_EQ(seen.Caption, QStringLiteral("Confirm"));
  EXPECT_EQ(seen.Icon, QMessageBox::Question);
  EXPECT_EQ(seen.Buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(seen.Text, QStringLiteral("Map not saved. Really exit?"));

  AnswerNextBox(QMessageBox::Cancel, seen);
  EXPECT_FALSE(boxes.Confirm(QStringLiteral("Overwrite?")));
}

TEST(QtMessageBoxes, OpenDialogStartsInTheFolderAndMayBeCancelled) {
  QtMessageBoxes boxes;
  QString folderSeen;
  OnNextModal<QFileDialog>([&folderSeen](QFileDialog* dialog) {
    folderSeen = dialog->directory().absolutePath();
    dialog->reject();
  });
  const QString folder = QDir::tempPath();
  EXPECT_TRUE(boxes.ChooseOpenFile(folder, QStringLiteral("Zubo map (*)")).isEmpty());
  EXPECT_EQ(folderSeen, QDir(folder).absolutePath());
}

TEST(BoxText, TurnsCarriageReturnsIntoLineBreaks) {
  EXPECT_EQ(BoxText(QStringLiteral("a\rb\r\nc\nd")), QStringLiteral("a\nb\nc\nd"));
  EXPECT_EQ(BoxText(QString::fromLatin1(MessageTexts::Help)).count(QLatin1Char('\r')), 0);
}
