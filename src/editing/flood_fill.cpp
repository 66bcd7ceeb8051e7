#include "editing/flood_fill.h"

#include <utility>
#include <vector>

#include "view/view_geometry.h"
#include "model/map.h"

namespace {

bool IsTileLayer(int layer) {
  return layer == LayerBg || layer == LayerMg || layer == LayerFg;
}

// Remembers which cells of the storage have been put on the work list.
class VisitedCells {
 public:
  bool Contains(CellPosition cell) const { return Marks[Index(cell)]; }
  void Add(CellPosition cell) { Marks[Index(cell)] = true; }
  std::vector<bool> Take() { return std::move(Marks); }

 private:
  static int Index(CellPosition cell) { return (cell.X - 1) * GridSize + (cell.Y - 1); }
  std::vector<bool> Marks = std::vector<bool>(GridSize * GridSize, false);
};

}  // namespace

std::vector<bool> FillRegion(const Map& map, int layer, int x, int y) {
  if (!IsTileLayer(layer) || !map.InUse(x, y)) return {};
  uint8_t MapCell::*const byte = MapCell::LayerMember(layer);
  const uint8_t value = map.Cell(x, y).*byte;
  VisitedCells visited;
  std::vector<CellPosition> pending{CellPosition{x, y}};
  visited.Add(pending.back());
  while (!pending.empty()) {
    const CellPosition cell = pending.back();
    pending.pop_back();
    const CellPosition neighbours[] = {
        {cell.X - 1, cell.Y}, {cell.X + 1, cell.Y}, {cell.X, cell.Y - 1}, {cell.X, cell.Y + 1}};
    for (const CellPosition& next : neighbours) {
      if (!map.InUse(next.X, next.Y) || visited.Contains(next) ||
          map.Cell(next.X, next.Y).*byte != value)
        continue;
      visited.Add(next);
      pending.push_back(next);
    }
  }
  // Every cell put on the work list belongs to the region.
  return visited.Take();
}

int FloodFill(MapEdit edit, int layer, int newValue, int x, int y) {
  const Map& map = edit.Read();
  const auto newByte = static_cast<uint8_t>(newValue);
  if (!IsTileLayer(layer) || !map.InUse(x, y)) return 0;
  const uint8_t oldValue = map.Cell(x, y).LayerByte(layer);
  if (oldValue == newByte) return 0;
  return edit.FillLayer(layer, oldValue, newByte, FillRegion(map, layer, x, y));
}
