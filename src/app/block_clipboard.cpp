#include "app/block_clipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "model/map.h"

namespace {

constexpr char BlockMimeType[] = "application/x-zubo-cells";

}  // namespace

void PutBlockOnClipboard(const Map& block) {
  const QByteArray text = QByteArray::fromStdString(BlockToText(block));
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(BlockMimeType), text);
  data->setText(QString::fromUtf8(text));
  QApplication::clipboard()->setMimeData(data);
}

BlockText BlockOnClipboard() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr) return NoBlock{};
  const QString format = QString::fromLatin1(BlockMimeType);
  const QByteArray text = data->hasFormat(format) ? data->data(format) : data->text().toUtf8();
  return BlockFromText(text.toStdString());
}
