// libFuzzer target for the level reader: any bytes are read as a level file;
// what the reader accepts is stored, validated and written back (see
// level_checks.h). A broken rule aborts, so libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "level_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static LevelChecker checker;
  const std::string failure = checker.Check(data, size);
  if (!failure.empty()) {
    std::fprintf(stderr, "level check failed: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
