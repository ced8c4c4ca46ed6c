#include "animation/engine/FrameTarget.h"

#include <system_error>

namespace animation {
namespace {

bool isSeparator(char c) { return c == '/' || c == std::filesystem::path::preferred_separator; }

std::string beforeFirstDot(const std::string& text) { return text.substr(0, text.find('.')); }

}  // namespace

std::string prefixOfPickedFile(const std::string& path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i)
    if (isSeparator(path[i])) start = i + 1;
  return beforeFirstDot(path.substr(start));
}

std::string prefixBoxText(const std::string& text) {
  const std::string name = beforeFirstDot(text);
  const bool onlyWildcards = !name.empty() && name.find_first_not_of("*?") == std::string::npos;
  return text.empty() || onlyWildcards ? "temp" : text;
}

std::string framePrefix(const std::string& text) { return beforeFirstDot(prefixBoxText(text)); }

std::string joinFolderAndPrefix(const std::string& folder, const std::string& prefix) {
  if (folder.empty() || isSeparator(folder.back()) || (!prefix.empty() && isSeparator(prefix[0])))
    return folder + prefix;
  return folder + '/' + prefix;
}

ExampleFolders makeExampleFolders(const std::filesystem::path& programFolder) {
  const std::filesystem::path example = programFolder / kExampleFolderName;
  const ExampleFolders folders{example / kSeriesOneName, example / kSeriesTwoName};
  for (const std::filesystem::path& folder : {folders.seriesOne, folders.seriesTwo}) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder))
      throw FolderError("Cannot make the folder \"" + folder.string() + "\": " +
                        (ec ? ec.message() : std::string("a file of that name is in the way")));
  }
  return folders;
}

}  // namespace animation
