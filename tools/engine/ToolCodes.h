#pragma once
// Tool codes as the drawing state carries them in CurTool. Canvas code picks
// behaviour by membership of a code in fixed groups; the palette needs only
// these few.

namespace tools {

constexpr int kNoTool = 0;
constexpr int kEraser = 1;
constexpr int kBezier = 12;
constexpr int kSpray = 15;
constexpr int kMarker = 20;
constexpr int kCut = 23;
// The zoom panel's state, not a painting tool.
constexpr int kZoomState = 31;
constexpr int kFirstPixelMover = 101;
constexpr int kLastPixelMover = 108;

// "Move Pixels ..." tools: a block of 5 x LineWidth pixels is moved one step.
constexpr bool isPixelMover(int code) {
  return code >= kFirstPixelMover && code <= kLastPixelMover;
}
// Side of the block the pixel-moving tools move.
constexpr int pixelMoverBlock(int lineWidth) { return 5 * lineWidth; }

// Tools whose strokes want a broad pen: the marker and the spray can.
constexpr int kBroadToolMinWidth = 10;

}  // namespace tools
