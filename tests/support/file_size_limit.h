#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, files of the process cannot grow beyond a few bytes: a
// write fails as on a full disk ("File too large") instead of raising the
// signal that would end the process.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    Valid = getrlimit(RLIMIT_FSIZE, &Previous) == 0;
    rlimit limited = Previous;
    limited.rlim_cur = bytes;
    Valid = Valid && setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Previous);
    std::signal(SIGXFSZ, PreviousHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool IsValid() const { return Valid; }

 private:
  rlimit Previous{};
  void (*PreviousHandler)(int) = nullptr;
  bool Valid = false;
};
