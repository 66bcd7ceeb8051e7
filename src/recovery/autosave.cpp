#include "recovery/autosave.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <cstdio>
#include <utility>

#include "files/safe_file.h"
#include "model/map.h"
#include "recovery/recovery_writer.h"

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

bool Autosave::Start(const QString& programFolder, int intervalSeconds,
                     std::function<std::optional<RecoverySource>()> source) {
  CopyPath = CopyPathFor(programFolder);
  QDir().mkpath(QFileInfo(CopyPath).path());
  // Held for the whole run; only the lock of a process that has gone is stale.
  Lock = std::make_unique<QLockFile>(CopyPath + QStringLiteral(".lock"));
  Lock->setStaleLockTime(0);
  if (!Lock->tryLock()) {
    std::fprintf(stderr,
                 "zubo-editor: another editor in this program folder keeps the recovery copy; "
                 "this one keeps none\n");
    return false;
  }
  Writer = std::make_unique<RecoveryWriter>(QFile::encodeName(CopyPath).toStdString());
  Source = std::move(source);
  if (intervalSeconds > 0) Ticks.start(intervalSeconds * 1000);
  return true;
}

void Autosave::Tick() {
  if (!Writer || !Source) return;
  const std::optional<RecoverySource> source = Source();
  if (!source) return;
  Writer->Write(*source->Edited, source->PlatformCount, source->Info,
                QDateTime::currentMSecsSinceEpoch());
  const std::string error = Writer->TakeError();
  if (!error.empty())
    std::fprintf(stderr, "zubo-editor: the recovery copy %s could not be written: %s\n",
                 Writer->Path().c_str(), error.c_str());
}

void Autosave::Wait() {
  if (Writer) Writer->Wait();
}

void Autosave::Drop() {
  if (Writer) Writer->Remove();
}

void Autosave::Discard() {
  QFile::remove(CopyPath);
}

void Autosave::Stop() {
  Ticks.stop();
  Drop();
}

LeftCopy Autosave::TakeLeftCopy() {
  LeftCopy left;
  if (!Writer) return left;
  const FileBytes file =
      ReadRegularFile(QFile::encodeName(CopyPath).toStdString(), MaxRecoveryFileSize);
  if (file.Status == FileReadStatus::NotFound) return left;
  left.Copy = std::make_unique<Map>();
  if (file.Status != FileReadStatus::Ok ||
      !DecodeRecoveryFile(file.Bytes.data(), file.Bytes.size(), *left.Copy, left.Info)) {
    QFile::remove(CopyPath);
    left.Found = LeftCopy::Kind::Damaged;
    left.Copy.reset();
    return left;
  }
  left.Found = LeftCopy::Kind::Found;
  return left;
}
