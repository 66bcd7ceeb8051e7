#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

// One entry of a tile set: an image and its pattern size (the image's own size).
// Entry 0 is the set's empty placeholder (no image), except in DXCH where it
// holds the primary marker.
struct TileEntry {
  QImage Image;  // colour key already turned into alpha; null for an empty entry
  int PatternWidth = 0;
  int PatternHeight = 0;
};

class TileSet {
 public:
  explicit TileSet(QColor transparentColour = QColor(255, 255, 255));

  int EntryCount() const { return static_cast<int>(Entries.size()); }
  // Images loaded from the folder: entries 1..ImageCount().
  int ImageCount() const { return EntryCount() - 1; }
  const TileEntry& Entry(int i) const { return Entries[static_cast<size_t>(i)]; }

  QColor TransparentColour;
  std::vector<TileEntry> Entries;  // starts with the placeholder entry 0
};

// The seven tile sets of the editor and the cell size at zoom 10.
struct TileSets {
  TileSet DXBG{QColor(255, 255, 255)};
  TileSet DXMG{QColor(255, 255, 255)};
  TileSet DXFG{QColor(255, 255, 255)};
  TileSet DXOBJ{QColor(255, 255, 255)};
  TileSet DXCH{QColor(255, 0, 255)};
  TileSet DXMISC{QColor(255, 0, 255)};
  TileSet DXPLA{QColor(255, 0, 255)};
  int BaseTileSize = 0;

  // The set of a cell layer 0..5: DXBG, DXMG, DXFG, DXOBJ, DXCH, DXMISC.
  const TileSet& ForLayer(int layer) const;
};

// The largest tile images the editor takes: the first background image fixes
// the cell size, so it is bounded tighter than the rest.
constexpr int MaxBaseTileSize = 256;
constexpr int MaxTileImageSide = 1024;

struct TileLoadResult {
  bool Ok = false;
  QString Error;  // names the file that is missing, not a valid PNG or too large
};

// Loads the seven sets from img_bg/, img_mg/, img_fg/, img_obj/, img_pla/ and
// img_chars/ under folder (numbered files from 0.png until the first missing
// number), and the primary marker img_chars/primary.png into DXCH entry 0.
// Fails when img_bg/0.png or the primary marker is missing, a file is not a
// valid PNG, an image is larger than MaxTileImageSide a side, or the first
// background image is wider than MaxBaseTileSize.
TileLoadResult LoadTileSets(const QString& folder, TileSets& sets);

// True when folder holds the first background tile, which every load of
// the tile sets starts with.
bool HasTileSets(const QString& folder);

// The sample game an installed editor ships (its tile sets and demo level),
// found from the folder of the running executable: share/zubo-editor beside
// the bin folder.
QString InstalledSampleGame(const QString& executableFolder);
