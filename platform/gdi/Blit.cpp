#include "platform/gdi/Blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/BlitPattern.h"
#include "platform/gdi/RopRow.h"

namespace gdi {

void bitBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap* src, int sx, int sy,
            std::uint32_t rop, const Brush& brush) {
  const std::uint8_t code = ropIndex(rop);
  const bool usesSource = ropUsesSource(code), usesPattern = ropUsesPattern(code);
  if (dst.empty() || w == 0 || h == 0) return;
  if (usesSource && (!src || src->empty())) return;
  const BlitPattern pattern(brush);
  // A clear brush has no pattern to combine: such operations paint nothing.
  if (usesPattern && pattern.isClear()) return;

  // A negative extent turns both rectangles about (x, y) and (sx, sy), the
  // start pixel included; with equal extents nothing is mirrored.
  std::int64_t X = x, Y = y, W = w, H = h, SX = sx, SY = sy;
  if (W < 0) {
    X += W + 1;
    SX += W + 1;
    W = -W;
  }
  if (H < 0) {
    Y += H + 1;
    SY += H + 1;
    H = -H;
  }
  std::int64_t left = std::max<std::int64_t>(X, 0), top = std::max<std::int64_t>(Y, 0);
  std::int64_t right = std::min<std::int64_t>(X + W, dst.width());
  std::int64_t bottom = std::min<std::int64_t>(Y + H, dst.height());
  const std::int64_t offX = X - SX, offY = Y - SY;  // destination = source + offset
  if (usesSource) {
    left = std::max(left, offX);
    top = std::max(top, offY);
    right = std::min(right, offX + src->width());
    bottom = std::min(bottom, offY + src->height());
  }
  if (left >= right || top >= bottom) return;

  const int l = int(left), t = int(top), r = int(right), b = int(bottom);
  const int n = r - l;
  const RopPlan plan = planRop(code, pattern.isConstant(), pattern.color());
  if (plan.kind == RopPlan::Kind::Nop) return;

  const bool needPatternRow =
      plan.kind == RopPlan::Kind::PatternCopy || plan.kind == RopPlan::Kind::PatternRow;
  std::vector<std::uint32_t> patternRow(needPatternRow ? std::size_t(n) : 0);
  // A blit of a bitmap onto itself reads each source row into a copy first;
  // rows run in the order that reads every source row before it is written.
  const bool self =
      usesSource && src == &dst &&
      Rect{l, t, r, b}.intersected(Rect{l, t, r, b}.translated(int(-offX), int(-offY))) != Rect{};
  std::vector<std::uint32_t> sourceCopy(self ? std::size_t(n) : 0);
  const bool bottomUp = self && offY > 0;

  for (int i = 0; i < b - t; ++i) {
    const int yy = bottomUp ? b - 1 - i : t + i;
    std::uint32_t* d = dst.row(yy) + l;
    const std::uint32_t* s = nullptr;
    if (usesSource) {
      s = src->row(int(yy - offY)) + (l - offX);
      if (self) {
        std::memcpy(sourceCopy.data(), s, std::size_t(n) * 4);
        s = sourceCopy.data();
      }
    }
    if (needPatternRow) pattern.fillRow(patternRow.data(), l, yy, n);
    applyRop(plan, d, s, patternRow.data(), n);
    dst.snapSpan(d, n);
  }
  dst.markDirty({l, t, r, b});
}

}  // namespace gdi
