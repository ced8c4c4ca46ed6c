#pragma once
// Splits RTF bytes into tokens: group braces, control words with their
// optional number, control symbols, \'hh bytes and plain text bytes.
// Malformed input never stops it: numbers saturate, over-long words are cut,
// a broken \'hh is dropped, and \binN data is stepped over.
#include <cstdint>
#include <string_view>

namespace ui {

struct RtfToken {
  enum Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };
  Kind kind = End;
  std::string_view word;  // ControlWord: the letters
  bool hasParam = false;
  std::int32_t param = 0;
  char symbol = 0;        // ControlSymbol
  std::uint8_t byte = 0;  // HexByte, Text

  static RtfToken of(Kind k) {
    RtfToken t;
    t.kind = k;
    return t;
  }
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view input) : in_(input) {}
  RtfToken next();
  std::size_t position() const { return pos_; }

 private:
  RtfToken controlWord();

  std::string_view in_;
  std::size_t pos_ = 0;
};

}  // namespace ui
