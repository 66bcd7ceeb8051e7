#include "app/game_folder.h"

#include <QDir>
#include <QFileInfo>

#include "levelfile/file_paths.h"

namespace {

std::string FolderPath(const QString& folder) {
  return ProgramFolder(QDir::cleanPath(folder).toStdString());
}

}  // namespace

bool HasTileSets(const QString& folder) {
  return QFileInfo::exists(QDir(folder).filePath(QStringLiteral("img_bg/0.png")));
}

GameFolders ChooseGameFolders(const QString& game, const QString& workingFolder,
                              const QString& executableFolder) {
  if (!game.isEmpty()) {
    const std::string folder = FolderPath(QDir(workingFolder).absoluteFilePath(game));
    return {folder, folder};
  }
  const QString tiles = HasTileSets(workingFolder) || !HasTileSets(executableFolder)
                            ? workingFolder
                            : executableFolder;
  return {FolderPath(tiles), FolderPath(executableFolder)};
}
