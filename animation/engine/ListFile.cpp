#include "animation/engine/ListFile.h"

#include <cstdint>
#include <span>

#include "platform/codecs/FileBytes.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/SafeSave.h"

namespace animation {

std::vector<std::string> parseListText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::string listFileText(const std::vector<std::string>& entries) {
  std::size_t bytes = 0;
  for (const std::string& e : entries) {
    if (e.find_first_of("\r\n") != std::string::npos)
      throw ListFileError("The list entry \"" + e +
                          "\" holds a line break and cannot be saved in a list file");
    bytes += e.size() + 2;
  }
  std::string text;
  text.reserve(bytes);
  for (const std::string& e : entries) {
    text += e;
    text += "\r\n";
  }
  return text;
}

std::vector<std::string> readListFile(const std::filesystem::path& path) {
  try {
    const std::vector<std::uint8_t> bytes = codecs::readFileBytes(path);
    return parseListText(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const codecs::PictureError& e) {
    if (e.kind() == codecs::ErrorKind::Io) throw ListFileError(e.what());
    throw ListFileError("The list file \"" + path.string() + "\" is too large to load");
  }
}

void writeListFile(const std::filesystem::path& path, const std::vector<std::string>& entries) {
  const std::string text = listFileText(entries);
  try {
    codecs::saveFileSafely(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  } catch (const codecs::PictureError& e) {
    throw ListFileError(e.what());
  }
}

}  // namespace animation
