#include "scratch_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  std::random_device seed;
  for (;;) {
    Path = fs::temp_directory_path() / ("zubo-test-" + std::to_string(seed()));
    if (fs::create_directory(Path)) break;
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  fs::permissions(Path, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(Path, error);
}

std::vector<std::string> ScratchFolder::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Path)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}
