// zubo-tiles OUTDIR: writes the sample tile sets of the editor as numbered
// PNG files into OUTDIR/img_bg, img_mg, img_fg, img_obj, img_chars and
// img_pla, and the primary marker as OUTDIR/img_chars/primary.png.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdio>
#include <vector>

#include "tile_art.h"

namespace {

bool WriteImage(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "zubo-tiles: cannot write %s\n", qPrintable(path));
  return false;
}

bool WriteFolder(const QDir& root, const QString& folder, const std::vector<QImage>& images) {
  if (!root.mkpath(folder)) {
    std::fprintf(stderr, "zubo-tiles: cannot create %s\n", qPrintable(root.filePath(folder)));
    return false;
  }
  const QDir dir(root.filePath(folder));
  // Files left from an earlier, longer set would extend the set when loaded.
  for (const QString& name : dir.entryList({"*.png"}, QDir::Files))
    if (name != "primary.png" && !QFile::remove(dir.filePath(name))) {
      std::fprintf(stderr, "zubo-tiles: cannot remove %s\n", qPrintable(dir.filePath(name)));
      return false;
    }
  for (size_t i = 0; i < images.size(); ++i)
    if (!WriteImage(images[i], dir.filePath(QString::number(i) + ".png"))) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zubo-tiles OUTDIR\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  const bool ok = WriteFolder(root, "img_bg", BackgroundTiles()) &&
                  WriteFolder(root, "img_mg", MidgroundTiles()) &&
                  WriteFolder(root, "img_fg", ForegroundTiles()) &&
                  WriteFolder(root, "img_obj", ObjectImages()) &&
                  WriteFolder(root, "img_chars", CharImages()) &&
                  WriteFolder(root, "img_pla", PlatformImages()) &&
                  WriteImage(PrimaryMarker(), root.filePath("img_chars/primary.png"));
  return ok ? 0 : 1;
}
