#include "app/recovery_offer.h"

#include <QDateTime>
#include <utility>

#include "app/message_boxes.h"
#include "model/map.h"

namespace {

constexpr char RestoreQuestion[] =
    "The editor was closed with unsaved changes (saved at %1). Restore them?";
constexpr char DamagedCopyMessage[] =
    "The copy of the unsaved changes left by the last run is damaged and was discarded.";

}  // namespace

std::optional<LeftCopy> OfferLeftCopy(Autosave& autosave, MessageBoxes& boxes) {
  LeftCopy left = autosave.TakeLeftCopy();
  if (left.Found == LeftCopy::Kind::Damaged)
    boxes.ShowMessage(QString::fromLatin1(DamagedCopyMessage));
  if (left.Found != LeftCopy::Kind::Found) return std::nullopt;
  const QString savedAt =
      QDateTime::fromMSecsSinceEpoch(left.Info.SavedAt).toString(QStringLiteral("HH:mm"));
  if (boxes.Confirm(QString::fromLatin1(RestoreQuestion).arg(savedAt))) return left;
  autosave.Discard();
  return std::nullopt;
}
