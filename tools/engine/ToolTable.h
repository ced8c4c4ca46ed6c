#pragma once
// What each tool is: the one place a tool's behaviour is set up. The canvas
// routes a mouse event by the tool's family, the pen set-up prepares the pen
// the table names, and the palette reads what a choice of the tool does.
//
//   const tools::ToolTraits& t = tools::toolTraits(f.CurTool);
//   if (t.family == tools::ToolFamily::RubberBand && t.filled) ...
#include <array>

#include "tools/engine/ToolCodes.h"

namespace tools {

// Which canvas handlers take a tool's mouse events.
enum class ToolFamily : unsigned char {
  None,            // not a canvas tool; treated as freehand without a stroke
  Freehand,        // a line to every mouse position
  PointHandled,    // press, move and release go to pDown, pve and pUp: polygon,
                   // line, spray, flood fill, pixel movers, area gradients, stamps, tubes
  RubberBand,      // a figure dragged out as a rubber band between press and release
  Curve,           // the Bezier curve and its handles
  CaptureBox,      // a box dragged out, then captured
  OutlineCapture,  // a vertex per click, closed by a right click
  ColorReplacer,   // the colour replacer brush (pDownco, pveCo, pUpCo)
  Sampler,         // the colour under the press becomes a drawing colour
  ClipReplace,     // the clicked colour replaced by the clipboard's picture
};

// How the pen set-up (set_t) prepares the picture's pen and brush.
enum class ToolPen : unsigned char {
  Keep,           // as the drawing state left them
  Eraser,         // white, at least the broad width
  Pencil,         // grey, at most 2 wide
  Pen,            // blue, at most 2 wide (1 when wider)
  Marker,         // lime
  Band,           // black not-xor, 2 wide; the band and a polygon start afresh
  CaptureBand,    // black not-xor, 1 wide; the band and a polygon start afresh
  CurveBand,      // black not-xor, 1 wide; a polygon under way ends
  FloodBrush,     // the fill style in the background colour
  GradientBrush,  // solid, in the colour the gradient fills flood over
  Clear,          // everything in the background colour ("Clear Image")
};

// The picture's cursor from a press on.
enum class ToolCursor : unsigned char { Keep, Cross, Arrow };

struct ToolTraits {
  ToolFamily family = ToolFamily::None;
  // Rubber-band figures whose inside takes the brush, and those drawn as an
  // outline only (the special circle capture is neither).
  bool filled = false;
  bool outline = false;
  // The band is an ellipse whose inside is captured.
  bool capturesCircle = false;
  ToolCursor cursor = ToolCursor::Cross;
  // The undo copy takes the picture at the press.
  bool undoAtPress = false;
  ToolPen pen = ToolPen::Keep;
  // Presses and releases change the picture (the close check asks about it).
  bool paints = false;
  // ----- what choosing the tool on the palette does
  // An outline or polygon under way is dropped.
  bool resetsOutline = false;
  // The line width grows to kBroadToolMinWidth.
  bool broad = false;
  // The gradient window opens.
  bool gradientWindow = false;
  // The options window's choice of the next step applies.
  bool areaOptions = false;
};

namespace detail {

struct ToolRow {
  int code;
  ToolTraits traits;
};

using F = ToolFamily;
using P = ToolPen;
using C = ToolCursor;

constexpr ToolTraits kFreehand{.family = F::Freehand, .paints = true};
constexpr ToolTraits kBand{.family = F::RubberBand, .undoAtPress = true, .pen = P::Band};
constexpr ToolTraits kOutlineBand = [] {
  ToolTraits t = kBand;
  t.outline = t.paints = true;
  return t;
}();
constexpr ToolTraits kFilledBand = [] {
  ToolTraits t = kBand;
  t.filled = t.paints = true;
  return t;
}();
constexpr ToolTraits kGradientBand = [] {
  ToolTraits t = kFilledBand;
  t.gradientWindow = true;
  return t;
}();
constexpr ToolTraits kPoint{.family = F::PointHandled, .cursor = C::Keep, .paints = true};
constexpr ToolTraits kPointBand{
    .family = F::PointHandled, .cursor = C::Keep, .pen = P::Band, .paints = true};
constexpr ToolTraits kPolygonTraits{.family = F::PointHandled,
                                    .cursor = C::Keep,
                                    .pen = P::Band,
                                    .paints = true,
                                    .resetsOutline = true};
constexpr ToolTraits kOutline{
    .family = F::OutlineCapture, .cursor = C::Arrow, .pen = P::Band, .resetsOutline = true};
constexpr ToolTraits kBox{.family = F::CaptureBox, .pen = P::CaptureBand, .resetsOutline = true};

constexpr ToolRow kRows[] = {
    {kNoTool, kFreehand},
    {kEraser, {.family = F::Freehand, .pen = P::Eraser, .paints = true}},
    {kBrush, kFreehand},
    {kPencil, {.family = F::Freehand, .pen = P::Pencil, .paints = true}},
    {kPen, {.family = F::Freehand, .pen = P::Pen, .paints = true}},
    {kRectangle, kOutlineBand},
    {kFilledRectangle, kFilledBand},
    {kPolygon, kPolygonTraits},
    {kFilledPolygon, kPolygonTraits},
    {kRoundRect, kOutlineBand},
    {kFilledRoundRect, kFilledBand},
    {kLine, kPointBand},
    {kBezier, {.family = F::Curve, .cursor = C::Arrow, .pen = P::CurveBand}},
    {kCircle, kOutlineBand},
    {kFilledCircle, kFilledBand},
    {kSpray, {.family = F::PointHandled, .cursor = C::Keep, .paints = true, .broad = true}},
    {kFloodFill,
     {.family = F::PointHandled, .cursor = C::Keep, .pen = P::FloodBrush, .paints = true}},
    {kSampler, {.family = F::Sampler, .cursor = C::Keep}},
    {kColorReplacer, {.family = F::ColorReplacer, .cursor = C::Keep, .paints = true}},
    {kColorReplacerPolygon, kOutline},
    {kMarker, {.family = F::Freehand, .pen = P::Marker, .paints = true, .broad = true}},
    {kLasso, kOutline},
    {kCaptureBox, kBox},
    {kCut, {.family = F::CaptureBox, .pen = P::CaptureBand}},
    {kCircleCapture,
     {.family = F::RubberBand,
      .outline = true,
      .capturesCircle = true,
      .undoAtPress = true,
      .pen = P::Band,
      .resetsOutline = true}},
    {kSpecialCircleCapture,
     {.family = F::RubberBand,
      .capturesCircle = true,
      .undoAtPress = true,
      .pen = P::Band,
      .resetsOutline = true,
      .areaOptions = true}},
    {kZoomState, {}},
    {101, kPointBand},
    {102, kPointBand},
    {103, kPointBand},
    {104, kPointBand},
    {105, kPointBand},
    {106, kPointBand},
    {107, kPointBand},
    {108, kPointBand},
    {kSpecialOutline,
     {.family = F::OutlineCapture,
      .cursor = C::Arrow,
      .pen = P::Band,
      .resetsOutline = true,
      .areaOptions = true}},
    {kStarStamp, kPoint},
    {kGlobe, kGradientBand},
    {kHGradientFill,
     {.family = F::PointHandled,
      .cursor = C::Keep,
      .pen = P::GradientBrush,
      .paints = true,
      .gradientWindow = true}},
    {kVGradientFill,
     {.family = F::PointHandled,
      .cursor = C::Keep,
      .pen = P::GradientBrush,
      .paints = true,
      .gradientWindow = true}},
    {kHGradientBox, kGradientBand},
    {kVGradientBox, kGradientBand},
    {kGradientFrame, kGradientBand},
    {kGradientTubes,
     {.family = F::PointHandled, .cursor = C::Keep, .paints = true, .gradientWindow = true}},
    {kArrowStamp, kPoint},
    {kSoftFocus, {}},
    {kToneFilter, {}},
    {kClearSetup, {.pen = P::Clear}},
    {kClipReplace, {.family = F::ClipReplace, .cursor = C::Keep, .undoAtPress = true}},
    {kSpecialCaptureBox, kBox},
};

constexpr int kCodeCount = 256;

constexpr std::array<ToolTraits, kCodeCount> kByCode = [] {
  std::array<ToolTraits, kCodeCount> byCode{};
  for (const ToolRow& row : kRows) byCode[std::size_t(row.code)] = row.traits;
  return byCode;
}();

constexpr ToolTraits kUnknown{};

}  // namespace detail

// The traits of tool `code`; a code no tool has gets those of ToolFamily::None.
constexpr const ToolTraits& toolTraits(int code) {
  return code >= 0 && code < detail::kCodeCount ? detail::kByCode[std::size_t(code)]
                                                : detail::kUnknown;
}

// Shorthands the canvas handlers read.
constexpr bool isFreehand(int code) { return toolTraits(code).family == ToolFamily::Freehand; }
constexpr bool isPointHandled(int code) {
  return toolTraits(code).family == ToolFamily::PointHandled;
}
constexpr bool isRubberBandFigure(int code) {
  return toolTraits(code).family == ToolFamily::RubberBand;
}
constexpr bool isFilledShape(int code) { return toolTraits(code).filled; }
constexpr bool isOutlineShape(int code) { return toolTraits(code).outline; }
constexpr bool isCaptureBox(int code) { return toolTraits(code).family == ToolFamily::CaptureBox; }
constexpr bool isOutlineCapture(int code) {
  return toolTraits(code).family == ToolFamily::OutlineCapture;
}
constexpr bool isCircleCapture(int code) { return toolTraits(code).capturesCircle; }
constexpr bool isPolygonTool(int code) { return code == kPolygon || code == kFilledPolygon; }
constexpr bool paintsPicture(int code) { return toolTraits(code).paints; }

}  // namespace tools
