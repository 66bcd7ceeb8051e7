#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/recent_levels.h"
#include "files/file_watch.h"

class ControlPanel;
class MessageBoxes;
class QLabel;
class QMimeData;
class QRect;
class QTimer;
class QWidget;
struct EditorSession;

// The levels around the one being edited: the recent levels, the next and
// previous level of its folder, the watch on its file for changes made by
// other programs, and the line that says which file the map belongs to and
// whether it is saved.
class LevelNavigator : public QObject {
 public:
  // What the window does for it.
  struct Actions {
    // Opens the level of this name as Open does, asking first.
    std::function<void(const std::string& name)> Open;
    // Reads the file at the path again in place of the map, asking nothing.
    std::function<void(const std::string& path)> Reload;
    // True while the map may not change under the user: a button is held on
    // it or a box is open.
    std::function<bool()> Busy;
  };

  // How often the open level's file is looked at.
  static constexpr int DiskCheckMs = 1000;

  LevelNavigator(QWidget& window, ControlPanel& panel, MessageBoxes& boxes, EditorSession& session,
                 Actions actions);

  // The map was read from, or written to, the file named in the file name
  // box; or it belongs to no file (New, a failed load).
  void InFile();
  void Closed();

  // Ctrl+Page Down and Ctrl+Page Up: the next (step 1) or previous (-1)
  // level file of the folder of the name in the file name box.
  void OpenNeighbour(int step);
  // A level opened from an absolute path: by a drop or from the recent list.
  void OpenPath(const QString& path);

  // The state line over the map's bottom-left corner.
  void ShowState();
  void PlaceStateLine(const QRect& surface);

 private:
  void Belongs(bool toFile);
  void ShowNote(const QString& note);
  void FillRecentMenu();
  void ChooseRecent(QString path);
  void CheckDisk();
  void ChangedOnDisk();
  std::string BoxName() const;
  std::string PathOf(const std::string& name) const;
  RecentLevels Recent() const;

  ControlPanel& Panel;
  MessageBoxes& Boxes;
  EditorSession& Session;
  Actions Do;
  FileWatch Watch;
  // The name the map was last read from or written to; empty when none.
  std::string MapFileName;
  // A passing word after the state: what the editor did on its own.
  QString Note;
  QLabel* StateLine = nullptr;
  QTimer* DiskTimer = nullptr;
};

// The first local file among the dropped URLs that reads as a level; none
// when a drop holds no level.
std::optional<QString> DroppedLevel(const QMimeData& data);
