#include "tools/text/RichTextRender.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tools {

namespace {

constexpr char16_t kLineSeparator = 0x2028;

struct Character {
  std::string utf8;
  int font = 0;  // index into the document's fonts
};

struct Line {
  std::vector<Character> characters;
};

// The document cut into lines of characters, with the distinct fonts used.
struct Layout {
  std::vector<gdi::Font> fonts;
  std::vector<Line> lines;

  int fontIndex(const gdi::Font& f) {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
      const gdi::Font& k = fonts[i];
      if (k.name == f.name && k.height == f.height && k.style == f.style && k.color == f.color)
        return int(i);
    }
    fonts.push_back(f);
    return int(fonts.size() - 1);
  }
};

Layout layoutOf(const ui::RichDocument& doc, const gdi::Font& editorFont) {
  Layout layout;
  for (const ui::Paragraph& p : doc.paragraphs) {
    layout.lines.emplace_back();
    for (const ui::TextRun& run : p.runs) {
      const int font = layout.fontIndex(characterFont(run.format, editorFont));
      const QString& text = run.text;
      for (qsizetype i = 0; i < text.size();) {
        if (text[i] == QChar(kLineSeparator)) {
          layout.lines.emplace_back();
          ++i;
          continue;
        }
        // A surrogate pair is one character.
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        layout.lines.back().characters.push_back({text.mid(i, n).toStdString(), font});
        i += n;
      }
    }
  }
  return layout;
}

// One character of one font as the raster layer draws it: its advance, its
// cell height and the pixels its text output inks, relative to the cell's
// top-left corner. Texts repeat their characters, so each is drawn once on a
// scratch bitmap and then stamped; an integer move does not change how a
// glyph is rasterised, so a stamp inks exactly what a text output at that
// place would.
struct Glyph {
  int width = 0;
  int height = 0;
  struct Run {
    int dy, x1, x2;
  };
  std::vector<Run> ink;
};

class GlyphCache {
 public:
  explicit GlyphCache(const std::vector<gdi::Font>& fonts) : fonts_(fonts) {}

  const Glyph& glyph(const Character& ch) {
    std::string key = ch.utf8;
    key.push_back('\0');
    key.append(reinterpret_cast<const char*>(&ch.font), sizeof ch.font);
    auto it = glyphs_.find(key);
    if (it == glyphs_.end()) it = glyphs_.emplace(std::move(key), draw(ch)).first;
    return it->second;
  }

 private:
  Glyph draw(const Character& ch) {
    gdi::Bitmap scratch(1, 1);
    gdi::Canvas canvas(scratch);
    canvas.font = fonts_[std::size_t(ch.font)];
    canvas.font.color = gdi::clBlack;
    canvas.brush.setStyle(gdi::BrushStyle::Clear);
    const gdi::Size size = canvas.textExtent(ch.utf8);
    Glyph g{size.cx, size.cy, {}};
    // The text output draws what reaches up to one cell height beyond the
    // character's cell on every side, and so does the scratch bitmap.
    const int pad = std::max(size.cy, 1);
    scratch.setSize(size.cx + 2 * pad, size.cy + 2 * pad);
    canvas.textOut(pad, pad, ch.utf8);
    for (int y = 0; y < scratch.height(); ++y) {
      const std::uint32_t* row = scratch.row(y);
      for (int x = 0; x < scratch.width();) {
        if (row[x] != std::uint32_t(gdi::clBlack)) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < scratch.width() && row[x] == std::uint32_t(gdi::clBlack)) ++x;
        g.ink.push_back({y - pad, start - pad, x - pad});
      }
    }
    return g;
  }

  const std::vector<gdi::Font>& fonts_;
  std::unordered_map<std::string, Glyph> glyphs_;
};

// Inks a glyph whose cell has its top-left corner at (x, y), cut to the bitmap.
void stamp(gdi::Bitmap& b, const Glyph& g, int x, int y, gdi::TColor color) {
  const std::uint32_t c = std::uint32_t(b.snap(color));
  for (const Glyph::Run& r : g.ink) {
    const int row = y + r.dy;
    if (row < 0 || row >= b.height()) continue;
    const int x1 = std::max(x + r.x1, 0), x2 = std::min(x + r.x2, b.width());
    if (x1 < x2) std::fill(b.row(row) + x1, b.row(row) + x2, c);
  }
}

}  // namespace

TooManyLinesError::TooManyLinesError(int lines)
    : std::runtime_error("The text has " + std::to_string(lines) + " lines; at most " +
                         std::to_string(kMaxRenderedLines) +
                         " lines can be turned into a picture."),
      lines_(lines) {}

gdi::Font characterFont(const ui::CharFormat& format, const gdi::Font& editorFont) {
  gdi::Font f = editorFont;
  if (!format.font.isEmpty()) f.name = format.font.toStdString();
  // Half points at 96 pixels per inch, rounded as whole point sizes are.
  f.height = -((format.halfPoints * 48 + 36) / 72);
  f.style = (format.bold ? gdi::fsBold : 0u) | (format.italic ? gdi::fsItalic : 0u) |
            (format.underline ? gdi::fsUnderline : 0u) | (format.strike ? gdi::fsStrikeOut : 0u);
  f.color = gdi::colorToRGB(format.color.value_or(editorFont.color));
  f.escapement = 0;
  return f;
}

gdi::Bitmap renderRichText(const ui::RichDocument& doc, const gdi::Font& editorFont, int minWidth) {
  Layout layout = layoutOf(doc, editorFont);
  if (layout.lines.empty()) return {};
  if (layout.lines.size() > std::size_t(kMaxRenderedLines))
    throw TooManyLinesError(int(layout.lines.size()));

  GlyphCache glyphs(layout.fonts);
  // An empty line is as high as the font the previous character left in use.
  gdi::Font inUse = editorFont;
  auto heightOf = [&](const gdi::Font& f) {
    gdi::Bitmap scratch(1, 1);
    gdi::Canvas measure(scratch);
    measure.font = f;
    return measure.textHeight(" ");
  };

  // First pass: line heights and widths, each character measured in its font.
  std::vector<int> tops(layout.lines.size() + 1, 0);
  int width = std::max(minWidth, 1);
  for (std::size_t l = 0; l < layout.lines.size(); ++l) {
    const Line& line = layout.lines[l];
    int height = line.characters.empty() ? heightOf(inUse) : 0;
    int lineWidth = 0;
    for (const Character& ch : line.characters) {
      const Glyph& g = glyphs.glyph(ch);
      lineWidth += g.width;
      height = std::max(height, g.height);
    }
    if (!line.characters.empty()) inUse = layout.fonts[std::size_t(line.characters.back().font)];
    width = std::max(width, lineWidth);
    tops[l + 1] = tops[l] + height;
  }

  // Second pass: the characters side by side, each inked in its font's colour.
  gdi::Bitmap picture(width, std::max(tops.back(), 1));
  for (std::size_t l = 0; l < layout.lines.size(); ++l) {
    int x = 0;
    for (const Character& ch : layout.lines[l].characters) {
      const Glyph& g = glyphs.glyph(ch);
      stamp(picture, g, x, tops[l], layout.fonts[std::size_t(ch.font)].color);
      x += g.width;
    }
  }
  return picture;
}

}  // namespace tools
