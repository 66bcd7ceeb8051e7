#include "tile_folder.h"

#include <gtest/gtest.h>

#include <QPainter>

void WriteSampleSets(ImageFolder& folder) {
  folder.Write("img_bg/0.png", Solid(16, 16, SampleColours::Bg));
  folder.Write("img_bg/1.png", Solid(16, 16, SampleColours::Bg2));
  for (int i = 0; i < 6; ++i) {
    folder.Write(QStringLiteral("img_mg/%1.png").arg(i), Solid(16, 16, QColor(10 * i, 40, 40)));
  }
  folder.Write("img_fg/0.png", Solid(16, 16, SampleColours::Fg));
  folder.Write("img_obj/0.png", Solid(16, 32, SampleColours::Object));
  folder.Write("img_obj/1.png", Solid(48, 24, SampleColours::WideObject));
  QImage character = Solid(16, 16, QColor(255, 0, 255));
  QPainter(&character).fillRect(4, 4, 8, 8, SampleColours::Char);
  folder.Write("img_chars/0.png", character);
  folder.Write("img_chars/primary.png", Solid(16, 16, SampleColours::Marker));
  folder.Write("img_pla/0.png", Solid(32, 16, SampleColours::Platform));
}

SampleSets::SampleSets() {
  WriteSampleSets(Folder);
  const TileLoadResult result = LoadTileSets(Folder.Path(), Sets);
  EXPECT_TRUE(result.Ok) << result.Error.toStdString();
}
