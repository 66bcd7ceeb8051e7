#include "cli/commands.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <optional>

#include "levelfile/level_json.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/validation.h"
#include "model/limits.h"
#include "model/map.h"
#include "model/message_texts.h"

namespace {

int PrintValidation(const ValidationResult& result) {
  for (const std::string& message : result.Messages) std::cout << message << '\n';
  return result.Passed ? ExitOk : ExitValidationFailed;
}

void ReportLoadError(const std::string& path, const std::string& problem) {
  std::cerr << path << ": " << MessageTexts::LoadError << " (" << problem << ")\n";
}

}  // namespace

std::optional<LevelRecord> ReadRecord(const std::string& path) {
  std::string problem;
  std::optional<LevelRecord> record = ReadLevelRecord(path, &problem);
  if (!record) ReportLoadError(path, problem);
  return record;
}

bool LoadMap(const std::string& path, Map& map) {
  std::string problem;
  if (ReadLevelFile(path, map, &problem)) return true;
  ReportLoadError(path, problem);
  return false;
}

int InfoCommand(const std::string& path) {
  const std::optional<LevelRecord> record = ReadRecord(path);
  if (!record) return ExitFileError;
  int switches = 0;
  for (const Platform& platform : record->Platforms) switches += HasSwitch(platform.SwitchType);
  std::cout << "Size: " << record->Width << " x " << record->Height << '\n'
            << "Background: " << record->Background << " (" << BackgroundNames[record->Background]
            << ")\n"
            << "Chars: " << record->Chars.size();
  if (!record->Chars.empty()) {
    std::cout << " (primary at " << int{record->Chars[0].X} << ", " << int{record->Chars[0].Y}
              << ")";
  }
  std::cout << '\n'
            << "Objects: " << record->Objects.size() << '\n'
            << "Platforms: " << record->Platforms.size() << " (" << switches << " with a switch)\n"
            << "Springs: " << record->Springs.size() << '\n'
            << "Text markers: " << record->TextMarkers.size() << '\n'
            << "Custom text lines: " << record->CustomTexts.size() << '\n';
  return ExitOk;
}

int DumpCommand(const std::string& path) {
  const std::optional<LevelRecord> record = ReadRecord(path);
  if (!record) return ExitFileError;
  std::cout << LevelToJson(*record).dump(2) << '\n';
  return ExitOk;
}

int BuildCommand(const std::string& jsonPath, const std::string& outPath, bool validate) {
  auto map = std::make_unique<Map>();
  try {
    std::ifstream file(jsonPath);
    if (!file) {
      std::cerr << jsonPath << ": cannot be opened\n";
      return ExitFileError;
    }
    JsonToMap(nlohmann::json::parse(file), *map);
  } catch (const std::exception& error) {
    std::cerr << jsonPath << ": " << error.what() << '\n';
    return ExitFileError;
  }
  if (validate) {
    const ValidationResult result = ValidateMap(*map, true);
    if (!result.Passed) return PrintValidation(result);
    PrintValidation(result);
  }
  const WriteOutcome outcome = WriteLevelFile(*map, outPath);
  if (!outcome.Ok) {
    std::cerr << outPath << ": " << outcome.Error << '\n';
    return ExitFileError;
  }
  return ExitOk;
}
