#pragma once

#include <string>
#include <vector>

// The separator between the entries of a path list on this platform, as the
// Java runtime expects it in a class path.
#ifdef _WIN32
inline constexpr char PathListSeparator = ';';
#else
inline constexpr char PathListSeparator = ':';
#endif

// The program "Run Emu" starts, found on the search path.
inline constexpr const char* EmulatorProgram = "java";

// The argument string of the emulator: the boot class path with the
// emulator's archive and the game folder, the emulator's and the game's main
// classes and the game's name, then " -w" and the screen width, " -h" and the
// screen height, and " -s2" when zoomed. The size texts are passed as they
// stand.
std::string EmulatorArgumentString(const std::string& screenWidth, const std::string& screenHeight,
                                   bool zoomed, char classPathSeparator = PathListSeparator);

// The argument string split at blanks into the arguments of the program;
// runs of blanks separate like one.
std::vector<std::string> EmulatorArguments(const std::string& argumentString);

// The level file the game reads in the emulator: its name under the program
// folder, and its path below the folder (which ends in "/").
constexpr char EmulatorLevelName[] = "zuboapp/levels/ed.lvl";
std::string EmulatorLevelPath(const std::string& programFolder);

// The folder the emulator is started in: the program folder without its
// trailing "/" (the root folder stays "/").
std::string EmulatorWorkingDirectory(const std::string& programFolder);

// What the emulator needs and cannot find, for a person: java on the search
// path, and the emulator's archive and the game's folder in the program
// folder. Empty when all are there.
std::string MissingForEmulator(const std::string& programFolder);

// Starts the emulator with the arguments of the string in the program
// folder; it runs on its own, and what it does once started is not
// watched. Empty, or why java could not be started.
std::string StartEmulator(const std::string& programFolder, const std::string& argumentString);
