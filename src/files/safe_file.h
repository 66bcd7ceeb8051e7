#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reading and writing whole files without trusting what lies on disk: only
// regular files are read, never more than a fixed number of bytes, and a
// write replaces the file the user named only once the new content is
// complete and on disk.

enum class FileReadStatus { Ok, NotFound, Failed };

struct FileBytes {
  FileReadStatus Status = FileReadStatus::Failed;
  std::vector<uint8_t> Bytes;
  std::string Error;  // why the file could not be read, for a person
};

// The content of the regular file at path, read without ever blocking (a FIFO
// is refused, not waited on). A file larger than maxSize is refused before
// anything is allocated for it.
FileBytes ReadRegularFile(const std::string& path, size_t maxSize);

// Replaces the content of the file at path with size bytes at data, through a temporary
// file beside it that is synced and then renamed over it. A symbolic link is
// followed and its target replaced. A target that exists and is not a regular
// file, or is read-only, is refused. Returns the system's error text, or
// nothing on success; on failure the old file is untouched and no temporary
// file is left behind.
std::string ReplaceFileSafely(const std::string& path, const void* data, size_t size);

// The same for a file the program keeps for itself: an old file is replaced
// whatever its permissions, and the new one may be read and written by its
// owner alone. A folder or anything else that is no regular file is refused.
std::string ReplaceOwnFile(const std::string& path, const void* data, size_t size);

// Removes the file at path (a symbolic link itself, never a folder). Returns
// the system's error text, or nothing when nothing is left there.
std::string RemoveFile(const std::string& path);

// Why no file can be written into folder now, found by writing a small one
// and removing it again; nothing when it can.
std::string FolderWriteError(const std::string& folder);
