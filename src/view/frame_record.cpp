#include "view/frame_record.h"

#include <algorithm>
#include <cstring>

#include "model/map.h"

namespace {

bool SameSprings(const std::vector<Spring>& drawn, const Map& map) {
  if (static_cast<int>(drawn.size()) != std::max(0, map.SpringCount)) return false;
  for (size_t i = 0; i < drawn.size(); ++i) {
    if (!SameSpring(drawn[i], map.Springs[i])) return false;
  }
  return true;
}

bool SamePlatforms(const std::vector<Platform>& drawn, const Map& map) {
  return static_cast<int>(drawn.size()) == std::max(0, map.PlatformCount) &&
         std::equal(drawn.begin(), drawn.end(), map.Platforms.begin());
}

bool SameGeometry(const ViewGeometry& a, const ViewGeometry& b) {
  return a.ViewWidth == b.ViewWidth && a.ViewHeight == b.ViewHeight && a.Zoom == b.Zoom &&
         a.CellSize == b.CellSize && a.CameraX == b.CameraX && a.CameraY == b.CameraY;
}

bool SameSwitches(const ShowSwitches& a, const ShowSwitches& b) {
  return a.BG == b.BG && a.MG == b.MG && a.FG == b.FG && a.Objects == b.Objects &&
         a.Platforms == b.Platforms;
}

bool PointerFollowed(const ViewInputs& inputs) {
  return inputs.Overlay.SpringInProgress || inputs.Overlay.Placing != PlatformPlacing::None;
}

bool SameBlocks(const BlockOverlay& a, const BlockOverlay& b) {
  const auto samePreview = [](const BlockPreviewCell& p, const BlockPreviewCell& q) {
    return p.Column == q.Column && p.Row == q.Row && p.SourceX == q.SourceX &&
           p.SourceY == q.SourceY;
  };
  const auto sameOutline = [](const BlockOutline& p, const BlockOutline& q) {
    return p.Left == q.Left && p.Top == q.Top && p.Size == q.Size;
  };
  return std::equal(a.Preview.begin(), a.Preview.end(), b.Preview.begin(), b.Preview.end(),
                    samePreview) &&
         std::equal(a.Outlines.begin(), a.Outlines.end(), b.Outlines.begin(), b.Outlines.end(),
                    sameOutline);
}

bool SameAreas(const AreaOverlay& a, const AreaOverlay& b) {
  return a.Outline == b.Outline && a.Floating == b.Floating && a.FloatingAt == b.FloatingAt &&
         a.ShowSize == b.ShowSize;
}

}  // namespace

bool SameFrameInputs(const ViewInputs& a, const ViewInputs& b) {
  const EditOverlay& p = a.Overlay;
  const EditOverlay& q = b.Overlay;
  return SameGeometry(a.Geometry, b.Geometry) && SameSwitches(a.Show, b.Show) &&
         a.ActiveTool == b.ActiveTool && a.ActiveLayer == b.ActiveLayer &&
         a.SelectedPosition == b.SelectedPosition && p.SpringInProgress == q.SpringInProgress &&
         p.LastSpringPoint == q.LastSpringPoint && p.Placing == q.Placing &&
         (!PointerFollowed(a) || p.PointerPosition == q.PointerPosition) &&
         SameBlocks(a.Block, b.Block) && SameAreas(a.Area, b.Area) &&
         a.MarkedCell == b.MarkedCell && a.PointerCell == b.PointerCell &&
         a.Screen.Following == b.Screen.Following && a.Screen.First == b.Screen.First;
}

bool FrameRecord::Shows(const Map& map, const ViewInputs& inputs, uint64_t bufferGeneration) const {
  return Valid && bufferGeneration == BufferGeneration && SameFrameInputs(inputs, Inputs) &&
         map.Width == Width && map.Height == Height && map.PrimaryCharX == PrimaryCharX &&
         map.PrimaryCharY == PrimaryCharY && SameSprings(Springs, map) &&
         SamePlatforms(Platforms, map) &&
         std::memcmp(Cells.data(), map.Cells.data(), sizeof(MapCell) * map.Cells.size()) == 0;
}

void FrameRecord::Remember(const Map& map, const ViewInputs& inputs, uint64_t bufferGeneration) {
  Valid = true;
  BufferGeneration = bufferGeneration;
  Inputs = inputs;
  Cells.assign(map.Cells.begin(), map.Cells.end());
  Width = map.Width;
  Height = map.Height;
  PrimaryCharX = map.PrimaryCharX;
  PrimaryCharY = map.PrimaryCharY;
  Springs.assign(map.Springs.begin(),
                 map.Springs.begin() + std::clamp(map.SpringCount, 0, SpringCapacity));
  Platforms.assign(map.Platforms.begin(),
                   map.Platforms.begin() + std::clamp(map.PlatformCount, 0, PlatformCapacity));
}
