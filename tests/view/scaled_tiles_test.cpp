#include "view/scaled_tiles.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "tile_folder.h"
#include "view/tile_set.h"

namespace {

// A 48 x 24 object with white (colour key) pixels in a checker pattern and a
// half-transparent stripe, loaded through the tile set loader.
class ScaledTilesTest : public ::testing::Test {
 protected:
  ScaledTilesTest() {
    WriteSampleSets(Folder);
    QImage object = Solid(48, 24, QColor(200, 100, 0));
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 48; ++x) {
        if ((x / 3 + y / 2) % 2 == 0) object.setPixelColor(x, y, QColor(255, 255, 255));
        if (x % 7 == 0) object.setPixelColor(x, y, QColor(x * 5, y * 10, 90, 100));
      }
    }
    Folder.Write("img_obj/2.png", object);
    EXPECT_TRUE(LoadTileSets(Folder.Path(), Sets).Ok);
  }

  static QImage Background() {
    QImage image(120, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 31, 27));
    return image;
  }

  ImageFolder Folder;
  TileSets Sets;
};

}  // namespace

TEST_F(ScaledTilesTest, CopiesGiveThePixelsOfScalingIntoTheRectangle) {
  ScaledTiles tiles(Sets);
  const TileEntry& entry = Sets.DXOBJ.Entry(3);
  for (const int zoom : {2, 5, 10, 15, 20}) {
    const int width = entry.PatternWidth * zoom / 10;
    const int height = entry.PatternHeight * zoom / 10;
    for (const QPoint at : {QPoint(3, 5), QPoint(-7, 40), QPoint(100, -11)}) {
      QImage direct = Background();
      QPainter(&direct).drawImage(QRect(at, QSize(width, height)), entry.Image);
      QImage cached = Background();
      QPainter(&cached).drawImage(at, tiles.AtZoom(Sets.DXOBJ, 3, zoom));
      EXPECT_EQ(direct, cached) << "zoom " << zoom << " at " << at.x() << "," << at.y();
    }
  }
}

TEST_F(ScaledTilesTest, SizesFollowTheZoom) {
  ScaledTiles tiles(Sets);
  EXPECT_EQ(tiles.AtZoom(Sets.DXOBJ, 2, 5).size(), QSize(24, 12));
  EXPECT_EQ(tiles.AtZoom(Sets.DXOBJ, 2, 15).size(), QSize(72, 36));
  EXPECT_EQ(tiles.AtZoom(Sets.DXOBJ, 1, 7).size(), QSize(11, 22));
  EXPECT_EQ(tiles.AtZoom(Sets.DXOBJ, 2, 10).cacheKey(), Sets.DXOBJ.Entry(2).Image.cacheKey());
  EXPECT_EQ(tiles.AtZoom(Sets.DXCH, 0, 20).size(), QSize(32, 32));
}

TEST_F(ScaledTilesTest, CopiesAreKeptUntilTheZoomChanges) {
  ScaledTiles tiles(Sets);
  const qint64 first = tiles.AtZoom(Sets.DXBG, 1, 20).cacheKey();
  EXPECT_EQ(tiles.AtZoom(Sets.DXBG, 1, 20).cacheKey(), first);
  EXPECT_EQ(tiles.AtZoom(Sets.DXBG, 1, 30).size(), QSize(48, 48));
  EXPECT_EQ(tiles.AtZoom(Sets.DXBG, 1, 20).size(), QSize(32, 32));
  EXPECT_NE(tiles.AtZoom(Sets.DXBG, 1, 20).cacheKey(), first);
}

TEST_F(ScaledTilesTest, ImageSmallerThanOnePixelAtTheZoomIsEmpty) {
  TileSets sets;
  TileEntry tiny{Solid(4, 4, QColor(1, 2, 3)).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 4, 4};
  sets.DXBG.Entries.push_back(tiny);
  ScaledTiles tiles(sets);
  EXPECT_TRUE(tiles.AtZoom(sets.DXBG, 1, 2).isNull());
  EXPECT_EQ(tiles.AtZoom(sets.DXBG, 1, 3).size(), QSize(1, 1));
}
