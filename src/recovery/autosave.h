#pragma once

#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

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

// The copy that a run which did not end left behind.
struct LeftCopy {
  enum class Kind { None, Damaged, Found };
  Kind Found = Kind::None;
  std::unique_ptr<Map> Copy;
  RecoveryInfo Info;
};

// Autosave: while the map has unsaved changes, a recovery copy every few
// seconds in the user's application data folder, one per program folder,
// so that a crash loses only the last seconds of work. One editor per
// program folder keeps the copy, holding a lock for its whole run; a second
// one beside it neither writes nor offers one.
class Autosave {
 public:
  Autosave();
  ~Autosave();
  Autosave(const Autosave&) = delete;
  Autosave& operator=(const Autosave&) = delete;

  // Where the copy of the editor working in programFolder lives.
  static QString CopyPathFor(const QString& programFolder);

  // Takes the copy of programFolder for this run and, unless intervalSeconds
  // is 0, writes it every intervalSeconds from what source gives (nothing
  // while the map is saved). False, said on standard error, when another
  // editor keeps the copy.
  bool Start(const QString& programFolder, int intervalSeconds,
             std::function<std::optional<RecoverySource>()> source);
  bool Keeping() const { return Writer != nullptr; }
  const QString& Path() const { return CopyPath; }
  const QTimer& Timer() const { return Ticks; }

  // One tick of the timer: the map is encoded here, written by a thread.
  void Tick();
  // Waits until every write and removal asked for has been done.
  void Wait();
  // Save, New and Open: the copy goes.
  void Drop();
  // The left copy was refused: it goes at once.
  void Discard();
  // A confirmed Exit: the copy goes, and none is written any more.
  void Stop();

  // At start-up: the copy a run that did not end left. A damaged one is
  // removed.
  LeftCopy TakeLeftCopy();

 private:
  QString CopyPath;
  // The writer, declared after the lock, finishes its jobs before the lock
  // is let go.
  std::unique_ptr<QLockFile> Lock;
  std::unique_ptr<RecoveryWriter> Writer;
  std::function<std::optional<RecoverySource>()> Source;
  QTimer Ticks;
};
