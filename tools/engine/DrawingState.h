#pragma once
// The drawing state the tool palette owns and every canvas tool reads at each
// mouse event: current tool, colours, line width, fill and pattern choice.
// The palette window carries it as public members, so tools read
// `Form3->ForeColor` directly and never keep a copy of their own.
#include <array>
#include <cstdint>

#include "platform/gdi/Canvas.h"
#include "platform/gdi/Color.h"

namespace tools {

// Which pattern image was chosen last: entries numbered 1..18 (1..16 used).
class PatternSlots {
 public:
  static constexpr int kCount = 18;

  PatternSlots() { slots_[0] = true; }
  bool& operator[](int n) { return slots_.at(std::size_t(n - 1)); }
  bool operator[](int n) const { return slots_.at(std::size_t(n - 1)); }
  void clear() { slots_.fill(false); }
  // The chosen entry, or 0 when none is set.
  int chosen() const {
    for (int n = 1; n <= kCount; ++n)
      if ((*this)[n]) return n;
    return 0;
  }

 private:
  std::array<bool, kCount> slots_{};
};

struct DrawingState {
  // Current tool code; 0 = none chosen.
  int CurTool = 0;
  // Pen colour of lines and outlines (left mouse button).
  gdi::TColor ForeColor = gdi::clBlack;
  // Fill colour, flood fill and colour replacement target (right mouse button).
  gdi::TColor BackColor = gdi::clWhite;
  // Copies of the two colours that the gradient and text tools read.
  gdi::TColor SavedFore = gdi::clBlack;
  gdi::TColor SavedBack = gdi::clWhite;
  // Line width in pixels, 1..90.
  int LineWidth = 1;
  // The width last given to the picture's pen from the width spin; tools that
  // raise LineWidth leave it alone.
  int PenWidth = 1;
  gdi::BrushStyle BrushStyle = gdi::BrushStyle::Solid;
  // Fills use BrushStyle ...
  bool PlainFill = true;
  // ... or the pattern bitmap of the palette's patbox1.
  bool PatternFill = false;
  PatternSlots PatternSlot;
  // The canvas sends its mouse events to the mask handlers instead of the tools.
  bool MaskMode = false;
  // Colour under the mouse on the gradient pick strip.
  gdi::TColor HoverColor = gdi::clWhite;
};

}  // namespace tools
