#include "app/recent_levels.h"

#include <QCryptographicHash>
#include <QSettings>

namespace {

// One list per program folder, under a key made from the folder's path.
QString KeyFor(const QString& programFolder) {
  const QByteArray hash =
      QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex();
  return QStringLiteral("RecentLevels/") + QString::fromLatin1(hash.left(16));
}

}  // namespace

RecentLevels::RecentLevels(const QString& programFolder) : Key(KeyFor(programFolder)) {}

QStringList RecentLevels::Paths() const {
  return QSettings().value(Key).toStringList().mid(0, MaxCount);
}

void RecentLevels::Add(const QString& path) const {
  QStringList paths = Paths();
  paths.removeAll(path);
  paths.prepend(path);
  Store(paths.mid(0, MaxCount));
}

void RecentLevels::Remove(const QString& path) const {
  QStringList paths = Paths();
  if (paths.removeAll(path) > 0) Store(paths);
}

void RecentLevels::Store(const QStringList& paths) const {
  QSettings settings;
  settings.setValue(Key, paths);
}
