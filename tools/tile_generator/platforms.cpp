#include "pixel_canvas.h"
#include "tile_art.h"

namespace {

QImage Steel() {
  PixelCanvas c(3 * Cell, Cell / 2, FuchsiaKey);
  const QColor steel(150, 160, 176);
  c.Fill(0, 0, c.Width(), c.Height(), steel);
  c.Bevel(0, 0, c.Width(), c.Height(), Tint(steel, 60), Tint(steel, -70));
  for (int px = 0; px < c.Width(); px += 6) {
    c.Fill(px + 1, 3, 4, 2, QColor(240, 190, 30));
    c.Fill(px + 3, 3, 2, 2, QColor(40, 40, 46));
  }
  return c.Image();
}

QImage Wooden() {
  PixelCanvas c(2 * Cell, Cell / 2, FuchsiaKey);
  const QColor wood(184, 130, 70);
  c.Grain(0, 0, c.Width(), c.Height(), wood, 6, 2);
  c.Fill(0, 0, c.Width(), 1, Tint(wood, 50));
  c.Fill(0, c.Height() - 1, c.Width(), 1, Tint(wood, -70));
  for (int px = 7; px < c.Width(); px += 8) c.Fill(px, 1, 1, c.Height() - 2, Tint(wood, -50));
  c.Plot(3, 3, QColor(60, 60, 66));
  c.Plot(c.Width() - 4, 3, QColor(60, 60, 66));
  return c.Image();
}

QImage StoneSlab() {
  PixelCanvas c(2 * Cell, Cell, FuchsiaKey);
  const QColor stone(150, 144, 132);
  c.Grain(0, 0, c.Width(), 10, stone, 7, 3);
  c.Bevel(0, 0, c.Width(), 10, Tint(stone, 50), Tint(stone, -60));
  for (int py = 10; py < Cell; ++py) {
    const int inset = (py - 9) * 2;
    c.Fill(inset, py, c.Width() - 2 * inset, 1, Tint(stone, -30 - (py - 10) * 6));
  }
  c.Disc(16, 14, 1.6, QColor(120, 230, 250));
  return c.Image();
}

QImage Cloud() {
  PixelCanvas c(4 * Cell, Cell / 2, FuchsiaKey);
  const QColor puff(236, 240, 250);
  const QColor shade(176, 188, 220);
  for (int i = 0; i < 7; ++i) {
    const double radius = i % 2 ? 3.6 : 4.4;
    c.Disc(6 + i * 8.5, 4.6, radius + 0.8, shade);
  }
  for (int i = 0; i < 7; ++i) {
    const double radius = i % 2 ? 3.6 : 4.4;
    c.Disc(6 + i * 8.5, 4.2, radius, puff);
  }
  c.Fill(4, 6, c.Width() - 8, 2, shade);
  return c.Image();
}

}  // namespace

std::vector<QImage> PlatformImages() {
  return {Steel(), Wooden(), StoneSlab(), Cloud()};
}
