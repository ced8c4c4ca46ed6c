// Encoding bitmaps as JPEG files.
#include <algorithm>
#include <cstring>
#include <new>

#include "platform/codecs/Jpeg.h"
#include "platform/codecs/JpegSupport.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/SafeSave.h"

namespace codecs {
namespace {

// libjpeg's destination, growing a vector. Growth failures end the library
// call through the error manager instead of unwinding through C frames.
//
// libjpeg calls empty_output_buffer only when the whole buffer is full, and
// its entropy coders keep their own copy of the output position while they
// work: next_output_byte and free_in_buffer may be stale at that moment, so
// the bytes in use are the whole buffer, never size - free_in_buffer. Only at
// term_destination are both up to date, and there the unused tail is cut.
struct VectorDestination {
  jpeg_destination_mgr pub;
  std::vector<std::uint8_t>* out;

  static void init(j_compress_ptr c) {
    auto* self = reinterpret_cast<VectorDestination*>(c->dest);
    self->grow(c, 0, std::size_t(1) << 16);
  }
  static boolean empty(j_compress_ptr c) {
    auto* self = reinterpret_cast<VectorDestination*>(c->dest);
    const std::size_t full = self->out->size();
    self->grow(c, full, full * 2);
    return TRUE;
  }
  static void term(j_compress_ptr c) {
    auto* self = reinterpret_cast<VectorDestination*>(c->dest);
    self->out->resize(self->out->size() - self->pub.free_in_buffer);
  }
  // Makes the vector `size` bytes long, keeping its first `used` bytes, and
  // points libjpeg at the part after them.
  void grow(j_compress_ptr c, std::size_t used, std::size_t size) {
    bool grown = true;
    try {
      out->resize(size);
    } catch (const std::bad_alloc&) {
      grown = false;
    }
    // Left outside the handler: the jump must not skip the end of the catch.
    if (!grown) detail::jpegFail(reinterpret_cast<j_common_ptr>(c), "out of memory");
    pub.next_output_byte = out->data() + used;
    pub.free_in_buffer = size - used;
  }
};

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const gdi::Bitmap& bitmap, const JpegEncodeOptions& options) {
  if (bitmap.empty())
    throw PictureError(ErrorKind::InvalidPicture, "There is no picture to save as JPEG");
  std::vector<std::uint8_t> out;
  detail::JpegErrorManager errors;
  jpeg_compress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = detail::installErrorManager(errors);
  VectorDestination dest{};
  dest.out = &out;
  dest.pub.init_destination = VectorDestination::init;
  dest.pub.empty_output_buffer = VectorDestination::empty;
  dest.pub.term_destination = VectorDestination::term;

  const int height = bitmap.height();
  const bool ok = detail::jpegCall(errors, [&] {
    jpeg_create_compress(&cinfo);
    cinfo.dest = &dest.pub;
    cinfo.image_width = JDIMENSION(bitmap.width());
    cinfo.image_height = JDIMENSION(height);
    // Our pixels are exactly libjpeg's RGBX layout, so rows go in unconverted.
    cinfo.in_color_space = JCS_EXT_RGBX;
    cinfo.input_components = 4;
    jpeg_set_defaults(&cinfo);
    if (options.quality) jpeg_set_quality(&cinfo, std::clamp(*options.quality, 1, 100), TRUE);
    if (options.progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPROW rows[16];
    while (int(cinfo.next_scanline) < height) {
      const int y = int(cinfo.next_scanline);
      const int n = std::min(16, height - y);
      for (int i = 0; i < n; ++i)
        rows[i] = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(bitmap.row(y + i)));
      jpeg_write_scanlines(&cinfo, rows, JDIMENSION(n));
    }
    jpeg_finish_compress(&cinfo);
  });
  jpeg_destroy_compress(&cinfo);
  if (!ok)
    throw PictureError(ErrorKind::InvalidPicture,
                       std::string("Cannot encode the picture as JPEG: ") + errors.message);
  return out;
}

void writeJpegFile(const std::filesystem::path& path, const gdi::Bitmap& bitmap,
                   const JpegEncodeOptions& options) {
  const std::vector<std::uint8_t> bytes = encodeJpeg(bitmap, options);
  saveFileSafely(path, bytes);
}

}  // namespace codecs
