#pragma once
// The raised navy heading the informational windows put at their top.
#include <QString>

#include "controls/TLabel3d.h"

namespace app {

// A raised 3D heading in bold Arial of `points`, centred in a window
// `windowWidth` wide, 8 pixels from the top.
inline TLabel3d* makeHeading3d(QWidget* window, const char* name, const QString& caption,
                               int points, int windowWidth) {
  auto* label = new TLabel3d(window);
  label->setObjectName(name);
  gdi::Font font;
  font.name = "Arial";
  font.setSize(points);
  font.style = gdi::fsBold;
  font.color = gdi::clNavy;
  label->setFont(font);
  label->setAStyle3D(controls::Raised3d);
  label->setCaption(caption);
  // Placed by hand: the label takes the size of its caption.
  label->move((windowWidth - label->width()) / 2, 8);
  return label;
}

}  // namespace app
