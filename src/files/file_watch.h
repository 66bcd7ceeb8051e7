#pragma once

#include <cstdint>
#include <string>

// What a file looks like on disk, as far as telling a change goes: a file
// replaced by another program (a rename over it, as git and safe saves do)
// has a new identity even when its size and time are the same.
struct FileStamp {
  bool Exists = false;
  uint64_t Device = 0;
  uint64_t Inode = 0;
  int64_t Size = 0;
  int64_t ModifiedNs = 0;

  bool operator==(const FileStamp& other) const;
  bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

FileStamp StampOf(const std::string& path);

// Watches one file by looking at it now and then: each check tells what
// happened to it since the check before, so a change is told once.
class FileWatch {
 public:
  enum class Change { None, Changed, Removed };

  // Watches path from its present state on; an empty path watches nothing.
  void Watch(const std::string& path);
  const std::string& Path() const { return Watched; }
  // Takes the file as it is now as the known state, without telling.
  void Accept();
  Change Check();

 private:
  std::string Watched;
  FileStamp Known;
};
