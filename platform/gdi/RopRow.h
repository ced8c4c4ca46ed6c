#pragma once
// Ternary raster operations applied a row at a time. A blit chooses the way
// of evaluating its operation once (planRop), then runs it over rows of
// destination, source and pattern pixels.
//
// The common operations have loops of their own (copies, fills, single
// bitwise operations). Every other code is evaluated in algebraic normal
// form, r = k0 ^ P&k1 ^ S&k2 ^ D&k3 ^ ..., a fixed sequence of ANDs and XORs
// with constant masks and no branch per pixel, which compilers vectorise.
#include <cstdint>

namespace gdi {

struct RopPlan {
  enum class Kind {
    Nop,
    Fill,
    Copy,
    NotCopy,
    And,
    Or,
    Xor,
    MergePaint,
    SrcErase,
    DstInvert,
    PatternCopy,    // destination := pattern row
    ConstNoSource,  // D' = (D & c) ^ a (pattern constant, no source)
    ConstPattern,   // D' = a ^ S&b ^ D&c ^ S&D&e (pattern constant)
    PatternRow,     // the full form with a pattern row
  };
  Kind kind = Kind::Nop;
  std::uint8_t code = 0xAA;
  bool usesSource = false;
  bool usesPattern = false;
  // Fill colour, or the masks of the constant-pattern forms.
  std::uint32_t a = 0, b = 0, c = 0, e = 0;
  // Coefficients of the full form, indexed by the variables they multiply:
  // bit 2 pattern, bit 1 source, bit 0 destination (k[0] is the constant).
  std::uint32_t k[8] = {};
};

// Plans operation `code` (the truth-table byte of a ternary ROP). When
// `constantPattern` is true the pattern is the single colour `pattern`;
// otherwise a row of pattern pixels is passed to applyRop.
RopPlan planRop(std::uint8_t code, bool constantPattern, std::uint32_t pattern);

// Applies the plan to n pixels. `s` is read only when the operation uses the
// source, `p` only for pattern rows; neither may alias `d`.
void applyRop(const RopPlan& plan, std::uint32_t* d, const std::uint32_t* s, const std::uint32_t* p,
              int n);

}  // namespace gdi
