#include "tools/engine/PenSetup.h"

#include "tools/engine/PictureCopy.h"
#include "tools/engine/ToolTable.h"

namespace tools {

namespace {

void setNotXorPen(gdi::Canvas& c, int width) {
  c.pen.width = width;
  c.brush.setStyle(gdi::BrushStyle::Clear);
  c.pen.style = gdi::PenStyle::Solid;
  c.pen.mode = gdi::PenMode::NotXor;
  c.pen.color = gdi::clBlack;
}

// The width box takes the line width; its change handler gives it to
// PenWidth and to the picture's pen.
void widthBoxTakesLineWidth(DrawingState& s, gdi::Canvas& c) {
  s.PenWidth = s.LineWidth;
  c.pen.width = s.LineWidth;
}

}  // namespace

bool set_t(int code, DrawingState& s, gdi::Canvas& c, StrokeFlags flags) {
  const ToolTraits& tool = toolTraits(code);
  bool colourBox = false;
  if (tool.family == ToolFamily::Freehand) c.pen.mode = gdi::PenMode::Copy;
  switch (tool.pen) {
    case ToolPen::Keep:
      break;
    case ToolPen::Eraser:
      s.ForeColor = gdi::clWhite;
      if (s.LineWidth < kBroadToolMinWidth) s.LineWidth = kBroadToolMinWidth;
      colourBox = true;
      c.pen.style = gdi::PenStyle::Solid;
      break;
    case ToolPen::Pencil:
      s.ForeColor = gdi::clGray;
      if (s.LineWidth > 2) s.LineWidth = 2;
      colourBox = true;
      c.pen.style = gdi::PenStyle::Solid;
      break;
    case ToolPen::Pen:
      s.ForeColor = gdi::clBlue;
      if (s.LineWidth > 2) s.LineWidth = 1;
      colourBox = true;
      c.pen.style = gdi::PenStyle::Solid;
      break;
    case ToolPen::Marker:
      s.ForeColor = gdi::clLime;
      colourBox = true;
      break;
    case ToolPen::Clear:
      c.pen.width = 1;
      c.brush.setStyle(gdi::BrushStyle::Solid);
      c.pen.style = gdi::PenStyle::Solid;
      c.pen.mode = gdi::PenMode::Copy;
      c.pen.color = s.BackColor;
      c.brush.setColor(s.BackColor);
      break;
    case ToolPen::Band:
    case ToolPen::CaptureBand:
      setNotXorPen(c, tool.pen == ToolPen::Band ? 2 : 1);
      flags.FirstRubber = true;
      flags.PolyActive = false;
      break;
    case ToolPen::CurveBand:
      setNotXorPen(c, 1);
      flags.PolyActive = false;
      break;
    case ToolPen::FloodBrush:
      c.brush.setStyle(s.BrushStyle);
      c.brush.setColor(s.BackColor);
      break;
    case ToolPen::GradientBrush:
      c.brush.setStyle(gdi::BrushStyle::Solid);
      c.brush.setColor(0x000001);
      break;
  }
  c.pen.style = gdi::PenStyle::InsideFrame;
  if (colourBox) widthBoxTakesLineWidth(s, c);
  return colourBox;
}

void applyFillBrush(gdi::Canvas& c, const DrawingState& s, const gdi::Bitmap* pattern) {
  if (s.PlainFill) c.brush.setStyle(s.BrushStyle);
  if (s.PatternFill && pattern && !pattern->empty()) c.brush.setBitmap(*pattern);
}

void set_itback(const DrawingState& s, gdi::Canvas& c, const gdi::Bitmap* pattern) {
  c.pen.mode = gdi::PenMode::Copy;
  c.pen.width = s.LineWidth;
  c.pen.color = s.ForeColor;
  c.pen.style = gdi::PenStyle::Solid;
  c.brush.setColor(s.BackColor);
  applyFillBrush(c, s, pattern);
}

void setBandPen(gdi::Canvas& c, bool filled, gdi::TColor backColor) {
  c.pen.width = 1;
  c.pen.color = gdi::clBlack;
  c.pen.mode = gdi::PenMode::NotXor;
  if (filled) {
    c.brush.setStyle(gdi::BrushStyle::Solid);
    c.brush.setColor(backColor);
  } else {
    c.brush.setStyle(gdi::BrushStyle::Clear);
  }
}

void clearit(gdi::Bitmap& picture, gdi::Bitmap& undoCopy, DrawingState& s, StrokeFlags flags) {
  copyPicture(undoCopy, picture);
  gdi::Canvas& c = picture.canvas();
  set_t(kClearSetup, s, c, flags);
  c.rectangle(0, 0, picture.width(), picture.height());
}

}  // namespace tools
