#pragma once
// Errors of the picture readers and writers. The program answers "not a valid
// picture" differently from a file it could not read or write, so the kind is
// part of the error.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace codecs {

enum class ErrorKind {
  InvalidPicture,  // a picture of a kind we read, but damaged (corrupt, truncated, impossible
                   // values)
  Unsupported,     // the bytes hold no picture of a kind we read (PNG, GIF, text...)
  TooLarge,        // a valid header asks for a picture larger than we accept
  Io,              // the file could not be opened, read or written
};

class PictureError : public std::runtime_error {
 public:
  PictureError(ErrorKind kind, const std::string& message)
      : std::runtime_error(message), kind_(kind) {}
  ErrorKind kind() const { return kind_; }
  bool invalidPicture() const { return kind_ != ErrorKind::Io; }

 private:
  ErrorKind kind_;
};

// The largest picture a reader accepts: no side above 65535 pixels and at most
// 2^28 pixels (16384 x 16384, 1 GiB in memory). Readers check a header against
// this before allocating anything.
constexpr int kMaxPictureSide = 65535;
constexpr std::int64_t kMaxPicturePixels = std::int64_t(1) << 28;

// Throws PictureError(TooLarge) or (InvalidPicture, for sizes below 1) unless
// a width x height picture is acceptable.
void checkPictureSize(std::int64_t width, std::int64_t height);

}  // namespace codecs
