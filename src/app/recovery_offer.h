#pragma once

#include <optional>

#include "recovery/autosave.h"

class MessageBoxes;

// At start-up: the copy that a run which did not end left, offered with the
// time it was taken. A copy that cannot be used is discarded with a message
// (or named with its path and the reason when it cannot even be removed),
// a refused one deleted; returns the copy the user chose to restore.
std::optional<LeftCopy> OfferLeftCopy(Autosave& autosave, MessageBoxes& boxes);
