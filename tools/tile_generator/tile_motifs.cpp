#include "tile_motifs.h"

void Bricks(PixelCanvas& canvas, int x, int y, QColor brick, QColor mortar, int seed) {
  for (int py = 0; py < Cell; ++py) {
    const int course = py / 4;
    const int shift = (course % 2) * 4;
    for (int px = 0; px < Cell; ++px) {
      const int along = (px + shift) % 8;
      const int brickId = ((px + shift) / 8) + course * 3;
      if (py % 4 == 3 || along == 7) {
        canvas.Plot(x + px, y + py, mortar);
        continue;
      }
      const int brickShade = static_cast<int>(Hash(brickId, course, seed) % 17) - 8;
      const int grain = static_cast<int>(Hash(px, py, seed + 7) % 7) - 3;
      int edge = 0;
      if (py % 4 == 0) edge = 14;
      if (along == 6 || py % 4 == 2) edge = -8;
      canvas.Plot(x + px, y + py, Tint(brick, brickShade + grain + edge));
    }
  }
}

void Stones(PixelCanvas& canvas, int x, int y, QColor stone, QColor mortar, int seed) {
  canvas.Fill(x, y, Cell, Cell, mortar);
  struct Block {
    int X, Y, W, H;
  };
  const Block blocks[] = {{0, 0, 15, 7}, {0, 8, 7, 7}, {8, 8, 7, 7}, {15, 0, 1, 7}};
  int index = 0;
  for (const Block& b : blocks) {
    const QColor base = Tint(stone, static_cast<int>(Hash(index++, seed, 3) % 15) - 7);
    canvas.Grain(x + b.X, y + b.Y, b.W, b.H, base, 5, seed + index);
    if (b.W > 1) canvas.Bevel(x + b.X, y + b.Y, b.W, b.H, Tint(base, 22), Tint(base, -22));
  }
  canvas.Plot(x + 15, y + 7, mortar);
}

void Earth(PixelCanvas& canvas, int x, int y, QColor earth, int seed) {
  canvas.Grain(x, y, Cell, Cell, earth, 7, seed);
  for (int i = 0; i < 5; ++i) {
    const int px = static_cast<int>(Hash(i, seed, 11) % 15);
    const int py = static_cast<int>(Hash(seed, i, 13) % 15);
    const QColor pebble = Tint(Mix(earth, QColor(140, 130, 120), 50), 10);
    canvas.Fill(x + px, y + py, 2, 1, pebble);
    canvas.Plot(x + px, y + py + 1, Tint(pebble, -30));
  }
}

void Planks(PixelCanvas& canvas, int x, int y, QColor wood, int seed) {
  for (int board = 0; board < 4; ++board) {
    const QColor base = Tint(wood, static_cast<int>(Hash(board, seed, 5) % 13) - 6);
    for (int py = 0; py < Cell; ++py)
      for (int px = 0; px < 4; ++px) {
        int delta = (Hash(board, py / 3, seed) % 5 == 0 && px == 1) ? -14 : 0;
        if (px == 0) delta = 10;
        if (px == 3) delta = -34;
        canvas.Plot(x + board * 4 + px, y + py, Tint(base, delta));
      }
    const int knot = static_cast<int>(Hash(seed, board, 9) % 12) + 2;
    if (Hash(board, seed, 2) % 3 == 0) canvas.Plot(x + board * 4 + 1, y + knot, Tint(base, -40));
  }
}

void MetalPlate(PixelCanvas& canvas, int x, int y, QColor metal, int seed) {
  canvas.Grain(x, y, Cell, Cell, metal, 3, seed);
  canvas.Bevel(x, y, Cell, Cell, Tint(metal, 34), Tint(metal, -38));
  const int spots[4][2] = {{2, 2}, {13, 2}, {2, 13}, {13, 13}};
  for (const auto& s : spots) {
    canvas.Plot(x + s[0], y + s[1], Tint(metal, 50));
    canvas.Plot(x + s[0] + 1, y + s[1] + 1, Tint(metal, -45));
    canvas.Plot(x + s[0] + 1, y + s[1], Tint(metal, 10));
    canvas.Plot(x + s[0], y + s[1] + 1, Tint(metal, 10));
  }
}

