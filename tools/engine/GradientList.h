#pragma once
// The gradient list: colours taken in order from a stretch of the gradient
// window's strip, spread over the rows, columns or rings of a target.
#include <span>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Color.h"

namespace tools {

// The list entry for step k (0-based) of n steps when the list holds N
// entries: k * N / n rounded to the nearest integer, halves to even. May be
// past the end of the list (see gradientSteps).
int gradientIndex(int k, int entries, int steps);

// The colour of each of `steps` steps. A step whose index falls past the
// list's end keeps the previous step's colour. Fewer than two entries (or no
// steps) give nothing: gradients need at least two colours.
std::vector<gdi::TColor> gradientSteps(std::span<const gdi::TColor> list, int steps);

// The palette's gradient preview: the bitmap takes the given size and each
// column x is a vertical line in the colour of step x of `width` steps (pen
// width 2, inside frame). Returns false, drawing nothing and leaving the
// bitmap as it was, when the list has fewer than two entries.
bool paintGradientPreview(gdi::Bitmap& preview, int width, int height,
                          std::span<const gdi::TColor> list);

}  // namespace tools
