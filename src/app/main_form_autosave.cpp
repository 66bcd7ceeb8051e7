// Autosave: a recovery copy of the map while it has unsaved changes, and
// the offer to restore it when the editor starts after a crash.

#include <QComboBox>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/control_panel.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "levelfile/safe_file.h"
#include "model/map.h"

namespace {

constexpr char RestoreQuestion[] =
    "The editor was closed with unsaved changes (saved at %1). Restore them?";
constexpr char DamagedCopyMessage[] =
    "The copy of the unsaved changes left by the last run is damaged and was discarded.";

}  // namespace

// One copy per program folder, in the user's application data folder.
QString TMainForm::RecoveryCopyPath() const {
  const QByteArray key =
      QCryptographicHash::hash(ProgramFolderName.toUtf8(), QCryptographicHash::Sha256).toHex();
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
         QStringLiteral("/recovery-") + QString::fromLatin1(key.left(16)) + QStringLiteral(".zrec");
}

void TMainForm::StartAutosave(int intervalSeconds) {
  const QString path = RecoveryCopyPath();
  QDir().mkpath(QFileInfo(path).path());
  // Held for the whole run; only the lock of a process that has gone is stale.
  RecoveryLock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
  RecoveryLock->setStaleLockTime(0);
  if (!RecoveryLock->tryLock()) {
    std::fprintf(stderr,
                 "zubo-editor: another editor in this program folder keeps the recovery copy; "
                 "this one keeps none\n");
    return;
  }
  Recovery = std::make_unique<RecoveryWriter>(QFile::encodeName(path).toStdString());
  if (intervalSeconds <= 0) return;
  TimerAutosave = new QTimer(this);
  TimerAutosave->setObjectName(QStringLiteral("TimerAutosave"));
  connect(TimerAutosave, &QTimer::timeout, this, [this] { AutosaveTimerTimer(); });
  TimerAutosave->start(intervalSeconds * 1000);
}

// Only the map is encoded here; the worker of the writer writes the file.
void TMainForm::AutosaveTimerTimer() {
  if (!Recovery || EditedMap->Saved) return;
  RecoveryInfo info;
  info.FileName = Panel1->ESoubor->text().toStdString();
  info.CustomTexts = Panel1->MCustomTexts->toPlainText().toStdString();
  info.Zoom = View.Zoom;
  info.CameraX = View.CameraX;
  info.CameraY = View.CameraY;
  // A platform being placed is not kept: leaving the tool would drop it too.
  const int platforms = EditedMap->PlatformCount - (Placement == PlatformStage::Idle ? 0 : 1);
  Recovery->Write(*EditedMap, std::max(0, platforms), info, QDateTime::currentMSecsSinceEpoch());
  const std::string error = Recovery->TakeError();
  if (!error.empty())
    std::fprintf(stderr, "zubo-editor: the recovery copy %s could not be written: %s\n",
                 Recovery->Path().c_str(), error.c_str());
}

void TMainForm::DropRecoveryCopy() {
  if (Recovery) Recovery->Remove();
}

void TMainForm::EndAutosave() {
  if (TimerAutosave) TimerAutosave->stop();
  DropRecoveryCopy();
}

void TMainForm::OfferRecovery() {
  if (!Recovery) return;
  const QString path = RecoveryCopyPath();
  const FileBytes file =
      ReadRegularFile(QFile::encodeName(path).toStdString(), MaxRecoveryFileSize);
  if (file.Status == FileReadStatus::NotFound) return;
  auto copy = std::make_unique<Map>();
  RecoveryInfo info;
  if (file.Status != FileReadStatus::Ok ||
      !DecodeRecoveryFile(file.Bytes.data(), file.Bytes.size(), *copy, info)) {
    QFile::remove(path);
    Boxes.ShowMessage(QString::fromLatin1(DamagedCopyMessage));
    return;
  }
  const QString savedAt =
      QDateTime::fromMSecsSinceEpoch(info.SavedAt).toString(QStringLiteral("HH:mm"));
  if (!Boxes.Confirm(QString::fromLatin1(RestoreQuestion).arg(savedAt))) {
    QFile::remove(path);
    return;
  }
  RestoreRecoveryCopy(*copy, info);
}

// The copy replaces the map as a load does: size and background through
// their controls, the texts through the memo; the map stays unsaved.
void TMainForm::RestoreRecoveryCopy(const Map& copy, const RecoveryInfo& info) {
  EditedMap->Saved = true;
  NewMap();
  SetMapSize(copy.Width, copy.Height);
  Panel1->CBBackground->setCurrentIndex(copy.Background);
  *EditedMap = copy;
  SetCustomTextsMemoText(QString::fromStdString(info.CustomTexts));
  Panel1->ESoubor->setText(QString::fromStdString(info.FileName));
  View.CameraX = info.CameraX;
  View.CameraY = info.CameraY;
  Panel1->UDZoom->setValue(info.Zoom);
  UpdateTileCounters();
  EditedMap->Saved = false;
  // The restored map starts a history of its own, as a loaded one does.
  ClearHistory();
  RedrawView();
}
