// Decoding JPEG files with libjpeg's scaling, colour quantizer and
// buffered-image mode.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/codecs/FileBytes.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/JpegSupport.h"
#include "platform/codecs/PictureError.h"

namespace codecs {
namespace {

using detail::JpegErrorManager;

// A progressive file has a handful of scans (libjpeg writes ten); hundreds of
// tiny ones only make the decoder walk the whole picture again and again.
constexpr int kMaxScans = 100;
// Drawing the picture after a scan costs a full output pass, so previews are
// drawn only after real progress and only so many times.
constexpr int kMaxPreviewPasses = 12;
constexpr int kMinPreviewStep = 4;  // percent of the file between previews

class Decompressor {
 public:
  explicit Decompressor(std::span<const std::uint8_t> bytes) {
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = detail::installErrorManager(errors_);
    try {
      call([&] {
        jpeg_create_decompress(&cinfo);
        cinfo.mem->max_memory_to_use = detail::kJpegMemoryLimit;
        jpeg_mem_src(&cinfo, bytes.data(), static_cast<unsigned long>(bytes.size()));
        // The EXIF segment, for the photograph's orientation.
        jpeg_save_markers(&cinfo, JPEG_APP0 + 1, 0xFFFF);
        jpeg_read_header(&cinfo, TRUE);
      });
    } catch (...) {
      jpeg_destroy_decompress(&cinfo);
      throw;
    }
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  template <class Call>
  void call(Call&& c) {
    if (!detail::jpegCall(errors_, c)) fail(errors_.message);
  }
  [[noreturn]] static void fail(const std::string& why) {
    throw PictureError(ErrorKind::InvalidPicture, "Invalid JPEG file: " + why);
  }
  int warnings() const { return int(errors_.pub.num_warnings); }

  jpeg_decompress_struct cinfo;

 private:
  JpegErrorManager errors_;
};

JpegInfo infoOf(Decompressor& d) {
  JpegInfo info;
  info.width = int(d.cinfo.image_width);
  info.height = int(d.cinfo.image_height);
  info.components = d.cinfo.num_components;
  d.call([&] { info.progressive = jpeg_has_multiple_scans(&d.cinfo); });
  for (jpeg_saved_marker_ptr m = d.cinfo.marker_list; m; m = m->next) {
    if (m->marker != JPEG_APP0 + 1 || !m->data) continue;
    info.orientation = exifOrientation({m->data, m->data_length});
    if (info.orientation != ExifOrientation::Upright) break;
  }
  return info;
}

unsigned denominatorOf(JpegScale s) {
  switch (s) {
    case JpegScale::Half:
      return 2;
    case JpegScale::Quarter:
      return 4;
    case JpegScale::Eighth:
      return 8;
    case JpegScale::FullSize:
      break;
  }
  return 1;
}

// How decoded scanlines become bitmap pixels.
enum class RowMode {
  Rgbx,     // libjpeg writes straight into the bitmap rows
  Gray,     // one byte per pixel, spread to grey
  Indexed,  // quantizer output: palette indices
  Cmyk,     // four bytes per pixel, converted here
};

class JpegReader {
 public:
  JpegReader(std::span<const std::uint8_t> bytes, const JpegDecodeOptions& options,
             const JpegProgress& progress)
      : bytes_(bytes), d_(bytes), options_(options), progress_(progress) {}

  JpegPicture run() {
    JpegPicture result;
    result.info = infoOf(d_);
    configure();
    d_.call([&] { jpeg_calc_output_dimensions(&d_.cinfo); });
    checkPictureSize(d_.cinfo.output_width, d_.cinfo.output_height);
    orientation_ = result.info.orientation;
    const gdi::Size upright =
        orientedSize(int(d_.cinfo.output_width), int(d_.cinfo.output_height), orientation_);
    // Every pixel is decoded before anyone sees the picture, unless it is
    // shown while it comes in: only then must the rows still to come be white.
    const bool shownEarly = options_.incrementalDisplay || options_.progressiveDisplay;
    bitmap_ = shownEarly ? gdi::Bitmap(upright.cx, upright.cy)
                         : gdi::Bitmap::forOverwrite(upright.cx, upright.cy);
    bitmap_.setPixelFormat(mode_ == RowMode::Indexed ? gdi::PixelFormat::Bits8
                                                     : gdi::PixelFormat::Bits24);
    scratch_.resize(std::size_t(d_.cinfo.output_width) * 4 * kBatch);
    if (result.info.progressive)
      decodeBuffered();
    else
      decodeSequential();
    if (wantCmykToBits8_) bitmap_.setPixelFormat(gdi::PixelFormat::Bits8);
    report(100, options_.incrementalDisplay || options_.progressiveDisplay);
    result.bitmap = std::move(bitmap_);
    result.warnings = d_.warnings();
    return result;
  }

 private:
  static constexpr int kBatch = 16;

