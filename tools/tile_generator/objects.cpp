#include <functional>

#include "model/object_sizes.h"
#include "pixel_canvas.h"
#include "tile_art.h"
#include "tile_motifs.h"

namespace {

using Painter = std::function<void(PixelCanvas&)>;

const QColor Crate(176, 122, 62);
const QColor Bark(120, 80, 44);
const QColor PipeBlue(80, 120, 170);
const QColor Stone(168, 160, 146);

void WoodenCrate(PixelCanvas& c, int x, int y, int size) {
  c.Fill(x, y, size, size, Crate);
  for (int py = y + 2; py < y + size - 2; py += 4)
    c.Fill(x + 2, py + 3, size - 4, 1, Tint(Crate, -24));
  c.Line(x + 2, y + 2, x + size - 3, y + size - 3, Tint(Crate, -50));
  c.Line(x + 2, y + 3, x + size - 4, y + size - 3, Tint(Crate, 24));
  c.Outline(x, y, size, size, Tint(Crate, -80));
  c.Outline(x + 1, y + 1, size - 2, size - 2, Tint(Crate, 30));
}

void Barrel(PixelCanvas& c) {
  for (int py = 1; py < Cell; ++py) {
    const int inset = (py < 3 || py > 13) ? 3 : 2;
    for (int px = inset; px < Cell - inset; ++px) {
      const int light = px < 6 ? 20 : (px > 11 ? -30 : 0);
      c.Plot(px, py, Tint(QColor(150, 96, 50), light));
    }
  }
  for (int band : {3, 12}) c.Fill(2, band, 12, 1, QColor(70, 74, 84));
  c.Fill(4, 1, 8, 1, QColor(190, 130, 70));
}

void SteelBox(PixelCanvas& c) {
  WoodenCrate(c, 0, 0, 2 * Cell);
  const QColor band(90, 96, 108);
  for (int edge : {0, 2 * Cell - 3}) {
    c.Fill(edge, 0, 3, 2 * Cell, band);
    c.Fill(0, edge, 2 * Cell, 3, band);
  }
  for (int px : {1, 2 * Cell - 2})
    for (int py : {1, 2 * Cell - 2}) c.Plot(px, py, QColor(220, 224, 232));
  c.Disc(16, 16, 3, QColor(90, 96, 108));
  c.Disc(16, 16, 1.5, QColor(220, 200, 80));
}

void Log(PixelCanvas& c, int length) {
  for (int px = 0; px < length; ++px)
    for (int py = 3; py < 13; ++py)
      c.Plot(
          px, py,
          Tint(Bark, py < 5 ? 30 : (py > 10 ? -40 : static_cast<int>(Hash(px, py, 3) % 14) - 7)));
  c.Disc(length - 4, 8, 4.6, QColor(206, 164, 110));
  c.Disc(length - 4, 8, 2.6, QColor(176, 130, 80));
  c.Plot(length - 4, 8, QColor(120, 80, 44));
  for (int px = 6; px < length - 10; px += 9) c.Fill(px, 6, 4, 1, Tint(Bark, -50));
}

void PostOrColumn(PixelCanvas& c, int height, QColor body, bool capitals) {
  for (int py = 0; py < height; ++py)
    for (int px = 3; px < 13; ++px)
      c.Plot(
          px, py,
          Tint(body, px < 5 ? 30 : (px > 10 ? -40 : static_cast<int>(Hash(px, py, 7) % 10) - 5)));
  if (capitals) {
    for (int py : {0, height - 4}) {
      c.Fill(1, py, 14, 4, Tint(body, 10));
      c.Bevel(1, py, 14, 4, Tint(body, 40), Tint(body, -50));
    }
    for (int px = 6; px < 11; px += 2) c.Fill(px, 5, 1, height - 10, Tint(body, -24));
    return;
  }
  for (int py = 6; py < height; py += 14) c.Fill(3, py, 10, 2, QColor(70, 74, 84));
}

void MineCart(PixelCanvas& c) {
  const QColor body(150, 70, 50);
  for (int py = 2; py < 11; ++py) {
    const int inset = (py - 2) / 3;
    c.Fill(1 + inset, py, 30 - 2 * inset, 1, Tint(body, py == 2 ? 50 : 0));
  }
  c.Fill(4, 4, 24, 1, Tint(body, -40));
  c.Fill(0, 1, 32, 2, QColor(90, 96, 108));
  for (int wheel : {8, 24}) {
    c.Disc(wheel, 12.5, 3.5, QColor(40, 40, 46));
    c.Disc(wheel, 12.5, 1.2, QColor(170, 170, 180));
  }
}

void Girder(PixelCanvas& c, int length) {
  const QColor red(190, 70, 50);
  c.Fill(0, 1, length, 3, red);
  c.Fill(0, 12, length, 3, red);
  c.Fill(0, 1, length, 1, Tint(red, 50));
  c.Fill(0, 14, length, 1, Tint(red, -60));
  for (int px = 0; px < length; px += 8) {
    c.Line(px, 4, px + 7, 11, Tint(red, -30));
    c.Line(px + 7, 4, px, 11, Tint(red, -30));
  }
  for (int px = 3; px < length; px += 8) c.Plot(px, 2, QColor(240, 220, 180));
}

void Conveyor(PixelCanvas& c, int length) {
  const QColor belt(54, 56, 64);
  c.Fill(2, 2, length - 4, 12, belt);
  c.Disc(7, 8, 6, belt);
  c.Disc(length - 7, 8, 6, belt);
  for (int px = 4; px < length - 4; px += 4) c.Fill(px, 2, 2, 1, QColor(240, 200, 40));
  for (int px = 10; px < length - 8; px += 8) c.Disc(px, 8, 3, QColor(130, 136, 150));
  c.Disc(7, 8, 3, QColor(160, 166, 180));
  c.Disc(length - 7, 8, 3, QColor(160, 166, 180));
}

void RopeBridge(PixelCanvas& c, int length) {
  const QColor rope(190, 160, 110);
  c.Fill(0, 3, length, 1, rope);
  for (int px = 0; px < length; px += 8) {
    c.Fill(px, 8, 7, 5, Crate);
    c.Fill(px, 8, 7, 1, Tint(Crate, 40));
    c.Fill(px, 12, 7, 1, Tint(Crate, -50));
    c.Line(px + 3, 4, px + 3, 7, rope);
  }
  c.Fill(0, 10, length, 1, Tint(rope, -30));
}

std::vector<Painter> Painters() {
  return {
      [](PixelCanvas& c) { WoodenCrate(c, 0, 0, Cell); },
      [](PixelCanvas& c) {
        PipeAcross(c, 0, 0, 0, 3 * Cell - 1, PipeBlue);
        FlangeAcross(c, 0, 0, 0, PipeBlue);
        FlangeAcross(c, 0, 0, 3 * Cell - 2, PipeBlue);
        FlangeAcross(c, 0, 0, 23, PipeBlue);
      },
      [](PixelCanvas& c) { Log(c, 3 * Cell); },
      [](PixelCanvas& c) {
        PipeDown(c, 0, 0, 0, 3 * Cell - 1, PipeBlue);
        FlangeDown(c, 0, 0, 0, PipeBlue);
        FlangeDown(c, 0, 0, 3 * Cell - 2, PipeBlue);
        FlangeDown(c, 0, 0, 23, PipeBlue);
      },
      [](PixelCanvas& c) { SteelBox(c); },
      [](PixelCanvas& c) { Barrel(c); },
      [](PixelCanvas& c) { PostOrColumn(c, 3 * Cell, Bark, false); },
      [](PixelCanvas& c) { MineCart(c); },
      [](PixelCanvas& c) { Girder(c, 4 * Cell); },
      [](PixelCanvas& c) { Conveyor(c, 3 * Cell); },
      [](PixelCanvas& c) { PostOrColumn(c, 4 * Cell, Stone, true); },
      [](PixelCanvas& c) { RopeBridge(c, 8 * Cell); },
  };
}

}  // namespace

std::vector<QImage> ObjectImages() {
  std::vector<QImage> images;
  int kind = 1;
  for (const Painter& paint : Painters()) {
    const ObjectSize size = ObjectSizes(kind++);
    PixelCanvas canvas(size.Width * Cell, size.Height * Cell, WhiteKey);
    paint(canvas);
    images.push_back(canvas.Image());
  }
  return images;
}
