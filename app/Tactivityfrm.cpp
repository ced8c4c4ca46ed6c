#include "app/Tactivityfrm.h"

#include "controls/TLabel3d.h"

Tactivityfrm::Tactivityfrm(QWidget* parent) : QWidget(parent) {
  setObjectName("Tactivityfrm");
  setWindowTitle("Activity Assistant");
  setWindowFlag(Qt::Window);
  resize(287, 392);

  l3d1 = new TLabel3d(this);
  l3d1->setObjectName("l3d1");
  gdi::Font heading;
  heading.name = "Arial";
  heading.setSize(18);
  heading.style = gdi::fsBold;
  heading.color = gdi::clNavy;
  l3d1->setFont(heading);
  l3d1->setAStyle3D(controls::Raised3d);
  l3d1->setCaption(QStringLiteral("Animation"));
  // Placed by hand: the label takes the size of its caption.
  l3d1->move((287 - l3d1->width()) / 2, 8);
}
