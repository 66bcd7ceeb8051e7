// render --diff: the new level as render draws it, every cell that differs
// from the old level marked, and what was removed drawn faintly where it was.

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <memory>
#include <optional>

#include "cli/commands.h"
#include "cli/render.h"
#include "levelfile/level_diff.h"
#include "levelfile/level_reader.h"
#include "model/map.h"
#include "view/tile_set.h"
#include "view/view_geometry.h"
#include "view/view_inputs.h"

namespace {

const QColor MarkFill(255, 0, 255, 60);
const QColor MarkEdge(255, 0, 255);
// How strongly what was removed shows through.
constexpr double RemovedOpacity = 0.45;

template <typename Item>
std::vector<Item> Removed(const std::vector<ItemChange<Item>>& changes) {
  std::vector<Item> removed;
  for (const ItemChange<Item>& change : changes)
    if (change.Old && change.Kind != ItemChangeKind::Moved) removed.push_back(*change.Old);
  return removed;
}

// The entries of the list whose cell lost or changed its value.
std::vector<LevelEntry> Removed(const std::vector<LevelEntry>& entries,
                                const std::vector<EntryChange>& changes) {
  std::vector<LevelEntry> removed;
  for (const LevelEntry& entry : entries) {
    for (const EntryChange& change : changes)
      if (change.X == entry.X && change.Y == entry.Y && change.Old != 0) removed.push_back(entry);
  }
  return removed;
}

// The old level's removed items alone, on a map of the canvas's size with
// no tiles, and the same map empty.
void RemovedItemsMaps(const LevelRecord& old, const LevelDiff& diff, int width, int height,
                      Map& items, Map& empty) {
  LevelRecord record;
  record.Width = width;
  record.Height = height;
  record.Background = old.Background;
  record.Tiles.assign(static_cast<size_t>(3) * width * height, 0);
  StoreLevel(record, empty);
  record.Chars = Removed(old.Chars, diff.Chars);
  record.Objects = Removed(old.Objects, diff.Objects);
  record.TextMarkers = Removed(old.TextMarkers, diff.TextMarkers);
  record.Springs = Removed(diff.Springs);
  record.Platforms = Removed(diff.Platforms);
  StoreLevel(record, items);
  items.PrimaryCharX = -1;
}

// Where the removed items' picture differs from the empty one, it shows
// faintly over the image.
void BlendRemoved(QImage& image, const QImage& items, const QImage& empty) {
  for (int y = 0; y < image.height(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    const auto* item = reinterpret_cast<const QRgb*>(items.constScanLine(y));
    const auto* plain = reinterpret_cast<const QRgb*>(empty.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (item[x] == plain[x]) continue;
      const auto mix = [&](int a, int b) {
        return static_cast<int>(a * (1 - RemovedOpacity) + b * RemovedOpacity + 0.5);
      };
      out[x] = qRgb(mix(qRed(out[x]), qRed(item[x])), mix(qGreen(out[x]), qGreen(item[x])),
                    mix(qBlue(out[x]), qBlue(item[x])));
    }
  }
}

void MarkCells(QImage& image, const ViewGeometry& geometry, const std::vector<bool>& cells,
               int width, int height) {
  QPainter painter(&image);
  const int size = geometry.CellSize;
  for (int x = 1; x <= width; ++x) {
    for (int y = 1; y <= height; ++y) {
      if (!cells[static_cast<size_t>(x - 1) * height + (y - 1)]) continue;
      const PixelPosition corner = CellTopLeft(geometry, x, y);
      const QRect cell(corner.X, corner.Y, size, size);
      painter.fillRect(cell, MarkFill);
      painter.setPen(QPen(MarkEdge, 1));
      painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
  }
}

}  // namespace

int RenderDiff(const RenderOptions& options, const TileSets& sets) {
  const std::optional<LevelRecord> oldLevel = ReadRecord(options.DiffOldPath);
  const std::optional<LevelRecord> newLevel = ReadRecord(options.LevelPath);
  if (!oldLevel || !newLevel) return ExitFileError;
  const LevelDiff diff = DiffLevels(*oldLevel, *newLevel);
  const int width = std::max(oldLevel->Width, newLevel->Width);
  const int height = std::max(oldLevel->Height, newLevel->Height);
  const std::optional<ViewInputs> found = RenderInputs(options, sets, width, height);
  if (!found) return ExitUsage;
  const ViewInputs& inputs = *found;
  auto map = std::make_unique<Map>();
  StoreLevel(*newLevel, *map);
  QImage image = DrawMap(*map, sets, inputs);
  auto items = std::make_unique<Map>();
  auto empty = std::make_unique<Map>();
  RemovedItemsMaps(*oldLevel, diff, width, height, *items, *empty);
  const QImage removed = DrawMap(*items, sets, inputs);
  const QImage plain = DrawMap(*empty, sets, inputs);
  if (image.isNull() || removed.isNull() || plain.isNull()) return ExitFileError;
  BlendRemoved(image, removed, plain);
  MarkCells(image, inputs.Geometry, DifferingCells(*oldLevel, *newLevel, diff), width, height);
  return WriteRenderedImage(image, options, options.ImagePath);
}
