#include "files/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <system_error>

namespace {

std::string ErrnoText(int error) {
  return std::generic_category().message(error != 0 ? error : EIO);
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : Fd(fd) {}
  ~Descriptor() {
    if (Fd >= 0) ::close(Fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return Fd; }
  // Closes now and tells whether the close succeeded.
  bool Close() {
    const int fd = Fd;
    Fd = -1;
    return ::close(fd) == 0;
  }

 private:
  int Fd;
};

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The path that a chain of symbolic links at path ends in (path itself when
// it is no link). The end need not exist: a dangling link names the file to
// create. Empty with errno set when the chain cannot be followed.
std::string FollowLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return {};
    target.resize(static_cast<size_t>(length));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  errno = ELOOP;
  return {};
}

// Whether the file refuses writing: by its permissions for this process, or,
// as the superuser may write anything, by having no write permission at all.
bool ReadOnly(const std::string& path, const struct stat& status) {
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, const void* data, size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  size_t done = 0;
  while (done < size) {
    const ssize_t written = ::write(fd, bytes + done, size - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

// Writes, syncs and closes the temporary file; false with errno set on failure.
bool FillTemporary(Descriptor& file, const void* data, size_t size, mode_t mode) {
  errno = 0;
  if (!WriteAll(file.Get(), data, size) || ::fchmod(file.Get(), mode) != 0 ||
      ::fsync(file.Get()) != 0)
    return false;
  return file.Close();
}

void SyncFolder(const std::string& folder) {
  const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

// What an old file at the target decides: a file the user keeps keeps its
// permissions and refuses writing when it is read-only; the program's own
// file is replaced anyway and is its owner's alone.
enum class OldFile { Respected, Owned };

std::string Replace(const std::string& path, const void* data, size_t size, OldFile policy) {
  const std::string target = FollowLinks(path);
  if (target.empty()) return ErrnoText(errno);

  mode_t mode = policy == OldFile::Owned ? S_IRUSR | S_IWUSR : NewFileMode();
  struct stat status {};
  if (::stat(target.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) return ErrnoText(EISDIR);
    if (!S_ISREG(status.st_mode)) return "Not a regular file";
    if (policy == OldFile::Respected) {
      if (ReadOnly(target, status)) return ErrnoText(EACCES);
      mode = status.st_mode & 07777;
    }
  } else if (errno != ENOENT) {
    return ErrnoText(errno);
  }

  const std::string folder = FolderOf(target);
  std::string temporary = folder + "/.zubo-XXXXXX";
  Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) return ErrnoText(errno);
  if (!FillTemporary(file, data, size, mode) || ::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return ErrnoText(error);
  }
  SyncFolder(folder);
  return {};
}

}  // namespace

FileBytes ReadRegularFile(const std::string& path, size_t maxSize) {
  FileBytes result;
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0) {
    result.Status = errno == ENOENT ? FileReadStatus::NotFound : FileReadStatus::Failed;
    result.Error = ErrnoText(errno);
    return result;
  }
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) {
    result.Error = ErrnoText(errno);
    return result;
  }
  if (!S_ISREG(status.st_mode)) {
    result.Error = "not a regular file";
    return result;
  }
  const std::string tooLarge = "larger than " + std::to_string(maxSize) + " bytes";
  if (status.st_size < 0 || static_cast<uintmax_t>(status.st_size) > maxSize) {
    result.Error = tooLarge;
    return result;
  }
  // One byte more than allowed tells a file that grew since fstat.
  result.Bytes.resize(static_cast<size_t>(status.st_size) + 1);
  size_t size = 0;
  for (;;) {
    if (size == result.Bytes.size()) {
      if (size > maxSize) {
        result.Bytes.clear();
        result.Error = tooLarge;
        return result;
      }
      result.Bytes.resize(std::min(maxSize + 1, size * 2));
    }
    const ssize_t got = ::read(file.Get(), result.Bytes.data() + size, result.Bytes.size() - size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      result.Bytes.clear();
      result.Error = ErrnoText(errno);
      return result;
    }
    if (got == 0) break;
    size += static_cast<size_t>(got);
  }
  result.Bytes.resize(size);
  result.Status = FileReadStatus::Ok;
  return result;
}

std::string ReplaceFileSafely(const std::string& path, const void* data, size_t size) {
  return Replace(path, data, size, OldFile::Respected);
}

std::string ReplaceOwnFile(const std::string& path, const void* data, size_t size) {
  return Replace(path, data, size, OldFile::Owned);
}

std::string RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return {};
  return ErrnoText(errno);
}

std::string FolderWriteError(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return ErrnoText(errno);
  std::string probe = folder + "/.zubo-XXXXXX";
  Descriptor file(::mkostemp(probe.data(), O_CLOEXEC));
  if (file.Get() < 0) return ErrnoText(errno);
  // A few hundred bytes, as much as a lock file holds.
  const std::string bytes(512, '\n');
  const bool written = FillTemporary(file, bytes.data(), bytes.size(), S_IRUSR | S_IWUSR);
  const int error = errno;
  ::unlink(probe.c_str());
  return written ? std::string() : ErrnoText(error);
}
