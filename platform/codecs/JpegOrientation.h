#pragma once
// The EXIF orientation of photographs: cameras store the picture as the
// sensor saw it and note in the EXIF data how to turn it for showing. The
// tag is read with libexif; decoded rows are written straight into their
// place in the upright picture, so no turned copy is ever made.
#include <cstdint>
#include <span>

#include "platform/gdi/Bitmap.h"

namespace codecs {

// The orientation values as EXIF numbers them (1 = stored upright).
enum class ExifOrientation : std::uint8_t {
  Upright = 1,
  Mirrored = 2,            // mirrored left to right
  UpsideDown = 3,          // turned half round
  MirroredUpsideDown = 4,  // mirrored top to bottom
  Transposed = 5,          // rows became columns
  TurnedRight = 6,         // shown turned a quarter clockwise
  Transversed = 7,         // rows became columns, read from the other corner
  TurnedLeft = 8,          // shown turned a quarter anticlockwise
};

// The orientation in an APP1 segment's payload ("Exif\0\0" and the TIFF
// data after it); Upright when the segment holds none or is damaged.
ExifOrientation exifOrientation(std::span<const std::uint8_t> app1);

// Whether the orientation swaps width and height.
constexpr bool swapsSides(ExifOrientation o) {
  return o == ExifOrientation::Transposed || o == ExifOrientation::TurnedRight ||
         o == ExifOrientation::Transversed || o == ExifOrientation::TurnedLeft;
}

// The size of a stored w x h picture once shown upright.
constexpr gdi::Size orientedSize(int w, int h, ExifOrientation o) {
  return swapsSides(o) ? gdi::Size{h, w} : gdi::Size{w, h};
}

// Writes the rows of a stored picture into the upright picture.
class OrientedRows {
 public:
  // `upright` must have the oriented size of a stored width x height picture.
  OrientedRows(gdi::Bitmap& upright, int width, int height, ExifOrientation o);

  // Stored row `y` (`width` pixels) to its place.
  void put(int y, const std::uint32_t* row);

 private:
  gdi::Bitmap& upright_;
  int width_;
  int height_;
  ExifOrientation o_;
};

}  // namespace codecs
