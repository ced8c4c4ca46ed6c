// The RTF reader and writer: what word processors write, round trips, and
// files that are broken in every way we could think of.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <string>

#include "platform/ui/RtfReader.h"
#include "platform/ui/RtfWriter.h"
#include "support/TestData.h"

using ui::Alignment;
using ui::CharFormat;
using ui::RichDocument;

namespace {

QString text(const std::string& rtf) { return ui::readRtf(rtf).plainText(); }

}  // namespace

TEST(RtfReader, ReadsWhatAWordProcessorWrites) {
  const std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
      "{\\f1\\froman\\fprq2\\fcharset0 Times New Roman{\\*\\falt Times};}}\r\n"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
      "{\\info{\\title Help}{\\author me}}"
      "\\pard\\qc\\f1\\fs32\\b Getting Started\\b0\\par\r\n"
      "\\pard\\f0\\fs20 Plain \\i italic\\i0  \\ul under\\ulnone  \\cf1 red\\cf0  caf\\'e9 "
      "\\u8364?\\par\r\n"
      "{\\pict\\wmetafile8\\picw100 0100090000{}{}\\bin4 {{{{ 0300}"
      "Tab\\tab and\\line break {\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}\\par\r\n}";
  const RichDocument doc = ui::readRtf(rtf);
  ASSERT_EQ(doc.paragraphs.size(), 3u);
  EXPECT_EQ(doc.paragraphs[0].alignment, Alignment::Center);
  ASSERT_EQ(doc.paragraphs[0].runs.size(), 1u);
  const CharFormat& title = doc.paragraphs[0].runs[0].format;
  EXPECT_EQ(title.font, "Times New Roman");
  EXPECT_EQ(title.halfPoints, 32);
  EXPECT_TRUE(title.bold);
  EXPECT_EQ(doc.paragraphs[0].text(), "Getting Started");

  EXPECT_EQ(doc.paragraphs[1].alignment, Alignment::Left);
  EXPECT_EQ(doc.paragraphs[1].text(), QString::fromUtf8("Plain italic under red café €"));
  const auto& runs = doc.paragraphs[1].runs;
  auto runWith = [&](const QString& t) {
    for (const auto& r : runs)
      if (r.text == t) return r.format;
    ADD_FAILURE() << "no run " << t.toStdString();
    return CharFormat{};
  };
  EXPECT_TRUE(runWith("italic").italic);
  EXPECT_TRUE(runWith("under").underline);
  EXPECT_EQ(runWith("red").color, gdi::clRed);
  EXPECT_EQ(runWith("Plain ").font, "Arial");
  EXPECT_EQ(runWith("Plain ").halfPoints, 20);

  EXPECT_EQ(doc.paragraphs[2].text(), QString("Tab\tand") + QChar(0x2028) + "break link");
}

