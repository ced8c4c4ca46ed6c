#pragma once
// Resizing the marked frames of the frame list in their files. Each frame is
// read, stretched as a whole onto a bitmap of the new size (same pixel
// format and palette) and written back over its file as a Windows bitmap.
// Sides below 10 pixels are raised to 10. Shrinking drops pixels
// (ColorOnColor); when the new width or height is larger than the frame's,
// the stretch ANDs the dropped pixels instead (BlackOnWhite).
//
// A frame goes back through a temporary file renamed over the old one, so
// it is never left half written: a frame that fails keeps its old file, is
// reported with its name and stays marked, and the other frames go on.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "animation/engine/FrameList.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace animation {

// The size frames are resized to: each side at least 10.
gdi::Size frameResizeSize(int width, int height);

// ColorOnColor, or BlackOnWhite when `to` is wider or taller than `from`.
gdi::StretchMode frameResizeMode(gdi::Size from, gdi::Size to);

// The whole frame stretched onto a new bitmap of size `to` (at least 1 x 1)
// with frameResizeMode; the result keeps the frame's pixel format and palette.
gdi::Bitmap resizedFrame(const gdi::Bitmap& frame, gdi::Size to);

// A frame file that could not be resized; the message names the file.
class FrameResizeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the frame file, resizes it and writes it back. Returns the frame as
// written. Throws FrameResizeError (the file is then unchanged) when it
// cannot be read, is no picture, is named as another kind of picture (a
// .jpg stays a JPEG file), or cannot be written.
gdi::Bitmap resizeFrameFile(const std::string& path, gdi::Size to);

// After each entry of the list: the entry's index, the progress bar's
// position (0 to 100, evenly over the entries) and the frame as written
// (null for unmarked entries and failures). The window shows the frame in
// the drop site, moves its bar, lets pending messages run and answers false
// to stop.
struct BulkResizeStep {
  int entry = 0;
  int position = 0;
  const gdi::Bitmap* frame = nullptr;
};
using BulkResizeProgress = std::function<bool(const BulkResizeStep& step)>;

struct BulkResizeResult {
  gdi::Size size;  // the size used, after raising to the minimum: the dialog shows it
  int resized = 0;
  bool stopped = false;
  std::vector<std::string> errors;  // one message per frame that failed, naming its file
};

// Resizes every marked entry's file, first to last, unmarking each one
// resized. The list may change while `progress` lets messages run: the walk
// takes the list's size afresh at every entry, so it never leaves the list.
BulkResizeResult resizeMarkedFrames(FrameList& list, int width, int height,
                                    const BulkResizeProgress& progress = {});

// The message after a bulk resize with errors: the first few, one a line,
// and how many more there were. Empty when there were none.
std::string bulkResizeErrorText(const BulkResizeResult& result);

}  // namespace animation
