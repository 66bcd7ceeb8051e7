// What lies on disk is never trusted: huge files, FIFOs, folders and devices
// are refused when read, and a write goes into the file the user named, or
// fails and leaves everything as it was.

#include "files/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "file_size_limit.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;

std::string SystemText(std::errc error) {
  return std::make_error_code(error).message();
}

std::string Write(const std::string& path, const Bytes& bytes) {
  return ReplaceFileSafely(path, bytes.data(), bytes.size());
}

// Reads path on another thread. A read that blocks (a FIFO opened without
// O_NONBLOCK waits for a writer) is released by opening the FIFO for writing,
// and reported.
FileBytes ReadWithoutHanging(const std::string& path) {
  auto reading = std::async(std::launch::async, [path] { return ReadRegularFile(path, 100); });
  if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
    ADD_FAILURE() << path << ": the read blocked";
    ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
  }
  return reading.get();
}

TEST(SafeFileRead, OnlyRegularFilesWithinTheBoundAreRead) {
  ScratchFolder folder;
  WriteBytes(folder.File("small"), {1, 2, 3});
  WriteBytes(folder.File("exact"), Bytes(100, 7));
  WriteBytes(folder.File("over"), Bytes(101, 7));
  {
    // 50 GB without a byte on disk: refused before anything is allocated.
    const int fd = ::open(folder.File("huge").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_EQ(::ftruncate(fd, 50LL << 30), 0);
    ::close(fd);
  }
  ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0644), 0);
  fs::create_directory(folder.Path / "folder");
  fs::create_symlink("small", folder.Path / "link");

  const struct {
    std::string Path;
    FileReadStatus Status;
    std::string Error;
    size_t Size;
  } cases[] = {
      {folder.File("small"), FileReadStatus::Ok, "", 3},
      {folder.File("link"), FileReadStatus::Ok, "", 3},
      {folder.File("exact"), FileReadStatus::Ok, "", 100},
      {folder.File("over"), FileReadStatus::Failed, "larger than 100 bytes", 0},
      {folder.File("huge"), FileReadStatus::Failed, "larger than 100 bytes", 0},
      {folder.File("fifo"), FileReadStatus::Failed, "not a regular file", 0},
      {folder.File("folder"), FileReadStatus::Failed, "not a regular file", 0},
      {"/dev/zero", FileReadStatus::Failed, "not a regular file", 0},
      {folder.File("missing"), FileReadStatus::NotFound,
       SystemText(std::errc::no_such_file_or_directory), 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path);
    const FileBytes read = ReadWithoutHanging(c.Path);
    EXPECT_EQ(read.Status, c.Status);
    EXPECT_EQ(read.Error, c.Error);
    EXPECT_EQ(read.Bytes.size(), c.Size);
  }
}

// A folder holding old.lvl, which every failed write must leave as it was,
// with nothing else beside it.
class SafeFileWrite : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(folder.File("old.lvl"), OldBytes); }

  void ExpectFailure(const std::string& path, const std::string& error,
                     const std::vector<std::string>& entries) {
    SCOPED_TRACE(path);
    EXPECT_EQ(Write(path, NewBytes), error);
    EXPECT_EQ(ReadBytes(folder.File("old.lvl")), OldBytes);
    EXPECT_EQ(folder.Entries(), entries);
  }

  ScratchFolder folder;
  const Bytes OldBytes = {1, 2, 3};
  const Bytes NewBytes = {9, 8, 7, 6};
};

TEST_F(SafeFileWrite, SymbolicLinksAreFollowedToTheFileTheyName) {
  fs::create_directory(folder.Path / "real");
  WriteBytes(folder.File("real/level.lvl"), OldBytes);
  fs::create_symlink("real/level.lvl", folder.Path / "link.lvl");
  fs::create_symlink("link.lvl", folder.Path / "link2.lvl");
  fs::create_symlink(folder.File("real/new.lvl"), folder.Path / "dangling.lvl");
  for (const char* link : {"link.lvl", "link2.lvl", "dangling.lvl"}) {
    SCOPED_TRACE(link);
    ASSERT_EQ(Write(folder.File(link), NewBytes), "");
    EXPECT_TRUE(fs::is_symlink(folder.Path / link));
    EXPECT_EQ(ReadBytes(folder.File(link)), NewBytes);
  }
  EXPECT_EQ(ReadBytes(folder.File("real/level.lvl")), NewBytes);
  EXPECT_EQ(ReadBytes(folder.File("real/new.lvl")), NewBytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path / "real"), fs::directory_iterator()),
            2);

  fs::create_symlink("loop", folder.Path / "loop");
  ExpectFailure(folder.File("loop"), SystemText(std::errc::too_many_symbolic_link_levels),
                {"dangling.lvl", "link.lvl", "link2.lvl", "loop", "old.lvl", "real"});
}

