#pragma once
// Helpers shared by the picture file tests: scratch folders, smooth test
// pictures and pixel comparisons.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "support/TempDir.h"

namespace codec_test {

using TempDir = testing_support::TempDir;

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Smooth colour ramps with a few hard edges: what lossy coding keeps well.
gdi::Bitmap smoothPicture(int width, int height);

// Mean absolute difference per channel of two same-sized bitmaps.
double meanChannelDifference(const gdi::Bitmap& a, const gdi::Bitmap& b);

// The folder of committed test files (QM_TEST_DATA).
std::filesystem::path testData();

}  // namespace codec_test
