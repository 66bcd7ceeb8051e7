#pragma once

#include <string>
#include <vector>

// What the editor is started with:
// zubo-editor [--special-tools] [--autosave N] [--game DIR] [--help] [LEVEL].
struct StartOptions {
  // The start-up switch off: the special tools panel in place of the custom
  // texts panel, and no custom-text check before a write.
  bool SpecialTools = false;
  // Seconds between recovery copies while the map has unsaved changes; 0 writes none.
  int AutosaveSeconds = 30;
  // The game folder (--game DIR); empty: the working directory's tile sets
  // and the executable's folder.
  std::string GameFolder;
  // The level to open at start-up; empty: none.
  std::string Level;
  bool Help = false;
  // Why the command line is not understood; empty when it is.
  std::string Error;
};

// The longest autosave interval accepted: one day.
constexpr int MaxAutosaveSeconds = 86400;

// Exit statuses of a start that opens no window.
constexpr int ExitUsage = 64;

// Reads the arguments after the program's name.
StartOptions ParseStartOptions(const std::vector<std::string>& arguments);

// The usage text that --help prints, ending with a line break.
std::string UsageText();
