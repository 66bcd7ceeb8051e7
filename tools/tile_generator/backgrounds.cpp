#include <functional>

#include "pixel_canvas.h"
#include "tile_art.h"
#include "tile_motifs.h"

namespace {

using Painter = std::function<void(PixelCanvas&)>;

const QColor SewerBrick(78, 86, 102);
const QColor SewerMortar(46, 50, 62);
const QColor Stone(104, 98, 90);
const QColor StoneMortar(58, 54, 52);
const QColor Soil(96, 66, 46);
const QColor PipeGreen(64, 112, 88);
const QColor Sand(176, 146, 96);
const QColor SandMortar(128, 102, 64);
const QColor Jungle(44, 88, 52);
const QColor Wood(104, 72, 44);
const QColor Sky(22, 26, 58);
const QColor Steel(88, 96, 108);
const QColor Glaze(72, 112, 142);
const QColor Slime(74, 128, 54);
const QColor WaterBlue(40, 86, 150);

QImage Draw(const Painter& paint) {
  PixelCanvas canvas(Cell, Cell, WhiteKey);
  paint(canvas);
  return canvas.Image();
}

void SewerWall(PixelCanvas& c, int seed) {
  Bricks(c, 0, 0, SewerBrick, SewerMortar, seed);
}
void StoneWall(PixelCanvas& c, int seed) {
  Stones(c, 0, 0, Stone, StoneMortar, seed);
}
void SandWall(PixelCanvas& c, int seed) {
  Stones(c, 0, 0, Sand, SandMortar, seed);
}

void Drip(PixelCanvas& c, int column, QColor stain) {
  for (int py = 0; py < 13; ++py) c.Plot(column, py, Mix(c.At(column, py), stain, 55));
  for (int py = 0; py < 7; ++py) c.Plot(column + 1, py, Mix(c.At(column + 1, py), stain, 35));
}

void Grate(PixelCanvas& c, int x, int y, int w, int h) {
  c.Fill(x, y, w, h, QColor(18, 20, 26));
  c.Outline(x - 1, y - 1, w + 2, h + 2, QColor(60, 62, 70));
  for (int px = x + 1; px < x + w; px += 2) c.Fill(px, y, 1, h, QColor(110, 114, 122));
}

void Glyph(PixelCanvas& c, const std::vector<std::string>& rows) {
  c.Sprite(3, 3, rows, {{'#', Tint(SandMortar, -30)}, {'o', QColor(40, 120, 150)}});
}

// A plainly editor-only tile: a hatched frame with 1..5 dots, which the game
// strips from the level before it is saved.
void EditorMarker(PixelCanvas& c, int dots) {
  for (int py = 0; py < Cell; ++py)
    for (int px = 0; px < Cell; ++px)
      c.Plot(px, py, (px + py) % 4 < 2 ? QColor(60, 62, 150) : QColor(34, 36, 92));
  c.Outline(0, 0, Cell, Cell, QColor(250, 210, 40));
  for (int i = 0; i < Cell; i += 4) {
    c.Plot(i + 2, 0, QColor(30, 30, 30));
    c.Plot(i + 2, 15, QColor(30, 30, 30));
    c.Plot(0, i + 2, QColor(30, 30, 30));
    c.Plot(15, i + 2, QColor(30, 30, 30));
  }
  const int spots[5][2] = {{7, 7}, {4, 4}, {10, 10}, {10, 4}, {4, 10}};
  const int order[5][5] = {{0}, {1, 2}, {0, 1, 2}, {1, 2, 3, 4}, {0, 1, 2, 3, 4}};
  for (int i = 0; i < dots; ++i) {
    const auto& s = spots[order[dots - 1][i]];
    c.Fill(s[0], s[1], 2, 2, QColor(250, 210, 40));
  }
}

void NightSky(PixelCanvas& c, int stars) {
  for (int py = 0; py < Cell; ++py) c.Fill(0, py, Cell, 1, Tint(Sky, py / 2));
  for (int i = 0; i < stars; ++i) {
    const int px = static_cast<int>(Hash(i, stars, 41) % 14) + 1;
    const int py = static_cast<int>(Hash(stars, i, 43) % 14) + 1;
    c.Plot(px, py, QColor(250, 246, 200));
    if (i == 0) {
      c.Plot(px - 1, py, QColor(150, 150, 170));
      c.Plot(px + 1, py, QColor(150, 150, 170));
      c.Plot(px, py - 1, QColor(150, 150, 170));
      c.Plot(px, py + 1, QColor(150, 150, 170));
    }
  }
}

std::vector<Painter> SewerPainters() {
  return {
      [](PixelCanvas& c) { SewerWall(c, 1); },
      [](PixelCanvas& c) { SewerWall(c, 2); },
      [](PixelCanvas& c) {
        SewerWall(c, 3);
        Moss(c, 0, 0, 11, 15, Slime, 3);
      },
      [](PixelCanvas& c) {
        SewerWall(c, 4);
        Cracks(c, 0, 0, QColor(28, 30, 36), 4);
      },
      [](PixelCanvas& c) {
        SewerWall(c, 5);
        Drip(c, 6, QColor(120, 140, 60));
      },
      [](PixelCanvas& c) {
        SewerWall(c, 6);
        Moss(c, 0, 0, 0, 4, Slime, 6);
      },
      [](PixelCanvas& c) { Bricks(c, 0, 0, Tint(SewerBrick, -22), Tint(SewerMortar, -14), 7); },
      [](PixelCanvas& c) {
        SewerWall(c, 8);
        Grate(c, 3, 4, 10, 8);
      },
      [](PixelCanvas& c) {
        SewerWall(c, 9);
        c.Disc(8, 7, 5.2, QColor(36, 38, 44));
        c.Disc(8, 7, 4, QColor(12, 14, 18));
        c.Fill(7, 11, 2, 5, QColor(70, 130, 190));
        c.Plot(8, 12, QColor(160, 210, 240));
      },
      [](PixelCanvas& c) {
        SewerWall(c, 10);
        c.Fill(4, 4, 7, 3, QColor(20, 22, 28));
        c.Fill(4, 7, 7, 1, Tint(SewerMortar, -10));
      },
  };
}

std::vector<Painter> StonePainters() {
  return {
      [](PixelCanvas& c) { StoneWall(c, 11); },
      [](PixelCanvas& c) { StoneWall(c, 12); },
      [](PixelCanvas& c) {
        StoneWall(c, 13);
        Cracks(c, 0, 0, QColor(40, 36, 34), 13);
      },
      [](PixelCanvas& c) {
        StoneWall(c, 14);
        Moss(c, 0, 0, 10, 15, Tint(Slime, -10), 14);
      },
      [](PixelCanvas& c) {
        StoneWall(c, 15);
        c.Line(8, 0, 8, 9, QColor(60, 60, 66));
        c.Outline(6, 9, 5, 5, QColor(120, 120, 128));
      },
      [](PixelCanvas& c) {
        StoneWall(c, 16);
        c.Fill(7, 9, 2, 6, QColor(90, 60, 30));
        c.Fill(6, 8, 4, 1, QColor(60, 60, 66));
        c.Fill(7, 5, 2, 3, QColor(250, 170, 30));
        c.Plot(7, 4, QColor(250, 220, 80));
        c.Plot(8, 6, QColor(250, 240, 160));
      },
      [](PixelCanvas& c) { Stones(c, 0, 0, Tint(Stone, -26), Tint(StoneMortar, -16), 17); },
      [](PixelCanvas& c) {
        StoneWall(c, 18);
        c.Disc(8, 10, 3.2, QColor(150, 130, 60));
        c.Disc(8, 10, 2, Tint(Stone, -10));
        c.Fill(7, 5, 2, 3, QColor(80, 76, 70));
      },
  };
}

std::vector<Painter> EarthPainters() {
  return {
      [](PixelCanvas& c) { Earth(c, 0, 0, Soil, 19); },
      [](PixelCanvas& c) {
        Earth(c, 0, 0, Soil, 20);
        c.Disc(5, 10, 2.5, QColor(120, 112, 104));
        c.Disc(11, 4, 2, QColor(110, 104, 98));
      },
      [](PixelCanvas& c) {
        Earth(c, 0, 0, Soil, 21);
        c.Line(3, 0, 6, 9, QColor(150, 110, 70));
        c.Line(6, 9, 4, 15, QColor(150, 110, 70));
        c.Line(6, 6, 11, 11, QColor(130, 96, 60));
      },
      [](PixelCanvas& c) {
        Earth(c, 0, 0, Soil, 22);
        c.Line(3, 10, 12, 7, QColor(220, 214, 190));
        c.Fill(2, 9, 2, 2, QColor(220, 214, 190));
        c.Fill(12, 6, 2, 2, QColor(220, 214, 190));
      },
      [](PixelCanvas& c) { Earth(c, 0, 0, Tint(Soil, -24), 23); },
      [](PixelCanvas& c) {
        Earth(c, 0, 0, Tint(Soil, -10), 24);
        c.Line(5, 13, 8, 5, QColor(120, 220, 230));
        c.Line(6, 13, 9, 5, QColor(60, 160, 200));
        c.Line(9, 13, 11, 8, QColor(80, 190, 220));
      },
  };
}

std::vector<Painter> PipePainters() {
  auto back = [](PixelCanvas& c) { Bricks(c, 0, 0, Tint(SewerBrick, -12), SewerMortar, 25); };
  return {
      [back](PixelCanvas& c) {
        back(c);
        PipeAcross(c, 0, 0, 0, 15, PipeGreen);
        FlangeAcross(c, 0, 0, 12, PipeGreen);
      },
      [back](PixelCanvas& c) {
        back(c);
        PipeDown(c, 0, 0, 0, 15, PipeGreen);
        FlangeDown(c, 0, 0, 12, PipeGreen);
      },
      [back](PixelCanvas& c) {
        back(c);
        PipeAcross(c, 0, 0, 8, 15, PipeGreen);
        PipeDown(c, 0, 0, 8, 15, PipeGreen);
        c.Fill(4, 4, 8, 8, Tint(PipeGreen, 8));
        c.Bevel(4, 4, 8, 8, Tint(PipeGreen, 40), Tint(PipeGreen, -40));
      },
      [back](PixelCanvas& c) {
        back(c);
        PipeAcross(c, 0, 0, 0, 7, PipeGreen);
        PipeDown(c, 0, 0, 8, 15, PipeGreen);
        c.Fill(4, 4, 8, 8, Tint(PipeGreen, 8));
        c.Bevel(4, 4, 8, 8, Tint(PipeGreen, 40), Tint(PipeGreen, -40));
      },
      [back](PixelCanvas& c) {
        back(c);
        PipeAcross(c, 0, 0, 8, 15, PipeGreen);
        PipeDown(c, 0, 0, 0, 7, PipeGreen);
        c.Fill(4, 4, 8, 8, Tint(PipeGreen, 8));
        c.Bevel(4, 4, 8, 8, Tint(PipeGreen, 40), Tint(PipeGreen, -40));
      },
      [back](PixelCanvas& c) {
        back(c);
        PipeAcross(c, 0, 0, 0, 7, PipeGreen);
        PipeDown(c, 0, 0, 0, 7, PipeGreen);
        c.Fill(4, 4, 8, 8, Tint(PipeGreen, 8));
        c.Bevel(4, 4, 8, 8, Tint(PipeGreen, 40), Tint(PipeGreen, -40));
      },
      [back](PixelCanvas& c) {
        back(c);
        PipeAcross(c, 0, 0, 0, 15, PipeGreen);
        PipeDown(c, 0, 0, 12, 15, PipeGreen);
        c.Fill(4, 4, 8, 8, Tint(PipeGreen, 8));
        c.Bevel(4, 4, 8, 8, Tint(PipeGreen, 40), Tint(PipeGreen, -40));
      },
      [back](PixelCanvas& c) {
        back(c);
        PipeAcross(c, 0, 0, 0, 15, PipeGreen);
        c.Fill(7, 1, 2, 4, QColor(60, 60, 66));
        c.Fill(3, 0, 10, 2, QColor(190, 40, 40));
        c.Plot(3, 0, QColor(120, 20, 20));
        c.Plot(12, 1, QColor(120, 20, 20));
      },
  };
}

std::vector<Painter> SandPainters() {
  return {
      [](PixelCanvas& c) { SandWall(c, 33); },
      [](PixelCanvas& c) { SandWall(c, 34); },
      [](PixelCanvas& c) {
        SandWall(c, 35);
        Glyph(c,
              {"", "...####", "..#.oo.#", ".#..oo..#", "..#....#", "...####", "....#", "...#.#"});
      },
      [](PixelCanvas& c) {
        SandWall(c, 36);
        Glyph(c, {"...##", "..#..#", "..#..#", "...##", "#########", "....#", "....#", "....#",
                  "....#"});
      },
      [](PixelCanvas& c) {
        SandWall(c, 37);
        Glyph(c, {"", ".#...#...#", "#.#.#.#.#", "", ".#...#...#", "#.#.#.#.#"});
      },
      [](PixelCanvas& c) {
        c.Grain(0, 0, Cell, Cell, Tint(Sand, -20), 4, 38);
        c.Fill(3, 0, 10, Cell, Sand);
        for (int px = 4; px < 12; px += 3) c.Fill(px, 0, 1, Cell, Tint(Sand, -26));
        c.Fill(3, 0, 1, Cell, Tint(Sand, 24));
        c.Fill(12, 0, 1, Cell, Tint(Sand, -40));
      },
  };
}

std::vector<Painter> JunglePainters() {
  return {
      [](PixelCanvas& c) { Leaves(c, 0, 0, Jungle, 39); },
      [](PixelCanvas& c) { Leaves(c, 0, 0, Tint(Jungle, 24), 40); },
      [](PixelCanvas& c) { Planks(c, 0, 0, Wood, 41); },
      [](PixelCanvas& c) {
        Leaves(c, 0, 0, Tint(Jungle, -14), 42);
        c.Fill(4, 0, 8, Cell, QColor(92, 62, 38));
        for (int py = 0; py < Cell; py += 3) c.Fill(5, py, 3, 1, QColor(70, 46, 28));
        c.Fill(4, 0, 1, Cell, QColor(120, 86, 56));
      },
      [](PixelCanvas& c) {
        StoneWall(c, 43);
        c.Line(3, 0, 4, 15, QColor(50, 120, 50));
        c.Line(11, 0, 10, 10, QColor(60, 140, 60));
        c.Plot(5, 5, QColor(80, 170, 70));
        c.Plot(9, 7, QColor(80, 170, 70));
      },
  };
}

std::vector<Painter> SkyPainters() {
  return {
      [](PixelCanvas& c) { NightSky(c, 0); },
      [](PixelCanvas& c) { NightSky(c, 4); },
      [](PixelCanvas& c) {
        SewerWall(c, 46);
        c.Fill(3, 3, 10, 11, QColor(20, 24, 50));
        c.Fill(3, 3, 10, 1, QColor(30, 34, 70));
        for (int px = 4; px < 13; px += 3) c.Fill(px, 3, 1, 11, QColor(140, 140, 150));
        c.Fill(3, 13, 10, 1, QColor(150, 150, 160));
      },
  };
}

std::vector<Painter> MarkerPainters() {
  std::vector<Painter> painters;
  for (int dots = 1; dots <= 5; ++dots)
    painters.push_back([dots](PixelCanvas& c) { EditorMarker(c, dots); });
  return painters;
}

std::vector<Painter> IndustrialPainters() {
  return {
      [](PixelCanvas& c) { MetalPlate(c, 0, 0, Steel, 52); },
      [](PixelCanvas& c) {
        MetalPlate(c, 0, 0, Tint(Steel, -12), 53);
        c.Fill(2, 7, 12, 2, Tint(Steel, -40));
        c.Fill(2, 7, 12, 1, Tint(Steel, 30));
      },
      [](PixelCanvas& c) { Grate(c, 1, 1, 14, 14); },
      [](PixelCanvas& c) {
        MetalPlate(c, 0, 0, Steel, 55);
        for (int py = 4; py < 13; py += 3) c.Fill(4, py, 8, 1, QColor(20, 22, 28));
      },
      [](PixelCanvas& c) { c.Grain(0, 0, Cell, Cell, QColor(16, 16, 22), 3, 56); },
      [](PixelCanvas& c) {
        for (int py = 0; py < Cell; ++py)
          for (int px = 0; px < Cell; ++px)
            c.Plot(px, py, Tint(WaterBlue, ((px + py / 3) % 6 == 0) ? 30 : -(py % 4) * 4));
      },
      [](PixelCanvas& c) {
        c.Grain(0, 0, Cell, Cell, Tint(WaterBlue, 10), 10, 58);
        for (int px = 2; px < Cell; px += 5) c.Line(px, 0, px, 15, QColor(150, 200, 240));
      },
      [](PixelCanvas& c) { CeramicTiles(c, 0, 0, Glaze, 59); },
      [](PixelCanvas& c) {
        CeramicTiles(c, 0, 0, Glaze, 60);
        Cracks(c, 0, 0, QColor(30, 50, 70), 60);
      },
      [](PixelCanvas& c) {
        SewerWall(c, 61);
        c.Fill(3, 6, 8, 4, QColor(200, 170, 40));
        c.Fill(11, 5, 1, 6, QColor(200, 170, 40));
        c.Fill(12, 6, 1, 4, QColor(200, 170, 40));
        c.Fill(13, 7, 1, 2, QColor(200, 170, 40));
      },
      [](PixelCanvas& c) {
        SewerWall(c, 62);
        Moss(c, 0, 0, 0, 3, Slime, 62);
        Drip(c, 10, QColor(120, 160, 60));
      },
      [](PixelCanvas& c) { Planks(c, 0, 0, Tint(Wood, -16), 63); },
      [](PixelCanvas& c) {
        Planks(c, 0, 0, Tint(Wood, -16), 64);
        c.Disc(9.5, 8.5, 1.8, QColor(60, 40, 24));
      },
  };
}

}  // namespace

std::vector<QImage> BackgroundTiles() {
  std::vector<QImage> tiles;
  for (const auto& group :
       {SewerPainters(), StonePainters(), EarthPainters(), PipePainters(), SandPainters(),
        JunglePainters(), SkyPainters(), MarkerPainters(), IndustrialPainters()})
    for (const Painter& paint : group) tiles.push_back(Draw(paint));
  return tiles;
}
