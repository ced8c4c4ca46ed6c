#pragma once
// Morphing pours the content of one picture into the shape of another, row
// by row: in every row the content's non-white pixels are squeezed or
// stretched to fill the non-white span of the shape's row. White is the
// outside of a shape and of the result. The capture hand-over, the morph
// windows and the movie wizard all use this one routine.
#include "clips/engine/Progress.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// Shapes wider than this are not morphed.
inline constexpr int kMorphMaxWidth = 2000;

enum class MorphResult {
  Done,       // the target holds the result
  TooWide,    // the shape is wider than kMorphMaxWidth: nothing changed
  NoPicture,  // the content or the shape is empty: nothing changed
  Stopped,    // the user stopped it: nothing changed
};

// `target` is both the shape and the place of the result (a new bitmap of
// its size, white outside the shape). The content is first stretched to the
// shape's size, dropping pixels where it shrinks. Then in each row, with L
// the content row's n non-white colours and m the shape row's non-white
// pixels, from its first to its last:
//   - n = 0 or m = 0: the row stays white;
//   - n < m: the k-th position of the span (k from 1, holes counted) takes
//     L[round(k * n / m)] (from 1; at least 1; none past n);
//   - n >= m: the j-th non-white position takes L[trunc(j * n / m)].
// White shape pixels inside the span stay white. The arithmetic is exact,
// halves rounding to even.
MorphResult morph(const gdi::Bitmap& content, gdi::Bitmap& target,
                  const StoppableStep& step = {});

}  // namespace clips
