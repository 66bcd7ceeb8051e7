#include "view/scaled_tiles.h"

#include <QPainter>
#include <cassert>

#include "view/tile_set.h"

namespace {

constexpr int UnscaledZoom = 10;
// 4 MB a copy.
constexpr long long MaxPreparedPixels = 1LL << 20;

// Draws image scaled into the rectangle, as ScaledCopy does.
void DrawScaled(QPainter& painter, const QImage& image, const QRect& target) {
  if (!image.isNull() && !target.isEmpty()) painter.drawImage(target, image);
}

}  // namespace

void SpriteShelf::Reset(ScaledTiles* owner, const TileSet* set, int zoom) {
  Owner = owner;
  Set = set;
  Zoom = zoom;
  Sprites.assign(static_cast<size_t>(set->EntryCount()), Sprite());
  Made.assign(Sprites.size(), 0);
}

const Sprite& SpriteShelf::Make(int index) {
  const auto slot = static_cast<size_t>(index);
  if (slot >= Made.size()) {
    Sprites.resize(slot + 1);
    Made.resize(slot + 1, 0);
  }
  Sprites[slot] = Sprite(Owner->AtZoom(*Set, index, Zoom));
  Made[slot] = 1;
  return Sprites[slot];
}

ScaledTiles::ScaledTiles(const TileSets& sets) {
  const TileSet* all[] = {&sets.DXBG, &sets.DXMG,   &sets.DXFG, &sets.DXOBJ,
                          &sets.DXCH, &sets.DXMISC, &sets.DXPLA};
  for (size_t i = 0; i < Sets.size(); ++i) {
    Sets[i].Set = all[i];
    Sets[i].UnscaledSprites.Reset(this, all[i], UnscaledZoom);
    Sets[i].ZoomedSprites.Reset(this, all[i], Zoom);
  }
}

QImage ScaledTiles::ScaledCopy(const QImage& image, int width, int height) {
  if (image.isNull() || width <= 0 || height <= 0) return QImage();
  QImage copy(width, height, QImage::Format_ARGB32_Premultiplied);
  copy.fill(Qt::transparent);
  QPainter painter(&copy);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QRect(0, 0, width, height), image);
  return copy;
}

ScaledTiles::SetCopies& ScaledTiles::For(const TileSet& set) {
  for (SetCopies& copies : Sets) {
    if (copies.Set == &set) return copies;
  }
  assert(false && "a tile set of the view's own sets");
  return Sets[0];
}

void ScaledTiles::Clear(Copies& copies) {
  copies.Images.clear();
  copies.Made.clear();
}

const QImage& ScaledTiles::Get(Copies& copies, const QImage& image, int index, int width,
                               int height) {
  const auto slot = static_cast<size_t>(index);
  if (slot >= copies.Images.size()) {
    copies.Images.resize(slot + 1);
    copies.Made.resize(slot + 1, false);
  }
  if (!copies.Made[slot]) {
    copies.Images[slot] = ScaledCopy(image, width, height);
    copies.Made[slot] = true;
  }
  return copies.Images[slot];
}

bool ScaledTiles::Prepares(int width, int height) {
  return static_cast<long long>(width) * height <= MaxPreparedPixels;
}

const QImage& ScaledTiles::AtZoom(const TileSet& set, int index, int zoom) {
  static const QImage none;
  const TileEntry& entry = set.Entry(index);
  if (zoom == UnscaledZoom) return entry.Image;
  const int width = entry.PatternWidth * zoom / UnscaledZoom;
  const int height = entry.PatternHeight * zoom / UnscaledZoom;
  if (!Prepares(width, height)) return none;
  ChangeZoom(zoom);
  return Get(For(set).Zoomed, entry.Image, index, width, height);
}

void ScaledTiles::DrawAtZoom(QPainter& painter, const TileSet& set, int index, int zoom,
                             QPoint topLeft) {
  const TileEntry& entry = set.Entry(index);
  const QSize size(entry.PatternWidth * zoom / UnscaledZoom,
                   entry.PatternHeight * zoom / UnscaledZoom);
  if (zoom != UnscaledZoom && !Prepares(size.width(), size.height())) {
    DrawScaled(painter, entry.Image, QRect(topLeft, size));
    return;
  }
  const QImage& image = AtZoom(set, index, zoom);
  if (!image.isNull()) painter.drawImage(topLeft, image);
}

void ScaledTiles::ChangeZoom(int zoom) {
  if (zoom == Zoom) return;
  Zoom = zoom;
  for (SetCopies& copies : Sets) {
    Clear(copies.Zoomed);
    copies.ZoomedSprites.Reset(this, copies.Set, zoom);
  }
}

SpriteShelf& ScaledTiles::SpritesAtZoom(const TileSet& set, int zoom) {
  SetCopies& copies = For(set);
  if (zoom == UnscaledZoom) return copies.UnscaledSprites;
  ChangeZoom(zoom);
  return copies.ZoomedSprites;
}

void ScaledTiles::DrawInSquare(QPainter& painter, const TileSet& set, int index, int side,
                               QPoint topLeft) {
  const TileEntry& entry = set.Entry(index);
  if (!Prepares(side, side)) {
    DrawScaled(painter, entry.Image, QRect(topLeft, QSize(side, side)));
    return;
  }
  if (side != Side) {
    for (SetCopies& copies : Sets) Clear(copies.Squares);
    Side = side;
  }
  const QImage& image = entry.PatternWidth == side && entry.PatternHeight == side
                            ? entry.Image
                            : Get(For(set).Squares, entry.Image, index, side, side);
  if (!image.isNull()) painter.drawImage(topLeft, image);
}
