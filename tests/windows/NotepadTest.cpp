// The notepad: its file handling never loses the text (save questions,
// refused overwrites, failed saves, files that are no text), its files are
// what another RTF reader makes of them, and its picture of the text goes to
// the clipboard and the main window's paste.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>

#include "platform/ui/ImageControl.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ScriptedDialogs.h"
#include "support/windows/StudioFixture.h"
#include "tools/text/RichTextRender.h"
#include "tools/windows/TTextmemoform.h"

using testing_support::Studio;

namespace {

TTextmemoform& notepad() {
  TTextmemoform& memo = *app::windows().Textmemoform;
  memo.show();
  QApplication::processEvents();
  return memo;
}

void type(TTextmemoform& memo, const QString& text) {
  QTextCursor c = memo.RichEdit1->textCursor();
  c.movePosition(QTextCursor::End);
  c.insertText(text);
  memo.RichEdit1->setTextCursor(c);
}

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// What unrtf, a reader that is not ours, makes of an RTF file.
QString unrtf(const QString& format, const QString& path) {
  QProcess p;
  p.start(QStringLiteral("unrtf"), {QStringLiteral("--") + format, path});
  if (!p.waitForFinished(30000)) return QStringLiteral("unrtf did not finish");
  return QString::fromUtf8(p.readAllStandardOutput());
}

// Two lines, the first in a large bold Arial, the second in Courier New.
void writeTwoFonts(Studio& studio, TTextmemoform& memo) {
  gdi::Font body;
  body.name = "Courier New";
  body.setSize(12);
  memo.RichEdit1->setDefaultFont(body);
  type(memo, "Headline\nbody text");
  QTextCursor c(memo.RichEdit1->document());
  c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  memo.RichEdit1->setTextCursor(c);
  gdi::Font head;
  head.name = "Arial";
  head.setSize(24);
  head.style = gdi::fsBold;
  studio.dialogs().answerFont(head);
  memo.BitBtn5->click();
}

}  // namespace

TEST(Notepad, StartsAsNotepadAndNeverAsksThenToSave) {
  Studio studio;
  TTextmemoform& memo = notepad();
  EXPECT_EQ(memo.windowTitle(), "Notepad");
  EXPECT_FALSE(memo.RichEdit1->modified());
  type(memo, "scribble");
  ASSERT_TRUE(memo.RichEdit1->modified());
  EXPECT_TRUE(memo.CheckSave());
  EXPECT_TRUE(studio.dialogs().questions().empty());
}

TEST(Notepad, SaveFormatFollowsTheExtensionAndOverwriteAsks) {
  Studio studio;
  TTextmemoform& memo = notepad();
  type(memo, "<html>\nline two");

  const QString html = studio.tempPath("page.html");
  studio.dialogs().answerSave(html);
  memo.SpeedButton3->click();
  EXPECT_EQ(fileBytes(html), "<html>\r\nline two\r\n");
  EXPECT_EQ(memo.windowTitle(), html);
  EXPECT_FALSE(memo.RichEdit1->modified());
  ASSERT_EQ(studio.dialogs().questions().size(), 1u);
  EXPECT_EQ(studio.dialogs().questions()[0].file.fileName, "");  // "Notepad" proposes no name

  const QString doc = studio.tempPath("letter.doc");
  studio.dialogs().answerSave(doc);
  EXPECT_TRUE(memo.dosaveas(memo.windowTitle()));
  EXPECT_TRUE(fileBytes(doc).startsWith("{\\rtf"));
  EXPECT_TRUE(unrtf("text", doc).contains("line two"));

  // An existing file: anything but Yes keeps it and answers false.
  studio.dialogs().answerSave(html);
  studio.dialogs().answerMessage("OK to overwrite " + html, ui::MsgResult::No);
  type(memo, " changed");
  EXPECT_FALSE(memo.dosaveas(doc));
  EXPECT_EQ(fileBytes(html), "<html>\r\nline two\r\n");
  EXPECT_EQ(memo.windowTitle(), doc);

  // A cancelled dialog saves nothing and lets the caller go on.
  studio.dialogs().cancelSave();
  EXPECT_TRUE(memo.dosaveas(doc));
  EXPECT_TRUE(memo.RichEdit1->modified());
  EXPECT_TRUE(studio.dialogs().failures().isEmpty());
}

