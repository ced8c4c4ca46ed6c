#include <algorithm>
#include <vector>

#include "platform/gdi/Blit.h"
#include "platform/gdi/BlitPattern.h"
#include "platform/gdi/RopRow.h"
#include "platform/gdi/StretchMap.h"

namespace gdi {
namespace {

// Builds, for one destination row, the row of source values the raster
// operation sees: the source pixels of each destination pixel combined by
// the stretch mode.
class StretchedRow {
 public:
  StretchedRow(const Bitmap& src, const AxisMap& cols, int longestRows, StretchMode mode)
      : src_(src), cols_(cols), mode_(mode), base_(cols.sourceMin) {
    const std::size_t span = std::size_t(cols.sourceMax - cols.sourceMin);
    if (mode_ == StretchMode::Halftone) {
      packed_ = std::int64_t(longestRows) * cols.longest <= kMaxPackedBlock;
      if (packed_) {
        packedSums_.resize(span);
      } else {
        sumR_.resize(span);
        sumG_.resize(span);
        sumB_.resize(span);
      }
    } else if (mode_ != StretchMode::ColorOnColor) {
      acc_.resize(span);
    }
  }

  // Source rows [rlo, rhi) into out[0 .. cols.size()).
  void build(int rlo, int rhi, std::uint32_t* out) {
    if (mode_ == StretchMode::ColorOnColor || (rhi - rlo == 1 && cols_.single)) {
      gather(src_.row(rlo), 0, out);
    } else if (mode_ == StretchMode::Halftone) {
      if (packed_)
        averagePacked(rlo, rhi, out);
      else
        average(rlo, rhi, out);
    } else {
      combine(rlo, rhi, out);
    }
  }

 private:
  // Channel sums of up to this many pixels fit 21-bit lanes of one 64-bit word.
  static constexpr int kMaxPackedBlock = (1 << 21) / 255;

  // One pixel per destination pixel: the first of its range.
  void gather(const std::uint32_t* row, int base, std::uint32_t* out) const {
    const int* lo = cols_.lo.data();
    const int n = cols_.size();
    if (cols_.consecutive) {
      std::copy_n(row + (lo[0] - base), n, out);
      return;
    }
    for (int i = 0; i < n; ++i) out[i] = row[lo[i] - base];
  }

  // BlackOnWhite ANDs, WhiteOnBlack ORs every pixel of the block: first the
  // rows column by column, then the columns of each range.
  void combine(int rlo, int rhi, std::uint32_t* out) {
    const bool isAnd = mode_ == StretchMode::BlackOnWhite;
    const int width = cols_.sourceMax - base_;
    const std::uint32_t* acc;
    int accBase;
    if (rhi - rlo == 1) {
      acc = src_.row(rlo);
      accBase = 0;
    } else {
      std::uint32_t* a = acc_.data();
      std::copy_n(src_.row(rlo) + base_, width, a);
      for (int r = rlo + 1; r < rhi; ++r) {
        const std::uint32_t* row = src_.row(r) + base_;
        if (isAnd)
          for (int k = 0; k < width; ++k) a[k] &= row[k];
        else
          for (int k = 0; k < width; ++k) a[k] |= row[k];
      }
      acc = a;
      accBase = base_;
    }
    if (cols_.single) {
      gather(acc, accBase, out);
      return;
    }
    const int n = cols_.size();
    for (int i = 0; i < n; ++i) {
      const std::uint32_t* p = acc + (cols_.lo[i] - accBase);
      const int count = cols_.hi[i] - cols_.lo[i];
      std::uint32_t v = p[0];
      if (isAnd)
        for (int k = 1; k < count; ++k) v &= p[k];
      else
        for (int k = 1; k < count; ++k) v |= p[k];
      out[i] = v;
    }
  }

