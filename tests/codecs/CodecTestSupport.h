#pragma once
// Helpers shared by the picture file tests: scratch folders, smooth test
// pictures and pixel comparisons.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace codec_test {

// A fresh empty folder, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Names of the entries in the folder, sorted.
  std::vector<std::string> entries() const;

 private:
  std::filesystem::path path_;
};

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Smooth colour ramps with a few hard edges: what lossy coding keeps well.
gdi::Bitmap smoothPicture(int width, int height);

// Mean absolute difference per channel of two same-sized bitmaps.
double meanChannelDifference(const gdi::Bitmap& a, const gdi::Bitmap& b);

// The folder of committed test files (QM_TEST_DATA).
std::filesystem::path testData();

}  // namespace codec_test
