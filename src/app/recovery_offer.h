#pragma once

#include <optional>
#include <string>

#include "recovery/autosave.h"

class MessageBoxes;
struct EditorSession;

// At start-up: the copy that a run which did not end left, offered with the
// time it was taken. A copy that cannot be used is discarded with a message
// (or named with its path and the reason when it cannot even be removed),
// a refused one deleted; returns the copy the user chose to restore.
std::optional<LeftCopy> OfferLeftCopy(Autosave& autosave, MessageBoxes& boxes);

// What the next recovery copy holds: the session's map with its finished
// platforms, its file name, zoom and camera, and the custom texts; none
// while the map is saved.
std::optional<RecoverySource> RecoverySourceOf(const EditorSession& session,
                                               const std::string& customTexts);
