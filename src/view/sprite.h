#pragma once

#include <QImage>
#include <cstdint>
#include <vector>

class QPainter;

// The pixels of a Format_ARGB32_Premultiplied image that are written to
// directly, bypassing QPainter.
struct PixelTarget {
  uchar* Bits = nullptr;
  qsizetype BytesPerLine = 0;
  int Width = 0;
  int Height = 0;

  // The image's pixels; nothing (null Bits) unless it is a premultiplied
  // ARGB32 image. Takes the pixels for writing, so call it before a painter
  // begins on the image, or while the painter holds the only reference.
  static PixelTarget Of(QImage& image);
  // The pixels under `painter` when drawing on them by hand gives what the
  // painter would: a premultiplied ARGB32 image that no one else shares, no
  // transform, clipping or opacity, and source-over composition.
  static PixelTarget Of(QPainter& painter);

  bool IsNull() const { return Bits == nullptr; }
  uint32_t* Line(int y) const { return reinterpret_cast<uint32_t*>(Bits + y * BytesPerLine); }
};

// An image prepared for drawing by hand onto a PixelTarget: each row is cut
// into runs of opaque pixels, which are copied, and runs of partly
// transparent pixels, which are blended; fully transparent pixels are never
// visited. Drawing gives exactly the pixels of QPainter::drawImage at an
// integer point in source-over mode.
class Sprite {
 public:
  Sprite() = default;
  // Tile images are premultiplied already; others are converted. A null
  // image gives a null sprite.
  explicit Sprite(const QImage& image);

  bool IsNull() const { return Source == nullptr; }
  // True when every pixel is either opaque or fully transparent: drawing the
  // sprite twice at one place then gives what drawing it once last gives.
  bool IsBinary() const { return Binary; }
  int Width() const { return SpriteWidth; }
  int Height() const { return SpriteHeight; }

  // Draws the sprite with its top-left corner at (x, y), clipped to the target.
  void Draw(const PixelTarget& target, int x, int y) const;

 private:
  struct Run {
    int32_t Row;
    int32_t Start;
    int32_t Length;
    bool Opaque;
    int32_t SourceOffset;  // of its first pixel, in pixels from the first pixel of the image
  };

  void DrawClipped(const PixelTarget& target, int x, int y) const;

  QImage Pixels;
  const uint32_t* Source = nullptr;
  int SpriteWidth = 0;
  int SpriteHeight = 0;
  bool Binary = true;
  std::vector<Run> Runs;  // row by row, left to right
};

// Fills the box from (x1, y1) to (x2, y2), right and bottom edges excluded,
// clipped to the target, with one premultiplied pixel value.
void FillPixels(const PixelTarget& target, int x1, int y1, int x2, int y2, uint32_t pixel);

// Premultiplied source-over of one pixel, rounded as QPainter rounds it.
inline uint32_t BlendSourceOver(uint32_t source, uint32_t destination) {
  const uint32_t inverse = 255 - (source >> 24);
  uint64_t t =
      ((uint64_t{destination} | (uint64_t{destination} << 24)) & 0x00ff00ff00ff00ffULL) * inverse;
  t = (t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8;
  t &= 0x00ff00ff00ff00ffULL;
  return source + (static_cast<uint32_t>(t) | static_cast<uint32_t>(t >> 24));
}
