// The clipboard double and the Qt clipboard: round trips, the claimed
// format, unavailable clipboards, and images from other programs.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <utility>

#include "platform/ui/MemoryClipboard.h"
#include "platform/ui/QtBitmap.h"
#include "platform/ui/QtClipboard.h"
#include "support/PixelGrid.h"

using testing_support::gridBitmap;

namespace {

gdi::Bitmap sample() { return gridBitmap({"#r.", "gby"}); }

// Both implementations behave alike.
template <class C>
void checkRoundTrips(C& c) {
  ASSERT_TRUE(c.clear());
  EXPECT_FALSE(c.hasBitmap());
  EXPECT_TRUE(c.bitmap().empty());

  ASSERT_TRUE(c.setBitmap(sample()));
  EXPECT_TRUE(c.hasBitmap());
  EXPECT_EQ(c.bitmap(), sample());

  // Claiming the format changes nothing that is there...
  ASSERT_TRUE(c.claimFormat());
  EXPECT_EQ(c.bitmap(), sample());

  // ...and on an empty clipboard counts as offered, but reading it back
  // gives nothing.
  ASSERT_TRUE(c.setBitmap(gdi::Bitmap()));
  EXPECT_FALSE(c.hasBitmap());
  ASSERT_TRUE(c.claimFormat());
  EXPECT_TRUE(c.hasBitmap());
  EXPECT_TRUE(c.bitmap().empty());
  ASSERT_TRUE(c.setBitmap(sample()));
  EXPECT_EQ(c.bitmap(), sample());
}

}  // namespace

TEST(Clipboard, MemoryClipboardRoundTrips) {
  ui::MemoryClipboard c;
  checkRoundTrips(c);
  EXPECT_EQ(c.writes(), 3);
}

TEST(Clipboard, UnavailableClipboardRefusesEverything) {
  ui::MemoryClipboard c(sample());
  c.setAvailable(false);
  EXPECT_FALSE(c.available());
  EXPECT_FALSE(c.hasBitmap());
  EXPECT_TRUE(c.bitmap().empty());
  EXPECT_FALSE(c.claimFormat());
  EXPECT_FALSE(c.setBitmap(sample()));
  EXPECT_FALSE(c.clear());
  c.setAvailable(true);
  EXPECT_EQ(c.bitmap(), sample());  // nothing was lost meanwhile
}

TEST(Clipboard, QtClipboardRoundTrips) {
  ui::QtClipboard c;
  ASSERT_TRUE(c.available());
  checkRoundTrips(c);
}

TEST(Clipboard, QtClipboardPublishesBmpAndPngForOtherPrograms) {
  ui::QtClipboard c;
  ASSERT_TRUE(c.setBitmap(sample()));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  for (const char* format : {"image/bmp", "image/png"}) {
    ASSERT_TRUE(data->hasFormat(format)) << format;
    const QImage decoded = QImage::fromData(data->data(format));
    EXPECT_EQ(ui::toBitmap(decoded), sample()) << format;
  }
}

TEST(Clipboard, QtClipboardTakesImagesFromOtherPrograms) {
  ui::QtClipboard c;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ui::sharedImage(sample()).save(&buffer, "PNG");
  auto* foreign = new QMimeData;
  foreign->setData("image/png", png);
  QGuiApplication::clipboard()->setMimeData(foreign);
  EXPECT_TRUE(c.hasBitmap());
  EXPECT_EQ(c.bitmap(), sample());

  // Text is not a picture.
  QGuiApplication::clipboard()->setText("hello");
  EXPECT_FALSE(c.hasBitmap());
  EXPECT_TRUE(c.bitmap().empty());
}

TEST(Clipboard, AChangeElsewhereEndsOurClaim) {
  ui::QtClipboard c;
  ASSERT_TRUE(c.claimFormat());
  EXPECT_TRUE(c.hasBitmap());
  QGuiApplication::clipboard()->setText("another program");
  EXPECT_FALSE(c.hasBitmap());
}

TEST(Clipboard, TestingAndClaimingNeverTouchWhatAnotherProgramPutThere) {
  // Every caller (paste, Paste to File, the copies) first tests for a
  // bitmap and claims the format when none is offered.
  ui::QtClipboard c;
  QClipboard* system = QGuiApplication::clipboard();
  system->setText("hello");
  const QStringList formats = system->mimeData()->formats();
  for (int round = 0; round < 2; ++round) {
    if (!c.hasBitmap()) {
      EXPECT_TRUE(c.claimFormat());
    }
    EXPECT_TRUE(c.bitmap().empty());
  }
  EXPECT_EQ(system->text(), "hello");
  EXPECT_EQ(system->mimeData()->formats(), formats);

  // A copy still takes the clipboard over, as the user asked.
  ASSERT_TRUE(c.setBitmap(sample()));
  EXPECT_EQ(c.bitmap(), sample());
  EXPECT_TRUE(system->text().isEmpty());
}

TEST(Clipboard, PicturesOverQtsOwnLimitComeInUpToTheLimitOfPictureFiles) {
  // 6000 x 6000 pixels take 144 MB, more than Qt's image readers allow by
  // default, and far less than a picture file may hold.
  QImage big(6000, 6000, QImage::Format_RGB32);
  for (int y = 0; y < big.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(big.scanLine(y));
    for (int x = 0; x < big.width(); ++x) row[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
  }
  QByteArray png;
  {
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(big.save(&buffer, "PNG", 100));  // stored, not squeezed: quick
  }
  big = QImage();
  auto* foreign = new QMimeData;
  foreign->setData("image/png", png);
  QGuiApplication::clipboard()->setMimeData(foreign);
  png.clear();

  ui::QtClipboard c;
  ASSERT_TRUE(c.hasBitmap());
  const gdi::Bitmap b = c.bitmap();
  ASSERT_EQ(b.width(), 6000);
  ASSERT_EQ(b.height(), 6000);
  for (const auto& [x, y] : {std::pair{0, 0}, {5999, 0}, {1234, 4321}, {5999, 5999}})
    EXPECT_EQ(b.pixel(x, y), gdi::RGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF)) << x << "," << y;
}

TEST(Clipboard, PicturesLargerThanAnyPictureFileAreRefusedBeforeTheyAreRead) {
  // A PNG whose header asks for 20000 x 20000 pixels (400 million, over the
  // 2^28 every reader accepts) over a few bytes of data.
  auto crc = [](const QByteArray& bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (char ch : bytes) {
      c ^= std::uint8_t(ch);
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
  };
  auto be32 = [](std::uint32_t v) {
    QByteArray b;
    for (int shift = 24; shift >= 0; shift -= 8) b.append(char(v >> shift));
    return b;
  };
  const QByteArray ihdr =
      QByteArray("IHDR") + be32(20000) + be32(20000) + QByteArray("\x08\x02\x00\x00\x00", 5);
  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  png += be32(13) + ihdr + be32(crc(ihdr));
  auto* foreign = new QMimeData;
  foreign->setData("image/png", png);
  QGuiApplication::clipboard()->setMimeData(foreign);

  ui::QtClipboard c;
  EXPECT_TRUE(c.bitmap().empty());
}
