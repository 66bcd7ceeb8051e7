#include "image_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

QImage Solid(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

QString ImageFolder::Prepare(const QString& relative) {
  const QString path = Dir.filePath(relative);
  QDir().mkpath(QFileInfo(path).path());
  return path;
}

bool ImageFolder::Write(const QString& relative, const QImage& image) {
  const QString path = Prepare(relative);
  const bool written = image.save(path, "PNG");
  EXPECT_TRUE(written) << path.toStdString();
  return written;
}

void ImageFolder::WriteBytes(const QString& relative, const QByteArray& bytes) {
  QFile file(Prepare(relative));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}
