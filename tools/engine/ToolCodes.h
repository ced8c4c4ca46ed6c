#pragma once
// Every tool code of the program, by name. The drawing state carries the
// current tool as its number (the palette's CurTool), so the names are plain
// int constants; what each tool is and does is set up in ToolTable.h.

namespace tools {

enum ToolCode : int {
  kNoTool = 0,  // none chosen: draws freehand like the brush
  kEraser = 1,
  kBrush = 2,
  kPencil = 3,
  kPen = 4,
  kRectangle = 5,
  kFilledRectangle = 6,
  kPolygon = 7,
  kFilledPolygon = 8,
  kRoundRect = 9,
  kFilledRoundRect = 10,
  kLine = 11,
  kBezier = 12,
  kCircle = 13,
  kFilledCircle = 14,
  kSpray = 15,
  kFloodFill = 16,
  kSampler = 17,
  kColorReplacer = 18,         // the brush that replaces one colour
  kColorReplacerPolygon = 19,  // the same inside an outline
  kMarker = 20,
  kLasso = 21,
  kCaptureBox = 22,
  kCut = 23,
  kCircleCapture = 24,
  kSpecialCircleCapture = 25,  // then the options window's next step
  kZoomState = 31,             // the zoom panel's state, not a painting tool
  kFirstPixelMover = 101,      // "Move Pixels Right" .. "Move Pixels Up Right"
  kLastPixelMover = 108,
  kSpecialOutline = 109,  // outline capture, then the options window's next step
  kStarStamp = 151,
  kGlobe = 152,
  kHGradientFill = 153,
  kVGradientFill = 154,
  kHGradientBox = 155,
  kVGradientBox = 156,
  kGradientFrame = 157,
  kGradientTubes = 158,
  kArrowStamp = 159,
  kSoftFocus = 161,   // a command: heavy soft focus over the picture
  kToneFilter = 162,  // a command: soften light, darken or lighten
  kClearSetup = 199,  // not a tool: the set-up "Clear Image" asks for
  kClipReplace = 217,
  kSpecialCaptureBox = 229,  // capture box, then the options window's next step
};

// "Move Pixels ..." tools: a block of 5 x LineWidth pixels is moved one step.
constexpr bool isPixelMover(int code) {
  return code >= kFirstPixelMover && code <= kLastPixelMover;
}
// Side of the block the pixel-moving tools move.
constexpr int pixelMoverBlock(int lineWidth) { return 5 * lineWidth; }

// Tools whose strokes want a broad pen: the marker and the spray can.
constexpr int kBroadToolMinWidth = 10;

}  // namespace tools
