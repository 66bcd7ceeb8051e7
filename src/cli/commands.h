#pragma once

#include <optional>
#include <string>

#include "levelfile/level_record.h"

class Map;

// Exit statuses of zubo-level.
constexpr int ExitOk = 0;
constexpr int ExitValidationFailed = 1;
constexpr int ExitFileError = 2;
constexpr int ExitUsage = 64;

// The level in the file at path, or nothing after telling why on standard
// error, with the path.
std::optional<LevelRecord> ReadRecord(const std::string& path);
// Reads the file at path into the map as the editor's Open does; false after
// telling why.
bool LoadMap(const std::string& path, Map& map);

int InfoCommand(const std::string& path);
int DumpCommand(const std::string& path);
int BuildCommand(const std::string& jsonPath, const std::string& outPath, bool validate);
