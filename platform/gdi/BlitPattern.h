#pragma once
// The pattern (P) of the ternary raster operations: the brush, as blits see
// it. A solid brush is one colour; a hatch brush is opaque here, its lines in
// the brush colour and its gaps white; a pattern bitmap is tiled from the
// destination's origin. A clear brush has no pattern at all.
#include <cstdint>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace gdi {

class BlitPattern {
 public:
  explicit BlitPattern(const Brush& brush);

  bool isClear() const { return kind_ == Kind::Clear; }
  // True when every pixel of the pattern is color().
  bool isConstant() const { return kind_ == Kind::Solid; }
  std::uint32_t color() const { return color_; }
  // The pattern pixels of row y, columns x .. x + n - 1 (destination coordinates).
  void fillRow(std::uint32_t* out, int x, int y, int n) const;

 private:
  enum class Kind { Clear, Solid, Hatch, Bitmap };
  Kind kind_ = Kind::Clear;
  std::uint32_t color_ = 0;
  BrushStyle hatch_ = BrushStyle::Solid;
  const gdi::Bitmap* bitmap_ = nullptr;
};

}  // namespace gdi
