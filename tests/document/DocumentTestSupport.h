#pragma once
// Scratch folders and picture files for the document engine's tests.
#include <filesystem>
#include <string>

#include "platform/gdi/Bitmap.h"
#include "support/TempDir.h"

namespace document_test {

using TempDir = testing_support::TempDir;

// A picture with a distinct colour in each quadrant.
gdi::Bitmap quadrants(int width, int height);
// Writes a JPEG file of that size (quality 90).
void writeJpegPicture(const std::filesystem::path& file, int width, int height,
                      bool progressive = false);
void writeText(const std::filesystem::path& file, const std::string& text);
std::string readText(const std::filesystem::path& file);

}  // namespace document_test
