#include "view/sprite.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "tile_folder.h"
#include "view/pixel_drawing.h"
#include "view/scaled_tiles.h"
#include "view/tile_set.h"

namespace {

constexpr int Zooms[] = {2, 5, 10, 15, 20};

// Objects with colour-key edges, partly transparent pixels and sizes larger
// than a cell, loaded through the tile set loader.
class SpriteTest : public ::testing::Test {
 protected:
  SpriteTest() {
    WriteSampleSets(Folder);
    // 48 x 24: a checker of white (colour key) cells, and a half-transparent
    // stripe every seventh column.
    QImage checker = Solid(48, 24, QColor(200, 100, 0));
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 48; ++x) {
        if ((x / 3 + y / 2) % 2 == 0) checker.setPixelColor(x, y, QColor(255, 255, 255));
        if (x % 7 == 0) checker.setPixelColor(x, y, QColor(x * 5, y * 10, 90, 100));
      }
    }
    Folder.Write("img_obj/2.png", checker);
    // 37 x 53: a ring of opaque pixels around a keyed hole, with alpha
    // falling off towards the right edge.
    QImage ring = Solid(37, 53, QColor(255, 255, 255));
    for (int y = 0; y < 53; ++y) {
      for (int x = 0; x < 37; ++x) {
        const int dx = x - 18;
        const int dy = y - 26;
        const int distance = dx * dx + dy * dy;
        if (distance > 64 && distance < 320) {
          ring.setPixelColor(x, y, QColor(20, 200 - y, 7 * x, std::min(255, 40 + 10 * (36 - x))));
        }
      }
    }
    Folder.Write("img_obj/3.png", ring);
    EXPECT_TRUE(LoadTileSets(Folder.Path(), Sets).Ok);
  }

  // A background of varied colours, some of them partly transparent, so that
  // every blended pixel shows its rounding.
  static QImage Background() {
    QImage image(90, 70, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const int alpha = (x + y) % 5 == 0 ? 128 + y : 255;
        image.setPixelColor(x, y, QColor((x * 37) % 256, (y * 53) % 256, (x * y) % 256, alpha));
      }
    }
    return image;
  }

  ImageFolder Folder;
  TileSets Sets;
};

}  // namespace

TEST_F(SpriteTest, DrawsThePixelsOfPaintingTheEntryScaledIntoItsRectangle) {
  ScaledTiles tiles(Sets);
  const QPoint places[] = {QPoint(3, 5),     QPoint(-7, 40),  QPoint(70, -11), QPoint(80, 60),
                           QPoint(-30, -40), QPoint(200, 10), QPoint(10, -300)};
  for (const int zoom : Zooms) {
    for (const int index : {1, 2, 3, 4}) {
      const TileEntry& entry = Sets.DXOBJ.Entry(index);
      const QSize size(entry.PatternWidth * zoom / 10, entry.PatternHeight * zoom / 10);
      const Sprite& sprite = tiles.SpritesAtZoom(Sets.DXOBJ, zoom).At(index);
      EXPECT_EQ(QSize(sprite.Width(), sprite.Height()), size);
      for (const QPoint at : places) {
        QImage painted = Background();
        QPainter(&painted).drawImage(QRect(at, size), entry.Image);
        QImage drawn = Background();
        sprite.Draw(PixelTarget::Of(drawn), at.x(), at.y());
        EXPECT_EQ(painted, drawn) << "zoom " << zoom << ", entry " << index << " at " << at.x()
                                  << "," << at.y();
      }
    }
  }
}

TEST_F(SpriteTest, KnowsWhetherEveryPixelIsOpaqueOrTransparent) {
  ScaledTiles tiles(Sets);
  EXPECT_TRUE(tiles.SpritesAtZoom(Sets.DXCH, 10).At(1).IsBinary());   // keyed edges only
  EXPECT_TRUE(tiles.SpritesAtZoom(Sets.DXOBJ, 10).At(1).IsBinary());  // solid
  EXPECT_FALSE(tiles.SpritesAtZoom(Sets.DXOBJ, 10).At(3).IsBinary());
  EXPECT_FALSE(tiles.SpritesAtZoom(Sets.DXOBJ, 5).At(4).IsBinary());
}

