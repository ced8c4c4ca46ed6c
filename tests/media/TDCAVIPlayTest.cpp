// The AVI player control: properties, opening, clamping and drawing.
#include <gtest/gtest.h>

#include "PlayerTestSupport.h"
#include "platform/ui/QtBitmap.h"

using media_test::frameOf;
using media_test::TestVideo;
using player_test::PlayerFixture;

namespace {

constexpr gdi::TColor kKey = gdi::RGB(255, 0, 255);

// Frames whose bottom-left pixel is the key colour, which also fills a
// square inside the picture.
gdi::Bitmap keyedPicture(int n, int w, int h) {
  gdi::Bitmap b = media_test::framePicture(n, w, h);
  b.setPixel(0, h - 1, kKey);
  for (int y = 4; y < 12; ++y)
    for (int x = w - 12; x < w - 4; ++x) b.setPixel(x, y, kKey);
  return b;
}

// What the screen shows of the player: the parent painted with its children.
gdi::Bitmap onScreen(PlayerFixture& f) {
  return ui::toBitmap(f.parent.grab(f.player->geometry()).toImage());
}

// A 64 x 48 video of keyed pictures, for a player that is not auto-sized.
QString keyedVideo(PlayerFixture& f) {
  TestVideo v;
  v.width = 64;
  v.height = 48;
  f.player->setAutoSize(false);
  return f.video("k.avi", v, [](int n) { return keyedPicture(n, 64, 48); });
}

}  // namespace

TEST(TDCAVIPlay, StartsClosedWithTheDesignDefaults) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  EXPECT_FALSE(p.Active());
  EXPECT_TRUE(p.AutoSize());
  EXPECT_TRUE(p.Center());
  EXPECT_TRUE(p.FileName().isEmpty());
  EXPECT_TRUE(p.PlaySound());
  EXPECT_EQ(p.Repetitions(), 0);
  EXPECT_EQ(p.StartFrame(), 1);
  EXPECT_FALSE(p.Stretch());
  EXPECT_TRUE(p.Transparent());
  EXPECT_EQ(p.width(), 100);
  EXPECT_EQ(p.height(), 50);
  EXPECT_FALSE(p.isOpen());
  // Playing without a file does nothing.
  p.Play(0, 10, 0);
  EXPECT_FALSE(p.Active());
}

TEST(TDCAVIPlay, OpeningTakesTheStreamsRangeSizeAndPeriodAndClosingReportsIt) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  int opened = 0, closed = 0;
  QObject::connect(&p, &TDCAVIPlay::OnOpen, [&] { ++opened; });
  QObject::connect(&p, &TDCAVIPlay::OnClose, [&] { ++closed; });
  TestVideo v;
  v.width = 72;
  v.height = 40;
  v.frames = 12;
  v.rate = 15;
  p.setFileName(f.video("a.avi", v));
  ASSERT_TRUE(p.isOpen()) << p.lastError().toStdString();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(p.frameCount(), 12);
  EXPECT_EQ(p.StartFrame(), 0);
  EXPECT_EQ(p.StopFrame(), 11);
  EXPECT_EQ(p.currentFrame(), 0);
  EXPECT_EQ(p.period(), 67);
  EXPECT_EQ(p.width(), 72);  // auto-sized
  EXPECT_EQ(p.height(), 40);
  p.setFileName("");
  EXPECT_FALSE(p.isOpen());
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(p.frameCount(), 0);
}

TEST(TDCAVIPlay, FramesAreClampedToTheFileOnlyWhileOneIsOpen) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setStopFrame(1000);
  EXPECT_EQ(p.StopFrame(), 1000);
  p.setFileName(f.video("a.avi", TestVideo{}));
  p.setStopFrame(1000);
  EXPECT_EQ(p.StopFrame(), 9);
  p.setStartFrame(-4);
  EXPECT_EQ(p.StartFrame(), 0);
  p.Seek(500);
  EXPECT_EQ(p.currentFrame(), 9);
  p.Seek(-1);
  EXPECT_EQ(p.currentFrame(), 0);
  p.Play(3, 70000, 1);
  EXPECT_EQ(p.StartFrame(), 3);
  EXPECT_EQ(p.StopFrame(), 9);
  p.Stop();
  // Reopening goes back to the first frame and the whole file.
  p.Seek(5);
  p.setStopFrame(6);
  p.Reopen();
  EXPECT_EQ(p.currentFrame(), 0);
  EXPECT_EQ(p.StopFrame(), 9);
}