TEST(RtfReader, UnicodeFallbacksAreSkipped) {
  EXPECT_EQ(text("{\\rtf1 \\u937?x}"), QString::fromUtf8("Ωx"));
  // \uc2: two fallback characters, a \'hh counting as one.
  EXPECT_EQ(text("{\\rtf1 \\uc2\\u937\\'4f?x}"), QString::fromUtf8("Ωx"));
  EXPECT_EQ(text("{\\rtf1 \\uc0\\u937 x}"), QString::fromUtf8("Ωx"));
  // \uc is scoped to its group.
  EXPECT_EQ(text("{\\rtf1 {\\uc0\\u937}\\u937?x}"), QString::fromUtf8("ΩΩx"));
  // A group end stops the skipping.
  EXPECT_EQ(text("{\\rtf1 {\\uc3\\u937}ab}"), QString::fromUtf8("Ωab"));
  // Negative values and surrogate pairs.
  EXPECT_EQ(text("{\\rtf1 \\u-4064?}"), QString(QChar(0xF020)));
  EXPECT_EQ(text("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUtf8("😀"));
  EXPECT_EQ(text("{\\rtf1 \\'80\\'93q\\'94}"), QString::fromUtf8("€“q”"));
  EXPECT_EQ(text("{\\rtf1 \\emdash\\~\\{\\}\\\\}"), QString::fromUtf8("—\u00a0{}\\"));
}

TEST(RtfReader, UnknownGroupsAndDestinationsAreSkipped) {
  EXPECT_EQ(text("{\\rtf1 a{\\*\\unknown b{c}}d}"), "ad");
  EXPECT_EQ(text("{\\rtf1 a{\\stylesheet{\\s0 Normal;}}d}"), "ad");
  EXPECT_EQ(text("{\\rtf1 a{\\header h}{\\footer f}d}"), "ad");
  // Unknown control words are ignored, their group's text is kept.
  EXPECT_EQ(text("{\\rtf1 a{\\zzunknown b}c}"), "abc");
}

TEST(RtfReader, BrokenFilesGiveWhatCanBeRead) {
  const std::vector<std::pair<std::string, QString>> cases = {
      {"", ""},
      {"{", ""},
      {"}}}}", ""},
      {"{\\rtf1 abc", "abc"},
      {"{\\rtf1 abc}}}} def", "abc def"},
      {"{\\rtf1 a\\", "a"},
      {"{\\rtf1 a\\'", "a"},
      {"{\\rtf1 a\\'4", "a4"},
      {"{\\rtf1 a\\'zzb}", "azzb"},
      {"{\\rtf1 \\fs99999999999999999999999 big}", "big"},
      {"{\\rtf1 \\fs-5 small}", "small"},
      {"{\\rtf1 \\uc99999999999\\u65 abc}", "A"},
      {"{\\rtf1 \\u99999999999999 xy}", QString(QChar(0xFFFF)) + "y"},
      {"{\\rtf1 \\bin999999999 abc}", ""},
      {"{\\rtf1 \\bin-5 abc}", "abc"},
      {"{\\rtf1{\\colortbl\\red999\\green-4;}\\cf1 x}", "x"},
      {"{\\rtf1 \\cf99 x\\cf-1 y}", "xy"},
      {"{\\rtf1{\\fonttbl{\\f0 Arial", ""},
      {"{\\rtf1 \\f99 x}", "x"},
      {"{\\rtf1 \\u-10179? lone}", QString(QChar(QChar::ReplacementCharacter)) + " lone"},
      {"{\\rtf1 \\" + std::string(100, 'a') + " x}", "x"},
      {std::string("{\\rtf1 a\0b\x01\x7f}", 14), "ab\x7f"},
  };
  for (const auto& [rtf, expected] : cases) EXPECT_EQ(text(rtf), expected) << rtf;
  EXPECT_EQ(ui::readRtf("{\\rtf1 \\fs99999999 x}").paragraphs[0].runs[0].format.halfPoints, 3276);
}

TEST(RtfReader, DeepNestingIsCapped) {
  const int deep = 100000;
  const std::string rtf =
      "{\\rtf1 a" + std::string(deep, '{') + "deep" + std::string(deep, '}') + "b}";
  EXPECT_EQ(text(rtf), "ab");
  const std::string shallow =
      "{\\rtf1 a" + std::string(50, '{') + "c" + std::string(50, '}') + "b}";
  EXPECT_EQ(text(shallow), "acb");
  // Unbalanced the other way: everything opened, nothing closed.
  EXPECT_EQ(text("{\\rtf1 a" + std::string(deep, '{')), "a");
}

TEST(RtfWriter, RoundTripKeepsTextFormatsAndParagraphs) {
  RichDocument doc;
  ui::Paragraph p1;
  p1.alignment = Alignment::Center;
  CharFormat title;
  title.font = "Times New Roman";
  title.halfPoints = 36;
  title.bold = true;
  title.color = gdi::RGB(0, 0, 128);
  p1.append("Title {with} \\braces\\", title);
  ui::Paragraph p2;
  p2.alignment = Alignment::Justify;
  CharFormat body;
  body.font = "Arial";
  body.halfPoints = 20;
  p2.append(QString::fromUtf8("café € Ω 😀 \t tab") + QChar(0x2028) + "line", body);
  CharFormat styled = body;
  styled.italic = styled.underline = styled.strike = true;
  styled.color = gdi::clRed;
  p2.append(" styled", styled);
  ui::Paragraph empty;
  ui::Paragraph p4;
  p4.alignment = Alignment::Right;
  p4.append("end", body);
  doc.paragraphs = {p1, p2, empty, p4};

  const std::string rtf = ui::writeRtf(doc);
  EXPECT_TRUE(ui::looksLikeRtf(rtf));
  for (unsigned char c : rtf) EXPECT_LT(c, 0x80) << "RTF is 7-bit";
  EXPECT_EQ(ui::readRtf(rtf), doc);
  // Writing what was read gives the same file.
  EXPECT_EQ(ui::writeRtf(ui::readRtf(rtf)), rtf);
}

TEST(RtfWriter, EmptyDocument) {
  const std::string rtf = ui::writeRtf({});
  EXPECT_TRUE(ui::readRtf(rtf).paragraphs.empty());
}

TEST(RtfReader, LooksLikeRtf) {
  EXPECT_TRUE(ui::looksLikeRtf("{\\rtf1\\ansi}"));
  EXPECT_TRUE(ui::looksLikeRtf("\xEF\xBB\xBF  \r\n{\\rtf1"));
  EXPECT_FALSE(ui::looksLikeRtf("Hello {\\rtf1"));
  EXPECT_FALSE(ui::looksLikeRtf("{\\rt"));
  EXPECT_FALSE(ui::looksLikeRtf(""));
}

// Inputs that once broke the reader or writer (found by fuzzing) stay in the
// data folder.
TEST(RtfReader, CrashInputsReplay) {
  QDir dir(QString::fromStdString(testing_support::testDataDir()) + "/rtf");
  ASSERT_TRUE(dir.exists()) << dir.path().toStdString();
  int files = 0;
  for (const QString& name : dir.entryList(QDir::Files)) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    // The fuzzer's checks: the text survives writing, and a second round
    // changes nothing.
    const RichDocument doc =
        ui::readRtf(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    const std::string rtf = ui::writeRtf(doc);
    const RichDocument again = ui::readRtf(rtf);
    EXPECT_EQ(again.plainText(), doc.plainText()) << name.toStdString();
    EXPECT_EQ(ui::writeRtf(again), rtf) << name.toStdString();
    ++files;
  }
  EXPECT_GT(files, 0);
}
