#pragma once
// The capture window's small rules as plain values: the track bar's ticks,
// the step timer's interval under "Faster" and "Slower", the player's size
// for the size choices, and where the step timer goes after the last frame.
namespace media {

// Ticks of the frame track bar: one per hundredth of the file, rounded
// half to even (a short file gets none).
int trackTickFrequency(int frameCount);

// The step timer's interval in milliseconds. "Faster" takes 100 ms off but
// never goes under kFastestStepMs: a zero interval would stop a platform
// timer and spin a Qt one. "Slower" adds 100 ms.
inline constexpr int kFastestStepMs = 10;
int fasterInterval(int intervalMs);
int slowerInterval(int intervalMs);

// The size choices of the capture window's player.
enum class PlayerSize { Normal, Double, Half, Quarter, Stretch };

// "Normal", "Double", "1/2", "1/4", "Stretch"; Normal for anything else.
PlayerSize playerSizeOf(const char* choice);

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The player's size for Double, Half and Quarter from the frame's own size.
// A division that would leave a side under one pixel keeps the frame size.
// Normal and Stretch fill the panel and keep `frame` as it is.
Size scaledPlayerSize(PlayerSize choice, Size frame);

// The frame the step timer shows next: one on, and back to the first frame
// (`start`) after the last one instead of holding there for ever.
int nextSteppedFrame(int current, int frameCount, int start);

}  // namespace media
