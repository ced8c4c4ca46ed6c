#pragma once
// The image browser: the program's picture loader. Its preview `Image1`
// holds the browser's image, which "Load" makes the picture.
#include <QString>
#include <QWidget>

namespace ui {
class ImageControl;
}

class Tpicform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tpicform1(QWidget* parent = nullptr);

  ui::ImageControl* Image1 = nullptr;  // the preview: the browser's image
  // The name the picture gets as the main window's caption.
  QString shownName = QStringLiteral("TEMP.BMP");

  // Reads a picture file into the preview; true when it holds a picture. A
  // file that is not a picture we read leaves the preview empty; a file that
  // cannot be read throws codecs::PictureError.
  bool openthefile(const QString& name);
  // Makes the preview the main window's picture.
  void loadpic();
};
