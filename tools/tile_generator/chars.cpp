#include "pixel_canvas.h"
#include "tile_art.h"

namespace {

using Palette = std::map<char, QColor>;

const QColor Ink(22, 20, 40);
const QColor EyeWhite(250, 250, 250);

// Zubo: a round little hero with big eyes, a headband and orange boots.
const std::vector<std::string> ZuboRows = {
    "................",  //
    ".....kkkkkk.....",  //
    "...kkrrrrrrkk...",  //
    "..krrrrrrrrrRk..",  //
    "..kRRRRRRRRRRkrr",  //
    ".kbbbbbbbbbbbbkr",  //
    ".kbwwwbbbbwwwbk.",  //
    ".kbwwkbbbbwwkbk.",  //
    ".klwwkbbbbwwkbk.",  //
    ".klbbbbbbbbbbbk.",  //
    ".klbbbkmmkbbbbk.",  //
    ".klbbbbkkbbbbdk.",  //
    "..klbbbbbbbbdk..",  //
    "...kkbbbbbbkk...",  //
    "..kyyyk..kyyyk..",  //
    "..kkkkk..kkkkk..",  //
};

const std::vector<std::string> RatRows = {
    "................",  //
    "................",  //
    "................",  //
    "................",  //
    "................",  //
    "..pp............",  //
    ".pggp.ggggg.....",  //
    ".kggggggggggg...",  //
    "gwggggggggggGg..",  //
    "kkggggggggggGg..",  //
    ".ggggggggggGGg..",  //
    "..gggggggGGGg..t",  //
    "...GGGGGGGGG..t.",  //
    "....k.k..k.k.t..",  //
    "...kk.kk.kkkt...",  //
    "................",  //
};

const std::vector<std::string> SlimeRows = {
    "................",  //
    "................",  //
    "................",  //
    "................",  //
    "................",  //
    "......kkkk......",  //
    "....kkllggkk....",  //
    "...klllgggggk...",  //
    "..klgwwggwwggk..",  //
    "..kggwkggwkggk..",  //
    ".klggggggggggGk.",  //
    ".kggggkkkkgggGk.",  //
    ".kgggggggggggGk.",  //
    "kgggggggggggGGGk",  //
    "kGGGGGGGGGGGGGGk",  //
    ".kkkkkkkkkkkkkk.",  //
};

const std::vector<std::string> BatRows = {
    "................",  //
    "................",  //
    "....k......k....",  //
    "...kpk....kpk...",  //
    "k..kppkkkkppk..k",  //
    "kk.kppppppppk.kk",  //
    "kpkkpwrppwrpkkpk",  //
    "kppkppppppppkppk",  //
    "kpppppwppwpppppk",  //
    "kppppppppppppppk",  //
    ".kpp.kppppk.ppk.",  //
    "..kk..kppk...kk.",  //
    "k......kk......k",  //
    "................",  //
    "................",  //
    "................",  //
};

const std::vector<std::string> BeetleRows = {
    "................",  //
    "................",  //
    "................",  //
    "................",  //
    "....k......k....",  //
    ".....k....k.....",  //
    "......kkkk......",  //
    ".....kwkkwk.....",  //
    "....krrrkrrrk...",  //
    "k..krrkrkrkrrk..",  //
    ".kkrrrrrkrrrrrkk",  //
    "...krkrrkrrkrrk.",  //
    ".kkrrrrrkrrrrrkk",  //
    "k...krrrkrrrk..k",  //
    "...k..kkkkk..k..",  //
    "................",  //
};

Palette ZuboPalette() {
  return {{'k', Ink},
          {'b', QColor(64, 150, 236)},
          {'l', QColor(150, 206, 252)},
          {'d', QColor(36, 100, 180)},
          {'w', EyeWhite},
          {'r', QColor(226, 44, 40)},
          {'R', QColor(160, 24, 30)},
          {'m', QColor(150, 30, 60)},
          {'y', QColor(250, 160, 30)}};
}

// Kind 5 is Zubo's friend: the same shape, in pink with a yellow band.
Palette FriendPalette() {
  Palette palette = ZuboPalette();
  palette['b'] = QColor(240, 120, 170);
  palette['l'] = QColor(252, 190, 216);
  palette['d'] = QColor(190, 70, 120);
  palette['r'] = QColor(250, 210, 50);
  palette['R'] = QColor(200, 150, 20);
  palette['y'] = QColor(140, 90, 200);
  return palette;
}

QImage Draw(const std::vector<std::string>& rows, const Palette& palette) {
  PixelCanvas canvas(Cell, Cell, FuchsiaKey);
  canvas.Sprite(0, 0, rows, palette);
  return canvas.Image();
}

}  // namespace

std::vector<QImage> CharImages() {
  return {
      Draw(ZuboRows, ZuboPalette()),
      Draw(RatRows, {{'k', Ink},
                     {'g', QColor(138, 132, 128)},
                     {'G', QColor(96, 90, 88)},
                     {'p', QColor(230, 150, 160)},
                     {'w', QColor(230, 40, 40)},
                     {'t', QColor(200, 130, 140)}}),
      Draw(SlimeRows, {{'k', QColor(20, 70, 20)},
                       {'g', QColor(100, 200, 60)},
                       {'G', QColor(60, 150, 40)},
                       {'l', QColor(190, 250, 150)},
                       {'w', EyeWhite}}),
      Draw(BatRows,
           {{'k', Ink}, {'p', QColor(120, 70, 160)}, {'w', EyeWhite}, {'r', QColor(230, 40, 40)}}),
      Draw(ZuboRows, FriendPalette()),
      Draw(BeetleRows, {{'k', Ink}, {'r', QColor(214, 40, 36)}, {'w', QColor(250, 230, 90)}}),
  };
}

QImage PrimaryMarker() {
  // Gold corner brackets around the cell and a star floating above it: the
  // image reaches StarHeight pixels into the cell above the hero.
  constexpr int StarHeight = 6;
  PixelCanvas canvas(Cell, Cell + StarHeight, FuchsiaKey);
  const QColor gold(250, 200, 30);
  const QColor deep(190, 120, 10);
  const QColor shine(255, 244, 170);
  for (int corner = 0; corner < 4; ++corner) {
    const int x = corner % 2 ? Cell - 1 : 0;
    const int y = StarHeight + (corner / 2 ? Cell - 1 : 0);
    const int stepX = corner % 2 ? -1 : 1;
    const int stepY = corner / 2 ? -1 : 1;
    for (int i = 0; i < 5; ++i) {
      canvas.Plot(x + i * stepX, y, gold);
      canvas.Plot(x, y + i * stepY, gold);
      canvas.Plot(x + i * stepX, y + stepY, deep);
      canvas.Plot(x + stepX, y + i * stepY, deep);
    }
    canvas.Plot(x, y, shine);
  }
  canvas.Sprite(4, 0, {"...##...", "...##...", "########", ".######.", "..####..", ".##..##."},
                {{'#', gold}});
  canvas.Plot(7, 2, shine);
  canvas.Plot(7, 3, shine);
  return canvas.Image();
}
