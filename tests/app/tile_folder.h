#pragma once

#include <QString>

#include "image_folder.h"

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

  bool IsValid() const { return Images.IsValid(); }
  QString Path() const { return Images.Path(); }
  // Writes a size x size PNG at the relative path, creating its folder.
  bool WriteImage(const QString& relativePath, int size = 16);

 private:
  ImageFolder Images;
  QString PreviousCurrent;
};
