#pragma once
// Frames for the preview window, decoded one ahead: while a frame is on
// show, a worker thread reads and decodes the next one, so a series of
// large frames plays at the timer's pace and the window stays responsive
// however long one frame takes to decode.
//
// The worker only decodes BMP and JPEG files (pure functions of the file's
// bytes). Other pictures (icons, metafiles, which may draw text through
// Qt's fonts) are decoded when they are taken, on the window's thread.
// Every call is made from the window's thread; the worker touches nothing
// but its own copy of the path and the bitmap it hands over.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/gdi/Bitmap.h"

namespace animation {

struct PreviewFrame {
  std::string path;
  gdi::Bitmap bitmap;
  // Why the frame could not be shown, naming the file; empty when it can.
  std::string error;
  // Decoded ahead: left for the window's thread to decode.
  bool deferred = false;
  bool ok() const { return error.empty() && !deferred; }
};

// Reads and decodes a frame file (any picture the studio reads).
PreviewFrame decodePreviewFrame(const std::string& path);
// The worker's part: BMP and JPEG decoded, anything else deferred.
PreviewFrame decodePreviewFrameAhead(const std::string& path);

class PreviewFrames {
 public:
  using Decoder = std::function<PreviewFrame(const std::string& path)>;
  PreviewFrames();
  // `ahead` runs on the worker, `now` on the caller's thread (for frames
  // that were not decoded ahead and for deferred ones).
  PreviewFrames(Decoder ahead, Decoder now);
  // Waits for a decode in progress to end.
  ~PreviewFrames();
  PreviewFrames(const PreviewFrames&) = delete;
  PreviewFrames& operator=(const PreviewFrames&) = delete;

  // Starts decoding `path` on the worker, in place of any earlier request
  // that has not started. Nothing when it is decoded or being decoded.
  void prefetch(const std::string& path);
  // The frame of `path`: the one decoded ahead when it is that file
  // (waiting for the worker to finish it), else decoded now.
  PreviewFrame take(const std::string& path);
  // Forgets the frame decoded ahead and a request not yet started (play
  // stopped, or the files changed).
  void clear();

 private:
  void run();

  Decoder ahead_;
  Decoder now_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  std::optional<std::string> request_;  // waiting for the worker
  std::optional<std::string> working_;  // being decoded by the worker
  std::optional<PreviewFrame> ready_;   // decoded ahead, not yet taken
  // Counts clear() calls: a decode begun before one is not kept.
  unsigned generation_ = 0;
  bool quit_ = false;
  std::thread worker_;  // started by the first prefetch
};

}  // namespace animation
