#pragma once
// The families of tool codes the canvas handlers route by. A code's family,
// not the code itself, decides which handler gets a mouse event and how its
// pen and brush are prepared.
#include "tools/engine/ToolCodes.h"

namespace tools {

// Tools with handlers of their own for press, move and release (pDown, pve,
// pUp): polygon, line, spray, flood fill, pixel movers, area gradient fills,
// stamps and tubes.
constexpr bool isGroupA(int code) {
  switch (code) {
    case 7:
    case 8:
    case 11:
    case 15:
    case 16:
    case 151:
    case 153:
    case 154:
    case 158:
    case 159:
      return true;
    default:
      return isPixelMover(code);
  }
}

// Figures dragged out as a rubber band between press and release.
constexpr bool isGroupB(int code) {
  switch (code) {
    case 5:
    case 6:
    case 9:
    case 10:
    case 13:
    case 14:
    case 24:
    case 25:
    case 152:
    case 155:
    case 156:
    case 157:
      return true;
    default:
      return false;
  }
}

// Rubber-band figures whose inside takes the brush.
constexpr bool isFilledShape(int code) {
  switch (code) {
    case 6:
    case 10:
    case 14:
    case 152:
    case 155:
    case 156:
    case 157:
      return true;
    default:
      return false;
  }
}

// Rubber-band figures drawn as an outline only.
constexpr bool isOutlineShape(int code) {
  return code == 5 || code == 9 || code == 13 || code == 24;
}

// Freehand tools draw a line to every mouse position: none chosen (0),
// eraser, brush, pencil, pen, and the marker.
constexpr bool isFreehand(int code) { return (code >= 0 && code < 5) || code == 20; }

// Capture tools that the capture box, the outline capture and the Bezier
// handlers take over.
constexpr bool isCaptureBox(int code) { return code == 22 || code == 23 || code == 229; }
constexpr bool isOutlineCapture(int code) { return code == 19 || code == 21 || code == 109; }
constexpr bool isCircleCapture(int code) { return code == 24 || code == 25; }
constexpr bool isPolygonTool(int code) { return code == 7 || code == 8; }

// Tools whose presses and releases paint on the picture. The captures, the
// colour sampler and the curve under edit only show outlines that come off
// again; the cut (23), the colour replacer polygon (19), the curve (12) and
// the replacement with the clipboard (217) change the picture when their
// work is done.
constexpr bool paintsPicture(int code) {
  return isFreehand(code) || isGroupA(code) || (isGroupB(code) && !isCircleCapture(code)) ||
         code == 18;
}

// Tool codes handled here by name.
constexpr int kBrush = 2;
constexpr int kPencil = 3;
constexpr int kPen = 4;
constexpr int kRectangle = 5;
constexpr int kFilledRectangle = 6;
constexpr int kRoundRect = 9;
constexpr int kFilledRoundRect = 10;
constexpr int kLine = 11;
constexpr int kCircle = 13;
constexpr int kFilledCircle = 14;
constexpr int kFloodFill = 16;
constexpr int kSampler = 17;
constexpr int kColorReplacer = 18;
constexpr int kStarStamp = 151;
constexpr int kGlobe = 152;
constexpr int kHGradientFill = 153;
constexpr int kVGradientFill = 154;
constexpr int kHGradientBox = 155;
constexpr int kVGradientBox = 156;
constexpr int kGradientFrame = 157;
constexpr int kGradientTubes = 158;
constexpr int kArrowStamp = 159;
constexpr int kClipReplace = 217;
// Not a tool: the set-up "Clear Image" asks for.
constexpr int kClearSetup = 199;

}  // namespace tools
