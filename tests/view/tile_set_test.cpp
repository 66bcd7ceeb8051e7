#include "view/tile_set.h"

#include <gtest/gtest.h>

#include "tile_folder.h"

namespace {

// The least a folder needs to load: one background image and the primary marker.
void WriteMinimal(ImageFolder& folder) {
  folder.Write("img_bg/0.png", Solid(16, 16, SampleColours::Bg));
  folder.Write("img_chars/primary.png", Solid(16, 16, SampleColours::Marker));
}

QRgb PixelAt(const TileEntry& entry, int x, int y) {
  return entry.Image.pixel(x, y);
}

}  // namespace

TEST(TileSetLoading, LoadsNumberedFilesInOrderWithPatternSizes) {
  SampleSets sample;
  const TileSets& sets = sample.Sets;
  EXPECT_EQ(sets.DXBG.ImageCount(), 2);
  EXPECT_EQ(sets.DXMG.ImageCount(), 6);
  EXPECT_EQ(sets.DXFG.ImageCount(), 1);
  EXPECT_EQ(sets.DXOBJ.ImageCount(), 2);
  EXPECT_EQ(sets.DXCH.ImageCount(), 1);
  EXPECT_EQ(sets.DXPLA.ImageCount(), 1);
  // Entry k holds file k - 1.
  EXPECT_EQ(PixelAt(sets.DXBG.Entry(1), 0, 0), SampleColours::Bg.rgb());
  EXPECT_EQ(PixelAt(sets.DXBG.Entry(2), 0, 0), SampleColours::Bg2.rgb());
  // A 48 x 24 object keeps its size as its pattern.
  EXPECT_EQ(sets.DXOBJ.Entry(2).PatternWidth, 48);
  EXPECT_EQ(sets.DXOBJ.Entry(2).PatternHeight, 24);
  EXPECT_EQ(sets.DXOBJ.Entry(1).PatternHeight, 32);
  EXPECT_EQ(sets.DXBG.Entry(1).Image.format(), QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(sets.BaseTileSize, 16);
}

TEST(TileSetLoading, PlaceholderEntriesAndPrimaryMarker) {
  SampleSets sample;
  const TileSets& sets = sample.Sets;
  EXPECT_TRUE(sets.DXBG.Entry(0).Image.isNull());
  EXPECT_TRUE(sets.DXPLA.Entry(0).Image.isNull());
  ASSERT_EQ(sets.DXMISC.EntryCount(), 1);
  EXPECT_TRUE(sets.DXMISC.Entry(0).Image.isNull());
  EXPECT_EQ(sets.DXMISC.Entry(0).PatternWidth, 32);
  EXPECT_EQ(sets.DXMISC.Entry(0).PatternHeight, 32);
  EXPECT_EQ(sets.DXMISC.ImageCount(), 0);
  ASSERT_FALSE(sets.DXCH.Entry(0).Image.isNull());
  EXPECT_EQ(PixelAt(sets.DXCH.Entry(0), 5, 5), SampleColours::Marker.rgb());
  EXPECT_EQ(&sets.ForLayer(0), &sets.DXBG);
  EXPECT_EQ(&sets.ForLayer(4), &sets.DXCH);
  EXPECT_EQ(&sets.ForLayer(5), &sets.DXMISC);
}

TEST(TileSetLoading, FirstMissingNumberEndsTheSet) {
  ImageFolder folder;
  WriteMinimal(folder);
  folder.Write("img_obj/0.png", Solid(16, 16, SampleColours::Object));
  folder.Write("img_obj/1.png", Solid(16, 16, SampleColours::Object));
  folder.Write("img_obj/3.png", Solid(16, 16, SampleColours::Object));
  TileSets sets;
  ASSERT_TRUE(LoadTileSets(folder.Path(), sets).Ok);
  EXPECT_EQ(sets.DXOBJ.ImageCount(), 2);
}

TEST(TileSetLoading, MissingFolderGivesAnEmptySet) {
  ImageFolder folder;
  WriteMinimal(folder);
  TileSets sets;
  ASSERT_TRUE(LoadTileSets(folder.Path(), sets).Ok);
  EXPECT_EQ(sets.DXPLA.EntryCount(), 1);
  EXPECT_EQ(sets.DXPLA.ImageCount(), 0);
  EXPECT_EQ(sets.DXOBJ.ImageCount(), 0);
  EXPECT_EQ(sets.DXCH.ImageCount(), 0);
}

TEST(TileSetLoading, NumbersHaveNoLeadingZeros) {
  ImageFolder folder;
  folder.Write("img_bg/00.png", Solid(16, 16, SampleColours::Bg));
  folder.Write("img_chars/primary.png", Solid(16, 16, SampleColours::Marker));
  TileSets sets;
  const TileLoadResult result = LoadTileSets(folder.Path(), sets);
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(result.Error.contains("img_bg/0.png")) << result.Error.toStdString();
}

TEST(TileSetLoading, MissingPrimaryMarkerIsNamed) {
  ImageFolder folder;
  folder.Write("img_bg/0.png", Solid(16, 16, SampleColours::Bg));
  folder.Write("img_chars/0.png", Solid(16, 16, SampleColours::Char));
  TileSets sets;
  const TileLoadResult result = LoadTileSets(folder.Path(), sets);
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(result.Error.contains("img_chars/primary.png")) << result.Error.toStdString();
}

TEST(TileSetLoading, FileThatIsNotAPngIsNamed) {
  ImageFolder folder;
  WriteMinimal(folder);
  folder.Write("img_fg/0.png", Solid(16, 16, SampleColours::Fg));
  folder.WriteBytes("img_fg/1.png", "not an image");
  TileSets sets;
  const TileLoadResult result = LoadTileSets(folder.Path(), sets);
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(result.Error.contains("img_fg/1.png")) << result.Error.toStdString();
}

TEST(TileSetLoading, ImageOfAnotherFormatIsNotAPng) {
  ImageFolder folder;
  folder.Write("img_bg/0.png", Solid(16, 16, SampleColours::Bg));
  const QString primary = folder.Prepare("img_chars/primary.png");
  ASSERT_TRUE(Solid(16, 16, SampleColours::Marker).save(primary, "BMP"));
  TileSets sets;
  const TileLoadResult result = LoadTileSets(folder.Path(), sets);
  EXPECT_FALSE(result.Ok);
  EXPECT_TRUE(result.Error.contains("img_chars/primary.png")) << result.Error.toStdString();
}

// A tiny PNG can describe a huge image; the sizes are checked before any
// decoding, and everything prepared later grows with them.
TEST(TileSetLoading, ImagesTooLargeToDrawAreRefusedNamingTheFile) {
  QImage huge(10000, 10000, QImage::Format_Mono);  // too large for Qt to decode
  huge.fill(0);
  const struct {
    const char* File;
    QImage Image;
    QString Error;  // empty: loads
  } cases[] = {
      {"img_bg/0.png", Solid(1500, 2, SampleColours::Bg),
       "img_bg/0.png is too large: 1500 x 2 pixels, at most 1024 a side."},
      {"img_bg/0.png", Solid(257, 16, SampleColours::Bg),
       "img_bg/0.png is 257 pixels wide, at most 256 are allowed."},
      {"img_bg/0.png", Solid(256, 1024, SampleColours::Bg), ""},
      {"img_obj/0.png", huge,
       "img_obj/0.png is too large: 10000 x 10000 pixels, at most 1024 a side."},
      {"img_chars/primary.png", Solid(16, 1025, SampleColours::Marker),
       "primary.png is too large: 16 x 1025 pixels, at most 1024 a side."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.File);
    ImageFolder folder;
    WriteMinimal(folder);
    folder.Write(c.File, c.Image);
    TileSets sets;
    const TileLoadResult result = LoadTileSets(folder.Path(), sets);
    EXPECT_EQ(result.Ok, c.Error.isEmpty());
    EXPECT_EQ(result.Error.right(c.Error.size()), c.Error);
  }
}

TEST(TileSetLoading, BaseTileSizeIsTheFirstBackgroundWidth) {
  ImageFolder folder;
  folder.Write("img_bg/0.png", Solid(16, 24, SampleColours::Bg));
  folder.Write("img_bg/1.png", Solid(32, 32, SampleColours::Bg));
  folder.Write("img_chars/primary.png", Solid(16, 16, SampleColours::Marker));
  TileSets sets;
  ASSERT_TRUE(LoadTileSets(folder.Path(), sets).Ok);
  EXPECT_EQ(sets.BaseTileSize, 16);
}

TEST(TileSetLoading, ColourKeyBecomesAlphaAndOwnAlphaIsKept) {
  ImageFolder folder;
  QImage background = Solid(4, 1, SampleColours::Bg);
  background.setPixelColor(0, 0, QColor(255, 255, 255));
  background.setPixelColor(1, 0, QColor(254, 255, 255));
  background.setPixelColor(2, 0, QColor(255, 0, 255));
  background.setPixelColor(3, 0, QColor(0, 0, 200, 128));
  folder.Write("img_bg/0.png", background);
  QImage marker = Solid(3, 1, QColor(255, 0, 255));
  marker.setPixelColor(1, 0, QColor(255, 255, 255));
  folder.Write("img_chars/primary.png", marker);
  TileSets sets;
  ASSERT_TRUE(LoadTileSets(folder.Path(), sets).Ok);

  const TileEntry& bg = sets.DXBG.Entry(1);
  EXPECT_EQ(qAlpha(PixelAt(bg, 0, 0)), 0);  // white: the background key
  EXPECT_EQ(PixelAt(bg, 1, 0), qRgb(254, 255, 255));
  EXPECT_EQ(PixelAt(bg, 2, 0), qRgb(255, 0, 255));  // fuchsia is not this set's key
  EXPECT_EQ(qAlpha(PixelAt(bg, 3, 0)), 128);
  const TileEntry& primary = sets.DXCH.Entry(0);
  EXPECT_EQ(qAlpha(PixelAt(primary, 0, 0)), 0);  // fuchsia: the char set's key
  EXPECT_EQ(PixelAt(primary, 1, 0), qRgb(255, 255, 255));
}

TEST(TileSetLoading, LoadingAgainReplacesTheSets) {
  SampleSets sample;
  ASSERT_TRUE(LoadTileSets(sample.Folder.Path(), sample.Sets).Ok);
  EXPECT_EQ(sample.Sets.DXBG.ImageCount(), 2);
  EXPECT_EQ(sample.Sets.DXMISC.EntryCount(), 1);
}
