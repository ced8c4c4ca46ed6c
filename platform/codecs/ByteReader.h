#pragma once
// Little-endian reads from a byte block with every access bounds-checked:
// a read past the end throws PictureError(InvalidPicture), so parsers of
// untrusted files need no arithmetic of their own to stay inside the data.
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "platform/codecs/PictureError.h"

namespace codecs {

class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const std::uint8_t> bytes, const char* what = "picture")
      : bytes_(bytes), what_(what) {}

  std::size_t size() const { return bytes_.size(); }
  std::size_t pos() const { return pos_; }
  std::size_t left() const { return bytes_.size() - pos_; }
  bool has(std::size_t n) const { return n <= left(); }
  void seek(std::size_t at) {
    if (at > bytes_.size()) truncated();
    pos_ = at;
  }
  void skip(std::size_t n) {
    need(n);
    pos_ += n;
  }

  std::uint8_t u8() {
    need(1);
    return bytes_[pos_++];
  }
  std::uint16_t u16() {
    need(2);
    const std::uint16_t v = std::uint16_t(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  std::int16_t i16() { return std::int16_t(u16()); }
  std::uint32_t u32() {
    need(4);
    const std::uint32_t v = std::uint32_t(bytes_[pos_]) | (std::uint32_t(bytes_[pos_ + 1]) << 8) |
                            (std::uint32_t(bytes_[pos_ + 2]) << 16) |
                            (std::uint32_t(bytes_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  std::int32_t i32() { return std::int32_t(u32()); }
  float f32() {
    const std::uint32_t v = u32();
    float f;
    std::memcpy(&f, &v, sizeof f);
    return f;
  }
  // The next n bytes.
  std::span<const std::uint8_t> bytes(std::size_t n) {
    need(n);
    const auto s = bytes_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  // A reader over the next n bytes (this one moves past them).
  ByteReader sub(std::size_t n) { return ByteReader(bytes(n), what_); }

  // Values at a fixed offset, without moving.
  std::uint16_t u16At(std::size_t at) const {
    ByteReader r(bytes_, what_);
    r.seek(at);
    return r.u16();
  }
  std::uint32_t u32At(std::size_t at) const {
    ByteReader r(bytes_, what_);
    r.seek(at);
    return r.u32();
  }

 private:
  void need(std::size_t n) const {
    if (n > left()) truncated();
  }
  [[noreturn]] void truncated() const {
    throw PictureError(ErrorKind::InvalidPicture,
                       std::string("The ") + what_ + " file is damaged (data ends too soon)");
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  const char* what_ = "picture";
};

}  // namespace codecs
