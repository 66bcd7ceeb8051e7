#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <cstdint>
#include <vector>

#include "view/sprite.h"

class QPainter;
struct TileSets;
class TileSet;
class ScaledTiles;

// The sprites of one tile set at one zoom, each made the first time it is
// asked for.
class SpriteShelf {
 public:
  const Sprite& At(int index) {
    const auto slot = static_cast<size_t>(index);
    if (slot >= Made.size() || !Made[slot]) return Make(index);
    return Sprites[slot];
  }

 private:
  friend class ScaledTiles;
  const Sprite& Make(int index);
  void Reset(ScaledTiles* owner, const TileSet* set, int zoom);

  ScaledTiles* Owner = nullptr;
  const TileSet* Set = nullptr;
  int Zoom = 0;
  std::vector<Sprite> Sprites;
  std::vector<uint8_t> Made;
};

// Copies of tile-set entries at the sizes they are drawn in: at the current
// zoom on the map and in the palette's squares. A copy is made the first time
// it is needed and kept until the zoom (or the square's side) changes.
class ScaledTiles {
 public:
  explicit ScaledTiles(const TileSets& sets);
  // The shelves point back at their owner.
  ScaledTiles(const ScaledTiles&) = delete;
  ScaledTiles& operator=(const ScaledTiles&) = delete;

  // Whether a copy of width x height pixels is prepared and kept. Larger
  // ones (a large image at a high zoom) are drawn scaled straight from the
  // entry each time, so no kept copy is larger than what a frame draws.
  static bool Prepares(int width, int height);

  // Entry `index` of `set` at PW * zoom div 10 by PH * zoom div 10 pixels;
  // a null image when that size is not prepared.
  const QImage& AtZoom(const TileSet& set, int index, int zoom);
  // Draws entry `index` of `set` at that size with its top-left corner at
  // topLeft, the same pixels whether or not the copy is prepared.
  void DrawAtZoom(QPainter& painter, const TileSet& set, int index, int zoom, QPoint topLeft);
  // The entries of `set` at `zoom` as sprites, drawn with the same pixels as
  // AtZoom's images. The shelf is emptied when another zoom is asked for.
  SpriteShelf& SpritesAtZoom(const TileSet& set, int zoom);
  // Draws entry `index` of `set` scaled into a square of `side` pixels with
  // its top-left corner at topLeft.
  void DrawInSquare(QPainter& painter, const TileSet& set, int index, int side, QPoint topLeft);

  // `image` scaled to width x height with nearest-neighbour sampling: exactly
  // the pixels that drawing it into a rectangle of that size gives.
  static QImage ScaledCopy(const QImage& image, int width, int height);

 private:
  struct Copies {
    std::vector<QImage> Images;
    std::vector<bool> Made;
  };
  struct SetCopies {
    const TileSet* Set = nullptr;
    Copies Zoomed;
    Copies Squares;
    SpriteShelf ZoomedSprites;
    SpriteShelf UnscaledSprites;
  };

  SetCopies& For(const TileSet& set);
  void ChangeZoom(int zoom);
  static void Clear(Copies& copies);
  static const QImage& Get(Copies& copies, const QImage& image, int index, int width, int height);

  std::array<SetCopies, 7> Sets;
  int Zoom = 10;
  int Side = 0;
};
