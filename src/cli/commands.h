#pragma once

#include <string>

// Exit statuses of zubo-level.
constexpr int ExitOk = 0;
constexpr int ExitValidationFailed = 1;
constexpr int ExitFileError = 2;
constexpr int ExitUsage = 64;

int InfoCommand(const std::string& path);
int DumpCommand(const std::string& path);
int ValidateCommand(const std::string& path);
int BuildCommand(const std::string& jsonPath, const std::string& outPath, bool validate);
