#pragma once
// The notepad's text as a picture: every character drawn on its own in its
// own font, lines one below another. Works on the rich edit's document
// model, without the widget.
#include <stdexcept>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"
#include "platform/ui/RichDocument.h"

namespace tools {

// The renderer keeps a table of line tops with room for this many lines;
// longer texts are refused rather than overrunning it.
constexpr int kMaxRenderedLines = 1000;

// Thrown for a text with more lines than the renderer takes. The message
// says so to the user; nothing was drawn.
class TooManyLinesError : public std::runtime_error {
 public:
  explicit TooManyLinesError(int lines);
  int lines() const { return lines_; }

 private:
  int lines_;
};

// The font a character of `format` is drawn in: the format's face (the
// editor's face when it names none), size, style and colour (the editor's
// colour when it has none).
gdi::Font characterFont(const ui::CharFormat& format, const gdi::Font& editorFont);

// Renders the document on a white bitmap. Each paragraph, and each part of
// one after a line break inside it, is a line. A line is as high as the
// highest font among its characters (an empty line as high as the font in
// use where it stands: that of the character before it, or the editor's);
// lines follow one another from the top. Characters stand side by side from
// the left edge, each as wide as its font measures it. The bitmap is
// `minWidth` wide, or as wide as the widest line.
//
// A document without lines gives an empty bitmap. More than
// kMaxRenderedLines lines throw TooManyLinesError.
gdi::Bitmap renderRichText(const ui::RichDocument& doc, const gdi::Font& editorFont, int minWidth);

}  // namespace tools
