#pragma once
// Reading a whole picture file into memory, with the failures the program
// reports as I/O errors (missing, unreadable, a folder) rather than as
// invalid pictures.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace codecs {

// Files larger than this are refused as too large before anything is read.
constexpr std::uintmax_t kMaxPictureFileBytes = std::uintmax_t(1) << 30;

// The bytes of the file; throws PictureError(Io) naming the file when it cannot
// be read, PictureError(TooLarge) past kMaxPictureFileBytes.
std::vector<std::uint8_t> readFileBytes(const std::filesystem::path& path);

}  // namespace codecs
