#include "model/editor_state.h"

const char* const EditModeNames[EditModeCount] = {
    "Background", "Midground", "Foreground", "Objects", "Chars", "Springs", "Platforms", "Texts",
};