  // Divides by a fixed count with a multiply and a shift, exact for the
  // rounded channel sums of a packed block (below 2^22).
  struct Divider {
    std::uint64_t count = 0, multiplier = 0;
    int shift = 0;
    void set(std::uint64_t c) {
      count = c;
      int l = 0;
      while ((std::uint64_t(1) << l) < c) ++l;
      shift = 22 + l;
      multiplier = ((std::uint64_t(1) << shift) + c - 1) / c;
    }
    std::uint32_t rounded(std::uint64_t sum) const {
      return std::uint32_t(((sum + count / 2) * multiplier) >> shift);
    }
  };

  // Halftone with the three channels of a pixel summed in one 64-bit word.
  void averagePacked(int rlo, int rhi, std::uint32_t* out) {
    const int width = cols_.sourceMax - base_;
    std::uint64_t* acc = packedSums_.data();
    auto spread = [](std::uint32_t v) {
      return std::uint64_t(v & 0xFF) | std::uint64_t(v & 0xFF00) << 13 |
             std::uint64_t(v & 0xFF0000) << 26;
    };
    const std::uint32_t* first = src_.row(rlo) + base_;
    for (int k = 0; k < width; ++k) acc[k] = spread(first[k]);
    for (int r = rlo + 1; r < rhi; ++r) {
      const std::uint32_t* row = src_.row(r) + base_;
      for (int k = 0; k < width; ++k) acc[k] += spread(row[k]);
    }
    const std::uint64_t rows = std::uint64_t(rhi - rlo);
    constexpr std::uint64_t lane = (1u << 21) - 1;
    Divider div;
    const int n = cols_.size();
    for (int i = 0; i < n; ++i) {
      const int lo = cols_.lo[i] - base_, hi = cols_.hi[i] - base_;
      std::uint64_t sum = 0;
      for (int k = lo; k < hi; ++k) sum += acc[k];
      const std::uint64_t count = rows * std::uint64_t(hi - lo);
      if (count != div.count) div.set(count);
      out[i] = div.rounded(sum & lane) | div.rounded(sum >> 21 & lane) << 8 |
               div.rounded(sum >> 42) << 16;
    }
  }

  // Halftone for very large blocks: separate channel sums.
  void average(int rlo, int rhi, std::uint32_t* out) {
    const int width = cols_.sourceMax - base_;
    std::uint32_t* sr = sumR_.data();
    std::uint32_t* sg = sumG_.data();
    std::uint32_t* sb = sumB_.data();
    std::fill_n(sr, width, 0u);
    std::fill_n(sg, width, 0u);
    std::fill_n(sb, width, 0u);
    for (int r = rlo; r < rhi; ++r) {
      const std::uint32_t* row = src_.row(r) + base_;
      for (int k = 0; k < width; ++k) {
        const std::uint32_t v = row[k];
        sr[k] += v & 0xFF;
        sg[k] += (v >> 8) & 0xFF;
        sb[k] += (v >> 16) & 0xFF;
      }
    }
    const std::uint64_t rows = std::uint64_t(rhi - rlo);
    const int n = cols_.size();
    for (int i = 0; i < n; ++i) {
      const int lo = cols_.lo[i] - base_, hi = cols_.hi[i] - base_;
      std::uint64_t r = 0, g = 0, b = 0;
      for (int k = lo; k < hi; ++k) {
        r += sr[k];
        g += sg[k];
        b += sb[k];
      }
      const std::uint64_t count = rows * std::uint64_t(hi - lo), half = count / 2;
      out[i] = std::uint32_t((r + half) / count) | std::uint32_t((g + half) / count) << 8 |
               std::uint32_t((b + half) / count) << 16;
    }
  }

