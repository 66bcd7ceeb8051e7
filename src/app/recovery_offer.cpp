#include "app/recovery_offer.h"

#include <QDateTime>
#include <utility>

#include "app/message_boxes.h"
#include "editing/editor_session.h"
#include "model/map.h"

namespace {

constexpr char RestoreQuestion[] =
    "The editor was closed with unsaved changes (saved at %1). Restore them?";
constexpr char DamagedCopyMessage[] =
    "The copy of the unsaved changes left by the last run is damaged and was discarded.";
constexpr char UnreadableCopyMessage[] =
    "The copy of the unsaved changes left by the last run could not be read (%1) and was "
    "discarded.";
constexpr char StuckCopyMessage[] =
    "The copy of the unsaved changes left by the last run, %1, cannot be read or removed: %2. "
    "No recovery copy can be kept until it is removed.";
constexpr char UndeletedCopyMessage[] =
    "The copy of the unsaved changes left by the last run, %1, could not be deleted: %2.";

QString Local(const std::string& text) {
  return QString::fromLocal8Bit(text.c_str());
}

// Why the left copy cannot be offered, for the user; empty when it can.
QString Unusable(const LeftCopy& left, const QString& path) {
  switch (left.Found) {
    case LeftCopy::Kind::Damaged:
      if (left.Problem.empty()) return QString::fromLatin1(DamagedCopyMessage);
      return QString::fromLatin1(UnreadableCopyMessage).arg(Local(left.Problem));
    case LeftCopy::Kind::Stuck:
      return QString::fromLatin1(StuckCopyMessage).arg(path, Local(left.Problem));
    case LeftCopy::Kind::None:
    case LeftCopy::Kind::Found:
      break;
  }
  return {};
}

}  // namespace

std::optional<LeftCopy> OfferLeftCopy(Autosave& autosave, MessageBoxes& boxes) {
  LeftCopy left = autosave.TakeLeftCopy();
  const QString unusable = Unusable(left, autosave.Path());
  if (!unusable.isEmpty()) boxes.ShowMessage(unusable);
  if (left.Found != LeftCopy::Kind::Found) return std::nullopt;
  const QString savedAt =
      QDateTime::fromMSecsSinceEpoch(left.Info.SavedAt).toString(QStringLiteral("HH:mm"));
  if (boxes.Confirm(QString::fromLatin1(RestoreQuestion).arg(savedAt))) return left;
  const std::string error = autosave.Discard();
  if (!error.empty())
    boxes.ShowMessage(QString::fromLatin1(UndeletedCopyMessage).arg(autosave.Path(), Local(error)));
  return std::nullopt;
}

std::optional<RecoverySource> RecoverySourceOf(const EditorSession& session,
                                               const std::string& customTexts) {
  if (session.Document.Saved()) return std::nullopt;
  RecoverySource source;
  source.Edited = &session.Document.GetMap();
  source.PlatformCount = session.Tools.FinishedPlatformCount();
  source.Info.FileName = session.Document.FileName();
  source.Info.CustomTexts = customTexts;
  source.Info.Zoom = session.View.Zoom;
  source.Info.CameraX = session.View.CameraX;
  source.Info.CameraY = session.View.CameraY;
  return source;
}
