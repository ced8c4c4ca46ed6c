#pragma once
// Scratch folders and picture files for the document engine's tests.
#include <filesystem>
#include <string>

#include "platform/gdi/Bitmap.h"

namespace document_test {

// A fresh folder, removed with its contents at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A picture with a distinct colour in each quadrant.
gdi::Bitmap quadrants(int width, int height);
// Writes a JPEG file of that size (quality 90).
void writeJpegPicture(const std::filesystem::path& file, int width, int height,
                      bool progressive = false);
void writeText(const std::filesystem::path& file, const std::string& text);
std::string readText(const std::filesystem::path& file);

}  // namespace document_test
