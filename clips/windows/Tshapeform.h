#pragma once
// "Morf Paste Clip": the clipboard's picture poured into a shape taken from a
// BMP file or from an image dragged here, at a chosen size, and pasted as the
// clip. The preview pours the shape's picture into the clip's outline.
#include <QString>
#include <QWidget>

#include "platform/gdi/Bitmap.h"
#include "platform/ui/DialogTypes.h"

class QLabel;
class QPushButton;

namespace ui {
class ImageControl;
class SpinEdit;
}  // namespace ui

class Tshapeform : public QWidget {
  Q_OBJECT
 public:
  explicit Tshapeform(QWidget* parent = nullptr);

  ui::ImageControl* Image1 = nullptr;  // the shape; a dragged image lands here
  ui::ImageControl* Image2 = nullptr;  // the clipboard's picture
  ui::SpinEdit* SpinEdit1 = nullptr;   // shape width
  ui::SpinEdit* SpinEdit2 = nullptr;   // shape height
  QLabel* Label1 = nullptr;            // messages
  ui::FileDialogOptions OpenPictureDialog1;
  QPushButton* BitBtn3 = nullptr;  // load a shape
  QPushButton* BitBtn1 = nullptr;  // morph and paste
  QPushButton* BitBtn5 = nullptr;  // morph and paste, the clip at its own size
  QPushButton* BitBtn4 = nullptr;  // preview
  QPushButton* BitBtn6 = nullptr;  // "Morf Shapes"
  QPushButton* BitBtn2 = nullptr;  // close

  // Whether a shape was loaded (from a file or dragged here).
  bool shapeLoaded() const { return !shape_.empty(); }
  // The file the shape came from; empty for a dragged one.
  const QString& shapeFile() const { return shapeFile_; }

  void FormShow();
  void BitBtn3Click();
  void BitBtn1Click();
  void BitBtn5Click();
  void BitBtn4Click();
  void BitBtn6Click();
  void Image1DragDrop(QWidget* source);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The shape at the spin edits' size into Image1; the clipboard's picture
  // poured into it and pasted. False (with a message in Label1) when there
  // was nothing to do.
  bool morphAndPaste();
  void takeShape(const gdi::Bitmap& shape);

  // The shape as loaded, before any stretch: every paste starts from it.
  gdi::Bitmap shape_;
  QString shapeFile_;
};
