#pragma once
// Helpers of the paste window tests: clips, the floating state, and mouse
// events on the picture as the user makes them.
#include <QCheckBox>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QToolButton>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinButton.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

namespace paste_test {

// A w x h clip of one colour.
inline gdi::Bitmap solidClip(int w, int h, gdi::TColor c) {
  gdi::Bitmap b(w, h);
  b.fill(c);
  return b;
}

// A picture whose every pixel tells where it is: red = x, green = y.
inline gdi::Bitmap coordinatePicture(int w, int h) {
  gdi::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.row(y)[x] = std::uint32_t(gdi::RGB(x & 0xFF, y & 0xFF, 0x40));
  return b;
}

// The backdrop with a solid clip drawn at each of `places`, and nothing else:
// the picture a paste should leave.
inline gdi::Bitmap withClips(gdi::Bitmap backdrop, gdi::Size clip, gdi::TColor c,
                             std::initializer_list<gdi::Point> places) {
  backdrop.canvas().brush.setColor(c);
  for (gdi::Point p : places)
    backdrop.canvas().fillRect(gdi::Rect::fromSize(p.x, p.y, clip.cx, clip.cy));
  return backdrop;
}

inline bool maskMode() { return app::windows().Form3->MaskMode; }

// Replaces the picture and lets the page set-up fit everything to it.
inline void setPicture(TPbook1& m, const gdi::Bitmap& b) {
  m.picture() = b;
  m.ptbox1->refresh();
  m.initpages();
}

// Puts `clip` on the clipboard and presses "Paste".
inline void paste(testing_support::Studio& studio, const gdi::Bitmap& clip) {
  studio.clipboard().setBitmap(clip);
  studio.main().pbpastebut1->click();
}

inline void mouse(QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton button,
                  Qt::MouseButtons held) {
  const QPointF local(x, y);
  QMouseEvent e(type, local, w->mapToGlobal(local), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// Mouse on the picture at picture point (x, y) (the picture is not stretched).
inline void press(TPbook1& m, int x, int y) {
  mouse(m.ptbox1, QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
}
inline void moveTo(TPbook1& m, int x, int y) {
  mouse(m.ptbox1, QEvent::MouseMove, x, y, Qt::NoButton, Qt::LeftButton);
}
inline void release(TPbook1& m, int x, int y) {
  mouse(m.ptbox1, QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
}

}  // namespace paste_test
