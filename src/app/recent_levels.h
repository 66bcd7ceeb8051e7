#pragma once

#include <QString>
#include <QStringList>

// The levels last opened or saved for one program folder, newest first,
// kept in the user's settings between runs. Every call reads the settings
// again, so editors running side by side keep one list.
class RecentLevels {
 public:
  static constexpr int MaxCount = 10;

  explicit RecentLevels(const QString& programFolder);

  QStringList Paths() const;
  // The level at the absolute path comes first; the oldest beyond the
  // limit is dropped.
  void Add(const QString& path) const;
  void Remove(const QString& path) const;

 private:
  void Store(const QStringList& paths) const;

  QString Key;
};
