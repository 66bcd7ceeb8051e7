// Draws the application icon from its SVG into PNG files of the sizes the
// icon theme wants: icon_render ICON.svg OUT-FOLDER SIZE...; each size goes
// to OUT-FOLDER/SIZExSIZE/apps/NAME.png, NAME being the SVG's base name.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc < 4) {
    std::fputs("usage: icon_render ICON.svg OUT-FOLDER SIZE...\n", stderr);
    return 64;
  }
  const QString svg = QString::fromLocal8Bit(argv[1]);
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "icon_render: %s is no SVG image\n", argv[1]);
    return 2;
  }
  const QString name = QFileInfo(svg).completeBaseName();
  for (int i = 3; i < argc; ++i) {
    const int size = QString::fromLatin1(argv[i]).toInt();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString folder =
        QDir(QString::fromLocal8Bit(argv[2])).filePath(QStringLiteral("%1x%1/apps").arg(size));
    if (!QDir().mkpath(folder) || !image.save(QDir(folder).filePath(name + ".png"))) {
      std::fprintf(stderr, "icon_render: cannot write the %d px icon\n", size);
      return 2;
    }
  }
  return 0;
}
