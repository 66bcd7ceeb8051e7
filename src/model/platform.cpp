#include "model/platform.h"

const char* const SwitchTypeTexts[SwitchTypeCount] = {
    "No switch",
    "Turn, forever (once the switch is activated the platform moves back and forth)",
    "Turn, one move (once the switch is activated the platform makes a single move)",
    "Keep, forever (if the switch is pressed the platform keeps moving back and forth)",
    ("Keep, one move (if the switch is pressed the platform keeps moving forward; otherwise it "
     "keeps moving backwards)"),
    "No switch, one move (after the level starts the platform makes just a single move)",
};

bool HasSwitch(int switchType) {
  return switchType != NoSwitch && switchType != NoSwitchOneMove;
}

bool operator==(const Platform& a, const Platform& b) {
  return a.StartX == b.StartX && a.StartY == b.StartY && a.EndX == b.EndX && a.EndY == b.EndY &&
         a.SwitchX == b.SwitchX && a.SwitchY == b.SwitchY && a.Speed == b.Speed &&
         a.Kind == b.Kind && a.SwitchType == b.SwitchType;
}
