// A whole game's levels from the main window: the keys of the file
// commands, Return in the file name box, levels dropped on the window, and
// the navigator's recent levels, next and previous, and watch on disk.

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMimeData>
#include <QShortcut>
#include <QToolButton>

#include "app/control_panel.h"
#include "app/level_navigator.h"
#include "app/main_form.h"
#include "editing/editor_session.h"
#include "levelfile/file_paths.h"

void TMainForm::ConnectLevels() {
  LevelNavigator::Actions actions;
  actions.Open = [this](const std::string& name) { OpenLevelNamed(name); };
  actions.Reload = [this](const std::string& path) { ReadLevelFile(path); };
  actions.Busy = [this] { return UserBusy(); };
  Levels = new LevelNavigator(*this, *Panel1, Boxes, Session, std::move(actions));
  setAcceptDrops(true);

  // The file commands' keys work wherever the focus is.
  const auto key = [this](QKeySequence sequence, auto handler) {
    auto* shortcut = new QShortcut(sequence, this);
    connect(shortcut, &QShortcut::activated, this, handler);
  };
  key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { BSaveClick(); });
  key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { SaveAsClick(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Panel1->IBOpenFile->click(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { Levels->OpenNeighbour(1); });
  key(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { Levels->OpenNeighbour(-1); });
  connect(Panel1->ESoubor, &QLineEdit::returnPressed, this, [this] { LoadLevelFile(); });
}

void TMainForm::OpenStartLevel(const std::string& argument) {
  const std::string& folder = Session.ProgramFolder;
  const std::string path =
      LevelArgumentPath(folder, ProgramFolder(QDir::currentPath().toStdString()), argument);
  OpenLevelNamed(NameForPath(folder, path));
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (DroppedLevel(*event->mimeData())) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const std::optional<QString> level = DroppedLevel(*event->mimeData());
  if (!level) return;
  event->acceptProposedAction();
  // The drop ends before any question is asked.
  const QString path = *level;
  QMetaObject::invokeMethod(
      this, [this, path] { Levels->OpenPath(path); }, Qt::QueuedConnection);
}
