#pragma once
// Small pixel pictures written as text, for tests that assert exact pixels.
//
//   Bitmap b = gridBitmap({"....",
//                          ".##.",
//                          "...."});
//   EXPECT_EQ(grid(b), (Grid{"....", ".##.", "...."}));
//
// Each character stands for one colour (see the legend); unknown colours are
// written as '?'.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace testing_support {

using Grid = std::vector<std::string>;

// '.' white, '#' black, 'r' red, 'g' lime, 'b' blue, 'y' yellow, 's' silver,
// 'k' grey 0x808080, 'x' 0x000001, 'o' RGB(1, 1, 1)
const std::map<char, gdi::TColor>& defaultLegend();

gdi::Bitmap gridBitmap(const Grid& rows,
                       const std::map<char, gdi::TColor>& legend = defaultLegend());
Grid grid(const gdi::Bitmap& b, const std::map<char, gdi::TColor>& legend = defaultLegend());
// Grid of a part of the bitmap.
Grid grid(const gdi::Bitmap& b, const gdi::Rect& area,
          const std::map<char, gdi::TColor>& legend = defaultLegend());

// FNV-1a over size and pixels: for checking long sequences of operations.
std::uint64_t pixelHash(const gdi::Bitmap& b);

// Number of pixels equal to `c`.
std::int64_t countColor(const gdi::Bitmap& b, gdi::TColor c);

// Deterministic noise picture for properties that should hold on any content.
gdi::Bitmap noiseBitmap(int width, int height, std::uint32_t seed);

}  // namespace testing_support
