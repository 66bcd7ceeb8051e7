#pragma once

#include <optional>
#include <string>

// Level files live in or below the program folder: the folder of the
// running executable, always written with a trailing "/".

// The program folder for the executable's folder, with one trailing "/".
std::string ProgramFolder(const std::string& executableFolder);

// The path of the level file named in the file name box. A name beginning
// with "/" is used as it stands; any other name, also one holding ":" (legal
// in file names), sub-folders written with "/", is taken under the program
// folder.
std::string LevelFilePath(const std::string& programFolder, const std::string& name);

// The name to put into the file name box for a path chosen in the open
// dialog: the rest of the path after the program folder. Nothing when the
// path does not begin with the program folder (case-sensitive) or is the
// folder itself.
std::optional<std::string> NameInProgramFolder(const std::string& programFolder,
                                               const std::string& chosenPath);

// The name to put into the file name box for a level at an absolute path
// opened without the open dialog (dropped, recent, from the command line,
// chosen to save as): its name under the program folder when it lies there,
// else the path itself, which the file path rule leaves as it stands.
std::string NameForPath(const std::string& programFolder, const std::string& absolutePath);

// The path of a level named on a command line: a name beginning with "/"
// as it stands; another name under the program folder when something is
// there, else under the working folder (with a trailing "/") when something
// is there, else under the program folder.
std::string LevelArgumentPath(const std::string& programFolder, const std::string& workingFolder,
                              const std::string& name);

// The name's folder part as typed ("levels/" of "levels/a.lvl", "" of
// "a.lvl"), and the name of another file of that folder in the same form.
std::string FolderOfName(const std::string& name);
std::string SiblingName(const std::string& name, const std::string& fileName);

// The question before Save replaces an existing file, with the name as typed.
std::string OverwriteQuestion(const std::string& name);