TEST_F(SafeFileWrite, TargetsThatAreNoRegularWritableFileAreRefused) {
  ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0644), 0);
  fs::create_directory(folder.Path / "folder");
  fs::create_symlink("fifo", folder.Path / "to-fifo");
  const std::vector<std::string> entries = {"fifo", "folder", "old.lvl", "to-fifo"};
  ExpectFailure(folder.File("fifo"), "Not a regular file", entries);
  ExpectFailure(folder.File("to-fifo"), "Not a regular file", entries);
  ExpectFailure(folder.File("folder"), SystemText(std::errc::is_a_directory), entries);
  EXPECT_TRUE(fs::is_fifo(folder.Path / "fifo"));

  // Read-only for everyone: refused also for the superuser, who could write it.
  fs::permissions(folder.File("old.lvl"),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ExpectFailure(folder.File("old.lvl"), SystemText(std::errc::permission_denied), entries);
  ExpectFailure(folder.File("missing/new.lvl"), SystemText(std::errc::no_such_file_or_directory),
                entries);
}

TEST_F(SafeFileWrite, ALongLegalNameSavesAndKeepsItsPermissions) {
  const std::string name(250, 'n');
  ASSERT_EQ(Write(folder.File(name), NewBytes), "");
  EXPECT_EQ(ReadBytes(folder.File(name)), NewBytes);

  fs::permissions(folder.File("old.lvl"), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(Write(folder.File("old.lvl"), NewBytes), "");
  EXPECT_EQ(ReadBytes(folder.File("old.lvl")), NewBytes);
  EXPECT_EQ(fs::status(folder.File("old.lvl")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{name, "old.lvl"}));
}

TEST_F(SafeFileWrite, AFullDiskKeepsTheOldFile) {
  std::string error;
  {
    const FileSizeLimit limit(2);
    ASSERT_TRUE(limit.IsValid());
    error = Write(folder.File("old.lvl"), NewBytes);
  }
  EXPECT_EQ(error, SystemText(std::errc::file_too_large));
  EXPECT_EQ(ReadBytes(folder.File("old.lvl")), OldBytes);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"old.lvl"});
}

TEST_F(SafeFileWrite, TheProgramsOwnFileIsReplacedWhateverItsModeAndRemovedButNoFolder) {
  fs::permissions(folder.File("old.lvl"), fs::perms::none);
  ASSERT_EQ(ReplaceOwnFile(folder.File("old.lvl"), NewBytes.data(), NewBytes.size()), "");
  EXPECT_EQ(ReadBytes(folder.File("old.lvl")), NewBytes);
  EXPECT_EQ(fs::status(folder.File("old.lvl")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);

  fs::create_directory(folder.Path / "folder");
  WriteBytes(folder.File("folder/inside"), OldBytes);
  fs::create_symlink("old.lvl", folder.Path / "link");
  EXPECT_EQ(ReplaceOwnFile(folder.File("folder"), NewBytes.data(), NewBytes.size()),
            SystemText(std::errc::is_a_directory));
  EXPECT_EQ(RemoveFile(folder.File("folder")), SystemText(std::errc::is_a_directory));
  EXPECT_EQ(ReadBytes(folder.File("folder/inside")), OldBytes);
  EXPECT_EQ(RemoveFile(folder.File("link")), "");
  EXPECT_EQ(RemoveFile(folder.File("missing")), "");
  EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"folder", "old.lvl"}));
}

TEST_F(SafeFileWrite, AFolderThatCannotTakeAFileSaysWhy) {
  EXPECT_EQ(FolderWriteError(folder.File("new")), "");
  EXPECT_TRUE(fs::is_empty(folder.Path / "new"));
  EXPECT_EQ(FolderWriteError(folder.File("old.lvl")), SystemText(std::errc::not_a_directory));
  EXPECT_EQ(FolderWriteError(folder.File("old.lvl/sub")), SystemText(std::errc::not_a_directory));
  const FileSizeLimit limit(16);
  ASSERT_TRUE(limit.IsValid());
  EXPECT_EQ(FolderWriteError(folder.File("new")), SystemText(std::errc::file_too_large));
  EXPECT_TRUE(fs::is_empty(folder.Path / "new"));
}

}  // namespace
