#include "files/file_watch.h"

#include <sys/stat.h>

bool FileStamp::operator==(const FileStamp& other) const {
  return Exists == other.Exists && Device == other.Device && Inode == other.Inode &&
         Size == other.Size && ModifiedNs == other.ModifiedNs;
}

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  struct stat status;
  if (path.empty() || stat(path.c_str(), &status) != 0) return stamp;
  stamp.Exists = true;
  stamp.Device = static_cast<uint64_t>(status.st_dev);
  stamp.Inode = static_cast<uint64_t>(status.st_ino);
  stamp.Size = static_cast<int64_t>(status.st_size);
  stamp.ModifiedNs =
      static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
  return stamp;
}

void FileWatch::Watch(const std::string& path) {
  Watched = path;
  Accept();
}

void FileWatch::Accept() {
  Known = StampOf(Watched);
}

FileWatch::Change FileWatch::Check() {
  if (Watched.empty()) return Change::None;
  const FileStamp now = StampOf(Watched);
  if (now == Known) return Change::None;
  Known = now;
  return now.Exists ? Change::Changed : Change::Removed;
}
