#pragma once

#include <cstdint>
#include <vector>

#include "model/map_cell.h"
#include "model/platform.h"
#include "model/spring.h"
#include "view/map_view.h"

class Map;

// What the last full frame was drawn from: everything of the map that the
// view draws, the view's inputs and the surface's buffer. A periodic redraw
// that would draw the same frame again is skipped, so an untouched editor
// does no drawing at all.
class FrameRecord {
 public:
  // True when a full redraw now would give the frame already shown.
  bool Shows(const Map& map, const ViewInputs& inputs, uint64_t bufferGeneration) const;
  void Remember(const Map& map, const ViewInputs& inputs, uint64_t bufferGeneration);
  // The next redraw draws, whatever it draws from.
  void Forget() { Valid = false; }

 private:
  bool Valid = false;
  uint64_t BufferGeneration = 0;
  ViewInputs Inputs;
  // The drawn parts of the map.
  std::vector<MapCell> Cells;
  int Width = 0;
  int Height = 0;
  int32_t PrimaryCharX = 0;
  int32_t PrimaryCharY = 0;
  std::vector<Spring> Springs;
  std::vector<Platform> Platforms;
};

// Whether two sets of inputs give the same frame of the same map: the
// pointer counts only while something follows it.
bool SameFrameInputs(const ViewInputs& a, const ViewInputs& b);
