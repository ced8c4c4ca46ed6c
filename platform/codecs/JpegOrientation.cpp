#include "platform/codecs/JpegOrientation.h"

#include <libexif/exif-data.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>

namespace codecs {
namespace {

struct ExifDataUnref {
  void operator()(ExifData* d) const { exif_data_unref(d); }
};

}  // namespace

ExifOrientation exifOrientation(std::span<const std::uint8_t> app1) {
  static constexpr std::uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
  if (app1.size() < sizeof kExifHeader ||
      !std::equal(std::begin(kExifHeader), std::end(kExifHeader), app1.begin()))
    return ExifOrientation::Upright;
  std::unique_ptr<ExifData, ExifDataUnref> data(exif_data_new());
  if (!data) return ExifOrientation::Upright;
  // Only reading: the data is not to be "corrected" into a standard form.
  exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
  exif_data_load_data(data.get(), app1.data(), unsigned(app1.size()));
  ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
  if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || !entry->data ||
      entry->size < 2)
    return ExifOrientation::Upright;
  const ExifShort value = exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
  if (value < 1 || value > 8) return ExifOrientation::Upright;
  return ExifOrientation(value);
}

OrientedRows::OrientedRows(gdi::Bitmap& upright, int width, int height, ExifOrientation o)
    : upright_(upright), width_(width), height_(height), o_(o) {}

void OrientedRows::put(int y, const std::uint32_t* row) {
  // Stored pixel (x, y) goes to upright pixel start + x * step.
  const std::ptrdiff_t stride = upright_.width();
  const int w = width_, h = height_;
  std::ptrdiff_t start = 0, step = 1;
  switch (o_) {
    case ExifOrientation::Upright:
      start = y * stride;
      step = 1;
      break;
    case ExifOrientation::Mirrored:
      start = y * stride + (w - 1);
      step = -1;
      break;
    case ExifOrientation::UpsideDown:
      start = (h - 1 - y) * stride + (w - 1);
      step = -1;
      break;
    case ExifOrientation::MirroredUpsideDown:
      start = (h - 1 - y) * stride;
      step = 1;
      break;
    case ExifOrientation::Transposed:
      start = y;
      step = stride;
      break;
    case ExifOrientation::TurnedRight:
      start = h - 1 - y;
      step = stride;
      break;
    case ExifOrientation::Transversed:
      start = (w - 1) * stride + (h - 1 - y);
      step = -stride;
      break;
    case ExifOrientation::TurnedLeft:
      start = (w - 1) * stride + y;
      step = -stride;
      break;
  }
  std::uint32_t* out = upright_.bits() + start;
  for (int x = 0; x < w; ++x, out += step) *out = row[x];
}

}  // namespace codecs
