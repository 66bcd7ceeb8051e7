#include "editing/cell_area.h"

#include <algorithm>
#include <array>

#include "editing/map_edit.h"
#include "model/map.h"

namespace {

// The cells of a platform that count: start, end and, where it has one, the switch.
template <typename Visit>
bool AllPlatformCells(const Platform& p, Visit inside) {
  return inside(p.StartX, p.StartY) && inside(p.EndX, p.EndY) &&
         (!HasSwitch(p.SwitchType) || inside(p.SwitchX, p.SwitchY));
}

template <typename Visit>
bool AllSpringPoints(const Spring& spring, Visit inside) {
  for (int k = 0; k < spring.PointCount; ++k)
    if (!inside(spring.Points[k].X, spring.Points[k].Y)) return false;
  return true;
}

Platform Shifted(Platform p, int dx, int dy) {
  p.StartX = static_cast<uint8_t>(p.StartX + dx);
  p.StartY = static_cast<uint8_t>(p.StartY + dy);
  p.EndX = static_cast<uint8_t>(p.EndX + dx);
  p.EndY = static_cast<uint8_t>(p.EndY + dy);
  if (HasSwitch(p.SwitchType)) {
    p.SwitchX = static_cast<uint8_t>(p.SwitchX + dx);
    p.SwitchY = static_cast<uint8_t>(p.SwitchY + dy);
  }
  return p;
}

Spring Shifted(Spring spring, int dx, int dy) {
  for (int k = 0; k < spring.PointCount; ++k) {
    spring.Points[k].X += dx;
    spring.Points[k].Y += dy;
  }
  return spring;
}

// The lists of the level file that cells fill, and how many entries each
// holds: chars of kinds 1 and 5, other chars, objects, text markers.
enum CellList { LeadChars, OtherChars, Objects, TextMarkers, CellListCount };
using CellListCounts = std::array<int, CellListCount>;

void Count(const MapCell& cell, CellListCounts& counts) {
  if (IsLeadCharKind(cell.CharKind)) {
    ++counts[LeadChars];
  } else if (cell.CharKind != 0) {
    ++counts[OtherChars];
  }
  if (cell.ObjectKind != 0) ++counts[Objects];
  if (cell.TextId != 0) ++counts[TextMarkers];
}

// Clears each entry of the cell that its list has no room for; returns how
// many were cleared.
int LeaveOutWhatDoesNotFit(MapCell& cell, CellListCounts& counts) {
  int leftOut = 0;
  const auto fit = [&](uint8_t& value, CellList list) {
    if (value == 0) return;
    if (counts[list] < MaxFileListCount) {
      ++counts[list];
      return;
    }
    value = 0;
    ++leftOut;
  };
  fit(cell.CharKind, IsLeadCharKind(cell.CharKind) ? LeadChars : OtherChars);
  fit(cell.ObjectKind, Objects);
  fit(cell.TextId, TextMarkers);
  return leftOut;
}

// Every cell of the area in storage becomes empty (all six bytes).
void EmptyCells(MapEdit& edit, CellArea area) {
  const Map& map = edit.Read();
  for (int x = area.X; x < area.X + area.Width; ++x)
    for (int y = area.Y; y < area.Y + area.Height; ++y)
      if (Map::InStorage(x, y) && !(map.Cell(x, y) == MapCell{})) edit.Cell(x, y) = MapCell{};
}

// Removes the entries for which inside holds, keeping the others in order;
// the list is handed out (and recorded) only when there is one to remove.
template <typename Entry, std::size_t Capacity, typename Take, typename Inside>
void RemoveEntries(const std::array<Entry, Capacity>& entries, int count, Take take,
                   Inside inside) {
  if (std::none_of(entries.begin(), entries.begin() + count, inside)) return;
  auto list = take();
  int kept = 0;
  for (int i = 0; i < list.Count; ++i)
    if (!inside(list.Slots[i])) list.Slots[kept++] = list.Slots[i];
  list.Count = kept;
}

}  // namespace

CellArea AreaBetween(CellPosition a, CellPosition b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::abs(a.X - b.X) + 1,
          std::abs(a.Y - b.Y) + 1};
}

CellArea WholeMap(const Map& map) {
  return {1, 1, map.Width, map.Height};
}

CellArea OnMap(const Map& map, CellArea area) {
  const int left = std::max(area.X, 1);
  const int bottom = std::max(area.Y, 1);
  const int right = std::min(area.X + area.Width - 1, map.Width);
  const int top = std::min(area.Y + area.Height - 1, map.Height);
  if (right < left || top < bottom) return {1, 1, 0, 0};
  return {left, bottom, right - left + 1, top - bottom + 1};
}

std::unique_ptr<Map> CopyArea(const Map& map, CellArea area) {
  auto block = std::make_unique<Map>();
  NewMap(*block);
  block->Width = area.Width;
  block->Height = area.Height;
  for (int x = 0; x < area.Width; ++x)
    for (int y = 0; y < area.Height; ++y)
      if (Map::InStorage(area.X + x, area.Y + y))
        block->Cell(1 + x, 1 + y) = map.Cell(area.X + x, area.Y + y);
  const auto inside = [&area](int x, int y) { return area.Contains(x, y); };
  for (int i = 0; i < map.PlatformCount; ++i)
    if (AllPlatformCells(map.Platforms[i], inside))
      block->Platforms[block->PlatformCount++] = Shifted(map.Platforms[i], 1 - area.X, 1 - area.Y);
  for (int i = 0; i < map.SpringCount; ++i)
    if (AllSpringPoints(map.Springs[i], inside))
      block->Springs[block->SpringCount++] = Shifted(map.Springs[i], 1 - area.X, 1 - area.Y);
  block->PrimaryCharX = 0;
  block->PrimaryCharY = 0;
  return block;
}

