#include <QApplication>

#include "app/main_form.h"
#include "app/message_boxes.h"
#include "model/message_texts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(ApplicationTitle));
  QtMessageBoxes boxes;
  TMainForm mainForm(boxes);
  if (!mainForm.StartUp()) return 1;
  mainForm.CreateEditPlatform();
  mainForm.show();
  return QApplication::exec();
}
