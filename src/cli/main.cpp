// zubo-level: reads, checks and writes level files from the command line,
// with the editor's own reader, writer and validation.

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/render.h"
#include "cli/review_commands.h"

namespace {

constexpr const char* Usage =
    "Usage:\n"
    "  zubo-level info FILE                 summary of a level file\n"
    "  zubo-level dump FILE                 the level as JSON on standard output\n"
    "  zubo-level dump --text FILE          the level as stable lines made for diffs\n"
    "  zubo-level build [--validate] JSON OUT\n"
    "                                       write the level that JSON describes\n"
    "  zubo-level validate [--all-problems] FILE...\n"
    "                                       check levels as the editor does before saving;\n"
    "                                       with several files each line names its file\n"
    "  zubo-level diff [--json] OLD NEW     what changed between two levels (exit 0 the\n"
    "                                       same, 1 different); with git's seven arguments\n"
    "                                       a git external diff driver\n"
    "  zubo-level render FILE OUT [--zoom Z] [--size WxH] [--camera X,Y] [--tiles DIR]\n"
    "                   [--game DIR] [--compression fast|small]\n"
    "                                       draw the level as the editor's view shows it\n"
    "                                       (no palette) into OUT, a .png or .bmp image;\n"
    "                                       zoom 2..100 (10); without --size the whole\n"
    "                                       map, camera 0,0; tile sets from DIR or the\n"
    "                                       working directory; with --game DIR, the\n"
    "                                       tile sets of that game folder and FILE\n"
    "                                       found there first; a PNG compressed fast\n"
    "                                       (the default) or small\n"
    "  zubo-level render --diff OLD NEW OUT draw NEW with the cells that differ marked\n"
    "  zubo-level render FILE... --out DIR  draw each level into DIR/NAME.png\n"
    "\n"
    "Exit status: 0 success, 1 validation failed, 2 a file could not be read or written\n"
    "(for render also: the tile sets do not load, or the level uses a missing tile),\n"
    "64 bad usage.\n";

int BadUsage() {
  std::fputs(Usage, stderr);
  return ExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(Usage, stdout);
    return ExitOk;
  }
  if (args.empty()) return BadUsage();
  const std::string command = args[0];
  args.erase(args.begin());

  if (command == "info" && args.size() == 1) return InfoCommand(args[0]);
  if (command == "dump" && args.size() == 1) return DumpCommand(args[0]);
  if (command == "dump" && args.size() == 2 && args[0] == "--text") return DumpTextCommand(args[1]);
  if (command == "diff") {
    const int status = DiffCommand(args);
    return status == ExitUsage ? BadUsage() : status;
  }
  if (command == "validate") {
    const int status = ValidateFilesCommand(args);
    return status == ExitUsage ? BadUsage() : status;
  }
  if (command == "render") {
    const std::optional<RenderOptions> options = ParseRenderArguments(args);
    if (!options) return BadUsage();
    return RenderCommand(*options, argc, argv);
  }
  if (command == "build") {
    bool validate = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
      if (arg == "--validate") {
        validate = true;
      } else {
        files.push_back(arg);
      }
    }
    if (files.size() == 2) return BuildCommand(files[0], files[1], validate);
  }
  return BadUsage();
}
