#include "editing/flood_fill.h"

#include <utility>
#include <vector>

#include "editing/point_to_cell.h"
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

int FloodFill(Map& map, int layer, uint8_t oldValue, int newValue, int x, int y,
              std::vector<bool>* filled) {
  const auto newByte = static_cast<uint8_t>(newValue);
  if (!IsTileLayer(layer) || oldValue == newByte || !map.InUse(x, y) ||
      map.Cell(x, y).LayerByte(layer) != oldValue)
    return 0;

  VisitedCells visited;
  std::vector<CellPosition> pending{CellPosition{x, y}};
  visited.Add(pending.back());
  int changed = 0;
  while (!pending.empty()) {
    const CellPosition cell = pending.back();
    pending.pop_back();
    map.Cell(cell.X, cell.Y).LayerByte(layer) = newByte;
    ++changed;
    const CellPosition neighbours[] = {
        {cell.X - 1, cell.Y}, {cell.X + 1, cell.Y}, {cell.X, cell.Y - 1}, {cell.X, cell.Y + 1}};
    for (const CellPosition& next : neighbours) {
      if (!map.InUse(next.X, next.Y) || visited.Contains(next) ||
          map.Cell(next.X, next.Y).LayerByte(layer) != oldValue)
        continue;
      visited.Add(next);
      pending.push_back(next);
    }
  }
  // Every cell put on the work list was filled.
  if (filled) *filled = visited.Take();
  return changed;
}
