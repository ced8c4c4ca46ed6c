// The notepad's render to a bitmap: 200 lines of about 60 characters in
// four fonts (faces, sizes, bold, italic, underline, colours), each
// character drawn on its own.
#include <benchmark/benchmark.h>

#include "tools/text/RichTextRender.h"

namespace {

ui::RichDocument memo() {
  struct Style {
    const char* face;
    int halfPoints;
    bool bold, italic, underline;
    gdi::TColor color;
  };
  const Style styles[] = {{"Arial", 20, false, false, false, gdi::clBlack},
                          {"Times New Roman", 28, true, false, false, gdi::clNavy},
                          {"Courier New", 18, false, true, false, gdi::clMaroon},
                          {"Verdana", 24, false, false, true, gdi::clGreen}};
  const QString words[] = {"Quillmoor ", "renders ", "every ", "character ",
                           "in ",        "its ",     "own ",   "font, ",
                           "line ",      "by ",      "line; ", "0123456789 "};
  ui::RichDocument doc;
  for (int line = 0; line < 200; ++line) {
    ui::Paragraph p;
    int length = 0;
    for (int w = 0; length < 60; ++w) {
      const Style& s = styles[(line + w) % 4];
      ui::CharFormat f;
      f.font = s.face;
      f.halfPoints = s.halfPoints;
      f.bold = s.bold;
      f.italic = s.italic;
      f.underline = s.underline;
      f.color = s.color;
      const QString& word = words[(line * 7 + w) % 12];
      p.append(word, f);
      length += int(word.size());
    }
    doc.paragraphs.push_back(std::move(p));
  }
  return doc;
}

void BM_MemoRender(benchmark::State& state) {
  const ui::RichDocument doc = memo();
  gdi::Font editor;
  editor.setSize(10);
  for (auto _ : state) benchmark::DoNotOptimize(tools::renderRichText(doc, editor, 400).row(0));
}
BENCHMARK(BM_MemoRender)->Unit(benchmark::kMillisecond);

}  // namespace