  void configure() {
    jpeg_decompress_struct& c = d_.cinfo;
    c.scale_num = 1;
    c.scale_denom = denominatorOf(options_.scale);
    const bool fast = options_.performance == JpegPerformance::BestSpeed;
    c.dct_method = fast ? JDCT_IFAST : JDCT_ISLOW;
    c.do_fancy_upsampling = fast ? FALSE : TRUE;
    const bool gray = options_.colorSpace == JpegColorSpace::Grayscale;
    const bool eightBit = options_.pixelFormat == JpegPixelFormat::Bits8;
    if (c.jpeg_color_space == JCS_CMYK || c.jpeg_color_space == JCS_YCCK) {
      // libjpeg does not turn CMYK into RGB; we do, and reduce afterwards.
      c.out_color_space = JCS_CMYK;
      mode_ = RowMode::Cmyk;
      cmykGray_ = gray;
      wantCmykToBits8_ = eightBit;
      return;
    }
    if (eightBit) {
      c.out_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
      c.quantize_colors = TRUE;
      c.desired_number_of_colors = 256;
      c.two_pass_quantize = fast ? FALSE : TRUE;
      c.dither_mode = fast ? JDITHER_ORDERED : JDITHER_FS;
      mode_ = RowMode::Indexed;
    } else if (gray) {
      c.out_color_space = JCS_GRAYSCALE;
      mode_ = RowMode::Gray;
    } else {
      c.out_color_space = JCS_EXT_RGBX;
      mode_ = RowMode::Rgbx;
    }
  }

  // After the start of each output pass the quantizer's colour map is known.
  void takeColormap() {
    if (mode_ != RowMode::Indexed) return;
    const jpeg_decompress_struct& c = d_.cinfo;
    const int n = std::clamp(c.actual_number_of_colors, 1, 256);
    gdi::Palette palette(std::size_t(n), gdi::clBlack);
    for (int i = 0; i < n; ++i) {
      const int r = c.colormap[0][i];
      const int g = c.out_color_components >= 3 ? c.colormap[1][i] : r;
      const int b = c.out_color_components >= 3 ? c.colormap[2][i] : r;
      palette[std::size_t(i)] = gdi::RGB(r, g, b);
    }
    std::fill(std::begin(lut_), std::end(lut_), std::uint32_t(palette[0]));
    for (int i = 0; i < n; ++i) lut_[i] = std::uint32_t(palette[std::size_t(i)]);
    if (bitmap_.hasPalette() && bitmap_.palette() == palette) return;
    // Setting a palette snaps every pixel to it; the rows are about to be
    // rewritten, so make that cheap (one colour) rather than matching the
    // previous pass pixel by pixel.
    bitmap_.fill(gdi::clWhite);
    bitmap_.setPalette(std::move(palette));
  }

  // One output pass over all rows; `first`..`last` is the share of the
  // percentage it stands for.
  void outputRows(int first, int last, bool showRows) {
    jpeg_decompress_struct& c = d_.cinfo;
    const int height = int(c.output_height);
    const int width = int(c.output_width);
    // Upright pictures take the rows where they are stored; turned ones
    // take each row through a line of their own into its place.
    const bool upright = orientation_ == ExifOrientation::Upright;
    OrientedRows turned(bitmap_, width, height, orientation_);
    if (!upright) line_.resize(std::size_t(width));
    JSAMPROW rows[kBatch];
    while (int(c.output_scanline) < height) {
      const int y = int(c.output_scanline);
      const int want = std::min(kBatch, height - y);
      for (int i = 0; i < want; ++i)
        rows[i] = mode_ == RowMode::Rgbx && upright
                      ? reinterpret_cast<JSAMPROW>(bitmap_.row(y + i))
                      : scratch_.data() + std::size_t(i) * std::size_t(width) * 4;
      JDIMENSION got = 0;
      d_.call([&] { got = jpeg_read_scanlines(&c, rows, JDIMENSION(want)); });
      if (got == 0) Decompressor::fail("no rows decoded");
      for (int i = 0; i < int(got); ++i) {
        if (upright) {
          convertRow(rows[i], bitmap_.row(y + i), width);
        } else {
          convertRow(rows[i], line_.data(), width);
          turned.put(y + i, line_.data());
        }
      }
      report(first + (last - first) * (y + int(got)) / height, showRows);
    }
  }

