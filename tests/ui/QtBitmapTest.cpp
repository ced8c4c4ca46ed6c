// Qt images over a bitmap's pixels: painting through the image of one copy
// must not reach the other copies of the picture.
#include <gtest/gtest.h>

#include <QPainter>
#include <utility>

#include "platform/ui/QtBitmap.h"
#include "support/PixelGrid.h"

using testing_support::noiseBitmap;
using testing_support::pixelHash;

namespace {

void paintOn(QImage& image) {
  QPainter p(&image);
  p.fillRect(QRect(2, 3, 20, 10), QColor(255, 0, 0));
  p.setPen(Qt::black);
  p.setFont(QFont(QStringLiteral("Arial"), 12));
  p.drawText(QPoint(4, 30), QStringLiteral("text"));
}

TEST(QtBitmap, PaintingTheImageOfACopyChangesThatCopyOnly) {
  const gdi::Bitmap original = noiseBitmap(48, 40, 11);
  gdi::Bitmap copy = original;
  QImage image = ui::sharedImage(copy);
  paintOn(image);
  EXPECT_EQ(pixelHash(original), pixelHash(noiseBitmap(48, 40, 11)));
  // Qt fills the fourth byte; the colour is what counts here.
  EXPECT_EQ(copy.constRow(5)[5] & 0xFFFFFFu, std::uint32_t(gdi::clRed));
  EXPECT_NE(pixelHash(copy), pixelHash(original));
}

TEST(QtBitmap, PaintingAReadOnlyImageLeavesEveryCopy) {
  const gdi::Bitmap original = noiseBitmap(48, 40, 12);
  gdi::Bitmap copy = original;
  QImage image = ui::sharedImage(std::as_const(copy));
  paintOn(image);
  EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 0, 0));
  EXPECT_EQ(pixelHash(copy), pixelHash(noiseBitmap(48, 40, 12)));
  EXPECT_TRUE(copy.sharesPixelsWith(original));
}

}  // namespace