  const Bitmap& src_;
  const AxisMap& cols_;
  StretchMode mode_;
  int base_;
  bool packed_ = false;
  std::vector<std::uint32_t> acc_, sumR_, sumG_, sumB_;
  std::vector<std::uint64_t> packedSums_;
};

}  // namespace

void stretchBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy, int sw,
                int sh, std::uint32_t rop, StretchMode mode, const Brush& brush) {
  const std::uint8_t code = ropIndex(rop);
  const bool usesSource = ropUsesSource(code);
  if (!usesSource) {
    // Without a source nothing is stretched: the operation fills the
    // destination rectangle as a plain blit would.
    bitBlt(dst, x, y, w, h, nullptr, 0, 0, rop, brush);
    return;
  }
  if (dst.empty() || src.empty()) return;
  const BlitPattern pattern(brush);
  if (ropUsesPattern(code) && pattern.isClear()) return;

  // Stretching a bitmap onto itself reads from a copy taken first.
  Bitmap copy;
  const Bitmap* source = &src;
  if (&src == &dst) {
    copy = src;
    source = &copy;
  }
  const AxisMap cols = mapAxis(x, w, sx, sw, dst.width(), source->width());
  const AxisMap rows = mapAxis(y, h, sy, sh, dst.height(), source->height());
  if (cols.empty() || rows.empty()) return;

  const RopPlan plan = planRop(code, pattern.isConstant(), pattern.color());
  if (plan.kind == RopPlan::Kind::Nop) return;
  const bool needPatternRow =
      plan.kind == RopPlan::Kind::PatternCopy || plan.kind == RopPlan::Kind::PatternRow;
  const int n = cols.size();
  std::vector<std::uint32_t> sourceRow(static_cast<std::size_t>(n));
  std::vector<std::uint32_t> patternRow(needPatternRow ? static_cast<std::size_t>(n) : 0);
  StretchedRow stretched(*source, cols, rows.longest, mode);

  int builtLo = -1, builtHi = -1;
  for (int k = 0; k < rows.size(); ++k) {
    const int yy = rows.begin + k;
    // Enlarged rows repeat: build each distinct source block once.
    if (rows.lo[k] != builtLo || rows.hi[k] != builtHi) {
      builtLo = rows.lo[k];
      builtHi = rows.hi[k];
      stretched.build(builtLo, builtHi, sourceRow.data());
    }
    std::uint32_t* d = dst.row(yy) + cols.begin;
    if (needPatternRow) pattern.fillRow(patternRow.data(), cols.begin, yy, n);
    applyRop(plan, d, sourceRow.data(), patternRow.data(), n);
    dst.snapSpan(d, n);
  }
  dst.markDirty({cols.begin, rows.begin, cols.end, rows.end});
}

void transparentBlt(Bitmap& dst, int x, int y, int w, int h, const Bitmap& src, int sx, int sy,
                    int sw, int sh, TColor key) {
  if (dst.empty() || src.empty()) return;
  Bitmap copy;
  const Bitmap* source = &src;
  if (&src == &dst) {
    copy = src;
    source = &copy;
  }
  const AxisMap cols = mapAxis(x, w, sx, sw, dst.width(), source->width());
  const AxisMap rows = mapAxis(y, h, sy, sh, dst.height(), source->height());
  if (cols.empty() || rows.empty()) return;
  // clNone keys nothing out; every other value is compared as RGB.
  const std::uint64_t skip =
      key == clNone ? ~std::uint64_t(0) : std::uint32_t(colorToRGB(key)) & 0xFFFFFFu;
  const int n = cols.size();
  const int* lo = cols.lo.data();
  for (int k = 0; k < rows.size(); ++k) {
    const std::uint32_t* s = source->row(rows.lo[k]);
    std::uint32_t* d = dst.row(rows.begin + k) + cols.begin;
    if (cols.consecutive) {
      const std::uint32_t* sp = s + lo[0];
      for (int i = 0; i < n; ++i) d[i] = sp[i] == skip ? d[i] : sp[i];
    } else {
      for (int i = 0; i < n; ++i) {
        const std::uint32_t v = s[lo[i]];
        d[i] = v == skip ? d[i] : v;
      }
    }
    dst.snapSpan(d, n);
  }
  dst.markDirty({cols.begin, rows.begin, cols.end, rows.end});
}

}  // namespace gdi
