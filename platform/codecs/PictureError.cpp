#include "platform/codecs/PictureError.h"

namespace codecs {

void checkPictureSize(std::int64_t width, std::int64_t height) {
  if (width < 1 || height < 1)
    throw PictureError(ErrorKind::InvalidPicture, "Invalid picture size " + std::to_string(width) +
                                                      " x " + std::to_string(height));
  if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
    throw PictureError(ErrorKind::TooLarge, "Picture of " + std::to_string(width) + " x " +
                                                std::to_string(height) +
                                                " pixels is too large to open");
}

}  // namespace codecs
