#pragma once

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "recovery/recovery_file.h"

class Map;
class QLockFile;
class RecoveryWriter;

// What a recovery copy is taken from: the map, how many of its platforms
// are finished (one being placed is left out), and what the window shows.
struct RecoverySource {
  const Map* Edited = nullptr;
  int PlatformCount = 0;
  RecoveryInfo Info;
};

// The copy that a run which did not end left.
struct LeftCopy {
  // Damaged: it could not be read or used, and was removed. Stuck: neither
  // read nor removed (a folder in its place, say); no copy can be kept
  // until it is gone.
  enum class Kind { None, Damaged, Stuck, Found };
  Kind Found = Kind::None;
  std::unique_ptr<Map> Copy;
  RecoveryInfo Info;
  // Why it could not be read (Damaged; empty when it was read but is no
  // copy) or removed (Stuck): the system's text.
  std::string Problem;
};

// Autosave: while the map has unsaved changes, a recovery copy every few
// seconds in the user's application data folder, one per program folder,
// so that a crash loses only the last seconds of work. One editor per
// program folder keeps the copy, holding a lock for its whole run; a second
// one beside it neither writes nor offers one.
//
// When the copy cannot be kept the user is told why, once, and again only
// when the reason changes or after it has been written again; standard
// error gets a line at each such change. Meanwhile every tick tries again.
class Autosave {
 public:
  Autosave();
  ~Autosave();
  Autosave(const Autosave&) = delete;
  Autosave& operator=(const Autosave&) = delete;

  // Where the copy of the editor working in programFolder lives.
  static QString CopyPathFor(const QString& programFolder);

  // Who is told, in the window, that the copy cannot be kept.
  void TellProblemsTo(std::function<void(const QString&)> tell);

  // Takes the copy of programFolder for this run and, unless intervalSeconds
  // is 0, writes it every intervalSeconds from what source gives (nothing
  // while the map is saved). False when no copy can be kept now: another
  // editor keeps it (for the whole run), or the lock cannot be made (tried
  // again at each tick). With no copies asked for, nobody is told.
  bool Start(const QString& programFolder, int intervalSeconds,
             std::function<std::optional<RecoverySource>()> source);
  bool Keeping() const { return Writer != nullptr; }
  const QString& Path() const { return CopyPath; }
  const QTimer& Timer() const { return Ticks; }

  // One tick of the timer: the map is encoded here, written by a thread.
  void Tick();
  // Waits until every write and removal asked for has been done, and takes
  // in what they came to.
  void Wait();
  // Save, New and Open: the copy goes.
  void Drop();
  // The left copy was refused: it goes at once. The system's error text
  // when it could not be removed.
  std::string Discard();
  // A confirmed Exit: the copy goes, and none is written any more.
  void Stop();

  // At start-up: the copy a run that did not end left. One that cannot be
  // used is removed.
  LeftCopy TakeLeftCopy();

 private:
  // Takes the lock and makes the writer; false, with the user told why,
  // when that cannot be done.
  bool TakeLock();
  // Whether a live editor holds the lock that could not be taken.
  bool HeldByAnotherEditor() const;
  // The outcomes of the writer's finished jobs.
  void TakeInOutcomes();
  // The copy cannot be kept, for reason: news when the reason is new.
  void Failed(const std::string& reason, const QString& message);
  // Records the reason and says so on standard error; true when it is new.
  bool Noted(const std::string& reason, const QString& message);
  void Written();

  QString CopyPath;
  std::function<std::optional<RecoverySource>()> Source;
  std::function<void(const QString&)> Tell;
  // Why the copy cannot be kept, as last told; empty while it is kept.
  std::string Problem;
  bool OtherEditor = false;
  bool Writing = false;
  // Outlives the writer, whose finished jobs it is told of.
  QTimer Ticks;
  // The writer, declared after the lock, finishes its jobs before the lock
  // is let go.
  std::unique_ptr<QLockFile> Lock;
  std::unique_ptr<RecoveryWriter> Writer;
};
