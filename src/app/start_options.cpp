#include "app/start_options.h"

#include <cstddef>
#include <optional>
#include <string>

namespace {

constexpr char AutosaveOption[] = "--autosave";
constexpr char GameOption[] = "--game";

// The value of an option given as "--name VALUE" or "--name=VALUE" at
// arguments[i], moving i past it; none, with the error set, when missing.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, size_t& i,
                                       const std::string& name, const char* missing,
                                       std::string& error) {
  const std::string& argument = arguments[i];
  if (argument != name) return argument.substr(name.size() + 1);
  if (i + 1 == arguments.size()) {
    error = "option " + name + " needs " + missing;
    return std::nullopt;
  }
  return arguments[++i];
}

bool IsOption(const std::string& argument, const std::string& name) {
  return argument == name || argument.rfind(name + "=", 0) == 0;
}

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
    } else if (IsOption(argument, AutosaveOption)) {
      const std::optional<std::string> value =
          OptionValue(arguments, i, AutosaveOption, "a number of seconds", options.Error);
      if (!value) return options;
      options.AutosaveSeconds = Seconds(*value);
      if (options.AutosaveSeconds < 0) {
        options.Error = "--autosave takes whole seconds from 0 to " +
                        std::to_string(MaxAutosaveSeconds) + ", not '" + *value + "'";
        return options;
      }
    } else if (IsOption(argument, GameOption)) {
      const std::optional<std::string> value =
          OptionValue(arguments, i, GameOption, "a folder", options.Error);
      if (!value) return options;
      if (value->empty()) {
        options.Error = "option --game needs a folder";
        return options;
      }
      options.GameFolder = *value;
    } else if (argument.empty() || argument[0] != '-') {
      if (!options.Level.empty()) {
        options.Error = "one level at a time: '" + options.Level + "' and '" + argument + "'";
        return options;
      }
      options.Level = argument;
    } else {
      options.Error = "unknown option '" + argument + "'";
      return options;
    }
  }
  return options;
}

std::string UsageText() {
  return "Usage: zubo-editor [--special-tools] [--autosave N] [--game DIR] [--help] [LEVEL]\n"
         "\n"
         "  --special-tools  show the special tools (tile counters, \"Select Primary Char\",\n"
         "                   \"Select Tiles\", \"Copy Tiles\", \"Load Screen Output\") in place\n"
         "                   of the custom texts, and save without checking the custom texts\n"
         "  --autosave N     write a recovery copy every N seconds while the map has unsaved\n"
         "                   changes (default 30, 0 turns it off), into\n"
         "                   $XDG_DATA_HOME/Zubo/Editor (~/.local/share/Zubo/Editor); the\n"
         "                   next start offers to restore a copy left by a crash\n"
         "  --game DIR       work on the game in DIR: its tile sets (img_*), its levels\n"
         "                   (names without a leading \"/\" are taken under DIR), the\n"
         "                   emulator's copy in DIR/zuboapp/levels/ed.lvl, and java\n"
         "                   started in DIR\n"
         "  --help           show this text and exit\n"
         "  LEVEL            open this level file at start-up\n"
         "\n"
         "Without --game the tile sets are read from the working directory (or, when it\n"
         "has none, from the editor's own folder), and level names are taken under the\n"
         "editor's own folder.\n";
}
