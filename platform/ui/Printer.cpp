#include "platform/ui/Printer.h"

#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include "platform/ui/QtBitmap.h"
#include "platform/ui/Services.h"

namespace ui {

QRect fitToPage(const QSize& size, const QRect& page) {
  if (size.isEmpty() || page.isEmpty()) return {};
  const QSize fitted = size.scaled(page.size(), Qt::KeepAspectRatio);
  return {page.topLeft(), fitted.expandedTo(QSize(1, 1))};
}

Printer::Printer() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

Printer::~Printer() = default;

void Printer::setOutputFile(const QString& pdfPath) {
  printer_->setOutputFormat(pdfPath.isEmpty() ? QPrinter::NativeFormat : QPrinter::PdfFormat);
  printer_->setOutputFileName(pdfPath);
}

bool Printer::printDialog(const PrintOptions& options) {
  return dialogs().print(*printer_, options);
}

bool Printer::setupDialog() { return dialogs().printerSetup(*printer_); }

QRect Printer::pageRect() const {
  return {QPoint(0, 0), printer_->pageLayout().paintRectPixels(printer_->resolution()).size()};
}

void Printer::printImage(const QImage& image, const QRect& target) {
  if (image.isNull()) return;
  QPainter painter;
  if (!painter.begin(printer_.get())) throw PrintError("The printer could not be opened.");
  const QRect where = target.isEmpty() ? fitToPage(image.size(), pageRect()) : target;
  painter.drawImage(where, image);
  painter.end();
}

void Printer::printBitmap(const gdi::Bitmap& bitmap, const QRect& target) {
  printImage(sharedImage(bitmap), target);
}

void Printer::printWidget(QWidget& widget) { printImage(widget.grab().toImage()); }

void Printer::printDocument(const QTextDocument& document, const QString& title) {
  printer_->setDocName(title);
  if (!printer_->isValid()) throw PrintError("The printer could not be opened.");
  document.print(printer_.get());
}

}  // namespace ui
