#pragma once

#include <QString>
#include <string>

// Where a run of the editor finds its game: the tile sets, and the program
// folder that level names, the open dialog, the emulator's copy and the
// emulator's start are taken under. Both end in "/".
struct GameFolders {
  std::string Tiles;
  std::string Program;
};

// With a game folder given (--game DIR, relative to the working folder), it
// is both. Without, the tile sets of the working folder, or of the
// executable's folder when the working folder has none, and the
// executable's folder as the program folder.
GameFolders ChooseGameFolders(const QString& game, const QString& workingFolder,
                              const QString& executableFolder);

// True when folder holds the first background tile, which every tile set
// load starts with.
bool HasTileSets(const QString& folder);
