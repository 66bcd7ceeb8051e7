#include "app/message_boxes.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "model/message_texts.h"

namespace {

int ExecBox(QMessageBox::Icon icon, const char* caption, const QString& text,
            QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, QString::fromLatin1(caption), BoxText(text), buttons,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec();
}

}  // namespace

QString BoxText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void QtMessageBoxes::ShowMessage(const QString& text) {
  ExecBox(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok);
}

bool QtMessageBoxes::Confirm(const QString& text) {
  return ExecBox(QMessageBox::Question, ConfirmCaption, text,
                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QString QtMessageBoxes::ChooseOpenFile(const QString& folder, const QString& filter) {
  QFileDialog dialog(QApplication::activeWindow(), QString(), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

QString QtMessageBoxes::ChooseSaveFile(const QString& start) {
  QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Save level as"), start,
                     QStringLiteral("Zubo level (*.lvl);;All files (*)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("lvl"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}
