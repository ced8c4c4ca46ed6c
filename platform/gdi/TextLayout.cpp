#include "platform/gdi/TextLayout.h"

#include <algorithm>

#include "platform/gdi/Canvas.h"

namespace gdi {
namespace {

// Length of the UTF-8 character starting with `lead`.
std::size_t charLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

struct Prepared {
  std::string text;
  std::vector<std::size_t> prefixed;  // byte offsets of underlined characters
};

Prepared removePrefixes(std::string_view in, unsigned flags) {
  Prepared out;
  out.text.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    const char c = in[i];
    if (c == '&' && !(flags & DT_NOPREFIX)) {
      if (i + 1 >= in.size()) break;  // a final "&" marks nothing
      ++i;
      if (in[i] != '&') out.prefixed.push_back(out.text.size());
    }
    if ((flags & DT_SINGLELINE) && (in[i] == '\r' || in[i] == '\n')) {
      out.text += ' ';
      continue;
    }
    out.text += in[i];
  }
  return out;
}

class LineBuilder {
 public:
  LineBuilder(const Prepared& p, unsigned flags, int tabWidth, const MeasureText& measure)
      : p_(p),
        expandTabs_((flags & DT_EXPANDTABS) && tabWidth > 0),
        tabWidth_(tabWidth),
        measure_(measure) {}

  // Width of text [from, to) with its tab stops.
  int width(std::size_t from, std::size_t to) const {
    int x = 0;
    forEachSegment(from, to, [&](std::size_t, std::size_t, int, int end) { x = end; });
    return x;
  }

  TextLine line(std::size_t from, std::size_t to) const {
    TextLine line;
    std::vector<std::size_t> starts;
    forEachSegment(from, to, [&](std::size_t a, std::size_t b, int x, int end) {
      if (b > a) {
        line.segments.push_back({p_.text.substr(a, b - a), x, measure(a, b)});
        starts.push_back(a);
      }
      line.width = end;
    });
    for (std::size_t at : p_.prefixed)
      for (std::size_t k = 0; k < starts.size(); ++k) {
        if (at < starts[k] || at >= starts[k] + line.segments[k].text.size()) continue;
        const std::size_t len = charLength(static_cast<unsigned char>(p_.text[at]));
        line.underlines.push_back(
            {line.segments[k].x + measure(starts[k], at), measure(at, at + len)});
      }
    return line;
  }

 private:
  int measure(std::size_t a, std::size_t b) const {
    return b > a ? measure_(std::string_view(p_.text).substr(a, b - a)) : 0;
  }

  // Calls f(segmentBegin, segmentEnd, x, xAfter) for the pieces between tabs.
  template <class F>
  void forEachSegment(std::size_t from, std::size_t to, F&& f) const {
    if (!expandTabs_) {
      f(from, to, 0, measure(from, to));
      return;
    }
    int x = 0;
    std::size_t a = from;
    for (;;) {
      const std::size_t tab = p_.text.find('\t', a);
      const std::size_t b = tab == std::string::npos || tab >= to ? to : tab;
      const int end = x + measure(a, b);
      if (b == to) {
        f(a, b, x, end);
        return;
      }
      const int next = (end / tabWidth_ + 1) * tabWidth_;
      f(a, b, x, next);
      x = next;
      a = b + 1;
    }
  }

  const Prepared& p_;
  bool expandTabs_;
  int tabWidth_;
  const MeasureText& measure_;
};

}  // namespace

std::vector<TextLine> layoutText(std::string_view utf8, int maxWidth, unsigned flags, int tabWidth,
                                 const MeasureText& measure) {
  std::vector<TextLine> lines;
  if (utf8.empty()) return lines;
  const Prepared p = removePrefixes(utf8, flags);
  const std::string& t = p.text;
  const LineBuilder builder(p, flags, tabWidth, measure);
  const bool wrap = flags & DT_WORDBREAK;

  std::size_t pos = 0;
  for (;;) {
    // One hard line [pos, end).
    std::size_t end = t.size();
    if (!(flags & DT_SINGLELINE)) end = std::min(t.find('\r', pos), t.find('\n', pos));
    if (end == std::string::npos) end = t.size();

    std::size_t start = pos;
    do {
      std::size_t fit = std::string::npos;
      if (wrap) {
        // Take words while they fit; the first word always.
        std::size_t i = start;
        for (;;) {
          std::size_t j = i;
          while (j < end && t[j] == ' ') ++j;
          std::size_t k = j;
          while (k < end && t[k] != ' ') ++k;
          if (k == j) {
            if (fit == std::string::npos) fit = end;
            break;
          }
          if (fit != std::string::npos && builder.width(start, k) > maxWidth) break;
          fit = k;
          i = k;
          if (k == end) break;
        }
      } else {
        fit = end;
      }
      lines.push_back(builder.line(start, fit));
      start = fit;
      // The spaces where a line was broken belong to no line.
      if (start < end)
        while (start < end && t[start] == ' ') ++start;
    } while (start < end);

    if (end >= t.size()) break;
    pos = end + ((t[end] == '\r' && end + 1 < t.size() && t[end + 1] == '\n') ? 2 : 1);
    if (pos >= t.size()) break;  // a final line break starts no further line
  }
  return lines;
}

}  // namespace gdi
