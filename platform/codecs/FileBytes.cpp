#include "platform/codecs/FileBytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/codecs/PictureError.h"

namespace codecs {
namespace {

[[noreturn]] void failRead(const std::filesystem::path& path, int error) {
  throw PictureError(ErrorKind::Io,
                     "Cannot read \"" + path.string() + "\": " + std::strerror(error));
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) failRead(path, EISDIR);
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) failRead(path, errno);
  std::vector<std::uint8_t> bytes;
  const std::uintmax_t expected = std::filesystem::file_size(path, ec);
  if (!ec && expected <= kMaxPictureFileBytes) bytes.reserve(std::size_t(expected) + 1);
  // Read in pieces rather than trusting a size taken beforehand: the file
  // may be a pipe or change while we read it.
  constexpr std::size_t kChunk = std::size_t(1) << 20;
  for (;;) {
    const std::size_t used = bytes.size();
    if (used >= kMaxPictureFileBytes)
      throw PictureError(ErrorKind::TooLarge,
                         "The file \"" + path.string() + "\" is too large to open");
    bytes.resize(used + kChunk);
    const std::size_t got = std::fread(bytes.data() + used, 1, kChunk, file.get());
    bytes.resize(used + got);
    if (got < kChunk) {
      if (std::ferror(file.get())) failRead(path, errno ? errno : EIO);
      break;
    }
  }
  return bytes;
}

}  // namespace codecs
