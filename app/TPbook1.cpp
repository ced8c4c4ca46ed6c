#include "app/TPbook1.h"

#include <QPixmap>
#include <QScrollArea>

#include "platform/ui/QtBitmap.h"

TPbook1::TPbook1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TPbook1");
  setWindowTitle("TEMP.BMP");
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("ScrollBox1");
  ptbox1 = new QLabel(scroll);
  ptbox1->setObjectName("ptbox1");
  scroll->setWidget(ptbox1);
  setCentralWidget(scroll);
  showPicture();
  resize(640, 520);
}

void TPbook1::showPicture() {
  QImage shown = ui::sharedImage(picture_).convertToFormat(QImage::Format_RGB32);
  ptbox1->setPixmap(QPixmap::fromImage(shown));
  ptbox1->resize(picture_.width(), picture_.height());
}
