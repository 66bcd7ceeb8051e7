#pragma once

#include <QString>
#include <QTemporaryDir>

// A temporary folder holding small tile sets, made current while it lives:
// BackgroundCount background images of 16 x 16 pixels, two of each other
// set and the primary marker.
class TileFolder {
 public:
  static constexpr int BackgroundCount = 3;

  explicit TileFolder(bool withTiles = true);
  ~TileFolder();
  TileFolder(const TileFolder&) = delete;
  TileFolder& operator=(const TileFolder&) = delete;

  bool IsValid() const { return Folder.isValid(); }
  QString Path() const { return Folder.path(); }
  // Writes a size x size PNG at the relative path, creating its folder.
  bool WriteImage(const QString& relativePath, int size = 16) const;

 private:
  QTemporaryDir Folder;
  QString PreviousCurrent;
};