TEST(TDCAVIPlay, FilesThatCannotBeOpenedLeaveThePlayerClosedWithAReason) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  int opened = 0;
  QObject::connect(&p, &TDCAVIPlay::OnOpen, [&] { ++opened; });
  codec_test::writeBytes(f.dir / "bad.avi", std::vector<std::uint8_t>(3000, 'R'));
  for (const char* name : {"missing.avi", "bad.avi"}) {
    p.setFileName(QString::fromStdString((f.dir / name).string()));
    EXPECT_FALSE(p.isOpen()) << name;
    EXPECT_TRUE(p.lastError().contains(name)) << p.lastError().toStdString();
    p.setActive(true);
    EXPECT_FALSE(p.Active());
  }
  TestVideo sound;
  sound.width = sound.height = 0;
  sound.sampleRate = 8000;
  p.setFileName(f.video("sound.wav", sound));
  EXPECT_FALSE(p.isOpen());
  EXPECT_TRUE(p.lastError().contains("no video")) << p.lastError().toStdString();
  EXPECT_EQ(opened, 0);
  (void)p.renderToBitmap();
}

TEST(TDCAVIPlay, ATruncatedFileShowsItsLastGoodFrameBeyondTheCut) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  TestVideo v;
  v.codec = video::VideoCodec::Mjpeg;
  v.width = 160;
  v.height = 120;
  v.frames = 20;
  f.video("full.avi", v);
  auto bytes = codec_test::fileBytes(f.dir / "full.avi");
  bytes.resize(bytes.size() / 2);
  codec_test::writeBytes(f.dir / "cut.avi", bytes);
  p.setFileName(QString::fromStdString((f.dir / "cut.avi").string()));
  ASSERT_TRUE(p.isOpen());
  p.setTransparent(false);  // the test frames' mark is their key colour
  p.Seek(5);
  EXPECT_EQ(frameOf(p.renderToBitmap()), 5);
  p.Seek(p.frameCount() - 1);
  EXPECT_EQ(frameOf(p.renderToBitmap()), 5);
  EXPECT_TRUE(p.lastError().contains("missing")) << p.lastError().toStdString();
  // Playing across the cut goes on without a crash.
  p.Play(0, p.frameCount() - 1, 1);
  player_test::waitFor([&] { return !p.Active(); });
}

TEST(TDCAVIPlay, TransparentDrawingShowsWhatIsBehindWhereverTheKeyColourIs) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setFileName(keyedVideo(f));
  p.setGeometry(20, 10, 100, 80);
  p.Seek(3);
  const gdi::Bitmap shown = p.renderToBitmap();
  ASSERT_EQ(shown.width(), 100);
  ASSERT_EQ(shown.height(), 80);
  const gdi::Bitmap frame = keyedPicture(3, 64, 48);
  const int ox = (100 - 64) / 2, oy = (80 - 48) / 2;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 100; ++x) {
      const gdi::TColor c = frame.pixel(x - ox, y - oy);
      const gdi::TColor expected = (c == -1 || c == kKey) ? PlayerFixture::kBehind : c;
      ASSERT_EQ(shown.pixel(x, y), expected) << x << "," << y;
    }
  // The control paints exactly what it renders, stretched too.
  EXPECT_TRUE(onScreen(f).samePixels(shown));
  p.setStretch(true);
  EXPECT_TRUE(onScreen(f).samePixels(p.renderToBitmap()));
}

TEST(TDCAVIPlay, OpaqueDrawingFillsTheRestWithColourAndStretchCoversAll) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setFileName(keyedVideo(f));
  p.resize(100, 80);
  p.setTransparent(false);
  p.setCenter(false);
  p.setColor(gdi::clYellow);
  gdi::Bitmap shown = p.renderToBitmap();
  const gdi::Bitmap frame = keyedPicture(0, 64, 48);
  EXPECT_EQ(shown.pixel(0, 47), kKey);  // opaque: the key colour is drawn
  EXPECT_EQ(shown.pixel(10, 10), frame.pixel(10, 10));
  EXPECT_EQ(shown.pixel(64, 0), gdi::clYellow);
  EXPECT_EQ(shown.pixel(0, 48), gdi::clYellow);
  EXPECT_EQ(shown.pixel(99, 79), gdi::clYellow);
  EXPECT_TRUE(onScreen(f).samePixels(shown));
  p.setStretch(true);
  shown = p.renderToBitmap();
  EXPECT_EQ(frameOf(shown), 0);
  EXPECT_NE(shown.pixel(99, 79), gdi::clYellow);
  // Auto-size makes the control the frame's size again.
  p.setAutoSize(true);
  EXPECT_EQ(p.width(), 64);
  EXPECT_EQ(p.height(), 48);
}

TEST(TDCAVIPlay, RenderingIgnoresAWindowLyingOverThePlayer) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setFileName(f.video("a.avi", TestVideo{}));
  p.setTransparent(false);
  p.Seek(4);
  const gdi::Bitmap before = p.renderToBitmap();
  QWidget cover;
  cover.setAutoFillBackground(true);
  QPalette pal = cover.palette();
  pal.setColor(QPalette::Window, Qt::red);
  cover.setPalette(pal);
  cover.setGeometry(QRect(p.mapToGlobal(QPoint(0, 0)), p.size()));
  cover.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(p.renderToBitmap().samePixels(before));
  EXPECT_EQ(frameOf(before), 4);
}
