#include "platform/gdi/RopRow.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/Rop.h"

namespace gdi {
namespace {

constexpr std::uint32_t kRgb = 0xFFFFFFu;

constexpr std::uint32_t all(unsigned bit) { return bit ? kRgb : 0u; }

// Algebraic normal form of a truth table of `vars` variables: bit m of the
// result says whether the product of the variables in m is a term.
unsigned anf(unsigned table, int vars) {
  const int size = 1 << vars;
  unsigned c = table;
  for (int v = 1; v < size; v <<= 1)
    for (int i = 0; i < size; ++i)
      if (i & v) c ^= ((c >> (i ^ v)) & 1u) << i;
  return c;
}

}  // namespace

RopPlan planRop(std::uint8_t code, bool constantPattern, std::uint32_t pattern) {
  RopPlan plan;
  plan.code = code;
  plan.usesSource = ropUsesSource(code);
  plan.usesPattern = ropUsesPattern(code);
  if (!plan.usesPattern) constantPattern = true;
  pattern &= kRgb;
  using K = RopPlan::Kind;
  auto fill = [&](std::uint32_t colour) {
    plan.kind = K::Fill;
    plan.a = colour & kRgb;
    return plan;
  };
  switch (code) {
    case 0xAA:
      plan.kind = K::Nop;
      return plan;
    case 0x00:
      return fill(0);
    case 0xFF:
      return fill(kRgb);
    case 0xCC:
      plan.kind = K::Copy;
      return plan;
    case 0x33:
      plan.kind = K::NotCopy;
      return plan;
    case 0x88:
      plan.kind = K::And;
      return plan;
    case 0xEE:
      plan.kind = K::Or;
      return plan;
    case 0x66:
      plan.kind = K::Xor;
      return plan;
    case 0xBB:
      plan.kind = K::MergePaint;
      return plan;
    case 0x44:
      plan.kind = K::SrcErase;
      return plan;
    case 0x55:
      plan.kind = K::DstInvert;
      return plan;
    case 0xF0:
      if (constantPattern) return fill(pattern);
      plan.kind = K::PatternCopy;
      return plan;
    case 0x0F:
      if (constantPattern) return fill(~pattern);
      break;
    default:
      break;
  }
  if (constantPattern) {
    // Where a pattern bit is 1 the result follows the upper half of the
    // table, where it is 0 the lower half; blend the two forms' masks.
    const unsigned hi = anf(code >> 4, 2), lo = anf(code & 0x0F, 2);
    auto mask = [&](int term) {
      return (pattern & all((hi >> term) & 1u)) | (~pattern & all((lo >> term) & 1u) & kRgb);
    };
    plan.a = mask(0);
    plan.c = mask(1);
    plan.b = mask(2);
    plan.e = mask(3);
    if (!plan.usesSource) {
      if (plan.c == 0) return fill(plan.a);
      plan.kind = K::ConstNoSource;
    } else {
      plan.kind = K::ConstPattern;
    }
    return plan;
  }
  const unsigned terms = anf(code, 3);
  for (int m = 0; m < 8; ++m) plan.k[m] = all((terms >> m) & 1u);
  plan.kind = K::PatternRow;
  return plan;
}

void applyRop(const RopPlan& plan, std::uint32_t* __restrict d, const std::uint32_t* __restrict s,
              const std::uint32_t* __restrict p, int n) {
  if (n <= 0) return;
  using K = RopPlan::Kind;
  switch (plan.kind) {
    case K::Nop:
      return;
    case K::Fill:
      std::fill_n(d, n, plan.a);
      return;
    case K::Copy:
      std::memcpy(d, s, std::size_t(n) * 4);
      return;
    case K::PatternCopy:
      std::memcpy(d, p, std::size_t(n) * 4);
      return;
    case K::NotCopy:
      for (int i = 0; i < n; ++i) d[i] = ~s[i] & kRgb;
      return;
    case K::And:
      for (int i = 0; i < n; ++i) d[i] &= s[i];
      return;
    case K::Or:
      for (int i = 0; i < n; ++i) d[i] |= s[i];
      return;
    case K::Xor:
      for (int i = 0; i < n; ++i) d[i] ^= s[i];
      return;
    case K::MergePaint:
      for (int i = 0; i < n; ++i) d[i] |= ~s[i] & kRgb;
      return;
    case K::SrcErase:
      for (int i = 0; i < n; ++i) d[i] = s[i] & ~d[i];
      return;
    case K::DstInvert:
      for (int i = 0; i < n; ++i) d[i] ^= kRgb;
      return;
    case K::ConstNoSource: {
      const std::uint32_t a = plan.a, c = plan.c;
      for (int i = 0; i < n; ++i) d[i] = (d[i] & c) ^ a;
      return;
    }
    case K::ConstPattern: {
      const std::uint32_t a = plan.a, b = plan.b, c = plan.c, e = plan.e;
      for (int i = 0; i < n; ++i) {
        const std::uint32_t sv = s[i], dv = d[i];
        d[i] = a ^ (sv & b) ^ (dv & c) ^ (sv & dv & e);
      }
      return;
    }
    case K::PatternRow: {
      const std::uint32_t* k = plan.k;
      const std::uint32_t k0 = k[0], k1 = k[1], k4 = k[4], k5 = k[5];
      if (!plan.usesSource) {
        for (int i = 0; i < n; ++i) {
          const std::uint32_t pv = p[i], dv = d[i];
          d[i] = k0 ^ (dv & k1) ^ (pv & k4) ^ (pv & dv & k5);
        }
        return;
      }
      const std::uint32_t k2 = k[2], k3 = k[3], k6 = k[6], k7 = k[7];
      for (int i = 0; i < n; ++i) {
        const std::uint32_t pv = p[i], sv = s[i], dv = d[i];
        const std::uint32_t sd = sv & dv;
        d[i] = k0 ^ (dv & k1) ^ (sv & k2) ^ (sd & k3) ^
               (pv & (k4 ^ (dv & k5) ^ (sv & k6) ^ (sd & k7)));
      }
      return;
    }
  }
}

}  // namespace gdi
