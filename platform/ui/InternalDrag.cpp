#include "platform/ui/InternalDrag.h"

#include <QCoreApplication>
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QWidget>

namespace ui {

const char* const InternalDrag::kMimeType = "application/x-quillmoor-control";

namespace {

QPointer<QWidget> current;
quint64 serial = 0;

QByteArray token() {
  return QByteArray::number(QCoreApplication::applicationPid()) + ':' + QByteArray::number(serial);
}

}  // namespace

QMimeData* InternalDrag::begin(QWidget* source) {
  ++serial;
  current = source;
  auto* data = new QMimeData;
  data->setData(kMimeType, token());
  return data;
}

void InternalDrag::end() { current = nullptr; }

QWidget* InternalDrag::sourceOf(const QMimeData* data) {
  if (!data || !current || !data->hasFormat(kMimeType)) return nullptr;
  return data->data(kMimeType) == token() ? current.data() : nullptr;
}

Qt::DropAction InternalDrag::exec(QWidget* source, const QPixmap& image) {
  auto* drag = new QDrag(source);
  drag->setMimeData(begin(source));
  if (!image.isNull()) drag->setPixmap(image);
  const Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
  end();
  return action;
}

}  // namespace ui
