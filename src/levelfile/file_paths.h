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

// The question before Save replaces an existing file, with the name as typed.
std::string OverwriteQuestion(const std::string& name);
