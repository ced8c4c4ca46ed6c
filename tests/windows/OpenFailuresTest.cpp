// Files that give no picture, opened through the file dialog, the image
// browser and "Paste From File": the loader's message window names the file
// and the cause, and the picture, its caption and the clipboard stay as
// they were.
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "DocumentWindows.h"
#include "document/engine/PictureFiles.h"
#include "document/windows/Tmessform.h"
#include "platform/ui/ImageControl.h"
#include "support/ExternalTool.h"

using namespace document_windows_test;

namespace {

struct Case {
  QString name;
  QByteArray bytes;
  document::ReadFailure cause;
  QString detail;  // a word the reader's own explanation must hold
};

class OpenFailures : public DocumentWindows {
 protected:
  // What the loader's message window said.
  struct Told {
    QString caption, first, second, third;
  };

  void expectLoaderMessage(Told& told) {
    dialogs().answerForm("Tmessform", [&told](QDialog& d) {
      auto& m = static_cast<Tmessform&>(d);
      told = {m.windowTitle(), m.Label1->text(), m.Label2->text(),
              m.Label3->isHidden() ? QString() : m.Label3->text()};
      m.BitBtn1->click();
      return m.result();
    });
  }

  void checkTold(const Told& told, const Case& c, const QString& file) {
    const std::string name = c.name.toStdString();
    EXPECT_EQ(told.caption, "Message") << name;
    EXPECT_EQ(told.first, "Unable to complete Request") << name;
    EXPECT_EQ(told.second, document::readFailureText(c.cause)) << name;
    EXPECT_TRUE(told.third.startsWith(file)) << name << ": " << told.third.toStdString();
    EXPECT_TRUE(told.third.contains(c.detail, Qt::CaseInsensitive))
        << name << ": " << told.third.toStdString();
  }

  QByteArray fileBytes(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // A small valid bitmap file, to damage.
  QByteArray validBmp() {
    writeBmp(path("valid.bmp"), quadrants(8, 6));
    return fileBytes(path("valid.bmp"));
  }

  // `bmp` with a 32-bit little-endian field changed.
  static QByteArray patched(QByteArray bmp, int offset, std::int32_t value, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) bmp[offset + i] = char(std::uint32_t(value) >> (8 * i));
    return bmp;
  }

  // A picture of another kind, written by ImageMagick.
  QByteArray foreign(const QString& format) {
    const QString file = path("foreign." + format);
    EXPECT_TRUE(
        testing_support::runTool("convert", {"-size", "16x12", "gradient:red-blue", file}).ok())
        << format.toStdString();
    return fileBytes(file);
  }

  std::vector<Case> everyKind() {
    using F = document::ReadFailure;
    const QByteArray bmp = validBmp();
    std::vector<Case> cases = {
        {"empty.bmp", {}, F::Damaged, "empty"},
        {"empty.jpg", {}, F::Damaged, "empty"},
        {"png.bmp", foreign("png"), F::NotAPicture, "PNG"},
        {"png.jpg", foreign("png"), F::NotAPicture, "PNG"},
        {"gif.bmp", foreign("gif"), F::NotAPicture, "GIF"},
        {"gif.jpg", foreign("gif"), F::NotAPicture, "GIF"},
        {"tiff.bmp", foreign("tiff"), F::NotAPicture, "TIFF"},
        {"tiff.jpg", foreign("tiff"), F::NotAPicture, "TIFF"},
        {"text.bmp", "just some words", F::NotAPicture, "bitmap"},
        {"huge.bmp", patched(patched(bmp, 18, 60000), 22, 60000), F::TooLarge, "60000 x 60000"},
        {"negative.bmp", patched(bmp, 18, -8), F::Damaged, "width -8"},
        {"seven.bmp", patched(bmp, 28, 7, 2), F::Damaged, "7 bits per pixel"},
        {"cut.jpg", fileBytes(path("whole.jpg")).left(300), F::Damaged, "JPEG"},
    };
    // A bitmap cut off after every length.
    for (int n = 1; n < bmp.size(); ++n)
      cases.push_back({QStringLiteral("cut%1.bmp").arg(n), bmp.left(n),
                       n < 2 ? F::NotAPicture : F::Damaged, "bitmap"});
    return cases;
  }
};

}  // namespace

TEST_F(OpenFailures, OpenWithTheFileDialogSaysWhichFileAndWhy) {
  writeJpeg(path("whole.jpg"), 64, 48);
  main().picture() = quadrants(50, 40);
  main().ptbox1->refresh();
  main().setWindowTitle("/pictures/mine.bmp");
  const gdi::Bitmap before = main().picture();
  for (const Case& c : everyKind()) {
    const QString file = path(c.name);
    writeText(file, c.bytes);
    dialogs().answerOpen(file);
    Told told;
    expectLoaderMessage(told);
    main().opdlg();
    checkTold(told, c, file);
    ASSERT_TRUE(main().picture() == before) << c.name.toStdString();
    ASSERT_EQ(main().windowTitle(), "/pictures/mine.bmp") << c.name.toStdString();
  }
  EXPECT_TRUE(dialogs().messages().empty());
}

TEST_F(OpenFailures, TheBrowserSaysTheSameInsteadOfNotEnoughResources) {
  writeJpeg(path("whole.jpg"), 64, 48);
  const gdi::Bitmap before = main().picture();
  // Every kind, and a few of the cut bitmaps.
  const QStringList someCuts = {"cut1.bmp", "cut2.bmp", "cut14.bmp", "cut54.bmp", "cut100.bmp"};
  for (const Case& c : everyKind()) {
    if (c.name.startsWith("cut") && c.name.endsWith(".bmp") && !someCuts.contains(c.name)) continue;
    const QString file = path(c.name);
    writeText(file, c.bytes);
    EXPECT_FALSE(browser().openthefile(file));
    Told told;
    expectLoaderMessage(told);
    browser().loadpic();
    checkTold(told, c, file);
  }
  EXPECT_TRUE(main().picture() == before);
  EXPECT_EQ(main().windowTitle(), "TEMP.BMP");
}

TEST_F(OpenFailures, PasteFromFileSaysWhyAndLeavesTheClipboard) {
  const gdi::Bitmap clip = quadrants(6, 4);
  clipboard().setBitmap(clip);
  writeText(path("seven.bmp"), patched(validBmp(), 28, 7, 2));
  dialogs().answerOpen(path("seven.bmp"));
  Told told;
  expectLoaderMessage(told);
  main().pbpastrefrombut1->click();
  checkTold(told, {"seven.bmp", {}, document::ReadFailure::Damaged, "7 bits"}, path("seven.bmp"));
  EXPECT_EQ(clipboard().bitmap(), clip);
}
