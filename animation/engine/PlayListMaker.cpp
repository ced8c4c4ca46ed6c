#include "animation/engine/PlayListMaker.h"

#include <filesystem>

#include "animation/engine/FrameTarget.h"

namespace animation {

std::string numberedListName(const std::string& folder, const std::string& base, long long n,
                             const std::string& extension) {
  return joinFolderAndPrefix(folder, base) + std::to_string(n) + extension;
}

bool frameFileExists(const std::string& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

NumberedRun findNumberedRun(const std::string& folder, const std::string& base, int first, int last,
                            const FileExists& exists) {
  NumberedRun run;
  if (last <= first) return run;
  // Counted wide: a run that ends at the largest int must still end.
  for (long long n = first; n <= last; ++n) {
    std::string name = numberedListName(folder, base, n);
    if (!exists(name)) {
      run.missing = std::move(name);
      break;
    }
    run.found.push_back(std::move(name));
  }
  return run;
}

}  // namespace animation
