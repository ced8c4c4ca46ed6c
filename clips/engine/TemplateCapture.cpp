#include "clips/engine/TemplateCapture.h"

#include <algorithm>

#include "clips/engine/ClipMask.h"

namespace clips {

gdi::Bitmap captureUnderTemplate(const gdi::Bitmap& picture, const gdi::Bitmap& stencil,
                                 gdi::Point at, const ProgressStep& step) {
  gdi::Bitmap out(stencil.width(), stencil.height());
  if (picture.hasPalette()) {
    out.setPixelFormat(picture.pixelFormat());
    out.setPalette(picture.palette());
  }
  // Template columns whose picture column exists.
  const int x0 = std::max(0, -at.x);
  const int x1 = std::min(stencil.width(), picture.width() - at.x);
  RowProgress progress(stencil.height(), step);
  for (int y = 0; y < stencil.height(); ++y) {
    progress.row(y);
    const int py = at.y + y;
    if (py < 0 || py >= picture.height() || x0 >= x1) continue;
    const std::uint32_t* cut = stencil.row(y);
    const std::uint32_t* under = picture.row(py) + at.x;
    std::uint32_t* o = out.row(y);
    for (int x = x0; x < x1; ++x)
      if (!isClipWhite(cut[x])) o[x] = under[x];
  }
  return out;
}

}  // namespace clips
