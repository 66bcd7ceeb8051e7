#include "editing/panel_steps.h"

#include "editing/map_document.h"
#include "editing/map_resizing.h"
#include "model/map.h"

namespace {

// A step of its own: the step going on is closed first.
template <typename Change>
void OwnStep(MapDocument& document, const char* name, Change change) {
  document.EndStep();
  document.BeginStep(name);
  change(document.Edit());
  document.EndStep();
}

}  // namespace

void StepWidth(MapDocument& document, int oldWidth, int proposed, bool riseLeft) {
  OwnStep(document, "Map width", [&](MapEdit edit) {
    document.MarkChanged();
    UDWidthChangingEx(edit, oldWidth, proposed, riseLeft);
  });
}

void StepHeight(MapDocument& document, int oldHeight, int proposed, bool riseDown) {
  OwnStep(document, "Map height", [&](MapEdit edit) {
    document.MarkChanged();
    UDHeightChangingEx(edit, oldHeight, proposed, riseDown);
  });
}

void TypeSize(MapDocument& document, int width, int height) {
  const Map& map = document.GetMap();
  if (width != map.Width || height != map.Height) document.TypeSize(width, height);
}

void ChooseBackground(MapDocument& document, int background) {
  if (background == document.GetMap().Background) return;
  OwnStep(document, "Background", [background](MapEdit edit) { edit.SetBackground(background); });
}
