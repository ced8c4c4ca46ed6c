// "Rotate Clip": the clip is turned in its white square, always starting
// from the clipboard's bitmap so repeated turns do not pile up, and the
// clipboard keeps the unrotated clip.
#include <QFrame>
#include <QProgressBar>
#include <algorithm>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "app/Windows.h"
#include "clips/engine/RotateSquare.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TForm3.h"

void TPbook1::SpeedButton18Click() {
  gdi::Bitmap& picture = ptbox1->bitmap();
  floatingClip.restoreAll(picture, image2->bitmap());
  ui::Clipboard& clipboard = ui::clipboard();
  gdi::Bitmap unrotated = clipboard.hasBitmap() ? clipboard.bitmap() : gdi::Bitmap();
  if (unrotated.empty()) {
    ptbox1->refresh();
    app::showClipboardMessage();
    return;
  }
  showProgress();
  gdi::Bitmap turned = clips::rotateClip(unrotated, pasterotedit1->value(), progressStep());
  clpmap1->resize(turned.width(), turned.height());
  clpmap1->setBitmap(turned);
  ptbox1->refresh();
  bg1->hide();
  clipboard.setBitmap(turned);
  paste_it();
  clipboard.setBitmap(unrotated);
}

void TPbook1::prepareRotation() {
  // The whole picture turns, with a zoomed edit back in its place.
  endZoomedEditing();
  // A floating clip stays as drawn, as "OK" would leave it: the panel's
  // buttons would otherwise redraw it over the unrotated backdrop.
  leavePaste();
  TemplateCapture = false;
  // The picture as shown is what turns, and what Undo gives back.
  image2->setBitmap(ptbox1->bitmap());
  markModified();
}

void TPbook1::takeRotationSquare(const gdi::Bitmap& square) {
  const int side = square.width();
  ptbox1->setBitmap(square);
  ptbox1->resize(side, side);
  image2->resize(side, side);
  zmbk->resize(side, side);
  image2->setBitmap(square);
  zmbk->setBitmap(square);
  ui::processMessages();
  const QSize screen = ui::environment().screenSize();
  resize(std::min(ptbox1->width() + CoolBar1->width() + 40, screen.width() - 20),
         std::min(ptbox1->height() + 100, screen.height() - 80));
}
