// The clipboard double and the Qt clipboard: round trips, the claimed
// format, unavailable clipboards, and images from other programs.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

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

  // Claiming the format: offered, but reading it back gives nothing.
  ASSERT_TRUE(c.claimFormat());
  EXPECT_TRUE(c.hasBitmap());
  EXPECT_TRUE(c.bitmap().empty());
  ASSERT_TRUE(c.setBitmap(sample()));
  EXPECT_EQ(c.bitmap(), sample());

  ASSERT_TRUE(c.setBitmap(gdi::Bitmap()));
  EXPECT_FALSE(c.hasBitmap());
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
