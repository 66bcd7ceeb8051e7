#include "app/level_navigator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRect>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/control_panel.h"
#include "app/file_commands.h"
#include "app/message_boxes.h"
#include "editing/editor_session.h"
#include "files/level_folder.h"
#include "levelfile/file_paths.h"
#include "levelfile/level_reader.h"
#include "model/message_texts.h"

namespace {

// How long a passing word stays on the state line.
constexpr int NoteMs = 6000;
constexpr char NewMapText[] = "New map";
constexpr char SavedText[] = "saved";
constexpr char NotSavedText[] = "not saved";
constexpr char Separator[] = "  \u00b7  ";
constexpr char NoRecentText[] = "No recent levels";
constexpr char ReloadedNote[] = "reloaded: changed on disk";
constexpr char NoNextNote[] = "no next level in this folder";
constexpr char NoPreviousNote[] = "no previous level in this folder";
constexpr char ChangedQuestion[] =
    "The file %1 was changed by another program.\rReload it and lose the changes made here?";
constexpr char UnreadableMessage[] =
    "The file %1 was changed by another program and cannot be read now: %2.\rThe map stays "
    "as it is, not saved.";
constexpr char RemovedMessage[] =
    "The file %1 was removed or renamed by another program.\rThe map stays in the editor, "
    "not saved; Save writes it again.";

QString Text(const char* text) {
  return QString::fromUtf8(text);
}

QString Name(const std::string& name) {
  return QString::fromStdString(name);
}

}  // namespace

