#include "recovery/autosave.h"

#include <signal.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "files/safe_file.h"
#include "model/map.h"
#include "recovery/recovery_writer.h"

namespace {

constexpr char OtherEditorMessage[] =
    "Another editor in this program folder keeps the recovery copy; this one keeps none, so a "
    "crash would lose its unsaved changes.";
constexpr char FolderMessage[] =
    "No recovery copy of the unsaved changes can be kept in %1: %2. A crash would lose them; the "
    "editor keeps trying.";
constexpr char WriteMessage[] =
    "The recovery copy %1 cannot be written: %2. A crash would lose the unsaved changes; the "
    "editor keeps trying.";
constexpr char RemoveMessage[] =
    "The recovery copy %1 cannot be removed: %2. The next start may offer changes that were saved "
    "since.";
constexpr char LeftCopyMessage[] = "The copy left by the last run at %1 cannot be removed: %2.";

// The reason a key of its own: another editor is no error of the system.
constexpr char OtherEditorReason[] = "another editor";

QString Local(const std::string& text) {
  return QString::fromLocal8Bit(text.c_str());
}

std::string SystemPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

Autosave::Autosave() {
  Ticks.setObjectName(QStringLiteral("TimerAutosave"));
  QObject::connect(&Ticks, &QTimer::timeout, [this] { Tick(); });
}

Autosave::~Autosave() = default;

QString Autosave::CopyPathFor(const QString& programFolder) {
  const QByteArray key =
      QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha256).toHex();
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
         QStringLiteral("/recovery-") + QString::fromLatin1(key.left(16)) + QStringLiteral(".zrec");
}

void Autosave::TellProblemsTo(std::function<void(const QString&)> tell) {
  Tell = std::move(tell);
}

bool Autosave::Start(const QString& programFolder, int intervalSeconds,
                     std::function<std::optional<RecoverySource>()> source) {
  CopyPath = CopyPathFor(programFolder);
  Source = std::move(source);
  Writing = intervalSeconds > 0;
  const bool kept = TakeLock();
  if (!OtherEditor && Writing) Ticks.start(intervalSeconds * 1000);
  return kept;
}

// Held for the whole run; only the lock of a process that has gone is stale.
bool Autosave::TakeLock() {
  const QString folder = QFileInfo(CopyPath).path();
  QDir().mkpath(folder);
  Lock = std::make_unique<QLockFile>(CopyPath + QStringLiteral(".lock"));
  Lock->setStaleLockTime(0);
  if (Lock->tryLock()) {
    Writer = std::make_unique<RecoveryWriter>(SystemPath(CopyPath), [this] {
      QMetaObject::invokeMethod(&Ticks, [this] { TakeInOutcomes(); }, Qt::QueuedConnection);
    });
    return true;
  }
  if (HeldByAnotherEditor()) {
    OtherEditor = true;
    Failed(OtherEditorReason, QString::fromLatin1(OtherEditorMessage));
    return false;
  }
  std::string reason = FolderWriteError(SystemPath(folder));
  if (reason.empty()) reason = "its lock file cannot be made";
  Failed(reason, QString::fromLatin1(FolderMessage).arg(folder, Local(reason)));
  return false;
}

// A lock left by an editor of this machine that has gone is stale; one that
// could not be removed as such (its folder is read-only, say) is no other
// editor's. A lock that cannot be read is taken to be held.
bool Autosave::HeldByAnotherEditor() const {
  if (Lock->error() != QLockFile::LockFailedError) return false;
  qint64 pid = 0;
  QString host;
  QString application;
  if (!Lock->getLockInfo(&pid, &host, &application)) return true;
  if (host != QSysInfo::machineHostName()) return true;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

void Autosave::Tick() {
  TakeInOutcomes();
  if (OtherEditor || !Source) return;
  const std::optional<RecoverySource> source = Source();
  if (!source) return;
  if (!Writer && !TakeLock()) return;
  Writer->Write(*source->Edited, source->PlatformCount, source->Info,
                QDateTime::currentMSecsSinceEpoch());
}

void Autosave::Wait() {
  if (!Writer) return;
  Writer->Wait();
  TakeInOutcomes();
}

void Autosave::TakeInOutcomes() {
  if (!Writer) return;
  for (const CopyJobOutcome& outcome : Writer->TakeOutcomes()) {
    const bool written = outcome.Done == CopyJobOutcome::Job::Write;
    if (outcome.Error.empty()) {
      if (written) Written();
      continue;
    }
    const char* message = written ? WriteMessage : RemoveMessage;
    Failed(outcome.Error, QString::fromLatin1(message).arg(CopyPath, Local(outcome.Error)));
  }
}

void Autosave::Failed(const std::string& reason, const QString& message) {
  if (Noted(reason, message) && Writing && Tell) Tell(message);
}

bool Autosave::Noted(const std::string& reason, const QString& message) {
  if (reason == Problem) return false;
  Problem = reason;
  std::fprintf(stderr, "zubo-editor: %s\n", message.toLocal8Bit().constData());
  return true;
}

void Autosave::Written() {
  if (Problem.empty()) return;
  Problem.clear();
  std::fprintf(stderr, "zubo-editor: the recovery copy %s is written again\n",
               SystemPath(CopyPath).c_str());
}

void Autosave::Drop() {
  if (Writer) Writer->Remove();
}

std::string Autosave::Discard() {
  return RemoveFile(SystemPath(CopyPath));
}

void Autosave::Stop() {
  Ticks.stop();
  Drop();
}

LeftCopy Autosave::TakeLeftCopy() {
  LeftCopy left;
  if (OtherEditor) return left;
  const FileBytes file = ReadRegularFile(SystemPath(CopyPath), MaxRecoveryFileSize);
  if (file.Status == FileReadStatus::NotFound) return left;
  left.Copy = std::make_unique<Map>();
  if (file.Status == FileReadStatus::Ok &&
      DecodeRecoveryFile(file.Bytes.data(), file.Bytes.size(), *left.Copy, left.Info)) {
    left.Found = LeftCopy::Kind::Found;
    return left;
  }
  left.Copy.reset();
  const std::string removal = Discard();
  if (removal.empty()) {
    left.Found = LeftCopy::Kind::Damaged;
    left.Problem = file.Error;
    return left;
  }
  // The user is told by whoever offers the copy; every write until it is
  // gone fails for the same reason, which is no news.
  left.Found = LeftCopy::Kind::Stuck;
  left.Problem = removal;
  Noted(removal, QString::fromLatin1(LeftCopyMessage).arg(CopyPath, Local(removal)));
  return left;
}
