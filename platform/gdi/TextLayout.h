#pragma once
// How DrawText lays text out in a rectangle: hard line breaks, word breaks at
// spaces, tab stops and "&" prefixes. Pure text work: the caller supplies the
// measure, so this knows nothing of fonts.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

// A piece of a line drawn at x (relative to the line's start).
struct TextSegment {
  std::string text;
  int x = 0;
  int width = 0;
  friend bool operator==(const TextSegment&, const TextSegment&) = default;
};

// A horizontal stretch to underline (a prefixed character), relative to the line.
struct TextUnderline {
  int x = 0;
  int width = 0;
  friend bool operator==(const TextUnderline&, const TextUnderline&) = default;
};

struct TextLine {
  std::vector<TextSegment> segments;
  int width = 0;
  std::vector<TextUnderline> underlines;
};

// Advance width of a piece of UTF-8 text in pixels.
using MeasureText = std::function<int(std::string_view)>;

// Splits `utf8` into lines by the DT_ flags: line breaks (CR, LF, CR LF)
// unless DT_SINGLELINE; with DT_WORDBREAK, breaks between words so lines fit
// `maxWidth` (a word longer than that stays whole; the spaces at a break are
// dropped); with DT_EXPANDTABS, tab stops every `tabWidth` pixels; unless
// DT_NOPREFIX, "&x" underlines x and "&&" stands for "&". Empty text gives no
// lines; an empty line of a longer text is a line of its own.
std::vector<TextLine> layoutText(std::string_view utf8, int maxWidth, unsigned flags, int tabWidth,
                                 const MeasureText& measure);

}  // namespace gdi
