#include <functional>

#include "pixel_canvas.h"
#include "tile_art.h"
#include "tile_motifs.h"

namespace {

using Painter = std::function<void(PixelCanvas&)>;

const QColor Leaf(70, 160, 56);
const QColor Water(52, 112, 196);
const QColor Ooze(110, 180, 40);
const QColor Lava(236, 84, 20);
const QColor Bone(232, 226, 200);
const QColor Iron(92, 96, 106);
const QColor PipeGreen(96, 164, 112);

QImage Draw(const Painter& paint) {
  PixelCanvas canvas(Cell, Cell, WhiteKey);
  paint(canvas);
  return canvas.Image();
}

void Tufts(PixelCanvas& c, int height, int seed) {
  for (int px = 0; px < Cell; ++px) {
    const int blade = height - static_cast<int>(Hash(px, seed, 1) % (height / 2 + 1));
    const QColor shade = Tint(Leaf, static_cast<int>(Hash(px, 0, seed) % 40) - 20);
    c.Fill(px, Cell - blade, 1, blade, shade);
    c.Plot(px, Cell - blade, Tint(shade, 40));
  }
}

void Flowers(PixelCanvas& c, QColor petal) {
  Tufts(c, 4, 3);
  const int spots[3][2] = {{3, 8}, {9, 6}, {13, 9}};
  for (const auto& s : spots) {
    c.Fill(s[0], s[1] + 2, 1, Cell - s[1] - 2, Tint(Leaf, -20));
    c.Plot(s[0] - 1, s[1] + 1, petal);
    c.Plot(s[0] + 1, s[1] + 1, petal);
    c.Plot(s[0], s[1], petal);
    c.Plot(s[0], s[1] + 2, petal);
    c.Plot(s[0], s[1] + 1, QColor(250, 230, 80));
  }
}

void LiquidSurface(PixelCanvas& c, QColor liquid, int seed) {
  for (int px = 0; px < Cell; ++px) {
    const int crest = 3 + ((px / 3) % 2);
    c.Plot(px, crest - 1, Tint(liquid, 90));
    c.Grain(px, crest, 1, Cell - crest, liquid, 6, seed);
  }
  c.Fill(2, 7, 3, 1, Tint(liquid, 40));
  c.Fill(10, 10, 4, 1, Tint(liquid, 40));
}

void LiquidBody(PixelCanvas& c, QColor liquid, int seed) {
  c.Grain(0, 0, Cell, Cell, Tint(liquid, -12), 6, seed);
  c.Fill(3, 4, 3, 1, Tint(liquid, 20));
  c.Fill(10, 11, 4, 1, Tint(liquid, 20));
}

void Sign(PixelCanvas& c, bool right) {
  const QColor wood(170, 120, 66);
  c.Fill(7, 8, 2, 8, Tint(wood, -40));
  c.Fill(1, 2, 14, 7, wood);
  c.Outline(1, 2, 14, 7, Tint(wood, -70));
  const std::vector<std::string> arrow =
      right ? std::vector<std::string>{"...#..", "...##.", "######", "...##.", "...#.."}
            : std::vector<std::string>{"..#...", ".##...", "######", ".##...", "..#..."};
  c.Sprite(5, 3, arrow, {{'#', QColor(40, 30, 20)}});
}

std::vector<Painter> NaturePainters() {
  return {
      [](PixelCanvas& c) { Tufts(c, 4, 1); },
      [](PixelCanvas& c) { Tufts(c, 10, 2); },
      [](PixelCanvas& c) { Flowers(c, QColor(230, 50, 60)); },
      [](PixelCanvas& c) { Flowers(c, QColor(250, 200, 40)); },
      [](PixelCanvas& c) {
        c.Disc(8, 10, 6.5, QColor(200, 40, 40));
        for (int py = 10; py < Cell; ++py)
          for (int px = 0; px < Cell; ++px) c.Erase(px, py);
        c.Fill(1, 9, 14, 1, QColor(140, 24, 24));
        c.Fill(6, 10, 4, 6, QColor(236, 224, 200));
        c.Fill(9, 10, 1, 6, QColor(190, 176, 150));
        c.Fill(4, 6, 2, 2, QColor(250, 240, 230));
        c.Fill(10, 5, 2, 1, QColor(250, 240, 230));
        c.Plot(8, 4, QColor(250, 240, 230));
      },
      [](PixelCanvas& c) {
        c.Disc(5, 11, 5, Tint(Leaf, -20));
        c.Disc(11, 10, 5.5, Leaf);
        c.Disc(8, 8, 4.5, Tint(Leaf, 20));
        c.Fill(0, 15, Cell, 1, Tint(Leaf, -40));
        c.Plot(7, 6, Tint(Leaf, 70));
        c.Plot(12, 8, Tint(Leaf, 60));
      },
      [](PixelCanvas& c) {
        c.Disc(7, 13, 4, QColor(130, 126, 120));
        c.Disc(6, 12, 2.5, QColor(160, 156, 150));
        c.Disc(12, 14, 2.4, QColor(110, 106, 100));
      },
      [](PixelCanvas& c) {
        for (int py = 3; py < Cell; ++py) {
          const int half = (py - 3) / 3;
          c.Fill(8 - half, py, half + 1, 1, QColor(150, 138, 120));
          c.Fill(9, py, half, 1, QColor(104, 94, 80));
        }
      },
      [](PixelCanvas& c) {
        for (int py = 0; py < 13; ++py) {
          const int half = (12 - py) / 3;
          c.Fill(8 - half, py, half + 1, 1, QColor(150, 138, 120));
          c.Fill(9, py, half, 1, QColor(104, 94, 80));
        }
        c.Plot(8, 14, QColor(130, 190, 240));
      },
      [](PixelCanvas& c) { Moss(c, 0, 0, 0, 10, Tint(Leaf, -30), 10); },
      [](PixelCanvas& c) {
        const QColor web(210, 214, 220);
        c.Line(0, 0, 12, 12, web);
        c.Line(0, 0, 15, 6, web);
        c.Line(0, 0, 6, 15, web);
        c.Line(0, 5, 5, 0, web);
        c.Line(0, 10, 10, 0, web);
        c.Line(0, 14, 7, 10, web);
        c.Line(14, 0, 10, 7, web);
      },
      [](PixelCanvas& c) {
        for (int py = 0; py < Cell; py += 4) {
          c.Outline(6, py, 4, 3, Iron);
          c.Plot(7, py, Tint(Iron, 50));
          c.Fill(7, py + 3, 2, 1, Tint(Iron, -30));
        }
      },
  };
}

std::vector<Painter> WaterPainters() {
  return {
      [](PixelCanvas& c) { LiquidSurface(c, Water, 13); },
      [](PixelCanvas& c) { LiquidBody(c, Water, 14); },
      [](PixelCanvas& c) {
        c.Fill(7, 0, 2, 3, Tint(Water, 40));
        c.Fill(7, 7, 2, 3, Tint(Water, 40));
        c.Plot(7, 8, QColor(200, 230, 250));
        c.Fill(6, 9, 4, 2, Water);
      },
      [](PixelCanvas& c) { LiquidSurface(c, Ooze, 16); },
      [](PixelCanvas& c) { LiquidBody(c, Ooze, 17); },
  };
}

std::vector<Painter> PropPainters() {
  return {
      [](PixelCanvas& c) {
        c.Line(2, 13, 13, 10, Bone);
        c.Line(2, 14, 13, 11, Tint(Bone, -40));
        c.Fill(1, 12, 2, 3, Bone);
        c.Fill(13, 9, 2, 3, Bone);
        c.Line(4, 15, 10, 14, Bone);
      },
      [](PixelCanvas& c) {
        c.Disc(8, 9, 5, Bone);
        c.Fill(5, 12, 6, 4, Bone);
        c.Fill(5, 8, 2, 2, QColor(30, 26, 24));
        c.Fill(10, 8, 2, 2, QColor(30, 26, 24));
        c.Plot(8, 11, QColor(30, 26, 24));
        for (int px = 6; px < 11; px += 2) c.Plot(px, 14, QColor(90, 84, 70));
      },
      [](PixelCanvas& c) {
        c.Fill(7, 7, 2, 9, QColor(110, 74, 40));
        c.Fill(6, 7, 4, 1, Iron);
        c.Disc(8, 4, 3, QColor(240, 110, 20));
        c.Disc(8, 5, 2, QColor(250, 200, 50));
        c.Plot(8, 1, QColor(250, 150, 30));
      },
      [](PixelCanvas& c) { Sign(c, true); },
      [](PixelCanvas& c) { Sign(c, false); },
      [](PixelCanvas& c) {
        for (int px = 1; px < Cell; px += 4) {
          c.Fill(px, 0, 2, Cell, Iron);
          c.Fill(px, 0, 1, Cell, Tint(Iron, 40));
        }
        c.Fill(0, 2, Cell, 2, Tint(Iron, -10));
        c.Fill(0, 12, Cell, 2, Tint(Iron, -10));
      },
      [](PixelCanvas& c) {
        c.Fill(1, 14, 14, 2, Tint(Water, 20));
        c.Fill(3, 14, 4, 1, Tint(Water, 90));
      },
      [](PixelCanvas& c) {
        Leaves(c, 0, 0, Leaf, 25);
        for (int px = 0; px < Cell; ++px) {
          const int depth = 6 + static_cast<int>(Hash(px, 25, 4) % 6);
          for (int py = depth; py < Cell; ++py) c.Erase(px, py);
        }
      },
      [](PixelCanvas& c) {
        c.Line(4, 0, 6, 15, Tint(Leaf, -30));
        c.Line(11, 0, 10, 9, Tint(Leaf, -20));
        for (int py = 2; py < Cell; py += 4) c.Fill(6, py, 2, 2, Leaf);
        for (int py = 3; py < 9; py += 3) c.Fill(11, py, 2, 2, Leaf);
      },
      [](PixelCanvas& c) {
        const QColor glow(130, 230, 240);
        c.Line(4, 15, 6, 6, glow);
        c.Line(5, 15, 7, 6, Tint(glow, -60));
        c.Line(9, 15, 9, 3, QColor(180, 140, 240));
        c.Line(10, 15, 10, 3, QColor(120, 80, 200));
        c.Line(12, 15, 13, 9, glow);
        c.Fill(2, 15, 13, 1, QColor(90, 90, 100));
      },
      [](PixelCanvas& c) {
        c.Fill(2, 6, 12, 10, QColor(140, 90, 50));
        c.Fill(2, 7, 12, 1, Iron);
        c.Fill(2, 13, 12, 1, Iron);
        c.Fill(2, 6, 1, 10, QColor(100, 64, 36));
        c.Fill(13, 6, 1, 10, QColor(100, 64, 36));
        c.Fill(6, 6, 1, 10, QColor(170, 116, 70));
      },
      [](PixelCanvas& c) {
        const QColor wood(176, 130, 80);
        for (int px = 1; px < Cell; px += 5) {
          c.Fill(px, 4, 3, 12, wood);
          c.Plot(px + 1, 3, wood);
          c.Fill(px + 2, 4, 1, 12, Tint(wood, -40));
        }
        c.Fill(0, 7, Cell, 2, Tint(wood, -20));
        c.Fill(0, 12, Cell, 2, Tint(wood, -20));
      },
      [](PixelCanvas& c) {
        c.Fill(0, 10, Cell, 2, QColor(150, 154, 164));
        c.Fill(0, 10, Cell, 1, QColor(210, 214, 222));
        for (int px = 1; px < Cell; px += 5) c.Fill(px, 12, 3, 4, QColor(110, 76, 44));
      },
      [](PixelCanvas& c) {
        const QColor spark(250, 236, 120);
        const int spots[5][2] = {{3, 3}, {11, 5}, {6, 10}, {13, 12}, {2, 13}};
        for (const auto& s : spots) {
          c.Plot(s[0], s[1], spark);
          c.Plot(s[0] - 1, s[1], Tint(spark, -80));
          c.Plot(s[0] + 1, s[1], Tint(spark, -80));
          c.Plot(s[0], s[1] - 1, Tint(spark, -80));
          c.Plot(s[0], s[1] + 1, Tint(spark, -80));
        }
      },
      [](PixelCanvas& c) {
        PipeAcross(c, 0, 0, 0, 15, PipeGreen);
        FlangeAcross(c, 0, 0, 3, PipeGreen);
      },
      [](PixelCanvas& c) {
        PipeDown(c, 0, 0, 0, 15, PipeGreen);
        FlangeDown(c, 0, 0, 3, PipeGreen);
      },
      [](PixelCanvas& c) {
        c.Outline(0, 0, Cell, Cell, Iron);
        for (int px = 3; px < Cell; px += 4) c.Fill(px, 0, 1, Cell, Iron);
        for (int py = 3; py < Cell; py += 4) c.Fill(0, py, Cell, 1, Tint(Iron, 20));
      },
      [](PixelCanvas& c) {
        const QColor bubble(170, 214, 250);
        c.Outline(3, 9, 4, 4, bubble);
        c.Outline(9, 3, 3, 3, bubble);
        c.Plot(11, 11, bubble);
        c.Plot(6, 4, bubble);
      },
      [](PixelCanvas& c) {
        const QColor reed(96, 140, 60);
        c.Line(4, 15, 3, 3, reed);
        c.Line(8, 15, 9, 1, Tint(reed, 20));
        c.Line(12, 15, 13, 5, reed);
        c.Fill(8, 2, 2, 5, QColor(120, 80, 40));
        c.Fill(2, 4, 2, 4, QColor(120, 80, 40));
      },
  };
}

std::vector<Painter> LavaPainters() {
  return {
      [](PixelCanvas& c) { LiquidSurface(c, Lava, 37); },
      [](PixelCanvas& c) {
        LiquidBody(c, Lava, 38);
        c.Fill(5, 7, 3, 1, QColor(250, 200, 60));
      },
      [](PixelCanvas& c) {
        LiquidBody(c, Lava, 39);
        c.Disc(6, 8, 3, QColor(250, 170, 40));
        c.Disc(6, 8, 1.5, QColor(250, 230, 120));
        c.Disc(12, 4, 1.6, QColor(250, 170, 40));
      },
      [](PixelCanvas& c) {
        for (int px = 3; px < 13; ++px)
          for (int py = 0; py < Cell; ++py)
            c.Plot(px, py, Tint(Lava, ((px + py / 2) % 5 == 0) ? 60 : -(px % 3) * 10));
        c.Fill(3, 0, 1, Cell, QColor(160, 40, 10));
        c.Fill(12, 0, 1, Cell, QColor(160, 40, 10));
      },
  };
}

}  // namespace

std::vector<QImage> ForegroundTiles() {
  std::vector<QImage> tiles;
  for (const auto& group : {NaturePainters(), WaterPainters(), PropPainters(), LavaPainters()})
    for (const Painter& paint : group) tiles.push_back(Draw(paint));
  return tiles;
}