TEST(Notepad, TwoFontsSurviveSaveAndOpen) {
  Studio studio;
  TTextmemoform& memo = notepad();
  writeTwoFonts(studio, memo);
  const QString path = studio.tempPath("two fonts.rtf");
  studio.dialogs().answerSave(path);
  memo.SpeedButton3->click();

  const QString html = unrtf("html", path);
  EXPECT_TRUE(html.contains("Arial")) << html.toStdString();
  EXPECT_TRUE(html.contains("Courier New")) << html.toStdString();
  EXPECT_TRUE(html.contains("Headline"));
  EXPECT_TRUE(html.contains("body text"));

  const ui::RichDocument saved = memo.RichEdit1->richDocument();
  memo.RichEdit1->clear();
  memo.RichEdit1->setModified(false);
  studio.dialogs().answerOpen(path);
  memo.SpeedButton2->click();
  EXPECT_EQ(memo.windowTitle(), path);
  EXPECT_EQ(memo.RichEdit1->lines(), QStringList({"Headline", "body text"}));
  EXPECT_EQ(memo.RichEdit1->fontAt(0).name, "Arial");
  EXPECT_EQ(memo.RichEdit1->fontAt(0).size(), 24);
  EXPECT_EQ(memo.RichEdit1->fontAt(10).name, "Courier New");
  EXPECT_EQ(memo.RichEdit1->richDocument(), saved);
}

TEST(Notepad, SaveChangesQuestionGuardsTheText) {
  Studio studio;
  TTextmemoform& memo = notepad();
  const QString first = studio.tempPath("first.txt");
  const QString other = studio.tempPath("other.txt");
  writeFile(other, "other text\r\n");
  type(memo, "mine");
  studio.dialogs().answerSave(first);
  memo.SpeedButton3->click();
  type(memo, " and more");
  const QString question = "Save changes to " + first + "?";

  // Cancel: no open dialog, the text stays.
  studio.dialogs().answerMessage(question, ui::MsgResult::Cancel);
  memo.SpeedButton2->click();
  EXPECT_EQ(memo.RichEdit1->lines(), QStringList({"mine and more"}));

  // Yes with a save that fails (its folder is gone): the message, and still
  // no open: the text is not lost.
  QFile::remove(first);
  const QString gone = studio.tempPath("gone/first.txt");
  studio.dialogs().answerMessage(question, ui::MsgResult::Yes);
  studio.dialogs().answerSave(gone);
  studio.dialogs().answerMessage(ui::MsgResult::Ok);
  memo.SpeedButton2->click();
  EXPECT_EQ(memo.RichEdit1->lines(), QStringList({"mine and more"}));
  EXPECT_TRUE(memo.RichEdit1->modified());
  EXPECT_EQ(memo.windowTitle(), first);
  EXPECT_TRUE(studio.dialogs().messages().back().text.contains(gone));

  // Yes: saved, then the other file opens.
  studio.dialogs().answerMessage(question, ui::MsgResult::Yes);
  studio.dialogs().answerSave(first);
  studio.dialogs().answerOpen(other);
  memo.SpeedButton2->click();
  EXPECT_EQ(fileBytes(first), "mine and more\r\n");
  EXPECT_EQ(memo.RichEdit1->lines(), QStringList({"other text"}));

  // No: the changes go, the file opens.
  type(memo, "!");
  studio.dialogs().answerMessage("Save changes to " + other + "?", ui::MsgResult::No);
  studio.dialogs().answerOpen(first);
  memo.SpeedButton2->click();
  EXPECT_EQ(memo.RichEdit1->lines(), QStringList({"mine and more"}));
  EXPECT_EQ(fileBytes(other), "other text\r\n");
  EXPECT_TRUE(studio.dialogs().failures().isEmpty());
}

