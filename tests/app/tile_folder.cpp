#include "tile_folder.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>

TileFolder::TileFolder(bool withTiles) : PreviousCurrent(QDir::currentPath()) {
  if (!Folder.isValid()) return;
  QDir::setCurrent(Folder.path());
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

bool TileFolder::WriteImage(const QString& relativePath, int size) const {
  const QString path = Folder.filePath(relativePath);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(QColor(40, 120, 200));
  return image.save(path, "PNG");
}
