#pragma once
// Raster operations: the sixteen binary ones (pen or brush with destination)
// and the 256 ternary ones of the blits (pattern, source, destination).
#include <cstdint>

namespace gdi {

// Binary raster operation codes R2_BLACK (1) .. R2_WHITE (16). Code r applied
// to pen P and destination D gives, bit by bit, bit ((P << 1) | D) of r - 1.
enum Rop2 : int {
  R2_BLACK = 1,
  R2_NOTMERGEPEN,
  R2_MASKNOTPEN,
  R2_NOTCOPYPEN,
  R2_MASKPENNOT,
  R2_NOT,
  R2_XORPEN,
  R2_NOTMASKPEN,
  R2_MASKPEN,
  R2_NOTXORPEN,
  R2_NOP,
  R2_MERGENOTPEN,
  R2_COPYPEN,
  R2_MERGEPENNOT,
  R2_MERGEPEN,
  R2_WHITE
};

// Pen modes in the order the program's toolkit numbers them.
enum class PenMode {
  Black,
  White,
  Nop,
  Not,
  Copy,
  NotCopy,
  MergePenNot,
  MaskPenNot,
  MergeNotPen,
  MaskNotPen,
  Merge,
  NotMerge,
  Mask,
  NotMask,
  Xor,
  NotXor
};

constexpr int rop2Of(PenMode m) {
  constexpr int table[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                           R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                           R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                           R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  return table[int(m)];
}

// A binary operation with a fixed pen colour reduces to D' = (D & and) ^ xor.
struct Rop2Masks {
  std::uint32_t andMask;
  std::uint32_t xorMask;
};

constexpr Rop2Masks rop2Masks(int rop2, std::uint32_t pen) {
  const unsigned t = unsigned(rop2 - 1) & 15u;
  auto all = [](unsigned bit) { return bit ? 0xFFFFFFu : 0u; };
  // For pen bit 1 the result as a function of D is f(1,0) ^ (D & (f(1,0) ^ f(1,1))).
  const std::uint32_t f10 = all(t >> 2 & 1), f11 = all(t >> 3 & 1);
  const std::uint32_t f00 = all(t & 1), f01 = all(t >> 1 & 1);
  pen &= 0xFFFFFFu;
  const std::uint32_t a = (pen & (f10 ^ f11)) | (~pen & (f00 ^ f01));
  const std::uint32_t x = (pen & f10) | (~pen & f00);
  return {a & 0xFFFFFFu, x & 0xFFFFFFu};
}

constexpr std::uint32_t applyRop2(int rop2, std::uint32_t pen, std::uint32_t dst) {
  const Rop2Masks m = rop2Masks(rop2, pen);
  return (dst & m.andMask) ^ m.xorMask;
}

// Ternary raster operations: the high word of the classic 32-bit codes is the
// truth table, bit ((P << 2) | (S << 1) | D).
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t SRCERASE = 0x00440328;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
constexpr std::uint32_t MERGECOPY = 0x00C000CA;
constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATPAINT = 0x00FB0A09;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t WHITENESS = 0x00FF0062;

constexpr std::uint8_t ropIndex(std::uint32_t rop) { return std::uint8_t(rop >> 16); }
constexpr bool ropUsesSource(std::uint8_t t) { return ((t >> 2) & 0x33) != (t & 0x33); }
constexpr bool ropUsesPattern(std::uint8_t t) { return (t >> 4) != (t & 0x0F); }
constexpr bool ropUsesDest(std::uint8_t t) { return ((t >> 1) & 0x55) != (t & 0x55); }

// Bitwise evaluation of a ternary operation for one pixel.
constexpr std::uint32_t applyRop3(std::uint8_t t, std::uint32_t p, std::uint32_t s,
                                  std::uint32_t d) {
  std::uint32_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((t >> i) & 1)) continue;
    const std::uint32_t pm = (i & 4) ? p : ~p;
    const std::uint32_t sm = (i & 2) ? s : ~s;
    const std::uint32_t dm = (i & 1) ? d : ~d;
    r |= pm & sm & dm;
  }
  return r & 0xFFFFFFu;
}

}  // namespace gdi
