// The rich edit: loading and saving RTF and plain text, lines, fonts.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/ui/RichEdit.h"

namespace {

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray read(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

}  // namespace

TEST(RichEdit, LoadsRtfWithItsFontsAndSavesItBack) {
  QTemporaryDir dir;
  write(
      dir.filePath("Getting Started.RTF"),
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Times New "
      "Roman;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "\\pard\\qc\\f1\\fs28\\b Welcome\\b0\\par\\pard\\f0\\fs20 to the \\cf1 studio\\cf0 .\\par}");
  ui::RichEdit edit;
  edit.loadFromFile(dir.filePath("Getting Started.RTF"));
  EXPECT_EQ(edit.lines(), (QStringList{"Welcome", "to the studio."}));
  EXPECT_FALSE(edit.modified());

  const gdi::Font title = edit.fontAt(0);
  EXPECT_EQ(title.name, "Times New Roman");
  EXPECT_EQ(title.size(), 14);
  EXPECT_TRUE(title.style & gdi::fsBold);
  const int red = int(QString("Welcome\nto the ").size());
  EXPECT_EQ(edit.fontAt(red).color, gdi::clRed);
  EXPECT_EQ(edit.fontAt(red).name, "Arial");
  EXPECT_FALSE(edit.fontAt(red).style & gdi::fsBold);
  EXPECT_EQ(edit.fontAt(red - 1).color, gdi::clBlack);

  edit.saveToFile(dir.filePath("copy.rtf"));
  ui::RichEdit again;
  again.loadFromFile(dir.filePath("copy.rtf"));
  EXPECT_EQ(again.richDocument(), edit.richDocument());
  EXPECT_EQ(again.document()->begin().blockFormat().alignment() & Qt::AlignHCenter,
            Qt::AlignHCenter);
}

TEST(RichEdit, PlainTextFilesAndPlainTextMode) {
  QTemporaryDir dir;
  // Not RTF: read as text, UTF-8 or the Western code page.
  write(dir.filePath("a.txt"), "first\r\nsecond\r\n{\\rtf1 not at the start}");
  write(dir.filePath("b.txt"), "caf\xe9 \x80");
  ui::RichEdit edit;
  edit.loadFromFile(dir.filePath("a.txt"));
  EXPECT_EQ(edit.lines(), (QStringList{"first", "second", "{\\rtf1 not at the start}"}));
  edit.loadFromFile(dir.filePath("b.txt"));
  EXPECT_EQ(edit.lines(), QStringList{QString::fromUtf8("café €")});

  // An RTF file read in plain-text mode shows its source.
  write(dir.filePath("c.rtf"), "{\\rtf1 x}");
  edit.setPlainTextMode(true);
  edit.loadFromFile(dir.filePath("c.rtf"));
  EXPECT_EQ(edit.lines(), QStringList{"{\\rtf1 x}"});

  edit.clear();
  edit.addLine("<html>");
  edit.addLine(QString::fromUtf8("<p>café</p>"));
  edit.saveToFile(dir.filePath("page.html"));
  EXPECT_EQ(read(dir.filePath("page.html")), QByteArray("<html>\r\n<p>caf\xc3\xa9</p>\r\n"));
  EXPECT_EQ(edit.lineCount(), 2);
  // Read back, the last line end starts no empty line.
  edit.loadFromFile(dir.filePath("page.html"));
  EXPECT_EQ(edit.lines(), (QStringList{"<html>", QString::fromUtf8("<p>café</p>")}));
}

TEST(RichEdit, FileErrorsAreReportedAndKeepTheOldFile) {
  QTemporaryDir dir;
  ui::RichEdit edit;
  try {
    edit.loadFromFile(dir.filePath("PAINTHELP.RTF"));
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_TRUE(
        QString(e.what()).startsWith("Cannot open file \"" + dir.filePath("PAINTHELP.RTF") + "\""));
  }
  edit.addLine("text");
  EXPECT_THROW(edit.saveToFile(dir.filePath("missing/folder/x.rtf")), std::runtime_error);

  if (::geteuid() == 0) return;  // permissions do not stop root
  write(dir.filePath("keep.rtf"), "old");
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_THROW(edit.saveToFile(dir.filePath("keep.rtf")), std::runtime_error);
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(read(dir.filePath("keep.rtf")), "old");
}

TEST(RichEdit, LinesModifiedFlagAndDefaultFont) {
  ui::RichEdit edit;
  EXPECT_EQ(edit.lineCount(), 0);
  EXPECT_TRUE(edit.lines().isEmpty());
  edit.addLine("File Getting Started.RTF is missing");
  EXPECT_EQ(edit.lines(), QStringList{"File Getting Started.RTF is missing"});
  EXPECT_TRUE(edit.modified());
  edit.setModified(false);
  EXPECT_FALSE(edit.modified());

  gdi::Font f;
  f.name = "Courier New";
  f.setSize(16);
  f.style = gdi::fsItalic;
  f.color = gdi::clBlue;
  edit.setDefaultFont(f);
  const gdi::Font got = edit.fontAt(2);
  EXPECT_EQ(got.name, "Courier New");
  EXPECT_EQ(got.size(), 16);
  EXPECT_EQ(got.style, unsigned(gdi::fsItalic));
  EXPECT_EQ(got.color, gdi::clBlue);
  EXPECT_EQ(edit.defaultFont().name, "Courier New");
  // Text in the default font is saved at its own size, not as the smallest
  // size a document can hold.
  const ui::RichDocument doc = edit.richDocument();
  ASSERT_FALSE(doc.paragraphs.empty());
  ASSERT_FALSE(doc.paragraphs.front().runs.empty());
  EXPECT_EQ(doc.paragraphs.front().runs.front().format.halfPoints, 32);
}
