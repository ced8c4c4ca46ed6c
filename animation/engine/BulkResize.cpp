#include "animation/engine/BulkResize.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "animation/engine/BmpShrink.h"
#include "document/engine/Resize.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/PictureFile.h"
#include "platform/codecs/SeriesSave.h"
#include "platform/gdi/Blit.h"

namespace animation {
namespace {

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

// The codecs' own messages name the file for I/O errors only.
std::string namingFile(const std::string& path, const std::string& message) {
  return message.find(path) == std::string::npos ? quoted(path) + ": " + message : message;
}

// The file a frame entry stands for: a link's target, so that resizing
// writes the frame and leaves the link in place.
std::filesystem::path frameFileBehind(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  std::filesystem::path target = std::filesystem::canonical(path, ec);
  return ec ? std::filesystem::path(path) : target;
}

bool namedAsOtherPicture(const std::string& path) {
  switch (codecs::pictureFormatOfName(path)) {
    case codecs::PictureFormat::Bmp:
    case codecs::PictureFormat::Unknown:
      return false;
    default:
      return true;
  }
}

}  // namespace

gdi::Size frameResizeSize(int width, int height) {
  return document::resizeTargetSize(width, height);
}

gdi::StretchMode frameResizeMode(gdi::Size from, gdi::Size to) {
  return to.cx > from.cx || to.cy > from.cy ? gdi::StretchMode::BlackOnWhite
                                            : gdi::StretchMode::ColorOnColor;
}

gdi::Bitmap resizedFrame(const gdi::Bitmap& frame, gdi::Size to) {
  gdi::Bitmap out(std::max(to.cx, 1), std::max(to.cy, 1));
  if (frame.hasPalette()) out.setPalette(frame.palette());
  out.setPixelFormat(frame.pixelFormat());
  if (frame.empty()) return out;
  const gdi::Size from{frame.width(), frame.height()};
  gdi::stretchBlt(out, 0, 0, out.width(), out.height(), frame, 0, 0, from.cx, from.cy, gdi::SRCCOPY,
                  frameResizeMode(from, to), gdi::Brush());
  return out;
}

gdi::Bitmap resizeFrameFile(const std::string& path, gdi::Size to) {
  if (namedAsOtherPicture(path))
    throw FrameResizeError(quoted(path) +
                           " is not named as a Windows bitmap; only bitmap frames are resized");
  try {
    const std::filesystem::path file = frameFileBehind(path);
    const std::vector<std::uint8_t> bytes = codecs::readFileBytes(file);
    std::optional<gdi::Bitmap> resized = shrinkBmpFile(bytes, to);
    if (!resized)
      resized =
          resizedFrame(codecs::decodePicture(bytes, codecs::pictureFormatOfName(path)).bitmap, to);
    codecs::saveSeriesFile(file, codecs::writeBmp(*resized));
    return std::move(*resized);
  } catch (const codecs::PictureError& e) {
    if (e.kind() == codecs::ErrorKind::Io) throw FrameResizeError(namingFile(path, e.what()));
    throw FrameResizeError(quoted(path) + " is not a picture this program reads (" + e.what() +
                           ")");
  } catch (const gdi::ResourceError& e) {
    throw FrameResizeError(namingFile(path, e.what()));
  }
}

BulkResizeResult resizeMarkedFrames(FrameList& list, int width, int height,
                                    const BulkResizeProgress& progress) {
  BulkResizeResult result;
  result.size = frameResizeSize(width, height);
  const int entries = list.size();
  for (int i = 0; i < list.size(); ++i) {
    gdi::Bitmap frame;
    if (list.marked(i)) {
      const std::string path = list.entry(i);
      try {
        frame = resizeFrameFile(path, result.size);
        ++result.resized;
        list.setMarked(i, false);
      } catch (const FrameResizeError& e) {
        result.errors.push_back(e.what());
      }
    }
    const int position = int(std::min<long long>(100, (i + 1) * 100LL / std::max(entries, 1)));
    if (progress && !progress({i, position, frame.empty() ? nullptr : &frame})) {
      result.stopped = i + 1 < list.size();
      break;
    }
  }
  return result;
}

std::string bulkResizeErrorText(const BulkResizeResult& result) {
  constexpr std::size_t kShown = 10;
  if (result.errors.empty()) return {};
  std::string text =
      result.errors.size() == 1 ? "This frame was not resized:" : "These frames were not resized:";
  for (std::size_t i = 0; i < std::min(kShown, result.errors.size()); ++i)
    text += "\n" + result.errors[i];
  if (result.errors.size() > kShown)
    text += "\n... and " + std::to_string(result.errors.size() - kShown) + " more";
  return text;
}

}  // namespace animation
