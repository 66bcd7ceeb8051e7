#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include "view/tile_set.h"

// Colours of the sample images.
namespace SampleColours {
inline const QColor Bg(0, 0, 200);
inline const QColor Bg2(0, 0, 100);
inline const QColor Fg(0, 200, 0);
inline const QColor Object(200, 100, 0);
inline const QColor WideObject(150, 50, 0);
inline const QColor Char(120, 0, 120);
inline const QColor Marker(250, 250, 0);
inline const QColor Platform(0, 100, 100);
}  // namespace SampleColours

// A solid image of one colour.
QImage Solid(int width, int height, QColor colour);

// A temporary program folder to write tile images into.
class TileFolder {
 public:
  TileFolder();
  QString Path() const { return Dir.path(); }
  // Writes `image` as a PNG at `relative`, creating its folder.
  void Write(const QString& relative, const QImage& image);
  void WriteBytes(const QString& relative, const QByteArray& bytes);
  // The full path of `relative`, its folder created.
  QString Prepare(const QString& relative);

 private:
  QTemporaryDir Dir;
};

// Writes the sample sets the view tests draw from:
// img_bg: 16x16 Bg, 16x16 Bg2; img_mg: six 16x16 images;
// img_fg: 16x16 Fg; img_obj: 16x32 Object, 48x24 WideObject;
// img_chars: 16x16 fuchsia with an 8x8 Char centre; primary: 16x16 Marker;
// img_pla: 32x16 Platform.
void WriteSampleSets(TileFolder& folder);

// The seven sample sets, loaded.
struct SampleSets {
  SampleSets();
  TileFolder Folder;
  TileSets Sets;
};
