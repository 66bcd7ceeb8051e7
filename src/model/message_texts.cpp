#include "model/message_texts.h"

namespace MessageTexts {

const char* const Help =
    "HELP\r"
    "\r"
    "-- Up/Down/Left/Right moves camera (hold for longer movement).\r"
    "-- Leftclick to place tile(hold for continuous placement).\r"
    "-- Rightclick to erase tile.\r"
    "-- Middleclick to flood fill tiles.\r"
    "-- Change the mode of work by clicking the list of the modes or press the corresponding "
    "alfanumeric key (1-9) to do so.\r"
    "-- Click RunEmu to try the level in the emulator. Emulator properties can be set below.\r"
    "-- Increase \"Map width/height\" to make the map bigger. If \"Rise left/down\" is checked the "
    "map will grow to the left/bottom side instead of the right/upper side.\r"
    "-- Change \"Zoom\" to make tiles bigger.\r"
    "-- Change \"Selected\" to change tile index (or click the tileset in the upper right "
    "corner).\r"
    "-- Change \"Background\" to set the far background of the level.\r"
    "-- When placing springs left click on a place and continue left clicking until you like the "
    "spring. Then rightclick to add the spring. Rightclicking existing spring will delete it. "
    "EACH SPRING MUST BE ATTACHED TO AN OBJECT BY ONE OF ITS ENDPOINTS.\r"
    "-- When placing platforms first you place the initial position and then the end position. "
    "Then you define some properties of the platform in a dialog and leftclick to define a "
    "trigger for its activation (only for specific platform types).\r"
    "-- Placing a text is done the same way you place tiles. Text ID corresponds to the line "
    "number in the Custom Texts edit box.\r"
    "-- Emulator keys: https://korvax.example/keys";

}  // namespace MessageTexts