void CeramicTiles(PixelCanvas& canvas, int x, int y, QColor glaze, int seed) {
  canvas.Fill(x, y, Cell, Cell, Tint(glaze, -45));
  for (int ty = 0; ty < 2; ++ty)
    for (int tx = 0; tx < 2; ++tx) {
      const QColor base = Tint(glaze, static_cast<int>(Hash(tx, ty, seed) % 11) - 5);
      canvas.Fill(x + tx * 8, y + ty * 8, 7, 7, base);
      canvas.Fill(x + tx * 8 + 1, y + ty * 8 + 1, 2, 1, Tint(base, 45));
      canvas.Plot(x + tx * 8 + 1, y + ty * 8 + 2, Tint(base, 30));
    }
}

void Leaves(PixelCanvas& canvas, int x, int y, QColor leaf, int seed) {
  canvas.Fill(x, y, Cell, Cell, Tint(leaf, -30));
  for (int i = 0; i < 14; ++i) {
    const int px = static_cast<int>(Hash(i, seed, 21) % 16);
    const int py = static_cast<int>(Hash(seed, i, 23) % 16);
    const QColor shade = Tint(leaf, static_cast<int>(Hash(i, i, seed) % 30) - 10);
    for (int d = -1; d <= 1; ++d) {
      canvas.Plot(x + (px + d + 16) % 16, y + py, shade);
      canvas.Plot(x + px, y + (py + d + 16) % 16, shade);
    }
    canvas.Plot(x + px, y + py, Tint(shade, 25));
  }
}

namespace {

// The shades across a pipe, from its lit edge to its shaded edge.
QColor PipeShade(QColor metal, int across) {
  static const int shades[8] = {-50, 10, 40, 28, 8, -5, -22, -50};
  return Tint(metal, shades[across]);
}

}  // namespace

void PipeAcross(PixelCanvas& canvas, int x, int y, int x0, int x1, QColor metal) {
  for (int px = x0; px <= x1; ++px)
    for (int across = 0; across < 8; ++across)
      canvas.Plot(x + px, y + 4 + across, PipeShade(metal, across));
}

void PipeDown(PixelCanvas& canvas, int x, int y, int y0, int y1, QColor metal) {
  for (int py = y0; py <= y1; ++py)
    for (int across = 0; across < 8; ++across)
      canvas.Plot(x + 4 + across, y + py, PipeShade(metal, across));
}

void FlangeAcross(PixelCanvas& canvas, int x, int y, int column, QColor metal) {
  for (int py = 3; py <= 12; ++py) {
    canvas.Plot(x + column, y + py, Tint(metal, 30));
    canvas.Plot(x + column + 1, y + py, Tint(metal, -35));
  }
}

void FlangeDown(PixelCanvas& canvas, int x, int y, int row, QColor metal) {
  for (int px = 3; px <= 12; ++px) {
    canvas.Plot(x + px, y + row, Tint(metal, 30));
    canvas.Plot(x + px, y + row + 1, Tint(metal, -35));
  }
}

void Cracks(PixelCanvas& canvas, int x, int y, QColor crack, int seed) {
  int px = 4 + static_cast<int>(Hash(seed, 1, 1) % 8);
  for (int py = 0; py < 12; ++py) {
    canvas.Plot(x + px, y + py, crack);
    const unsigned turn = Hash(px, py, seed) % 4;
    if (turn == 0 && px > 1) --px;
    if (turn == 1 && px < 14) ++px;
    if (py == 5) canvas.Line(x + px, y + py, x + px + 3, y + py + 3, crack);
  }
}

void Moss(PixelCanvas& canvas, int x, int y, int fromRow, int toRow, QColor moss, int seed) {
  for (int px = 0; px < Cell; ++px) {
    const int reach = static_cast<int>(Hash(px, seed, 31) % 4);
    const bool hanging = fromRow == 0;
    for (int py = fromRow; py <= toRow; ++py) {
      const int depth = hanging ? py - fromRow : toRow - py;
      if (depth > (toRow - fromRow) - reach) continue;
      canvas.Plot(x + px, y + py, Tint(moss, static_cast<int>(Hash(px, py, seed) % 25) - 12));
    }
  }
}