LevelNavigator::LevelNavigator(QWidget& window, ControlPanel& panel, MessageBoxes& boxes,
                               EditorSession& session, Actions actions)
    : QObject(&window), Panel(panel), Boxes(boxes), Session(session), Do(std::move(actions)) {
  StateLine = new QLabel(&window);
  StateLine->setObjectName(QStringLiteral("LFileState"));
  StateLine->setAttribute(Qt::WA_TransparentForMouseEvents);
  StateLine->setStyleSheet(
      QStringLiteral("background: rgba(0, 0, 0, 160); color: white; padding: 1px 4px;"));
  auto* menu = new QMenu(Panel.BRecent);
  Panel.BRecent->setMenu(menu);
  // Filled as it opens, so that a chosen entry is never removed while it runs.
  connect(menu, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  DiskTimer = new QTimer(this);
  DiskTimer->setObjectName(QStringLiteral("DiskTimer"));
  connect(DiskTimer, &QTimer::timeout, this, [this] { CheckDisk(); });
  DiskTimer->start(DiskCheckMs);
  ShowState();
}

void LevelNavigator::InFile() {
  Belongs(true);
}

void LevelNavigator::Closed() {
  Belongs(false);
}

// A map that belongs to a file is watched there and is the newest recent level.
void LevelNavigator::Belongs(bool toFile) {
  MapFileName = toFile ? BoxName() : std::string();
  Watch.Watch(toFile ? PathOf(MapFileName) : std::string());
  Note.clear();
  if (toFile) {
    Recent().Add(QDir::cleanPath(
        QFileInfo(QString::fromStdString(LevelFilePath(Session.ProgramFolder, MapFileName)))
            .absoluteFilePath()));
  }
  ShowState();
}

void LevelNavigator::OpenNeighbour(int step) {
  const std::string name = BoxName();
  if (name.empty()) return;
  const std::string folder = LevelFilePath(Session.ProgramFolder, FolderOfName(name));
  const std::string file = name.substr(FolderOfName(name).size());
  const std::optional<std::string> next =
      NeighbourLevel(LevelFilesIn(SystemPath(folder)), file, step);
  if (!next) {
    ShowNote(Text(step > 0 ? NoNextNote : NoPreviousNote));
    return;
  }
  Do.Open(SiblingName(name, *next));
}

void LevelNavigator::OpenPath(const QString& path) {
  Do.Open(NameForPath(Session.ProgramFolder, path.toStdString()));
}

void LevelNavigator::FillRecentMenu() {
  QMenu* menu = Panel.BRecent->menu();
  menu->clear();
  const QStringList paths = Recent().Paths();
  for (const QString& path : paths) {
    const QString shown = Name(NameForPath(Session.ProgramFolder, path.toStdString()));
    QAction* action = menu->addAction(shown);
    connect(action, &QAction::triggered, this, [this, path] { ChooseRecent(path); });
  }
  if (paths.isEmpty()) menu->addAction(Text(NoRecentText))->setEnabled(false);
}

void LevelNavigator::ChooseRecent(QString path) {
  if (QFileInfo::exists(path)) {
    OpenPath(path);
    return;
  }
  Recent().Remove(path);
  Boxes.ShowMessage(Text(MessageTexts::FileNotFound));
}

// A change found while the user holds a button or reads a box waits for the
// next look.
void LevelNavigator::CheckDisk() {
  if (Do.Busy()) return;
  switch (Watch.Check()) {
    case FileWatch::Change::None:
      return;
    case FileWatch::Change::Changed:
      ChangedOnDisk();
      return;
    case FileWatch::Change::Removed:
      Session.Document.MarkChanged();
      ShowState();
      Boxes.ShowMessage(Text(RemovedMessage).arg(Name(MapFileName)));
      return;
  }
}

// A saved map is read again at once; unsaved changes are dropped only when
// the user agrees. A file that cannot be read leaves the map as it is.
void LevelNavigator::ChangedOnDisk() {
  const bool saved = Session.Document.Saved();
  if (!saved && !Boxes.Confirm(Text(ChangedQuestion).arg(Name(MapFileName)))) return;
  const std::string path = Watch.Path();
  std::string problem;
  if (!ReadLevelRecord(path, &problem)) {
    Session.Document.MarkChanged();
    ShowState();
    Boxes.ShowMessage(Text(UnreadableMessage).arg(Name(MapFileName), Name(problem)));
    return;
  }
  const std::string name = MapFileName;
  Panel.ESoubor->setText(Name(name));
  Do.Reload(path);
  if (saved) ShowNote(Text(ReloadedNote));
}

void LevelNavigator::ShowNote(const QString& note) {
  Note = note;
  ShowState();
  QTimer::singleShot(NoteMs, this, [this, note] {
    if (Note != note) return;
    Note.clear();
    ShowState();
  });
}

void LevelNavigator::ShowState() {
  const std::string name = BoxName();
  QString text;
  if (name.empty()) {
    text = Text(NewMapText);
    if (!Session.Document.Saved()) text += Text(Separator) + Text(NotSavedText);
  } else {
    const bool saved = Session.Document.Saved() && name == MapFileName;
    text = Name(name) + Text(Separator) + Text(saved ? SavedText : NotSavedText);
  }
  if (!Note.isEmpty()) text += Text(Separator) + Note;
  if (StateLine->text() == text) return;
  StateLine->setText(text);
  StateLine->adjustSize();
}

void LevelNavigator::PlaceStateLine(const QRect& surface) {
  StateLine->adjustSize();
  StateLine->move(surface.left(), surface.bottom() + 1 - StateLine->height());
  StateLine->raise();
}

// The list of the program folder in force; a test may set the folder after
// the window was made.
RecentLevels LevelNavigator::Recent() const {
  return RecentLevels(QString::fromStdString(Session.ProgramFolder));
}

std::string LevelNavigator::BoxName() const {
  return Panel.ESoubor->text().toStdString();
}

std::string LevelNavigator::PathOf(const std::string& name) const {
  return name.empty() ? std::string() : SystemPath(LevelFilePath(Session.ProgramFolder, name));
}

std::optional<QString> DroppedLevel(const QMimeData& data) {
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) continue;
    const QString path = url.toLocalFile();
    if (ReadLevelRecord(QFile::encodeName(path).toStdString(), nullptr)) return path;
  }
  return std::nullopt;
}