TEST(Notepad, FilesThatAreNoTextAreRefusedWithTheTextKept) {
  Studio studio;
  TTextmemoform& memo = notepad();
  type(memo, "keep me");
  memo.RichEdit1->setModified(false);

  const QString binary = studio.tempPath("picture.bmp");
  writeFile(binary, QByteArray("BM\x36\x00\x00\x00\x00\x00", 8) + QByteArray(200, '\0'));
  studio.dialogs().answerOpen(binary);
  studio.dialogs().answerMessage("\"" + binary + "\" is not a text file.", ui::MsgResult::Ok);
  memo.SpeedButton2->click();

  studio.dialogs().answerOpen(studio.tempPath("missing.txt"));
  studio.dialogs().answerMessage(ui::MsgResult::Ok);
  memo.SpeedButton2->click();
  EXPECT_EQ(memo.RichEdit1->lines(), QStringList({"keep me"}));
  EXPECT_EQ(memo.windowTitle(), "Notepad");

  // A damaged RTF file opens as far as it can be read.
  const QString damaged = studio.tempPath("damaged.rtf");
  writeFile(damaged, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 readable part\\par {\\b cut");
  studio.dialogs().answerOpen(damaged);
  memo.SpeedButton2->click();
  EXPECT_TRUE(memo.RichEdit1->lines().join("\n").startsWith("readable part"));
  EXPECT_TRUE(studio.dialogs().failures().isEmpty());
}

TEST(Notepad, CancelledFontAndColourChangeNothingAndCopyNeedsASelection) {
  Studio studio;
  TTextmemoform& memo = notepad();
  type(memo, "abc");
  const ui::RichDocument before = memo.RichEdit1->richDocument();
  studio.dialogs().answerFont(std::nullopt);
  memo.BitBtn5->click();
  studio.dialogs().answerColor(std::nullopt);
  memo.SpeedButton1->click();
  EXPECT_EQ(memo.RichEdit1->richDocument(), before);

  studio.dialogs().answerMessage("No lines selected", ui::MsgResult::Ok);
  memo.BitBtn4->click();

  // Without a selection a colour applies to all the text.
  studio.dialogs().answerColor(gdi::clRed);
  memo.SpeedButton1->click();
  EXPECT_EQ(memo.RichEdit1->fontAt(1).color, gdi::clRed);
  EXPECT_TRUE(studio.dialogs().failures().isEmpty());
}

TEST(Notepad, RendersTheTextToTheClipboardForThePaste) {
  Studio studio;
  TTextmemoform& memo = notepad();
  QToolButton* paste = studio.main().pbpastebut1;

  // An empty editor puts nothing on the clipboard.
  paste->setEnabled(false);
  memo.BitBtn3->click();
  EXPECT_EQ(studio.clipboard().writes(), 0);
  EXPECT_FALSE(paste->isEnabled());

  writeTwoFonts(studio, memo);
  memo.BitBtn3->click();
  const gdi::Bitmap expected = tools::renderRichText(
      memo.RichEdit1->richDocument(), memo.RichEdit1->defaultFont(), memo.RichEdit1->width());
  EXPECT_EQ(studio.clipboard().bitmap(), expected);
  EXPECT_EQ(expected.width(), memo.RichEdit1->width());
  EXPECT_TRUE(paste->isEnabled());
  paste->click();
  EXPECT_EQ(studio.main().clpmap1->bitmap(), expected);
}

TEST(Notepad, ALongTextRendersAndTooLongATextIsRefused) {
  Studio studio;
  TTextmemoform& memo = notepad();
  QStringList lines;
  for (int i = 0; i < tools::kMaxRenderedLines; ++i)
    lines << QStringLiteral("Line %1 of a long text, with a few words").arg(i + 1);
  memo.takeLines(lines, QStringLiteral("Notepad"));
  memo.BitBtn3->click();
  const gdi::Bitmap picture = studio.clipboard().bitmap();
  ASSERT_FALSE(picture.empty());
  const int lineHeight = picture.height() / tools::kMaxRenderedLines;
  EXPECT_EQ(picture.height(), lineHeight * tools::kMaxRenderedLines);
  EXPECT_GT(lineHeight, 8);

  // One line more: a message and the clipboard as it was.
  memo.RichEdit1->addLine("one too many");
  const int writes = studio.clipboard().writes();
  studio.dialogs().answerMessage(ui::MsgResult::Ok);
  memo.BitBtn3->click();
  EXPECT_EQ(studio.clipboard().writes(), writes);
  ASSERT_EQ(studio.dialogs().messages().size(), 1u);
  EXPECT_TRUE(studio.dialogs().messages()[0].text.contains("1001"));
}

TEST(Notepad, TakesLinesAsPlainTextUnderTheirFileName) {
  Studio studio;
  TTextmemoform& memo = *app::windows().Textmemoform;
  const QString path = studio.tempPath("index.htm");
  memo.takeLines({"<html>", "</html>"}, path);
  EXPECT_TRUE(memo.isVisible());
  EXPECT_EQ(memo.windowTitle(), path);
  studio.dialogs().answerSave(path);
  memo.SpeedButton3->click();
  ASSERT_EQ(studio.dialogs().questions().size(), 1u);
  EXPECT_EQ(studio.dialogs().questions()[0].file.fileName, path);
  EXPECT_EQ(fileBytes(path), "<html>\r\n</html>\r\n");
}
