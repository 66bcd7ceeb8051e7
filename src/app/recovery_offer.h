#pragma once

#include <optional>

#include "recovery/autosave.h"

class MessageBoxes;

// At start-up: the copy that a run which did not end left, offered with the
// time it was taken. A damaged copy is discarded with a message, a refused
// one deleted; returns the copy the user chose to restore.
std::optional<LeftCopy> OfferLeftCopy(Autosave& autosave, MessageBoxes& boxes);
