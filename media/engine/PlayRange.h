#pragma once
// The AVI player's position in its range of frames and what one timer tick
// does to it. Plain values, so the rules can be tested without a timer.
namespace media {

// `frame` limited to 0..frameCount - 1 (frameCount > 0).
int clampFrame(int frame, int frameCount);

// Milliseconds per frame as the player reports its period:
// scale * 1000 / rate, rounded to the nearest (the old MulDiv). The timer
// itself runs on the exact rational period, which this rounding would
// make drift by up to half a millisecond per frame.
int framePeriodMs(int rate, int scale);

struct PlayRange {
  int current = 0;
  int startFrame = 0;
  int stopFrame = 0;
  // Passes still to play; 0 plays until stopped.
  int remaining = 0;
};

enum class TickResult {
  Advanced,  // on to the next frame
  Looped,    // back to the start frame for another pass: the sound restarts
  Finished,  // the last pass ended: the player stops on the stop frame
};

// One tick: at or past the stop frame a pass ends (the last one finishes,
// others start again at the start frame); otherwise the next frame.
TickResult tick(PlayRange& range);

}  // namespace media
