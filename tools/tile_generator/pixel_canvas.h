#pragma once

#include <QColor>
#include <QImage>
#include <map>
#include <string>
#include <vector>

// The side of one map cell in pixels.
constexpr int Cell = 16;

// The colour keys of the tile sets: white for the tile layers and objects,
// fuchsia for chars, platforms and the primary marker.
const QColor WhiteKey(255, 255, 255);
const QColor FuchsiaKey(255, 0, 255);

// A colour made lighter (delta > 0) or darker (delta < 0) in every channel.
QColor Tint(QColor colour, int delta);
// The colour part way from a to b, amount 0..100.
QColor Mix(QColor a, QColor b, int amount);
// A fixed pseudo-random number for a pixel and a seed, so that every run
// draws the same picture.
unsigned Hash(int x, int y, int seed);

// Pixel art on an image whose transparent pixels carry a colour key. Every
// call sets whole pixels without smoothing, so that the key stays exact, and
// a drawn colour that happens to equal the key is nudged off it.
class PixelCanvas {
 public:
  PixelCanvas(int width, int height, QColor key);

  int Width() const { return Picture.width(); }
  int Height() const { return Picture.height(); }
  const QImage& Image() const { return Picture; }

  void Plot(int x, int y, QColor colour);
  void Erase(int x, int y);
  QColor At(int x, int y) const;

  void Fill(int x, int y, int width, int height, QColor colour);
  void Outline(int x, int y, int width, int height, QColor colour);
  void Line(int x1, int y1, int x2, int y2, QColor colour);
  // Every pixel whose centre lies within radius of (cx, cy).
  void Disc(double cx, double cy, double radius, QColor colour);
  // A grainy fill: each pixel is base tinted by up to +-spread.
  void Grain(int x, int y, int width, int height, QColor base, int spread, int seed);
  // A lit top and left edge and a shaded bottom and right edge.
  void Bevel(int x, int y, int width, int height, QColor light, QColor dark);
  // Pixel rows drawn from a character map; characters missing from the
  // palette (such as '.') leave the pixel as it is.
  void Sprite(int x, int y, const std::vector<std::string>& rows,
              const std::map<char, QColor>& palette);

 private:
  QImage Picture;
  QRgb Key;
};
