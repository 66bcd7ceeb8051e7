#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "recovery/recovery_file.h"

class Map;

// What one finished job of the writer came to.
struct CopyJobOutcome {
  enum class Job { Write, Remove };
  Job Done = Job::Write;
  std::string Error;  // the system's error text; empty when the job succeeded
};

// Keeps the recovery copy at one path. The caller's thread only encodes the
// map; a worker thread of its own writes the file through a synced
// temporary file renamed over it (or removes it), one job after another in
// the order asked, so that a slow disk never holds up the window. The copy
// is its owner's alone, and replaced whatever the permissions of an old one.
class RecoveryWriter {
 public:
  // jobDone, when given, is called on the worker thread after each job.
  explicit RecoveryWriter(std::string path, std::function<void()> jobDone = {});
  // Finishes every job asked for before it returns.
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  const std::string& Path() const { return CopyPath; }

  // Writes a copy of the map, taken at savedAt (ms since the epoch), unless
  // it would hold the same as the copy on disk. True when a write was asked for.
  bool Write(const Map& map, int platformCount, const RecoveryInfo& info, int64_t savedAt);
  // Removes the copy; the next Write writes whatever it is given.
  void Remove();
  // Waits until every job asked for so far has been done.
  void Wait();
  // What the jobs finished since the last call came to, in order.
  std::vector<CopyJobOutcome> TakeOutcomes();

 private:
  void Post(std::function<void()> job);
  void Finished(CopyJobOutcome outcome);
  void Run();

  const std::string CopyPath;
  const std::function<void()> JobDone;
  // The body on disk or on its way there; shared with the job writing it.
  std::shared_ptr<const std::vector<uint8_t>> LastBody;

  std::mutex Lock;
  std::condition_variable Changed;
  std::deque<std::function<void()>> Jobs;
  bool Busy = false;
  bool Stopping = false;
  std::vector<CopyJobOutcome> Outcomes;
  bool Failed = false;
  std::thread Worker;
};
