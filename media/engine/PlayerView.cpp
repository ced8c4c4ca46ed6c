#include "media/engine/PlayerView.h"

#include "platform/gdi/Blit.h"
#include "platform/gdi/Canvas.h"
#include "platform/gdi/Rop.h"

namespace media {

FrameLayout layoutFrame(int controlWidth, int controlHeight, int frameWidth, int frameHeight,
                        bool stretch, bool center) {
  FrameLayout l;
  if (stretch) {
    l.width = controlWidth;
    l.height = controlHeight;
    return l;
  }
  l.width = frameWidth;
  l.height = frameHeight;
  if (center) {
    l.x = (controlWidth - frameWidth) / 2;
    l.y = (controlHeight - frameHeight) / 2;
  }
  return l;
}

const gdi::Bitmap& frameAtSize(const gdi::Bitmap& frame, int width, int height,
                               gdi::Bitmap& scratch) {
  if (frame.width() == width && frame.height() == height) return frame;
  if (scratch.width() != width || scratch.height() != height) scratch = gdi::Bitmap(width, height);
  gdi::stretchBlt(scratch, 0, 0, width, height, frame, 0, 0, frame.width(), frame.height(),
                  gdi::SRCCOPY, gdi::StretchMode::Halftone, gdi::Brush());
  return scratch;
}

gdi::TColor transparentKey(const gdi::Bitmap& drawnFrame) {
  return drawnFrame.pixel(0, drawnFrame.height() - 1);
}

void composePlayerView(gdi::Bitmap& view, const gdi::Bitmap* frame, const PlayerLook& look) {
  const gdi::TColor background = gdi::colorToRGB(look.color);
  if (!frame || frame->empty()) {
    if (!look.transparent) view.fill(background);
    return;
  }
  const FrameLayout l = layoutFrame(view.width(), view.height(), frame->width(), frame->height(),
                                    look.stretch, look.center);
  if (l.width <= 0 || l.height <= 0) return;
  gdi::Bitmap scratch;
  const gdi::Bitmap& drawn = frameAtSize(*frame, l.width, l.height, scratch);
  if (look.transparent) {
    gdi::transparentBlt(view, l.x, l.y, l.width, l.height, drawn, 0, 0, l.width, l.height,
                        transparentKey(drawn));
    return;
  }
  // The area the frame leaves free shows the control's colour.
  if (l.x > 0 || l.y > 0 || l.x + l.width < view.width() || l.y + l.height < view.height())
    view.fill(background);
  gdi::bitBlt(view, l.x, l.y, l.width, l.height, &drawn, 0, 0, gdi::SRCCOPY, gdi::Brush());
  view.markAllDirty();
}

}  // namespace media
