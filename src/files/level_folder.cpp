#include "files/level_folder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace {

constexpr char LevelSuffix[] = ".lvl";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Compares the runs of digits starting at a[i] and b[j] by value, and moves
// both positions past them: a negative, zero or positive result.
int CompareNumbers(const std::string& a, size_t& i, const std::string& b, size_t& j) {
  while (i < a.size() && a[i] == '0') ++i;
  while (j < b.size() && b[j] == '0') ++j;
  const size_t startA = i;
  const size_t startB = j;
  while (i < a.size() && IsDigit(a[i])) ++i;
  while (j < b.size() && IsDigit(b[j])) ++j;
  const size_t lengthA = i - startA;
  const size_t lengthB = j - startB;
  if (lengthA != lengthB) return lengthA < lengthB ? -1 : 1;
  return a.compare(startA, lengthA, b, startB, lengthB);
}

int NaturalCompare(const std::string& a, const std::string& b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDigit(a[i]) && IsDigit(b[j])) {
      const int numbers = CompareNumbers(a, i, b, j);
      if (numbers != 0) return numbers;
      continue;
    }
    const int lowerA = std::tolower(static_cast<unsigned char>(a[i]));
    const int lowerB = std::tolower(static_cast<unsigned char>(b[j]));
    if (lowerA != lowerB) return lowerA < lowerB ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return 0;
}

bool IsLevelName(const std::string& name) {
  const size_t suffix = sizeof(LevelSuffix) - 1;
  if (name.size() <= suffix) return false;
  return std::equal(
      name.end() - suffix, name.end(), LevelSuffix, LevelSuffix + suffix,
      [](char c, char wanted) { return std::tolower(static_cast<unsigned char>(c)) == wanted; });
}

}  // namespace

bool NaturalLess(const std::string& a, const std::string& b) {
  const int natural = NaturalCompare(a, b);
  return natural != 0 ? natural < 0 : a < b;
}

std::vector<std::string> LevelFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
  if (!directory) return names;
  const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  while (const dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    struct stat status;
    if (IsLevelName(name) && stat((prefix + name).c_str(), &status) == 0 && S_ISREG(status.st_mode))
      names.push_back(name);
  }
  closedir(directory);
  std::sort(names.begin(), names.end(), NaturalLess);
  return names;
}

std::optional<std::string> NeighbourLevel(const std::vector<std::string>& sortedNames,
                                          const std::string& current, int step) {
  if (step > 0) {
    const auto next =
        std::upper_bound(sortedNames.begin(), sortedNames.end(), current, NaturalLess);
    if (next == sortedNames.end()) return std::nullopt;
    return *next;
  }
  const auto at = std::lower_bound(sortedNames.begin(), sortedNames.end(), current, NaturalLess);
  if (at == sortedNames.begin()) return std::nullopt;
  return *(at - 1);
}
