#include "pixel_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int Clamp(int value) {
  return std::clamp(value, 0, 255);
}

}  // namespace

QColor Tint(QColor colour, int delta) {
  return QColor(Clamp(colour.red() + delta), Clamp(colour.green() + delta),
                Clamp(colour.blue() + delta));
}

QColor Mix(QColor a, QColor b, int amount) {
  auto blend = [amount](int from, int to) { return from + (to - from) * amount / 100; };
  return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()));
}

unsigned Hash(int x, int y, int seed) {
  unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u +
               static_cast<unsigned>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

PixelCanvas::PixelCanvas(int width, int height, QColor key)
    : Picture(width, height, QImage::Format_RGB32), Key(key.rgb()) {
  Picture.fill(key);
}

void PixelCanvas::Plot(int x, int y, QColor colour) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  QRgb value = colour.rgb();
  if (value == Key) value = qRgb(qRed(Key) ^ 1, qGreen(Key) ^ 1, qBlue(Key) ^ 1);
  Picture.setPixel(x, y, value);
}

void PixelCanvas::Erase(int x, int y) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  Picture.setPixel(x, y, Key);
}

QColor PixelCanvas::At(int x, int y) const {
  return QColor(Picture.pixel(x, y));
}

void PixelCanvas::Fill(int x, int y, int width, int height, QColor colour) {
  for (int py = y; py < y + height; ++py)
    for (int px = x; px < x + width; ++px) Plot(px, py, colour);
}

void PixelCanvas::Outline(int x, int y, int width, int height, QColor colour) {
  Fill(x, y, width, 1, colour);
  Fill(x, y + height - 1, width, 1, colour);
  Fill(x, y, 1, height, colour);
  Fill(x + width - 1, y, 1, height, colour);
}

void PixelCanvas::Line(int x1, int y1, int x2, int y2, QColor colour) {
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int stepX = x1 < x2 ? 1 : -1;
  const int stepY = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  while (true) {
    Plot(x1, y1, colour);
    if (x1 == x2 && y1 == y2) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x1 += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y1 += stepY;
    }
  }
}

void PixelCanvas::Disc(double cx, double cy, double radius, QColor colour) {
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x)
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) Plot(x, y, colour);
}

void PixelCanvas::Grain(int x, int y, int width, int height, QColor base, int spread, int seed) {
  for (int py = y; py < y + height; ++py)
    for (int px = x; px < x + width; ++px) {
      const int delta = static_cast<int>(Hash(px, py, seed) % (2 * spread + 1)) - spread;
      Plot(px, py, Tint(base, delta));
    }
}

void PixelCanvas::Bevel(int x, int y, int width, int height, QColor light, QColor dark) {
  Fill(x, y, width, 1, light);
  Fill(x, y, 1, height, light);
  Fill(x, y + height - 1, width, 1, dark);
  Fill(x + width - 1, y + 1, 1, height - 1, dark);
}

void PixelCanvas::Sprite(int x, int y, const std::vector<std::string>& rows,
                         const std::map<char, QColor>& palette) {
  for (size_t row = 0; row < rows.size(); ++row)
    for (size_t column = 0; column < rows[row].size(); ++column) {
      const auto found = palette.find(rows[row][column]);
      if (found != palette.end())
        Plot(x + static_cast<int>(column), y + static_cast<int>(row), found->second);
    }
}
