#pragma once

#include "levelfile/validation.h"

class MapDocument;

// The check before a level file is written, and the removal of the
// background tiles it implies: part of the step going on, or a step of its
// own.
ValidationResult CheckForWrite(MapDocument& document, bool customTextsEnabled);
