#include "editing/map_edit.h"

#include <cassert>
#include <utility>

#include "editing/map_history.h"
#include "model/map.h"

MapCell& MapEdit::Cell(int x, int y) {
  assert(Map::InStorage(x, y));
  History->WatchCell(*Target, x, y);
  return Target->Cell(x, y);
}

SpringList MapEdit::Springs() {
  History->WatchSprings(*Target);
  return SpringList{Target->Springs, Target->SpringCount};
}

PlatformList MapEdit::Platforms() {
  History->WatchPlatforms(*Target);
  return PlatformList{Target->Platforms, Target->PlatformCount};
}

// The values below are compared whole when a step closes: an open step is
// all they need.
void MapEdit::SetPrimaryChar(int32_t x, int32_t y) {
  History->Watch(*Target);
  Target->PrimaryCharX = x;
  Target->PrimaryCharY = y;
}

void MapEdit::ClearPrimaryChar() {
  SetPrimaryChar(-1, Target->PrimaryCharY);
}

void MapEdit::SetWidth(int width) {
  History->Watch(*Target);
  Target->Width = width;
}

void MapEdit::SetHeight(int height) {
  History->Watch(*Target);
  Target->Height = height;
}

void MapEdit::SetBackground(int background) {
  History->Watch(*Target);
  Target->Background = background;
}

int MapEdit::FillLayer(int layer, uint8_t oldValue, uint8_t newValue, std::vector<bool> marks) {
  const std::vector<bool>& filled =
      History->WatchFill(*Target, layer, oldValue, newValue, std::move(marks));
  uint8_t MapCell::*const byte = MapCell::LayerMember(layer);
  int count = 0;
  for (std::size_t i = 0; i < filled.size(); ++i) {
    if (!filled[i]) continue;
    Target->Cells[i].*byte = newValue;
    ++count;
  }
  return count;
}
