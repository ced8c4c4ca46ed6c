#pragma once
// Dumping a range of an AVI file's frames to numbered bitmap files.
//
// The numbering follows the capture window's loop: the player first seeks
// the first frame of the range (when 0 < first < frame count), then every
// round i = 1, 2, ... up to the frame count that lies in first..last steps
// one frame on and writes that frame under its own number. So the range
// 1..3 writes 002, 003 and 004, and near the end of the file the step is
// held at the last frame, which is written again until the range is done.
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace media {

// The frame each round of a dump writes, in order. `current` is the
// player's frame before the dump seeks.
std::vector<int> dumpFrameNumbers(int first, int last, int frameCount, int current);

// The picture of a frame, as the player would show it (valid until the next call).
using FrameGrab = std::function<const gdi::Bitmap&(int frame)>;
// Called before each round with the rounds done and the total; false stops
// the dump there (the capture window lets messages run and tests "Abort").
using DumpProgress = std::function<bool(int done, int total)>;

struct DumpResult {
  int written = 0;
  bool stopped = false;
  // What ended the dump early: a frame that could not be read or a file
  // that could not be written (the message names it). Empty otherwise.
  std::string error;
};

// Writes prefix + frame number (at least three digits) + ".bmp" for each
// frame of `frames`. Files are complete or absent: an error or a stop
// leaves no half-written file.
DumpResult dumpFrames(const std::string& prefix, const std::vector<int>& frames,
                      const FrameGrab& grab, const DumpProgress& progress);

}  // namespace media
