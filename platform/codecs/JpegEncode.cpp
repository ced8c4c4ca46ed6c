// Encoding bitmaps as JPEG files.
#include <algorithm>
#include <cstring>
#include <exception>
#include <span>
#include <vector>

#include "platform/codecs/Jpeg.h"
#include "platform/codecs/JpegSupport.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/SafeSave.h"

namespace codecs {
namespace {

// libjpeg's destination: a small buffer handed to the sink each time it is
// full, so the file is written while it is coded instead of held whole.
// A sink that throws (a full disk) must not unwind through libjpeg's C
// frames: the exception is kept and the library call ended through the error
// manager, and encodeJpeg throws it again from ordinary C++.
//
// libjpeg calls empty_output_buffer only when the whole buffer is full, and
// its entropy coders keep their own copy of the output position while they
// work: next_output_byte and free_in_buffer may be stale at that moment, so
// the bytes to pass on are the whole buffer, never size - free_in_buffer. Only
// at term_destination are both up to date.
struct SinkDestination {
  static constexpr std::size_t kSize = std::size_t(1) << 16;

  jpeg_destination_mgr pub;
  const ByteSink* sink;
  std::uint8_t* buffer;
  std::exception_ptr failure;

  static SinkDestination* of(j_compress_ptr c) {
    return reinterpret_cast<SinkDestination*>(c->dest);
  }
  static void init(j_compress_ptr c) { of(c)->restart(); }
  static boolean empty(j_compress_ptr c) {
    of(c)->pass(c, kSize);
    of(c)->restart();
    return TRUE;
  }
  static void term(j_compress_ptr c) { of(c)->pass(c, kSize - of(c)->pub.free_in_buffer); }

  void restart() {
    pub.next_output_byte = buffer;
    pub.free_in_buffer = kSize;
  }
  void pass(j_compress_ptr c, std::size_t used) {
    try {
      (*sink)(std::span<const std::uint8_t>(buffer, used));
    } catch (...) {
      failure = std::current_exception();
    }
    // Left outside the handler: the jump must not skip the end of the catch.
    if (failure) detail::jpegFail(reinterpret_cast<j_common_ptr>(c), "the file cannot be written");
  }
};

}  // namespace

void encodeJpeg(const gdi::Bitmap& bitmap, const JpegEncodeOptions& options, const ByteSink& sink) {
  if (bitmap.empty())
    throw PictureError(ErrorKind::InvalidPicture, "There is no picture to save as JPEG");
  std::vector<std::uint8_t> buffer(SinkDestination::kSize);
  detail::JpegErrorManager errors;
  jpeg_compress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = detail::installErrorManager(errors);
  SinkDestination dest{};
  dest.sink = &sink;
  dest.buffer = buffer.data();
  dest.pub.init_destination = SinkDestination::init;
  dest.pub.empty_output_buffer = SinkDestination::empty;
  dest.pub.term_destination = SinkDestination::term;

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
        rows[i] = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(bitmap.constRow(y + i)));
      jpeg_write_scanlines(&cinfo, rows, JDIMENSION(n));
    }
    jpeg_finish_compress(&cinfo);
  });
  jpeg_destroy_compress(&cinfo);
  if (dest.failure) std::rethrow_exception(dest.failure);
  if (!ok)
    throw PictureError(ErrorKind::InvalidPicture,
                       std::string("Cannot encode the picture as JPEG: ") + errors.message);
}

std::vector<std::uint8_t> encodeJpeg(const gdi::Bitmap& bitmap, const JpegEncodeOptions& options) {
  std::vector<std::uint8_t> out;
  encodeJpeg(bitmap, options, [&out](std::span<const std::uint8_t> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
  });
  return out;
}

void writeJpegFile(const std::filesystem::path& path, const gdi::Bitmap& bitmap,
                   const JpegEncodeOptions& options) {
  saveFileSafely(path, [&](const ByteSink& sink) { encodeJpeg(bitmap, options, sink); });
}

}  // namespace codecs
