#include "app/Tactivityfrm.h"

#include "app/Heading3d.h"

Tactivityfrm::Tactivityfrm(QWidget* parent) : QWidget(parent) {
  setObjectName("Tactivityfrm");
  setWindowTitle("Activity Assistant");
  setWindowFlag(Qt::Window);
  resize(287, 392);

  l3d1 = app::makeHeading3d(this, "l3d1", QStringLiteral("Animation"), 18, 287);
}