  void convertRow(const JSAMPLE* in, std::uint32_t* out, int width) {
    switch (mode_) {
      case RowMode::Rgbx:
        if (reinterpret_cast<const std::uint32_t*>(in) != out)
          std::memcpy(out, in, std::size_t(width) * 4);
        // libjpeg may leave anything in the X byte; ours is always 0.
        for (int x = 0; x < width; ++x) out[x] &= 0x00FFFFFFu;
        break;
      case RowMode::Gray:
        for (int x = 0; x < width; ++x) out[x] = std::uint32_t(in[x]) * 0x010101u;
        break;
      case RowMode::Indexed:
        for (int x = 0; x < width; ++x) out[x] = lut_[in[x]];
        break;
      case RowMode::Cmyk: {
        // Adobe writes CMYK inverted (0 = full ink), as almost every CMYK
        // JPEG in circulation is.
        const bool inverted = d_.cinfo.saw_Adobe_marker;
        for (int x = 0; x < width; ++x, in += 4) {
          int cc = in[0], m = in[1], yy = in[2], k = in[3];
          if (!inverted) cc = 255 - cc, m = 255 - m, yy = 255 - yy, k = 255 - k;
          const int r = cc * k / 255, g = m * k / 255, b = yy * k / 255;
          out[x] = cmykGray_ ? std::uint32_t((r * 77 + g * 150 + b * 29) >> 8) * 0x010101u
                             : std::uint32_t(gdi::RGB(r, g, b));
        }
        break;
      }
    }
  }

  void decodeSequential() {
    d_.call([&] { jpeg_start_decompress(&d_.cinfo); });
    takeColormap();
    report(0, false);
    outputRows(0, 99, options_.incrementalDisplay);
    d_.call([&] { jpeg_finish_decompress(&d_.cinfo); });
  }

  // Multi-scan files run in buffered-image mode, so input is taken in steps
  // we control: progress can be reported between them and, when asked, the
  // picture so far is drawn after each scan.
  void decodeBuffered() {
    jpeg_decompress_struct& c = d_.cinfo;
    c.buffered_image = TRUE;
    d_.call([&] { jpeg_start_decompress(&c); });
    report(0, false);
    int previews = 0, lastPreview = -kMinPreviewStep;
    for (;;) {
      int status = 0;
      d_.call([&] { status = jpeg_consume_input(&c); });
      if (status == JPEG_REACHED_EOI || status == JPEG_SUSPENDED) break;
      if (c.input_scan_number > kMaxScans) Decompressor::fail("too many scans");
      const int consumed = inputPercent();
      if (status == JPEG_SCAN_COMPLETED && options_.progressiveDisplay &&
          previews < kMaxPreviewPasses && consumed >= lastPreview + kMinPreviewStep) {
        outputPass(c.input_scan_number, consumed, consumed, false);
        report(consumed, true);
        ++previews;
        lastPreview = consumed;
      } else {
        report(consumed, false);
      }
    }
    outputPass(c.input_scan_number, 80, 99, options_.incrementalDisplay);
    d_.call([&] { jpeg_finish_decompress(&c); });
  }

  void outputPass(int scan, int first, int last, bool showRows) {
    jpeg_decompress_struct& c = d_.cinfo;
    d_.call([&] { jpeg_start_output(&c, scan); });
    takeColormap();
    outputRows(first, last, showRows);
    d_.call([&] { jpeg_finish_output(&c); });
  }

  // Share of the file read so far, as 0..80 of the whole decode.
  int inputPercent() const {
    const std::size_t left = d_.cinfo.src ? d_.cinfo.src->bytes_in_buffer : 0;
    const std::size_t read = bytes_.size() - std::min(left, bytes_.size());
    return int(std::uint64_t(read) * 80 / std::max<std::size_t>(bytes_.size(), 1));
  }

  void report(int percent, bool withPicture) {
    if (!progress_) return;
    percent = std::clamp(percent, lastPercent_, 100);
    if (percent == lastPercent_ && !withPicture) return;
    lastPercent_ = percent;
    progress_(percent, withPicture ? &bitmap_ : nullptr);
  }

  std::span<const std::uint8_t> bytes_;
  Decompressor d_;
  const JpegDecodeOptions& options_;
  const JpegProgress& progress_;
  gdi::Bitmap bitmap_;
  RowMode mode_ = RowMode::Rgbx;
  ExifOrientation orientation_ = ExifOrientation::Upright;
  std::vector<std::uint32_t> line_;  // one converted row of a turned picture
  bool cmykGray_ = false;
  bool wantCmykToBits8_ = false;
  std::vector<JSAMPLE> scratch_;
  std::uint32_t lut_[256] = {};
  int lastPercent_ = -1;
};

}  // namespace

JpegInfo readJpegInfo(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) Decompressor::fail("the file is empty");
  Decompressor d(bytes);
  return infoOf(d);
}

gdi::Size jpegScaledSize(const JpegInfo& info, JpegScale scale) {
  const int den = int(denominatorOf(scale));
  return orientedSize((info.width + den - 1) / den, (info.height + den - 1) / den,
                      info.orientation);
}

JpegPicture decodeJpeg(std::span<const std::uint8_t> bytes, const JpegDecodeOptions& options,
                       const JpegProgress& progress) {
  if (bytes.empty()) Decompressor::fail("the file is empty");
  return JpegReader(bytes, options, progress).run();
}

JpegPicture readJpegFile(const std::filesystem::path& path, const JpegDecodeOptions& options,
                         const JpegProgress& progress) {
  const std::vector<std::uint8_t> bytes = readFileBytes(path);
  return decodeJpeg(bytes, options, progress);
}

}  // namespace codecs
