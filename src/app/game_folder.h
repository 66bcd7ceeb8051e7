#pragma once

#include <QString>
#include <string>

// Where a run of the editor finds its game: the tile sets, and the program
// folder that level names, the open dialog, the emulator's copy and the
// emulator's start are taken under. Both end in "/".
struct GameFolders {
  std::string Tiles;
  std::string Program;
  // The program folder is the user's folder of an installed editor.
  bool InUserFolder = false;
};

// The folders a choice is made from.
struct FolderChoice {
  QString Game;        // --game DIR, relative to the working folder; empty: none
  QString Working;     // the working directory
  QString Executable;  // the running executable's folder
  QString Installed;   // the installed sample game (InstalledSampleGame)
  QString User;        // the user's own folder for levels of an installed editor
};

// With a game folder given, it is both. An editor whose folder holds tile
// sets (a program folder, the build's) reads the working folder's tile sets,
// or its own when the working folder has none, and takes its own folder as
// the program folder. An installed editor (tile sets only in the installed
// sample game) reads the working folder's tile sets, or the sample game's,
// and keeps levels in the user's folder, never under its install prefix.
GameFolders ChooseGameFolders(const FolderChoice& choice);

// Makes the user's folder ready for an installed editor: levels/ (with the
// sample game's demo level the first time) and zuboapp/levels/.
void PrepareUserFolder(const QString& user, const QString& installed);
