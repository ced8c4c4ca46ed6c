#pragma once
// The tone filters of the tool palette over the whole picture. Each works
// into a new buffer and gives it to the picture at the end, so a filter the
// user stops through its step leaves the picture as it was (and answers
// false). Writes into a palette picture snap to its palette, and every value
// a later pixel reads is the snapped one.
#include <cstdint>

#include "clips/engine/Progress.h"
#include "clips/engine/ToneArithmetic.h"
#include "platform/gdi/Bitmap.h"

namespace clips {

// "Heavy Soft Focus Filter". Two passes in row order, each reusing the
// values it has already changed:
//   1. every pixel (x, y) with x > 0 and y > 0 := itself blended toward
//      (x - 1, y - 1) by 3 parts of 6 (the average);
//   2. every pixel (x + 1, y + 1) := itself blended toward (x, y) by 3 of 6.
// The first row and column never change. Both passes are made in one sweep
// down the picture.
bool softFocus(gdi::Bitmap& picture, const StoppableStep& step = {});

// "Soften Light". One pass in row order over the inner pixels
// (0 < x < width - 1, 0 < y < height - 1):
//   (x, y)     := itself blended toward (x - 1, y) by 3 parts of 10, then
//   (x - 1, y) := (x, y - 1) blended toward (x, y + 1) by 3 parts of 10.
bool softenLight(gdi::Bitmap& picture, const StoppableStep& step = {});

// "Darken Image" / "Lighten Image": every pixel shifted by 8.
bool shiftImage(gdi::Bitmap& picture, Tone tone, const StoppableStep& step = {});

namespace detail {
// The last link of a soften-light row's horizontal chain (each inner pixel
// blended toward its left neighbour as already blended), tried first from
// only the last `window` links. Open for tests of both ways of working it out.
std::uint32_t softenChainEnd(const std::uint32_t* row, int width, int window);
}  // namespace detail

}  // namespace clips
