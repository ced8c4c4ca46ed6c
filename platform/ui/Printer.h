#pragma once
// The program's printer: one QPrinter kept for the whole run (so the choices
// of the set-up dialog persist), its dialogs through ui::dialogs(), and the
// ways the program prints: a bitmap stretched into a rectangle of the page,
// a window's image scaled to the page, and a text document.
//
// Tests send the output to a PDF file with setOutputFile(). Printing throws
// PrintError when the printer cannot be opened.
#include <QImage>
#include <QRect>
#include <memory>
#include <stdexcept>

#include "platform/gdi/Bitmap.h"
#include "platform/ui/DialogTypes.h"

class QPrinter;
class QTextDocument;
class QWidget;

namespace ui {

class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Printer {
 public:
  Printer();
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  QPrinter& device() { return *printer_; }
  // Prints into this PDF file instead of a printer; empty goes back to the printer.
  void setOutputFile(const QString& pdfPath);

  // The print and printer set-up dialogs; true on OK.
  bool printDialog(const PrintOptions& options = {});
  bool setupDialog();

  // The printable area of the page in printer pixels, origin at its top left.
  QRect pageRect() const;

  // One page with the image stretched into `target` (printer pixels); an
  // empty target fits the image to the page keeping its proportions.
  void printImage(const QImage& image, const QRect& target = {});
  void printBitmap(const gdi::Bitmap& bitmap, const QRect& target = {});
  // The widget's image (as on screen) scaled to the page.
  void printWidget(QWidget& widget);
  // The document, as many pages as it takes, with `title` as the job name.
  void printDocument(const QTextDocument& document, const QString& title);

 private:
  std::unique_ptr<QPrinter> printer_;
};

// The rectangle of `size` scaled to fit `page` with its proportions kept, at
// the page's top left.
QRect fitToPage(const QSize& size, const QRect& page);

}  // namespace ui
