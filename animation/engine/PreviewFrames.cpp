#include "animation/engine/PreviewFrames.h"

#include <exception>
#include <system_error>
#include <utility>

#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/PictureFile.h"

namespace animation {
namespace {

std::string namingFile(const std::string& path, const std::string& message) {
  return message.find(path) == std::string::npos ? "\"" + path + "\": " + message : message;
}

// Runs a decoder so that nothing escapes: an exception becomes the frame's error.
PreviewFrame decodeSafely(const PreviewFrames::Decoder& decode, const std::string& path) {
  PreviewFrame frame;
  try {
    frame = decode(path);
  } catch (const std::exception& e) {
    frame.error = namingFile(path, e.what());
  }
  frame.path = path;
  return frame;
}

}  // namespace

PreviewFrame decodePreviewFrame(const std::string& path) {
  PreviewFrame frame;
  frame.path = path;
  try {
    frame.bitmap = codecs::loadPicture(path).bitmap;
  } catch (const codecs::PictureError& e) {
    frame.error = namingFile(path, e.what());
  } catch (const gdi::ResourceError& e) {
    frame.error = namingFile(path, e.what());
  }
  return frame;
}

PreviewFrame decodePreviewFrameAhead(const std::string& path) {
  PreviewFrame frame;
  frame.path = path;
  try {
    const std::vector<std::uint8_t> bytes = codecs::readFileBytes(path);
    const codecs::PictureFormat format = codecs::pictureFormatOf(bytes);
    if (format == codecs::PictureFormat::Bmp || format == codecs::PictureFormat::Jpeg)
      frame.bitmap = codecs::decodePicture(bytes, format).bitmap;
    else
      frame.deferred = true;
  } catch (const codecs::PictureError& e) {
    frame.error = namingFile(path, e.what());
  } catch (const gdi::ResourceError& e) {
    frame.error = namingFile(path, e.what());
  }
  return frame;
}

PreviewFrames::PreviewFrames() : PreviewFrames(decodePreviewFrameAhead, decodePreviewFrame) {}

PreviewFrames::PreviewFrames(Decoder ahead, Decoder now)
    : ahead_(std::move(ahead)), now_(std::move(now)) {}

PreviewFrames::~PreviewFrames() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    request_.reset();
  }
  wake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void PreviewFrames::prefetch(const std::string& path) {
  {
    std::lock_guard lock(mutex_);
    if ((ready_ && ready_->path == path) || working_ == path) return;
    if (!worker_.joinable()) {
      try {
        worker_ = std::thread([this] { run(); });
      } catch (const std::system_error&) {
        return;  // no thread to be had: frames are decoded when taken
      }
    }
    request_ = path;
  }
  wake_.notify_one();
}

PreviewFrame PreviewFrames::take(const std::string& path) {
  std::optional<PreviewFrame> frame;
  {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&] { return working_ != path; });
    if (ready_ && ready_->path == path) {
      frame = std::move(ready_);
      ready_.reset();
    }
    // Not started yet: decoding here is no slower than waiting for the worker.
    if (request_ == path) request_.reset();
  }
  if (!frame || frame->deferred) return decodeSafely(now_, path);
  return std::move(*frame);
}

void PreviewFrames::clear() {
  std::lock_guard lock(mutex_);
  request_.reset();
  ready_.reset();
  ++generation_;
}

void PreviewFrames::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return quit_ || request_.has_value(); });
    if (quit_) return;
    working_ = std::move(request_);
    request_.reset();
    const std::string path = *working_;
    const unsigned generation = generation_;
    lock.unlock();
    PreviewFrame frame = decodeSafely(ahead_, path);
    lock.lock();
    if (generation == generation_) ready_ = std::move(frame);
    working_.reset();
    finished_.notify_all();
  }
}

}  // namespace animation
