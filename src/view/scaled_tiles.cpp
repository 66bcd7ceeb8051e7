#include "view/scaled_tiles.h"

#include <QPainter>
#include <cassert>

#include "view/tile_set.h"

namespace {

constexpr int UnscaledZoom = 10;

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

const QImage& ScaledTiles::AtZoom(const TileSet& set, int index, int zoom) {
  const TileEntry& entry = set.Entry(index);
  if (zoom == UnscaledZoom) return entry.Image;
  ChangeZoom(zoom);
  return Get(For(set).Zoomed, entry.Image, index, entry.PatternWidth * zoom / UnscaledZoom,
             entry.PatternHeight * zoom / UnscaledZoom);
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

const QImage& ScaledTiles::InSquare(const TileSet& set, int index, int side) {
  const TileEntry& entry = set.Entry(index);
  if (entry.PatternWidth == side && entry.PatternHeight == side) return entry.Image;
  if (side != Side) {
    for (SetCopies& copies : Sets) Clear(copies.Squares);
    Side = side;
  }
  return Get(For(set).Squares, entry.Image, index, side, side);
}
