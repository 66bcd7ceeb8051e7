#include "tile_folder.h"

#include <QColor>
#include <QDir>

TileFolder::TileFolder(bool withTiles) : PreviousCurrent(QDir::currentPath()) {
  if (!Images.IsValid()) return;
  QDir::setCurrent(Images.Path());
  if (!withTiles) return;
  for (int i = 0; i < BackgroundCount; ++i) WriteImage(QStringLiteral("img_bg/%1.png").arg(i));
  for (const char* folder : {"img_mg", "img_fg", "img_obj", "img_pla", "img_chars"}) {
    for (int i = 0; i < 2; ++i) WriteImage(QStringLiteral("%1/%2.png").arg(folder).arg(i));
  }
  WriteImage(QStringLiteral("img_chars/primary.png"));
}

TileFolder::~TileFolder() {
  QDir::setCurrent(PreviousCurrent);
}

bool TileFolder::WriteImage(const QString& relativePath, int size) {
  return Images.Write(relativePath, Solid(size, size, QColor(40, 120, 200)));
}
