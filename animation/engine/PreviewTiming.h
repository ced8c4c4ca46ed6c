#pragma once
// How long each frame of the Animation Manager's preview stays on show.
#include <chrono>
#include <string>

namespace animation {

// The time per slot of the preview (a marked frame shown, or an unmarked
// entry's turn) for the "Delay" bar (`TrackBar1`, 0..1000) and its
// multiplier "X" (`SpinEdit4`, 0..10000):
//
//   milliseconds per frame = Delay x X / 10, but at least 1/60 s.
//
// With the multiplier at its usual 10 the bar reads directly in
// milliseconds (0 to 1 second, a tick every 100 ms); a larger multiplier
// stretches the bar up to 1000 s per frame for slide shows. Delay 0 (the
// bar's start) or multiplier 0 plays one frame per refresh of a 60 Hz
// screen: the smoothest rate a screen shows, and no faster, since frames
// drawn between two refreshes would never be seen. Values outside the
// controls' ranges are held to them.
std::chrono::microseconds previewFrameInterval(int delay, int multiplier);

// The interval in words, for the Delay controls' hint: "100 ms a frame
// (10 frames a second)".
std::string previewIntervalText(int delay, int multiplier);

}  // namespace animation
