#include "app/game_folder.h"

#include <QDir>
#include <QFile>

#include "levelfile/file_paths.h"
#include "view/tile_set.h"

namespace {

constexpr char DemoLevel[] = "levels/demo.lvl";

std::string FolderPath(const QString& folder) {
  return ProgramFolder(QDir::cleanPath(folder).toStdString());
}

}  // namespace

GameFolders ChooseGameFolders(const FolderChoice& choice) {
  if (!choice.Game.isEmpty()) {
    const std::string folder = FolderPath(QDir(choice.Working).absoluteFilePath(choice.Game));
    return {folder, folder, false};
  }
  const bool working = HasTileSets(choice.Working);
  if (HasTileSets(choice.Executable) || !HasTileSets(choice.Installed))
    return {
        FolderPath(working || !HasTileSets(choice.Executable) ? choice.Working : choice.Executable),
        FolderPath(choice.Executable), false};
  return {FolderPath(working ? choice.Working : choice.Installed), FolderPath(choice.User), true};
}

void PrepareUserFolder(const QString& user, const QString& installed) {
  const QDir folder(user);
  const bool first = !folder.exists(QStringLiteral("levels"));
  folder.mkpath(QStringLiteral("levels"));
  folder.mkpath(QStringLiteral("zuboapp/levels"));
  if (first) {
    QFile::copy(QDir(installed).filePath(QString::fromLatin1(DemoLevel)),
                folder.filePath(QString::fromLatin1(DemoLevel)));
  }
}
