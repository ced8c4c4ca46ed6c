#include "clips/engine/CircleCapture.h"

#include <algorithm>

#include "clips/engine/OutlineMask.h"
#include "platform/gdi/Canvas.h"

namespace clips {

gdi::Rect circleCaptureBox(gdi::Point p1, gdi::Point p2, gdi::Size picture) {
  return {std::max(std::min(p1.x, p2.x) - 2, 0), std::max(std::min(p1.y, p2.y) - 2, 0),
          std::min(std::max(p1.x, p2.x) + 2, picture.cx),
          std::min(std::max(p1.y, p2.y) + 2, picture.cy)};
}

Capture captureEllipse(const gdi::Bitmap& picture, gdi::Point p1, gdi::Point p2, int penWidth) {
  Capture result;
  const gdi::Rect box = circleCaptureBox(p1, p2, {picture.width(), picture.height()});
  if (box.isEmpty()) return result;

  const gdi::Rect ellipseBox = gdi::Rect{p1.x, p1.y, p2.x, p2.y}.normalized();
  MaskFigure figure;
  figure.extent = ellipseBox.inflated(penReach(penWidth));
  figure.outline = [ellipseBox](gdi::Canvas& c, gdi::Point by) {
    c.ellipse(ellipseBox.translated(by.x, by.y));
  };
  figure.fill = figure.outline;
  result.clip = maskedClip(picture, box, figure, penWidth);
  takePictureFormat(result.clip, picture);
  result.origin = {box.left + 1, box.top + 1};
  result.area = box;
  return result;
}

}  // namespace clips
