#include "view/tile_set.h"

#include <QDir>
#include <QFileInfo>

#include <QFileInfo>
#include <QImageReader>
#include <cassert>

namespace {

QString NotValidPng(const QString& path) {
  return QStringLiteral("The tile image %1 is not a valid PNG file.").arg(path);
}

QString Missing(const QString& path) {
  return QStringLiteral("The tile image %1 is missing.").arg(path);
}

QString TooLarge(const QString& path, QSize size) {
  return QStringLiteral("The tile image %1 is too large: %2 x %3 pixels, at most %4 a side.")
      .arg(path)
      .arg(size.width())
      .arg(size.height())
      .arg(MaxTileImageSide);
}

// Decodes one PNG file into an entry, with the colour key turned into alpha.
// The size is checked before anything is decoded.
bool LoadEntry(const QString& path, QColor transparentColour, TileEntry& entry, QString& error) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  const QSize size = reader.size();
  if (size.width() > MaxTileImageSide || size.height() > MaxTileImageSide) {
    error = TooLarge(path, size);
    return false;
  }
  QImage image = reader.read();
  if (image.isNull()) {
    error = NotValidPng(path);
    return false;
  }
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = transparentColour.rgb() & RGB_MASK;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & RGB_MASK) == key) line[x] = 0;
    }
  }
  entry.Image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  entry.PatternWidth = entry.Image.width();
  entry.PatternHeight = entry.Image.height();
  return true;
}

// Appends folder/0.png, folder/1.png, ... until the first missing number.
bool LoadNumbered(const QString& folder, TileSet& set, QString& error) {
  for (int n = 0;; ++n) {
    const QString path = folder + QString::number(n) + QStringLiteral(".png");
    if (!QFileInfo(path).isFile()) return true;
    TileEntry entry;
    if (!LoadEntry(path, set.TransparentColour, entry, error)) return false;
    set.Entries.push_back(std::move(entry));
  }
}

}  // namespace

TileSet::TileSet(QColor transparentColour) : TransparentColour(transparentColour), Entries(1) {}

const TileSet& TileSets::ForLayer(int layer) const {
  switch (layer) {
    case 0:
      return DXBG;
    case 1:
      return DXMG;
    case 2:
      return DXFG;
    case 3:
      return DXOBJ;
    case 4:
      return DXCH;
    default:
      assert(layer == 5);
      return DXMISC;
  }
}

TileLoadResult LoadTileSets(const QString& folder, TileSets& sets) {
  TileLoadResult result;
  QString base = folder;
  if (!base.isEmpty() && !base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');

  struct FolderSet {
    const char* Folder;
    TileSet* Set;
  };
  const FolderSet folderSets[] = {
      {"img_bg/", &sets.DXBG},   {"img_mg/", &sets.DXMG},   {"img_fg/", &sets.DXFG},
      {"img_obj/", &sets.DXOBJ}, {"img_pla/", &sets.DXPLA}, {"img_chars/", &sets.DXCH},
  };
  for (const FolderSet& folderSet : folderSets) {
    folderSet.Set->Entries.assign(1, TileEntry{});
    if (!LoadNumbered(base + QLatin1String(folderSet.Folder), *folderSet.Set, result.Error)) {
      return result;
    }
  }
  sets.DXMISC.Entries.assign(1, TileEntry{QImage(), 32, 32});
  sets.BaseTileSize = 0;
  if (sets.DXBG.ImageCount() == 0) {
    result.Error = Missing(base + QStringLiteral("img_bg/0.png"));
    return result;
  }

  const QString primary = base + QStringLiteral("img_chars/primary.png");
  if (!QFileInfo(primary).isFile()) {
    result.Error = Missing(primary);
    return result;
  }
  if (!LoadEntry(primary, sets.DXCH.TransparentColour, sets.DXCH.Entries[0], result.Error))
    return result;

  // The cell size follows the first background image; every image is drawn
  // and prepared at sizes that grow with it.
  const int baseTileSize = sets.DXBG.Entry(1).PatternWidth;
  if (baseTileSize > MaxBaseTileSize) {
    result.Error =
        QStringLiteral("The first background image %1 is %2 pixels wide, at most %3 are allowed.")
            .arg(base + QStringLiteral("img_bg/0.png"))
            .arg(baseTileSize)
            .arg(MaxBaseTileSize);
    return result;
  }
  sets.BaseTileSize = baseTileSize;
  result.Ok = true;
  return result;
}

bool HasTileSets(const QString& folder) {
  return QFileInfo::exists(QDir(folder).filePath(QStringLiteral("img_bg/0.png")));
}

QString InstalledSampleGame(const QString& executableFolder) {
  return QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(ZUBO_DATA_FROM_BIN)));
}
