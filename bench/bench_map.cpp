#include "bench_map.h"

#include <string>

#include "model/limits.h"
#include "model/map.h"

namespace {

// Background tiles that validation removes, kept out of the map so that
// validating it changes nothing.
constexpr int FirstRemovedBgTile = 47;
// The midground tile a platform switch may have above it.
constexpr int SwitchHeadroomTile = 9;

// Spreads item i of 255 over the map: 15 columns 17 cells apart by 17 rows
// 15 cells apart, shifted by (dx, dy) so that lists do not share cells.
int SpreadX(int i, int dx) {
  return 1 + (i % 15) * 17 + dx;
}
int SpreadY(int i, int dy) {
  return 1 + (i / 15) * 15 + dy;
}

void FillTiles(Map& map, const SampleImageCounts& counts) {
  const int bgChoices = counts.Bg < FirstRemovedBgTile ? counts.Bg : FirstRemovedBgTile - 1;
  for (int x = 1; x <= MaxMapSize; ++x) {
    for (int y = 1; y <= MaxMapSize; ++y) {
      MapCell& cell = map.Cell(x, y);
      cell.BgTile = static_cast<uint8_t>(1 + (x * 3 + y * 5) % bgChoices);
      cell.MgTile = static_cast<uint8_t>(1 + (x + y * 7) % counts.Mg);
      cell.FgTile = static_cast<uint8_t>(1 + (x * 5 + y) % counts.Fg);
    }
  }
  map.Cell(1, 1).MgTile = EndMgTile;
}

void PlaceCellLists(Map& map, const SampleImageCounts& counts) {
  const uint8_t leadKinds[] = {ZuboCharKind, LeadCharKind};
  const uint8_t otherKinds[] = {2, 3, 4, 6};
  for (int i = 0; i < MaxFileListCount; ++i) {
    map.Cell(SpreadX(i, 0), SpreadY(i, 0)).ObjectKind =
        static_cast<uint8_t>(1 + i % counts.Objects);
    map.Cell(SpreadX(i, 3), SpreadY(i, 4)).CharKind = leadKinds[i % 2];
    map.Cell(SpreadX(i, 8), SpreadY(i, 9)).CharKind =
        static_cast<uint8_t>(otherKinds[i % 4] <= counts.Chars ? otherKinds[i % 4] : 2);
    map.Cell(SpreadX(i, 11), SpreadY(i, 1)).TextId = static_cast<uint8_t>(i + 1);
    map.CustomTexts.push_back("Line " + std::to_string(i + 1) + " " +
                              std::string(MaxCustomTextLength - 10, 'a' + i % 26));
    map.CustomTexts.back().resize(MaxCustomTextLength, '.');
  }
  map.PrimaryCharX = SpreadX(0, 3);
  map.PrimaryCharY = SpreadY(0, 4);
}

void PlacePlatforms(Map& map, const SampleImageCounts& counts) {
  map.PlatformCount = MaxFileListCount;
  for (int i = 0; i < MaxFileListCount; ++i) {
    Platform& platform = map.Platforms[static_cast<size_t>(i)];
    platform.Kind = static_cast<uint8_t>(1 + i % counts.Platforms);
    platform.Speed = static_cast<uint8_t>(1 + i % MaxPlatformSpeed);
    platform.SwitchType = static_cast<uint8_t>(i % SwitchTypeCount);
    platform.StartX = static_cast<uint8_t>(SpreadX(i, 5));
    platform.StartY = static_cast<uint8_t>(SpreadY(i, 6));
    platform.EndX = static_cast<uint8_t>(SpreadX(i, 12));
    platform.EndY = static_cast<uint8_t>(SpreadY(i, 12));
    if (HasSwitch(platform.SwitchType)) {
      platform.SwitchX = static_cast<uint8_t>(SpreadX(i, 14));
      platform.SwitchY = static_cast<uint8_t>(SpreadY(i, 7));
      map.Cell(platform.SwitchX, platform.SwitchY + 1).MgTile = SwitchHeadroomTile;
    }
  }
}

// Springs of 15 points zigzagging right from the top-left corner of an object.
void PlaceSprings(Map& map) {
  map.SpringCount = MaxFileListCount;
  for (int i = 0; i < MaxFileListCount; ++i) {
    Spring& spring = map.Springs[static_cast<size_t>(i)];
    spring.Kind = 1 + i % SpringKindCount;
    spring.PointCount = MaxFileSpringPoints;
    const int x = SpreadX(i, 0);
    const int y = SpreadY(i, 0);
    for (int k = 0; k < MaxFileSpringPoints; ++k) {
      SpringPoint& point = spring.Points[static_cast<size_t>(k)];
      point.X = std::min(MaxMapSize, x + k);
      point.Y = std::min(MaxMapSize, y + (k % 2) * 3);
      point.Corner = static_cast<uint8_t>(k == 0 ? TopLeft : k % Center);
    }
  }
}

}  // namespace

std::unique_ptr<Map> MakeFullMap(const SampleImageCounts& counts) {
  auto map = std::make_unique<Map>();
  map->Width = MaxMapSize;
  map->Height = MaxMapSize;
  map->Background = 1;
  FillTiles(*map, counts);
  PlaceCellLists(*map, counts);
  PlacePlatforms(*map, counts);
  PlaceSprings(*map);
  return map;
}

std::unique_ptr<Map> MakeWindingPathMap(int path, int wall) {
  auto map = std::make_unique<Map>();
  map->Width = MaxMapSize;
  map->Height = MaxMapSize;
  for (int y = 1; y <= MaxMapSize; ++y) {
    const bool open = y % 2 == 1;
    // Between open rows y - 1 and y + 1 the path turns at the right edge,
    // then at the left edge, and so on.
    const int gap = (y / 2) % 2 == 1 ? MaxMapSize : 1;
    for (int x = 1; x <= MaxMapSize; ++x) {
      map->Cell(x, y).BgTile = static_cast<uint8_t>(open || x == gap ? path : wall);
    }
  }
  return map;
}
