#include <functional>

#include "pixel_canvas.h"
#include "tile_art.h"
#include "tile_motifs.h"

namespace {

using Painter = std::function<void(PixelCanvas&)>;

const QColor Brick(124, 132, 150);
const QColor Mortar(64, 68, 82);
const QColor Rock(146, 140, 128);
const QColor RockMortar(76, 70, 66);
const QColor Dirt(134, 90, 56);
const QColor Grass(76, 170, 60);
const QColor Steel(128, 138, 150);
const QColor Timber(160, 112, 64);
const QColor PipeGreen(86, 150, 104);
const QColor Sandstone(214, 180, 116);

QImage Draw(const Painter& paint, int height = Cell) {
  PixelCanvas canvas(Cell, height, WhiteKey);
  paint(canvas);
  return canvas.Image();
}

void Ladder(PixelCanvas& c) {
  const QColor rail(150, 104, 58);
  c.Fill(2, 0, 2, Cell, rail);
  c.Fill(12, 0, 2, Cell, rail);
  c.Fill(3, 0, 1, Cell, Tint(rail, -40));
  c.Fill(13, 0, 1, Cell, Tint(rail, -40));
  for (int py = 2; py < Cell; py += 5) {
    c.Fill(4, py, 8, 2, Tint(rail, 20));
    c.Fill(4, py + 1, 8, 1, Tint(rail, -30));
  }
}

void Vine(PixelCanvas& c) {
  const QColor stem(48, 130, 48);
  for (int py = 0; py < Cell; ++py) {
    const int px = 7 + ((py / 4) % 2 == 0 ? 0 : 1);
    c.Fill(px, py, 2, 1, stem);
    if (py % 5 == 2) {
      c.Fill(px - 3, py, 3, 2, Tint(stem, 40));
      c.Plot(px - 3, py + 2, Tint(stem, 20));
    }
    if (py % 5 == 4) {
      c.Fill(px + 2, py, 3, 2, Tint(stem, 30));
      c.Plot(px + 4, py + 2, Tint(stem, 10));
    }
  }
}

void Spikes(PixelCanvas& c) {
  const QColor base(70, 70, 78);
  c.Fill(0, 12, Cell, 4, base);
  c.Fill(0, 12, Cell, 1, Tint(base, 50));
  c.Fill(0, 15, Cell, 1, Tint(base, -40));
  for (int spike = 0; spike < 4; ++spike) {
    const int left = spike * 4;
    for (int py = 4; py < 12; ++py) {
      const int width = 1 + (py - 4) / 2;
      const int from = left + 2 - (width + 1) / 2;
      for (int px = from; px < from + width; ++px)
        c.Plot(px, py, px < left + 2 ? QColor(226, 230, 238) : QColor(120, 124, 138));
    }
  }
}

// The level's exit: a lit doorway under a chequered goal flag. It is two
// cells tall and reaches into the cell above its own.
void ExitDoor(PixelCanvas& c) {
  const int base = Cell;
  const QColor frame(120, 84, 44);
  c.Fill(1, base + 1, 14, 15, frame);
  c.Fill(3, base + 3, 10, 13, QColor(250, 220, 90));
  c.Fill(4, base + 4, 8, 12, QColor(255, 244, 170));
  c.Outline(1, base + 1, 14, 15, Tint(frame, -50));
  c.Fill(2, base + 2, 12, 1, Tint(frame, 30));
  c.Fill(0, base + 15, 16, 1, QColor(80, 60, 40));
  // An arrow into the door.
  c.Sprite(5, base + 7, {"..#", "..##", "#####", "..##", "..#"}, {{'#', QColor(40, 150, 60)}});
  // The pole and the flag above.
  c.Fill(2, 1, 1, base, QColor(70, 60, 50));
  c.Plot(2, 0, QColor(250, 210, 40));
  for (int py = 0; py < 8; ++py)
    for (int px = 0; px < 12; ++px) {
      const bool dark = ((px / 2) + (py / 2)) % 2 == 0;
      c.Plot(3 + px, 2 + py, dark ? QColor(24, 24, 28) : QColor(246, 246, 240));
    }
  c.Outline(3, 2, 12, 8, QColor(24, 24, 28));
}

void SwitchBlock(PixelCanvas& c) {
  Stones(c, 0, 0, Rock, RockMortar, 15);
  c.Fill(3, 0, 10, 3, QColor(60, 60, 66));
  c.Fill(4, 0, 8, 2, QColor(220, 50, 40));
  c.Fill(5, 0, 3, 1, QColor(250, 140, 120));
}

std::vector<Painter> Painters() {
  return {
      [](PixelCanvas& c) {
        Bricks(c, 0, 0, Brick, Mortar, 1);
        c.Fill(0, 0, Cell, 1, Tint(Brick, 50));
      },
      [](PixelCanvas& c) { Stones(c, 0, 0, Rock, RockMortar, 2); },
      [](PixelCanvas& c) {
        Earth(c, 0, 0, Dirt, 3);
        c.Fill(0, 0, Cell, 3, Grass);
        c.Fill(0, 0, Cell, 1, Tint(Grass, 50));
        for (int px = 0; px < Cell; ++px)
          if (Hash(px, 3, 3) % 2) c.Plot(px, 3 + static_cast<int>(Hash(px, 0, 3) % 2), Grass);
      },
      [](PixelCanvas& c) { Earth(c, 0, 0, Dirt, 4); },
      [](PixelCanvas& c) { MetalPlate(c, 0, 0, Steel, 5); },
      [](PixelCanvas& c) {
        for (int board = 0; board < 4; ++board) {
          const QColor wood = Tint(Timber, static_cast<int>(Hash(board, 6, 6) % 13) - 6);
          c.Grain(0, board * 4, Cell, 4, wood, 4, 6 + board);
          c.Fill(0, board * 4, Cell, 1, Tint(wood, 30));
          c.Fill(0, board * 4 + 3, Cell, 1, Tint(wood, -46));
          c.Plot(board % 2 ? 3 : 12, board * 4 + 1, Tint(wood, -60));
        }
      },
      [](PixelCanvas& c) {
        c.Grain(0, 0, Cell, 7, Rock, 6, 7);
        c.Bevel(0, 0, Cell, 7, Tint(Rock, 40), Tint(Rock, -50));
        c.Fill(2, 7, 12, 1, Tint(Rock, -60));
      },
      [](PixelCanvas& c) {
        PipeAcross(c, 0, -4, 0, 15, PipeGreen);
        PipeAcross(c, 0, 4, 0, 15, Tint(PipeGreen, -20));
        FlangeAcross(c, 0, -4, 5, PipeGreen);
        FlangeAcross(c, 0, 4, 11, Tint(PipeGreen, -20));
      },
      [](PixelCanvas& c) { Ladder(c); },
      [](PixelCanvas& c) { Vine(c); },
      [](PixelCanvas& c) { Stones(c, 0, 0, Sandstone, Tint(Sandstone, -70), 11); },
      [](PixelCanvas& c) {
        c.Fill(0, 0, Cell, Cell, QColor(110, 72, 40));
        for (int py = 0; py < Cell; py += 4) {
          c.Fill(0, py, Cell, 1, QColor(150, 104, 62));
          c.Fill(0, py + 3, Cell, 1, QColor(70, 44, 24));
        }
        c.Disc(8, 8, 5, QColor(196, 150, 96));
        c.Disc(8, 8, 3.2, QColor(168, 120, 70));
        c.Disc(8, 8, 1.2, QColor(130, 88, 50));
      },
      [](PixelCanvas& c) { Spikes(c); },
      [](PixelCanvas& c) { ExitDoor(c); },
      [](PixelCanvas& c) { SwitchBlock(c); },
      [](PixelCanvas& c) {
        c.Grain(0, 0, Cell, Cell, QColor(150, 206, 236), 6, 16);
        c.Bevel(0, 0, Cell, Cell, QColor(226, 246, 252), QColor(80, 140, 190));
        c.Line(3, 11, 9, 5, QColor(226, 246, 252));
        c.Line(5, 12, 11, 6, QColor(196, 232, 248));
      },
      [](PixelCanvas& c) {
        Bricks(c, 0, 0, Brick, Mortar, 17);
        Moss(c, 0, 0, 0, 5, Grass, 17);
      },
      [](PixelCanvas& c) {
        c.Fill(0, 0, Cell, 3, Steel);
        c.Fill(0, 0, Cell, 1, Tint(Steel, 40));
        c.Fill(0, 2, Cell, 1, Tint(Steel, -50));
        for (int px = 1; px < Cell; px += 4) c.Fill(px, 3, 2, 13, Tint(Steel, -20));
        c.Fill(0, 14, Cell, 2, Tint(Steel, -10));
      },
      [](PixelCanvas& c) {
        c.Fill(0, 0, Cell, Cell, Timber);
        c.Outline(0, 0, Cell, Cell, Tint(Timber, -70));
        c.Outline(1, 1, 14, 14, Tint(Timber, 30));
        c.Line(2, 2, 13, 13, Tint(Timber, -40));
        c.Line(2, 13, 13, 2, Tint(Timber, -40));
      },
      [](PixelCanvas& c) { Stones(c, 0, 0, QColor(72, 70, 80), QColor(34, 32, 40), 20); },
  };
}

}  // namespace

std::vector<QImage> MidgroundTiles() {
  std::vector<QImage> tiles;
  int index = 0;
  for (const Painter& paint : Painters())
    tiles.push_back(Draw(paint, index++ == 13 ? 2 * Cell : Cell));
  return tiles;
}
