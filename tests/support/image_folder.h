#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// A solid image of one colour.
QImage Solid(int width, int height, QColor colour);

// A temporary folder to write tile images into, removed when it goes.
class ImageFolder {
 public:
  bool IsValid() const { return Dir.isValid(); }
  QString Path() const { return Dir.path(); }
  // Writes `image` as a PNG at `relative`, creating its folder; true when
  // it was written.
  bool Write(const QString& relative, const QImage& image);
  void WriteBytes(const QString& relative, const QByteArray& bytes);
  // The full path of `relative`, its folder created.
  QString Prepare(const QString& relative);

 private:
  QTemporaryDir Dir;
};
