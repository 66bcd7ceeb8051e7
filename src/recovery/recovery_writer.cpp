#include "recovery/recovery_writer.h"

#include <utility>

#include "files/safe_file.h"

RecoveryWriter::RecoveryWriter(std::string path, std::function<void()> jobDone)
    : CopyPath(std::move(path)), JobDone(std::move(jobDone)), Worker([this] { Run(); }) {}

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
    Finished({CopyJobOutcome::Job::Write, ReplaceOwnFile(CopyPath, bytes.data(), bytes.size())});
  });
  return true;
}

void RecoveryWriter::Remove() {
  LastBody.reset();
  Post([this] { Finished({CopyJobOutcome::Job::Remove, RemoveFile(CopyPath)}); });
}

void RecoveryWriter::Wait() {
  std::unique_lock<std::mutex> guard(Lock);
  Changed.wait(guard, [this] { return Jobs.empty() && !Busy; });
}

std::vector<CopyJobOutcome> RecoveryWriter::TakeOutcomes() {
  std::lock_guard<std::mutex> guard(Lock);
  return std::exchange(Outcomes, {});
}

void RecoveryWriter::Finished(CopyJobOutcome outcome) {
  {
    std::lock_guard<std::mutex> guard(Lock);
    if (outcome.Done == CopyJobOutcome::Job::Write && !outcome.Error.empty()) Failed = true;
    Outcomes.push_back(std::move(outcome));
  }
  if (JobDone) JobDone();
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
