#include "recovery/recovery_writer.h"

#include <cstdio>
#include <utility>

#include "files/safe_file.h"

RecoveryWriter::RecoveryWriter(std::string path)
    : CopyPath(std::move(path)), Worker([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    std::lock_guard<std::mutex> guard(Lock);
    Stopping = true;
  }
  Changed.notify_all();
  Worker.join();
}

bool RecoveryWriter::Write(const Map& map, int platformCount, const RecoveryInfo& info,
                           int64_t savedAt) {
  {
    // After a failed write the copy on disk is not the last one asked for.
    std::lock_guard<std::mutex> guard(Lock);
    if (std::exchange(Failed, false)) LastBody.reset();
  }
  auto body =
      std::make_shared<const std::vector<uint8_t>>(EncodeRecoveryBody(map, platformCount, info));
  if (LastBody && *LastBody == *body) return false;
  LastBody = body;
  Post([this, body = std::move(body), savedAt] {
    const std::vector<uint8_t> bytes = RecoveryFileBytes(*body, savedAt);
    std::string error = ReplaceFileSafely(CopyPath, bytes.data(), bytes.size());
    if (error.empty()) return;
    std::lock_guard<std::mutex> guard(Lock);
    Error = std::move(error);
    Failed = true;
  });
  return true;
}

void RecoveryWriter::Remove() {
  LastBody.reset();
  Post([this] { std::remove(CopyPath.c_str()); });
}

void RecoveryWriter::Wait() {
  std::unique_lock<std::mutex> guard(Lock);
  Changed.wait(guard, [this] { return Jobs.empty() && !Busy; });
}

std::string RecoveryWriter::TakeError() {
  std::lock_guard<std::mutex> guard(Lock);
  return std::exchange(Error, {});
}

void RecoveryWriter::Post(std::function<void()> job) {
  {
    std::lock_guard<std::mutex> guard(Lock);
    Jobs.push_back(std::move(job));
  }
  Changed.notify_all();
}

// Jobs run in order; those still queued when the writer is destroyed are
// done first.
void RecoveryWriter::Run() {
  std::unique_lock<std::mutex> guard(Lock);
  for (;;) {
    Changed.wait(guard, [this] { return Stopping || !Jobs.empty(); });
    if (Jobs.empty()) return;
    std::function<void()> job = std::move(Jobs.front());
    Jobs.pop_front();
    Busy = true;
    guard.unlock();
    job();
    guard.lock();
    Busy = false;
    Changed.notify_all();
  }
}
