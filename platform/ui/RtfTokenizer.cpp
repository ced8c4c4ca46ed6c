#include "platform/ui/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace ui {

namespace {

constexpr std::size_t kMaxWord = 32;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

RtfToken RtfTokenizer::next() {
  while (pos_ < in_.size()) {
    const char c = in_[pos_];
    if (c == '{') {
      ++pos_;
      return RtfToken::of(RtfToken::GroupStart);
    }
    if (c == '}') {
      ++pos_;
      return RtfToken::of(RtfToken::GroupEnd);
    }
    if (c == '\\') {
      if (pos_ + 1 >= in_.size()) {
        ++pos_;
        continue;
      }
      const char n = in_[pos_ + 1];
      if (isLetter(n)) return controlWord();
      if (n == '\'') {
        const int hi = pos_ + 2 < in_.size() ? hexValue(in_[pos_ + 2]) : -1;
        const int lo = pos_ + 3 < in_.size() ? hexValue(in_[pos_ + 3]) : -1;
        if (hi < 0 || lo < 0) {
          pos_ += 2;  // a broken escape is dropped
          continue;
        }
        pos_ += 4;
        RtfToken t = RtfToken::of(RtfToken::HexByte);
        t.byte = std::uint8_t(hi * 16 + lo);
        return t;
      }
      pos_ += 2;
      RtfToken t = RtfToken::of(RtfToken::ControlSymbol);
      t.symbol = n == '\r' ? '\n' : n;  // backslash + line end is a paragraph
      return t;
    }
    ++pos_;
    if (c == '\r' || c == '\n' || (std::uint8_t(c) < 0x20 && c != '\t')) continue;
    RtfToken t = RtfToken::of(RtfToken::Text);
    t.byte = std::uint8_t(c);
    return t;
  }
  return RtfToken::of(RtfToken::End);
}

RtfToken RtfTokenizer::controlWord() {
  ++pos_;  // the backslash
  const std::size_t start = pos_;
  while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
  RtfToken t = RtfToken::of(RtfToken::ControlWord);
  t.word = in_.substr(start, std::min(pos_ - start, kMaxWord));
  bool negative = false;
  if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
    negative = true;
    ++pos_;
  }
  if (pos_ < in_.size() && isDigit(in_[pos_])) {
    std::int64_t v = 0;
    while (pos_ < in_.size() && isDigit(in_[pos_])) {
      if (v <= std::numeric_limits<std::int32_t>::max()) v = v * 10 + (in_[pos_] - '0');
      ++pos_;
    }
    if (negative) v = -v;
    t.hasParam = true;
    t.param = std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
  }
  if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank
  if (t.word == "bin" && t.hasParam && t.param > 0) {
    // Binary data: skip it whole, braces and backslashes included.
    pos_ += std::min<std::size_t>(std::size_t(t.param), in_.size() - pos_);
  }
  return t;
}

}  // namespace ui
