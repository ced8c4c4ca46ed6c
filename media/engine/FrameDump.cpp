#include "media/engine/FrameDump.h"

#include <algorithm>

#include "animation/engine/FrameNames.h"
#include "media/engine/PlayRange.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/SeriesSave.h"
#include "platform/video/VideoError.h"

namespace media {

std::vector<int> dumpFrameNumbers(int first, int last, int frameCount, int current) {
  std::vector<int> frames;
  if (frameCount <= 0) return frames;
  if (first > 0 && first < frameCount) current = first;
  const int from = std::max(first, 1);
  const int to = std::min(last, frameCount);
  for (int i = from; i <= to; ++i) {
    current = clampFrame(current + 1, frameCount);
    frames.push_back(current);
  }
  return frames;
}

DumpResult dumpFrames(const std::string& prefix, const std::vector<int>& frames,
                      const FrameGrab& grab, const DumpProgress& progress) {
  DumpResult result;
  const int total = int(frames.size());
  for (int k = 0; k < total; ++k) {
    if (progress && !progress(k, total)) {
      result.stopped = true;
      return result;
    }
    try {
      const gdi::Bitmap& picture = grab(frames[std::size_t(k)]);
      codecs::saveSeriesFile(animation::numberedFrameName(prefix, frames[std::size_t(k)]),
                             codecs::writeBmp(picture));
      ++result.written;
    } catch (const codecs::PictureError& e) {
      result.error = e.what();
      return result;
    } catch (const video::VideoError& e) {
      result.error = e.what();
      return result;
    }
  }
  if (progress) progress(total, total);
  return result;
}

}  // namespace media
