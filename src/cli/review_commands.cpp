#include "cli/review_commands.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "levelfile/level_diff.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_text.h"
#include "levelfile/validation.h"
#include "model/map.h"

namespace {

// Where git passes a side that does not exist (a file added or deleted).
constexpr char NoFile[] = "/dev/null";
constexpr size_t GitDriverArguments = 7;

// A status from worse to better: a file error, a failed check, success.
int Worse(int a, int b) {
  const auto rank = [](int status) {
    return status == ExitFileError ? 2 : status == ExitValidationFailed ? 1 : 0;
  };
  return rank(a) >= rank(b) ? a : b;
}

std::optional<LevelRecord> RecordOrNothing(const std::string& path) {
  if (path == NoFile) return LevelRecord{};
  return ReadRecord(path);
}

int GitDiff(const std::vector<std::string>& args) {
  const std::string& name = args[0];
  std::cout << "zubo-level diff a/" << name << " b/" << name << '\n';
  const std::optional<LevelRecord> oldLevel = RecordOrNothing(args[1]);
  const std::optional<LevelRecord> newLevel = RecordOrNothing(args[4]);
  if (!oldLevel || !newLevel) {
    std::cout << "(a side is no level file; see the message above)\n";
    return ExitOk;
  }
  if (args[1] == NoFile) std::cout << "new level\n";
  if (args[4] == NoFile) std::cout << "level removed\n";
  std::cout << DiffText(DiffLevels(*oldLevel, *newLevel));
  return ExitOk;
}

int ValidateOne(const std::string& path, const std::string& prefix, bool allProblems) {
  auto map = std::make_unique<Map>();
  if (!LoadMap(path, *map)) return ExitFileError;
  const ValidationResult result = CheckMap(*map, true);
  if (allProblems) {
    for (const MapProblem& problem : FindProblems(*map, true))
      std::cout << prefix << ProblemLines(problem) << '\n';
  } else {
    for (const std::string& message : result.Messages) std::cout << prefix << message << '\n';
  }
  return result.Passed ? ExitOk : ExitValidationFailed;
}

}  // namespace

int DumpTextCommand(const std::string& path) {
  const std::optional<LevelRecord> record = ReadRecord(path);
  if (!record) return ExitFileError;
  std::cout << LevelToText(*record);
  return ExitOk;
}

int DiffCommand(const std::vector<std::string>& args) {
  if (args.size() == GitDriverArguments) return GitDiff(args);
  const bool json = !args.empty() && args[0] == "--json";
  const size_t first = json ? 1 : 0;
  if (args.size() != first + 2) {
    std::cerr << "diff needs OLD and NEW level files.\n";
    return ExitUsage;
  }
  const std::optional<LevelRecord> oldLevel = ReadRecord(args[first]);
  const std::optional<LevelRecord> newLevel = ReadRecord(args[first + 1]);
  if (!oldLevel || !newLevel) return ExitFileError;
  const LevelDiff diff = DiffLevels(*oldLevel, *newLevel);
  if (json) {
    std::cout << DiffJson(diff).dump(2) << '\n';
  } else {
    std::cout << DiffText(diff);
  }
  return diff.Same() ? ExitOk : ExitValidationFailed;
}

int ValidateFilesCommand(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  bool allProblems = false;
  for (const std::string& arg : args) {
    if (arg == "--all-problems") {
      allProblems = true;
    } else {
      files.push_back(arg);
    }
  }
  if (files.empty()) {
    std::cerr << "validate needs at least one level FILE.\n";
    return ExitUsage;
  }
  int worst = ExitOk;
  for (const std::string& file : files)
    worst = Worse(worst, ValidateOne(file, files.size() > 1 ? file + ": " : "", allProblems));
  return worst;
}
