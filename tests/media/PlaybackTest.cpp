// Playing: passes, loops, dropped frames, events and the sound.
#include <gtest/gtest.h>

#include <QThread>

#include "PlayerTestSupport.h"

using media_test::frameOf;
using media_test::TestVideo;
using player_test::PlayerFixture;
using player_test::runFor;
using player_test::waitFor;

namespace {

// 100 frames per second: a pass over a few frames takes a few ticks of 10 ms.
TestVideo fastVideo(int frames, int sampleRate = 0) {
  TestVideo v;
  v.frames = frames;
  v.rate = 100;
  v.sampleRate = sampleRate;
  return v;
}

// Records every frame drawn and the events, in order.
struct Recorder {
  explicit Recorder(TDCAVIPlay& p) {
    QObject::connect(&p, &TDCAVIPlay::frameShown, [this](int n) { frames.push_back(n); });
    QObject::connect(&p, &TDCAVIPlay::OnStart, [this] { events += "start "; });
    QObject::connect(&p, &TDCAVIPlay::OnStop, [this] { events += "stop "; });
  }
  // How often the frames drawn went back to an earlier one.
  int wraps() const {
    int n = 0;
    for (std::size_t i = 1; i < frames.size(); ++i) n += frames[i] < frames[i - 1];
    return n;
  }
  std::vector<int> frames;
  std::string events;
};

}  // namespace

TEST(Playback, TwoRepetitionsPlayTheRangeTwiceAndStopOnItsLastFrame) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setFileName(f.video("a.avi", fastVideo(8)));
  p.setTransparent(false);  // the test frames' mark is their key colour
  Recorder r(p);
  p.Play(2, 5, 2);
  EXPECT_TRUE(p.Active());
  ASSERT_TRUE(waitFor([&] { return !p.Active(); }));
  EXPECT_EQ(r.events, "start stop ");
  EXPECT_EQ(p.currentFrame(), 5);
  EXPECT_EQ(frameOf(p.renderToBitmap()), 5);
  EXPECT_EQ(r.wraps(), 1);
  ASSERT_FALSE(r.frames.empty());
  EXPECT_EQ(r.frames.front(), 2);
  EXPECT_EQ(r.frames.back(), 5);
  for (int n : r.frames) {
    EXPECT_GE(n, 2);
    EXPECT_LE(n, 5);
  }
  // Nothing moves after the stop.
  runFor(60);
  EXPECT_EQ(p.currentFrame(), 5);
}

TEST(Playback, ZeroRepetitionsLoopUntilActiveIsSetFalse) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setFileName(f.video("a.avi", fastVideo(5)));
  Recorder r(p);
  p.setRepetitions(0);
  p.setActive(true);
  ASSERT_TRUE(waitFor([&] { return r.wraps() >= 3; }));
  EXPECT_TRUE(p.Active());
  p.setActive(false);
  EXPECT_FALSE(p.Active());
  EXPECT_EQ(r.events, "start stop ");
  const int at = p.currentFrame();
  runFor(60);
  EXPECT_EQ(p.currentFrame(), at);
}

TEST(Playback, SlowDrawingDropsFramesInsteadOfQueueingThem) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setFileName(f.video("a.avi", fastVideo(100)));
  std::vector<int> frames;
  bool stalled = false;
  QObject::connect(&p, &TDCAVIPlay::frameShown, [&](int n) {
    frames.push_back(n);
    // Once, the window thread is busy for 8 frame periods.
    if (n >= 3 && !stalled) {
      stalled = true;
      QThread::msleep(80);
    }
  });
  p.Play(0, 99, 1);
  ASSERT_TRUE(waitFor([&] { return frames.size() >= 8; }));
  p.Stop();
  std::size_t i = 0;
  while (frames[i] < 3) ++i;
  // The frame after the stall is where the clock is, not the next one.
  EXPECT_GE(frames[i + 1] - frames[i], 5);
}

TEST(Playback, ANewFileWhilePlayingPlaysTheNewFile) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  p.setFileName(f.video("a.avi", fastVideo(5)));
  p.setActive(true);
  const QString other = f.video("b.avi", fastVideo(30));
  int closes = 0;
  QObject::connect(&p, &TDCAVIPlay::OnClose, [&] { ++closes; });
  p.setFileName(other);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(p.Active());
  EXPECT_EQ(p.StopFrame(), 29);
  ASSERT_TRUE(waitFor([&] { return p.currentFrame() >= 10; }));
  p.Stop();
}

TEST(Playback, SoundStartsWithTheRangeAndRestartsOnEveryPass) {
  PlayerFixture f;
  TDCAVIPlay& p = *f.player;
  // 100 frames per second, 8000 samples per second: 80 samples per frame.
  p.setFileName(f.video("s.avi", fastVideo(10, 8000)));
  Recorder r(p);
  p.Play(3, 6, 0);
  ASSERT_TRUE(p.audio().playing()) << p.audio().lastError();
  EXPECT_EQ(p.audio().startSample(), 240);
  EXPECT_EQ(p.audio().endSample(), 560);
  EXPECT_GT(p.audio().nextSample(), 240);
  ASSERT_TRUE(waitFor([&] { return r.wraps() >= 1; }));
  EXPECT_TRUE(p.audio().playing());
  // Sound off and on while playing follows the current frame.
  p.setPlaySound(false);
  EXPECT_FALSE(p.audio().playing());
  p.setPlaySound(true);
  EXPECT_TRUE(p.audio().playing());
  EXPECT_EQ(p.audio().endSample(), 560);
  p.Stop();
  EXPECT_FALSE(p.audio().playing());
  // Without PlaySound the video plays silently.
  p.setPlaySound(false);
  p.Play(0, 9, 0);
  EXPECT_TRUE(p.Active());
  EXPECT_FALSE(p.audio().playing());
  p.Stop();
}

TEST(Playback, WithoutASoundDeviceTheVideoPlaysSilently) {
  const std::string old = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  {
    PlayerFixture f;
    TDCAVIPlay& p = *f.player;
    p.setFileName(f.video("s.avi", fastVideo(10, 8000)));
    Recorder r(p);
    p.Play(0, 9, 1);
    EXPECT_TRUE(p.Active());
    EXPECT_FALSE(p.audio().playing());
    EXPECT_TRUE(waitFor([&] { return !p.Active(); }));
    EXPECT_EQ(p.currentFrame(), 9);
  }
  setenv("SDL_AUDIODRIVER", old.c_str(), 1);
}

TEST(AudioPlay, PlaysARangeOfTheStreamAndRefusesAnEmptyOne) {
  codec_test::TempDir dir;
  TestVideo v = fastVideo(10, 8000);
  media_test::writeTestVideo(dir / "s.avi", v);
  video::AudioReader stream(dir / "s.avi");
  TAudioPlay audio;
  EXPECT_FALSE(audio.Play(&stream, 100, 100));
  EXPECT_FALSE(audio.Play(nullptr, -1, -1));
  ASSERT_TRUE(audio.Play(&stream, -1, -1)) << audio.lastError();
  EXPECT_EQ(audio.startSample(), 0);
  EXPECT_EQ(audio.endSample(), 800);
  EXPECT_EQ(audio.bufferSize(), 2048);
  // The whole range is small enough to be queued at once.
  EXPECT_EQ(audio.nextSample(), 800);
  audio.Stop();
  EXPECT_FALSE(audio.playing());
}
