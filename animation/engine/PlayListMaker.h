#pragma once
// The Play List Maker's run of sequentially numbered frame files:
// folder, separator, base name, the number in plain decimal (not padded),
// ".bmp". The run stops at the first file that does not exist; the names
// found before it are still added to the frame list.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace animation {

// The file the maker looks for with number n. The window's label shows the
// first one with the extension written ".BMP".
std::string numberedListName(const std::string& folder, const std::string& base, long long n,
                             const std::string& extension = ".bmp");

// Whether a frame file is there (a folder of that name is not).
using FileExists = std::function<bool(const std::string& path)>;
bool frameFileExists(const std::string& path);

struct NumberedRun {
  // The names to append to the frame list, in order.
  std::vector<std::string> found;
  // The first name that does not exist; the run stopped there and the
  // window stays open with "File does not exist".
  std::optional<std::string> missing;
};

// Looks for first..last in order. A last number equal to the first or
// smaller makes no run: nothing is found and nothing is missing.
NumberedRun findNumberedRun(const std::string& folder, const std::string& base, int first, int last,
                            const FileExists& exists = frameFileExists);

}  // namespace animation