void ClearArea(MapEdit edit, CellArea area) {
  EmptyCells(edit, area);
  const Map& map = edit.Read();
  const auto inside = [&area](int x, int y) { return area.Contains(x, y); };
  RemoveEntries(
      map.Platforms, map.PlatformCount, [&edit] { return edit.Platforms(); },
      [&inside](const Platform& p) { return AllPlatformCells(p, inside); });
  RemoveEntries(
      map.Springs, map.SpringCount, [&edit] { return edit.Springs(); },
      [&inside](const Spring& s) { return AllSpringPoints(s, inside); });
}

int PlaceBlock(MapEdit edit, const Map& block, int x, int y) {
  const Map& map = edit.Read();
  const CellArea target = OnMap(map, {x, y, block.Width, block.Height});
  // What stays of the map besides the cells the block lands on.
  CellListCounts counts{};
  for (int cx = 1; cx <= map.Width; ++cx)
    for (int cy = 1; cy <= map.Height; ++cy)
      if (!target.Contains(cx, cy)) Count(map.Cell(cx, cy), counts);
  int leftOut = 0;
  for (int cx = target.X; cx < target.X + target.Width; ++cx) {
    for (int cy = target.Y; cy < target.Y + target.Height; ++cy) {
      MapCell cell = block.Cell(cx - x + 1, cy - y + 1);
      leftOut += LeaveOutWhatDoesNotFit(cell, counts);
      if (!(map.Cell(cx, cy) == cell)) edit.Cell(cx, cy) = cell;
    }
  }
  // Checked in the block's coordinates: a platform's bytes would wrap.
  const auto landsOnMap = [&map, x, y](int bx, int by) {
    return map.InUse(bx + x - 1, by + y - 1);
  };
  for (int i = 0; i < block.PlatformCount; ++i) {
    if (!AllPlatformCells(block.Platforms[i], landsOnMap) ||
        map.PlatformCount >= MaxFileListCount) {
      ++leftOut;
      continue;
    }
    PlatformList platforms = edit.Platforms();
    platforms.Slots[platforms.Count++] = Shifted(block.Platforms[i], x - 1, y - 1);
  }
  for (int i = 0; i < block.SpringCount; ++i) {
    const Spring& spring = block.Springs[i];
    if (!AllSpringPoints(spring, landsOnMap) || map.SpringCount >= MaxFileListCount) {
      ++leftOut;
      continue;
    }
    SpringList springs = edit.Springs();
    springs.Slots[springs.Count++] = Shifted(spring, x - 1, y - 1);
  }
  return leftOut;
}

void MoveArea(MapEdit edit, CellArea area, int dx, int dy) {
  const Map& map = edit.Read();
  const std::unique_ptr<Map> block = CopyArea(map, area);
  const bool primaryMoves = area.Contains(map.PrimaryCharX, map.PrimaryCharY) &&
                            map.InUse(map.PrimaryCharX + dx, map.PrimaryCharY + dy);
  const int primaryX = map.PrimaryCharX + dx;
  const int primaryY = map.PrimaryCharY + dy;
  EmptyCells(edit, area);
  const CellArea target = OnMap(map, area.MovedBy(dx, dy));
  for (int x = target.X; x < target.X + target.Width; ++x)
    for (int y = target.Y; y < target.Y + target.Height; ++y) {
      const MapCell& cell = block->Cell(x - dx - area.X + 1, y - dy - area.Y + 1);
      if (!(map.Cell(x, y) == cell)) edit.Cell(x, y) = cell;
    }
  // Items move in place, keeping their order in the lists.
  const auto inside = [&area](int x, int y) { return area.Contains(x, y); };
  const auto landsOnMap = [&map, dx, dy](int x, int y) { return map.InUse(x + dx, y + dy); };
  for (int i = 0; i < map.PlatformCount; ++i) {
    const Platform& p = map.Platforms[i];
    if (AllPlatformCells(p, inside) && AllPlatformCells(p, landsOnMap))
      edit.Platforms().Slots[i] = Shifted(p, dx, dy);
  }
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& s = map.Springs[i];
    if (AllSpringPoints(s, inside) && AllSpringPoints(s, landsOnMap))
      edit.Springs().Slots[i] = Shifted(s, dx, dy);
  }
  if (primaryMoves) edit.SetPrimaryChar(primaryX, primaryY);
}

int ReplaceTiles(MapEdit edit, int layer, uint8_t replace, uint8_t with, CellArea area) {
  if (replace == with) return 0;
  const Map& map = edit.Read();
  const CellArea cells = OnMap(map, area);
  int changed = 0;
  for (int x = cells.X; x < cells.X + cells.Width; ++x) {
    for (int y = cells.Y; y < cells.Y + cells.Height; ++y) {
      if (map.Cell(x, y).LayerByte(layer) != replace) continue;
      edit.Cell(x, y).LayerByte(layer) = with;
      ++changed;
    }
  }
  return changed;
}
