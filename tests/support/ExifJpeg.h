#pragma once
// JPEG files with EXIF data, as cameras write them: an APP1 segment made
// with libexif holding the orientation.
#include <libexif/exif-data.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace testing_support {

// The APP1 payload of an EXIF block holding only the orientation.
inline std::vector<std::uint8_t> exifPayload(int orientation, ExifByteOrder order) {
  ExifData* data = exif_data_new();
  exif_data_set_byte_order(data, order);
  ExifEntry* entry = exif_entry_new();
  exif_content_add_entry(data->ifd[EXIF_IFD_0], entry);
  exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
  exif_set_short(entry->data, order, ExifShort(orientation));
  unsigned char* bytes = nullptr;
  unsigned int size = 0;
  exif_data_save_data(data, &bytes, &size);
  std::vector<std::uint8_t> out(bytes, bytes + size);
  std::free(bytes);
  exif_entry_unref(entry);
  exif_data_unref(data);
  return out;
}

// `jpeg` with an APP1 segment holding `payload` right after its start marker.
inline std::vector<std::uint8_t> withApp1(const std::vector<std::uint8_t>& jpeg,
                                          const std::vector<std::uint8_t>& payload) {
  std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
  const std::size_t length = payload.size() + 2;
  out.insert(out.end(), {0xFF, 0xE1, std::uint8_t(length >> 8), std::uint8_t(length)});
  out.insert(out.end(), payload.begin(), payload.end());
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  return out;
}

}  // namespace testing_support
