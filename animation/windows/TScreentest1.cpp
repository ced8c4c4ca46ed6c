#include "animation/windows/TScreentest1.h"

#include <QVBoxLayout>

#include "platform/ui/ImageControl.h"

TScreentest1::TScreentest1(QWidget* parent) : QWidget(parent) {
  setObjectName("TScreentest1");
  setWindowTitle("Preview");
  setWindowFlag(Qt::Window);
  // Shown by a window whose preview runs while it stays the active one.
  setAttribute(Qt::WA_ShowWithoutActivating);
  Image2 = new ui::ImageControl(this);
  Image2->setObjectName("Image2");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Image2);
  connect(Image2, &ui::ImageControl::clicked, this, [this] { Image2Click(); });
  connect(Image2, &ui::ImageControl::doubleClicked, this, [this] { Image2DblClick(); });
  resize(400, 400);
}

void TScreentest1::Image2Click() {
  if (isMaximized()) showNormal();
  // Qt sizes the client area; the frame around it is the window manager's.
  const gdi::Bitmap& frame = Image2->bitmap();
  if (!frame.empty()) resize(frame.width(), frame.height());
}

void TScreentest1::Image2DblClick() { showMaximized(); }
