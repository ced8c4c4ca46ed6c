#pragma once
// The one place where figures meet pixels. A primitive collects the pixels it
// covers as horizontal spans, the span list is normalised (sorted, overlaps
// merged) so every pixel appears once, and paintSpans applies the ink.
#include <cstdint>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

namespace gdi {

// Pixels [x1, x2) of row y.
struct Span {
  int y;
  int x1;
  int x2;
  friend constexpr bool operator==(const Span&, const Span&) = default;
};

class SpanList {
 public:
  void add(int y, int x1, int x2) {
    if (x2 > x1) {
      spans_.push_back({y, x1, x2});
      normalized_ = false;
    }
  }
  void addAll(const SpanList& other) {
    spans_.insert(spans_.end(), other.spans_.begin(), other.spans_.end());
    normalized_ = false;
  }
  // Sorts by row and column and merges overlapping or touching spans, so each
  // pixel is covered once.
  void normalize();
  // Declares the spans already sorted and disjoint (skips normalize's work).
  void markNormalized() { normalized_ = true; }
  bool normalized() const { return normalized_; }
  // Removes the pixels of `other` (both must be normalised).
  void subtract(const SpanList& other);
  // Keeps only the pixels inside `clip`.
  void clip(const Rect& clip);

  const std::vector<Span>& spans() const { return spans_; }
  bool empty() const { return spans_.empty(); }
  std::size_t size() const { return spans_.size(); }
  void clear() {
    spans_.clear();
    normalized_ = true;
  }
  void reserve(std::size_t n) { spans_.reserve(n); }
  Rect bounds() const;
  std::int64_t pixelCount() const;

 private:
  std::vector<Span> spans_;
  bool normalized_ = true;
};

// What a span is painted with: a colour, the hatch lines of a brush (the gaps
// between them left alone) or a pattern bitmap; combined with the destination
// by a binary raster operation.
struct Ink {
  enum class Kind { Solid, Hatch, Pattern, None };
  Kind kind = Kind::Solid;
  int rop2 = R2_COPYPEN;
  std::uint32_t color = 0;
  BrushStyle hatch = BrushStyle::Horizontal;
  const Bitmap* pattern = nullptr;

  static Ink solid(TColor c, int rop2 = R2_COPYPEN);
  static Ink none() { return Ink{Kind::None}; }
  // The ink of the pen (solid, in the pen's mode).
  static Ink ofPen(const Pen& pen);
  // The ink of a brush used with raster operation rop2.
  static Ink ofBrush(const Brush& brush, int rop2);
};

// True when (x, y) lies on the lines of an 8 x 8 hatch pattern aligned to the
// bitmap's origin.
bool hatchBit(BrushStyle style, int x, int y);

// Applies `ink` once to every pixel of the (normalised) spans that lies inside
// the bitmap; marks the touched area dirty and snaps to the palette.
void paintSpans(Bitmap& bitmap, const SpanList& spans, const Ink& ink);

// Applies `ink` to pixels [x1, x2) of row y, clipped to the bitmap.
void paintSpan(Bitmap& bitmap, int y, int x1, int x2, const Ink& ink);

}  // namespace gdi
