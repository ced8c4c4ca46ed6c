#include "clips/engine/RotateSquare.h"

#include <cmath>

#include "clips/engine/Rotate.h"
#include "platform/gdi/Blit.h"

namespace clips {

int squareSide(int width, int height) {
  const double diagonal = std::sqrt(double(width) * width + double(height) * height);
  return int(std::nearbyint(diagonal)) + 10;
}

gdi::Bitmap centredInSquare(const gdi::Bitmap& b, int side) {
  gdi::Bitmap square(side, side);
  if (b.hasPalette()) {
    square.setPixelFormat(b.pixelFormat());
    square.setPalette(b.palette());
  }
  gdi::bitBlt(square, (side - b.width()) / 2, (side - b.height()) / 2, b.width(), b.height(), &b, 0,
              0, gdi::SRCCOPY, gdi::Brush());
  return square;
}

gdi::Bitmap rotateClip(const gdi::Bitmap& clip, double degrees, const ProgressStep& step) {
  const int side = squareSide(clip.width(), clip.height());
  const gdi::Bitmap square = centredInSquare(clip, side);
  gdi::Bitmap turned = square;
  rotate(square, turned, side / 2, 1.0, degrees, side / 2, step);
  return turned;
}

std::optional<gdi::Bitmap> enlargedForRotation(const gdi::Bitmap& picture) {
  if (picture.width() == picture.height()) return std::nullopt;
  return centredInSquare(picture, squareSide(picture.width(), picture.height()));
}

void rotatePicture(const gdi::Bitmap& source, gdi::Bitmap& picture, double degrees,
                   const ProgressStep& step) {
  rotate(source, picture, picture.width() / 2, 1.0, degrees, picture.height() / 2, step);
}

}  // namespace clips
