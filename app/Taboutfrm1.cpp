#include "app/Taboutfrm1.h"

#include "controls/TLabel3d.h"

Taboutfrm1::Taboutfrm1(QWidget* parent) : QDialog(parent) {
  setObjectName("Taboutfrm1");
  setWindowTitle("About");
  resize(360, 200);

  Heading = new TLabel3d(this);
  Heading->setObjectName("Heading");
  gdi::Font font;
  font.name = "Arial";
  font.setSize(24);
  font.style = gdi::fsBold;
  font.color = gdi::clNavy;
  Heading->setFont(font);
  Heading->setAStyle3D(controls::Raised3d);
  Heading->setCaption(QStringLiteral("Quillmoor"));
  // Placed by hand: the label takes the size of its caption.
  Heading->move((360 - Heading->width()) / 2, 8);
}
