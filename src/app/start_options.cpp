#include "app/start_options.h"

#include <cstddef>
#include <string>

namespace {

constexpr char AutosaveOption[] = "--autosave";

// A whole number of seconds within 0..MaxAutosaveSeconds, or -1.
int Seconds(const std::string& text) {
  if (text.empty() || text.size() > 5) return -1;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value <= MaxAutosaveSeconds ? value : -1;
}

}  // namespace

StartOptions ParseStartOptions(const std::vector<std::string>& arguments) {
  StartOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.Help = true;
    } else if (argument == "--special-tools") {
      options.SpecialTools = true;
    } else if (argument == AutosaveOption || argument.rfind("--autosave=", 0) == 0) {
      const bool joined = argument != AutosaveOption;
      if (!joined && i + 1 == arguments.size()) {
        options.Error = "option --autosave needs a number of seconds";
        return options;
      }
      const std::string value =
          joined ? argument.substr(std::string(AutosaveOption).size() + 1) : arguments[++i];
      options.AutosaveSeconds = Seconds(value);
      if (options.AutosaveSeconds < 0) {
        options.Error = "--autosave takes whole seconds from 0 to " +
                        std::to_string(MaxAutosaveSeconds) + ", not '" + value + "'";
        return options;
      }
    } else {
      options.Error = "unknown option '" + argument + "'";
      return options;
    }
  }
  return options;
}

std::string UsageText() {
  return "Usage: zubo-editor [--special-tools] [--autosave N] [--help]\n"
         "\n"
         "  --special-tools  show the special tools (tile counters, \"Select Primary Char\",\n"
         "                   \"Select Tiles\", \"Copy Tiles\", \"Load Screen Output\") in place\n"
         "                   of the custom texts, and save without checking the custom texts\n"
         "  --autosave N     write a recovery copy every N seconds while the map has unsaved\n"
         "                   changes (default 30, 0 turns it off), into\n"
         "                   $XDG_DATA_HOME/Zubo/Editor (~/.local/share/Zubo/Editor); the\n"
         "                   next start offers to restore a copy left by a crash\n"
         "  --help           show this text and exit\n"
         "\n"
         "Start it in its program folder: the tile sets are read from the working directory.\n";
}
