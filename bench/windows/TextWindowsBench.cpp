// What the user waits for in the text windows: "Copy to Clipboard" of
// "Rotated and 3D Text" (a 40-character caption at 30 degrees, raised) and
// "Text to Clipboard" of the notepad (1000 lines in two fonts), each through
// the window's button, the clipboard service and the hand-over to the paste.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "app/Windows.h"
#include "bench/windows/BenchStudio.h"
#include "controls/TMyLabelRotate.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TTextMakerForm.h"
#include "tools/windows/TTextmemoform.h"

namespace {

void createOnce() {
  static const bool created = [] {
    bench_windows::studio();
    return true;
  }();
  (void)created;
}

void BM_TextMakerRenderToClipboard(benchmark::State& state) {
  createOnce();
  TTextMakerForm& form = *app::windows().TextMakerForm;
  form.show();
  form.Edit1->setText("Rotated and 3D Text for the banner: 40ch");
  form.SpinEdit1->setValue(30);
  form.RadioGroup1->setItemIndex(1);
  QApplication::processEvents();
  for (auto _ : state) form.BitBtn4->click();
  form.hide();
}
BENCHMARK(BM_TextMakerRenderToClipboard)->Unit(benchmark::kMillisecond);

void BM_NotepadRenderToClipboard(benchmark::State& state) {
  createOnce();
  TTextmemoform& memo = *app::windows().Textmemoform;
  QStringList lines;
  for (int i = 0; i < 1000; ++i)
    lines << QStringLiteral("Line %1: every character in its own font, line by line").arg(i);
  memo.takeLines(lines, QStringLiteral("Notepad"));
  // Every other line in a large bold face.
  QTextCursor c(memo.RichEdit1->document());
  QTextCharFormat bold;
  bold.setFontFamilies({QStringLiteral("Times New Roman")});
  bold.setFontPointSize(18);
  bold.setFontWeight(QFont::Bold);
  for (int i = 0; i < 1000; i += 2) {
    c.movePosition(QTextCursor::StartOfBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.mergeCharFormat(bold);
    c.movePosition(QTextCursor::NextBlock);
    c.movePosition(QTextCursor::NextBlock);
  }
  QApplication::processEvents();
  for (auto _ : state) memo.BitBtn3->click();
  memo.hide();
}
BENCHMARK(BM_NotepadRenderToClipboard)->Unit(benchmark::kMillisecond);

}  // namespace
