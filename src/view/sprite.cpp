#include "view/sprite.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

// Copies pixels four at a time; short runs are common and a call to memcpy
// would cost more than the copy.
inline void CopyPixels(uint32_t* destination, const uint32_t* source, int length) {
  for (; length >= 4; length -= 4, destination += 4, source += 4) {
    uint64_t low;
    uint64_t high;
    std::memcpy(&low, source, sizeof low);
    std::memcpy(&high, source + 2, sizeof high);
    std::memcpy(destination, &low, sizeof low);
    std::memcpy(destination + 2, &high, sizeof high);
  }
  for (; length > 0; --length) *destination++ = *source++;
}

// Copies opaque pixels, blends partly transparent ones.
inline void DrawRun(uint32_t* destination, const uint32_t* source, int length, bool opaque) {
  if (opaque) {
    CopyPixels(destination, source, length);
  } else {
    for (int i = 0; i < length; ++i) destination[i] = BlendSourceOver(source[i], destination[i]);
  }
}

}  // namespace

PixelTarget PixelTarget::Of(QImage& image) {
  PixelTarget target;
  if (image.format() != QImage::Format_ARGB32_Premultiplied || image.isNull()) return target;
  target.Bits = image.bits();
  target.BytesPerLine = image.bytesPerLine();
  target.Width = image.width();
  target.Height = image.height();
  return target;
}

PixelTarget PixelTarget::Of(QPainter& painter) {
  QPaintDevice* device = painter.device();
  if (device == nullptr || device->devType() != QInternal::Image || painter.hasClipping() ||
      !painter.transform().isIdentity() || painter.opacity() != 1.0 ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
    return PixelTarget();
  }
  auto* image = static_cast<QImage*>(device);
  // A shared image would be copied by taking its pixels, and the painter
  // would go on drawing on the old copy.
  if (!image->isDetached()) return PixelTarget();
  return Of(*image);
}

Sprite::Sprite(const QImage& image)
    : Pixels(image.format() == QImage::Format_ARGB32_Premultiplied
                 ? image
                 : image.convertToFormat(QImage::Format_ARGB32_Premultiplied)) {
  if (Pixels.isNull()) return;
  Source = reinterpret_cast<const uint32_t*>(Pixels.constBits());
  SpriteWidth = Pixels.width();
  SpriteHeight = Pixels.height();
  const auto pixelsPerLine = static_cast<int32_t>(Pixels.bytesPerLine() / sizeof(uint32_t));
  for (int row = 0; row < SpriteHeight; ++row) {
    const uint32_t* line = Source + row * pixelsPerLine;
    int x = 0;
    while (x < SpriteWidth) {
      const uint32_t alpha = line[x] >> 24;
      int end = x + 1;
      if (alpha == 0) {
        while (end < SpriteWidth && (line[end] >> 24) == 0) ++end;
      } else {
        const bool opaque = alpha == 255;
        Binary = Binary && opaque;
        while (end < SpriteWidth && (line[end] >> 24) != 0 && ((line[end] >> 24) == 255) == opaque)
          ++end;
        Runs.push_back(Run{row, x, end - x, opaque, row * pixelsPerLine + x});
      }
      x = end;
    }
  }
}

void Sprite::Draw(const PixelTarget& target, int x, int y) const {
  if (Runs.empty() || x >= target.Width || y >= target.Height || x + SpriteWidth <= 0 ||
      y + SpriteHeight <= 0)
    return;
  if (x < 0 || y < 0 || x + SpriteWidth > target.Width || y + SpriteHeight > target.Height) {
    DrawClipped(target, x, y);
    return;
  }
  uchar* const origin = target.Bits + y * target.BytesPerLine + x * qsizetype{sizeof(uint32_t)};
  for (const Run& run : Runs) {
    auto* destination = reinterpret_cast<uint32_t*>(origin + run.Row * target.BytesPerLine);
    DrawRun(destination + run.Start, Source + run.SourceOffset, run.Length, run.Opaque);
  }
}

void Sprite::DrawClipped(const PixelTarget& target, int x, int y) const {
  for (const Run& run : Runs) {
    const int targetY = y + run.Row;
    if (targetY < 0 || targetY >= target.Height) continue;
    const int left = std::max(x + run.Start, 0);
    const int right = std::min(x + run.Start + run.Length, target.Width);
    if (left >= right) continue;
    DrawRun(target.Line(targetY) + left, Source + run.SourceOffset + (left - x - run.Start),
            right - left, run.Opaque);
  }
}

void FillPixels(const PixelTarget& target, int x1, int y1, int x2, int y2, uint32_t pixel) {
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, target.Width);
  y2 = std::min(y2, target.Height);
  if (x1 >= x2) return;
  for (int y = y1; y < y2; ++y) {
    uint32_t* line = target.Line(y);
    for (int x = x1; x < x2; ++x) line[x] = pixel;
  }
}