TEST_F(SpriteTest, EmptyEntriesAndImagesBelowOnePixelDrawNothing) {
  ScaledTiles tiles(Sets);
  EXPECT_TRUE(tiles.SpritesAtZoom(Sets.DXBG, 10).At(0).IsNull());
  TileSets tiny;
  tiny.DXBG.Entries.push_back(TileEntry{
      Solid(4, 4, QColor(1, 2, 3)).convertToFormat(QImage::Format_ARGB32_Premultiplied), 4, 4});
  ScaledTiles tinyTiles(tiny);
  const Sprite& sprite = tinyTiles.SpritesAtZoom(tiny.DXBG, 2).At(1);
  EXPECT_TRUE(sprite.IsNull());
  QImage image = Background();
  const QImage before = image.copy();
  sprite.Draw(PixelTarget::Of(image), 0, 0);
  EXPECT_EQ(image, before);
}

TEST_F(SpriteTest, SpritesFollowTheZoomAndKeepTheUnscaledOnes) {
  ScaledTiles tiles(Sets);
  const Sprite* unscaled = &tiles.SpritesAtZoom(Sets.DXOBJ, 10).At(2);
  EXPECT_EQ(tiles.SpritesAtZoom(Sets.DXOBJ, 20).At(2).Width(), 96);
  EXPECT_EQ(tiles.SpritesAtZoom(Sets.DXOBJ, 5).At(2).Width(), 24);
  EXPECT_EQ(&tiles.SpritesAtZoom(Sets.DXOBJ, 10).At(2), unscaled);
  EXPECT_EQ(unscaled->Width(), 48);
}

TEST(PixelTargetTest, OnlyPremultipliedImagesAndPlainPaintersAreDrawnOnByHand) {
  QImage premultiplied(8, 8, QImage::Format_ARGB32_Premultiplied);
  QImage plain(8, 8, QImage::Format_ARGB32);
  EXPECT_FALSE(PixelTarget::Of(premultiplied).IsNull());
  EXPECT_TRUE(PixelTarget::Of(plain).IsNull());
  {
    QPainter painter(&premultiplied);
    EXPECT_FALSE(PixelTarget::Of(painter).IsNull());
    painter.setClipRect(0, 0, 4, 4);
    EXPECT_TRUE(PixelTarget::Of(painter).IsNull());
    painter.setClipping(false);
    painter.translate(1, 0);
    EXPECT_TRUE(PixelTarget::Of(painter).IsNull());
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    EXPECT_TRUE(PixelTarget::Of(painter).IsNull());
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // A copy taken while painting is a deep one: drawing by hand goes on in
    // the painter's pixels and leaves the copy alone.
    premultiplied.fill(Qt::black);
    const QImage copy = premultiplied;
    const PixelTarget target = PixelTarget::Of(painter);
    ASSERT_FALSE(target.IsNull());
    FillPixels(target, 0, 0, 8, 8, 0xffff0000u);
    FillBox(painter, 0, 0, 4, 4, QColor(0, 255, 0));
    EXPECT_EQ(premultiplied.pixel(0, 0), 0xff00ff00u);
    EXPECT_EQ(premultiplied.pixel(7, 7), 0xffff0000u);
    EXPECT_EQ(copy.pixel(7, 7), 0xff000000u);
  }
  QPainter painter(&plain);
  EXPECT_TRUE(PixelTarget::Of(painter).IsNull());
}

// Boxes and lines drawn by hand equal the painter's own: a clip over the
// whole image makes the painter draw them itself.
TEST(DirectBoxesAndLinesTest, MatchThePaintersDrawing) {
  const auto draw = [](bool byHand) {
    QImage image(60, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0, 31, 27));
    QPainter painter(&image);
    if (!byHand) painter.setClipRect(image.rect());
    FillBox(painter, -5, 3, 20, 9, QColor(128, 128, 128));
    FillBox(painter, 50, 30, 70, 50, QColor(255, 0, 0));
    OutlineBox(painter, 2, 2, 30, 25, QColor(255, 255, 0));
    FillBox(painter, 10, 10, 40, 20, QColor(0, 0, 255, 100));
    DrawLine(painter, QPoint(-20, -7), QPoint(75, 33), QColor(255, 0, 255), 60, 40);
    DrawLine(painter, QPoint(59, 0), QPoint(3, 39), QColor(0, 255, 0), 60, 40);
    DrawLine(painter, QPoint(5, 45), QPoint(9, -10), QColor(0, 255, 255), 60, 40);
    painter.end();
    return image;
  };
  EXPECT_EQ(draw(true), draw(false));
}
