// The help pages that ship beside the executable, read by the studio's own RTF
// reader: every page must come out as formatted text, not as RTF source.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <string>

#include "platform/ui/RtfReader.h"

namespace {

const char* const kPages[] = {
    "Getting Started.RTF",  "PAINTHELP.RTF",    "Paste Panel.RTF",       "Animation Magic.RTF",
    "Animation Wizard.RTF", "Movie Wizard.RTF", "Multimedia Player.RTF", "Support.RTF",
    "Zoom and Camera.RTF",  "Web Pages.RTF",    "Print and FAX.RTF",     "Animation Preview.RTF",
    "Handling Frames.RTF"};

// The program folder the build fills (build/<name>/studio beside build/<name>/tests),
// so the pages are checked as they are installed.
QString resourcesFolder() {
  return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../studio");
}

}  // namespace

TEST(HelpPages, EveryPageReadsAsFormattedText) {
  for (const char* name : kPages) {
    SCOPED_TRACE(name);
    QFile f(QDir(resourcesFolder()).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "not installed: " << f.fileName().toStdString();
    const QByteArray bytes = f.readAll();
    ASSERT_TRUE(ui::looksLikeRtf(std::string_view(bytes.constData(), bytes.size())));
    const ui::RichDocument doc = ui::readRtf(std::string_view(bytes.constData(), bytes.size()));
    ASSERT_GT(doc.paragraphs.size(), 20u);

    // The title: centred, bold and large.
    const ui::Paragraph& title = doc.paragraphs.front();
    EXPECT_EQ(title.alignment, ui::Alignment::Center);
    ASSERT_FALSE(title.runs.empty());
    EXPECT_TRUE(title.runs.front().format.bold);
    EXPECT_EQ(title.runs.front().format.halfPoints, 40);
    EXPECT_FALSE(title.text().trimmed().isEmpty());

    int headings = 0;
    for (const ui::Paragraph& p : doc.paragraphs)
      for (const ui::TextRun& r : p.runs) {
        if (r.format.bold && r.format.halfPoints == 28) ++headings;
        if (!r.format.font.isEmpty()) {
          EXPECT_TRUE(r.format.font == "Arial" || r.format.font == "Courier New")
              << r.format.font.toStdString();
        }
      }
    EXPECT_GE(headings, 2);

    const QString text = doc.plainText();
    EXPECT_FALSE(text.contains('\\') || text.contains('{') || text.contains('}'));
    EXPECT_FALSE(text.contains("rtf1") || text.contains("fonttbl") || text.contains("Arial;"));
    EXPECT_TRUE(text.contains("support@quillmoor.example"));
  }
}

TEST(HelpPages, BulletsAndQuotesSurviveTheCodePage) {
  QFile f(QDir(resourcesFolder()).filePath("PAINTHELP.RTF"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  const QString text = ui::readRtf(std::string_view(bytes.constData(), bytes.size())).plainText();
  EXPECT_TRUE(text.contains(QChar(0x2022)));  // the bullet written as \'95
  EXPECT_TRUE(text.contains("\"Special Outline Circlular Area\""));
  EXPECT_TRUE(text.contains("\"Mixing \""));
}
