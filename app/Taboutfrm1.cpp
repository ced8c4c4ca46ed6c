#include "app/Taboutfrm1.h"

#include "app/Heading3d.h"

Taboutfrm1::Taboutfrm1(QWidget* parent) : QDialog(parent) {
  setObjectName("Taboutfrm1");
  setWindowTitle("About");
  resize(360, 200);

  Heading = app::makeHeading3d(this, "Heading", QStringLiteral("Quillmoor"), 24, 360);
}
