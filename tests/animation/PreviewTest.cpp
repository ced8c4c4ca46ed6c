#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <thread>

#include "FrameFiles.h"
#include "animation/engine/PreviewFrames.h"
#include "animation/engine/PreviewPlay.h"
#include "animation/engine/PreviewTiming.h"
#include "platform/codecs/Jpeg.h"

using animation::FrameList;
using animation::PreviewFrame;
using animation::previewFrameInterval;
using animation::PreviewFrames;
using animation::PreviewPlay;
using namespace std::chrono_literals;

TEST(PreviewTiming, DelayTimesMultiplierIsTenthsOfMilliseconds) {
  // The controls' defaults (0 x 10) and any zero: one frame per 60 Hz refresh.
  EXPECT_EQ(previewFrameInterval(0, 10), 16666us);
  EXPECT_EQ(previewFrameInterval(500, 0), 16666us);
  EXPECT_EQ(previewFrameInterval(1, 10), 16666us);
  // With the multiplier at 10 the bar reads in milliseconds.
  EXPECT_EQ(previewFrameInterval(100, 10), 100ms);
  EXPECT_EQ(previewFrameInterval(1000, 10), 1000ms);
  EXPECT_EQ(previewFrameInterval(17, 10), 17ms);
  EXPECT_EQ(previewFrameInterval(1000, 10000), 1000s);
  // Outside the controls' ranges: held to them, no overflow.
  EXPECT_EQ(previewFrameInterval(INT_MAX, INT_MAX), 1000s);
  EXPECT_EQ(previewFrameInterval(-5, 10), 16666us);
  EXPECT_EQ(previewFrameInterval(INT_MIN, INT_MIN), 16666us);
  EXPECT_EQ(animation::previewIntervalText(100, 10), "100 ms a frame (10 frames a second)");
  EXPECT_EQ(animation::previewIntervalText(0, 10), "16.7 ms a frame (60 frames a second)");
  EXPECT_EQ(animation::previewIntervalText(1000, 100), "10 s a frame");
}

namespace {

// The entries of the next `count` slots: "a" for a frame shown, "(a)" for an
// unmarked entry's slot, "end" once play is over.
std::vector<std::string> playSlots(PreviewPlay& play, const FrameList& list, int count) {
  std::vector<std::string> out;
  for (int i = 0; i < count; ++i) {
    const auto slot = play.next(list);
    if (!slot) {
      out.push_back("end");
      continue;
    }
    const std::string& e = list.entry(slot->entry);
    out.push_back(slot->show ? e : "(" + e + ")");
  }
  return out;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(PreviewPlay, NeedsEntriesAndACurrentOne) {
  FrameList list;
  PreviewPlay play;
  EXPECT_FALSE(play.start(list));
  list.appendMarked({"a"});
  EXPECT_FALSE(play.start(list));  // no current entry
  EXPECT_FALSE(play.playing());
  EXPECT_FALSE(play.next(list));
  list.setItemIndex(0);
  EXPECT_TRUE(play.start(list));
}

TEST(PreviewPlay, UnmarkedEntriesTakeASlotAndPlayLoops) {
  FrameList list;
  list.appendMarked({"a"});
  list.append({"b"});
  list.appendMarked({"c"});
  list.setItemIndex(2);  // play starts from the first entry all the same
  PreviewPlay play;
  ASSERT_TRUE(play.start(list));
  EXPECT_EQ(play.upcomingFrame(list), "a");
  EXPECT_EQ(playSlots(play, list, 4), (Lines{"a", "(b)", "c", "a"}));
  // The next shown frame is looked up past unmarked entries.
  EXPECT_EQ(play.upcomingFrame(list), "c");
  play.stop();
  EXPECT_EQ(playSlots(play, list, 1), (Lines{"end"}));
  EXPECT_FALSE(play.upcomingFrame(list));
}

TEST(PreviewPlay, NothingMarkedPlaysEmptySlotsUntilStopped) {
  FrameList list;
  list.append({"a", "b"});
  list.setItemIndex(0);
  PreviewPlay play;
  ASSERT_TRUE(play.start(list));
  EXPECT_EQ(playSlots(play, list, 3), (Lines{"(a)", "(b)", "(a)"}));
  EXPECT_FALSE(play.upcomingFrame(list));
  EXPECT_TRUE(play.playing());
}

TEST(PreviewPlay, EmptyingTheListDuringPlayEndsIt) {
  FrameList list;
  list.appendMarked({"a", "b", "c"});
  list.setItemIndex(0);
  PreviewPlay play;
  ASSERT_TRUE(play.start(list));
  EXPECT_EQ(playSlots(play, list, 2), (Lines{"a", "b"}));
  // Entries removed behind the play position: play goes on from the first.
  list.setMarked(2, false);
  list.setMarked(0, false);
  list.setMarked(1, true);
  list.removeMarked();
  EXPECT_EQ(playSlots(play, list, 2), (Lines{"(a)", "(c)"}));
  list.markAll();
  list.removeMarked();
  EXPECT_EQ(playSlots(play, list, 2), (Lines{"end", "end"}));
  EXPECT_FALSE(play.playing());
  // Entries added afterwards do not restart it.
  list.appendMarked({"d"});
  EXPECT_EQ(playSlots(play, list, 1), (Lines{"end"}));
}

using PreviewFrameFiles = animation_test::FrameFolder;

TEST_F(PreviewFrameFiles, FramesDecodeFromBitmapAndJpegFilesAndErrorsNameTheFile) {
  const gdi::Bitmap picture = testing_support::noiseBitmap(640, 480, 11);
  codecs::writeBmpFile(path("f.bmp"), picture);
  codecs::writeJpegFile(path("f.jpg"), picture, {});
  writeText(path("text.bmp"), "no picture");

  PreviewFrames frames;
  frames.prefetch(path("f.bmp"));
  const PreviewFrame bmp = frames.take(path("f.bmp"));
  ASSERT_TRUE(bmp.ok()) << bmp.error;
  EXPECT_TRUE(bmp.bitmap == picture);
  frames.prefetch(path("f.jpg"));
  const PreviewFrame jpg = frames.take(path("f.jpg"));
  ASSERT_TRUE(jpg.ok()) << jpg.error;
  EXPECT_EQ(jpg.bitmap.width(), 640);

  for (const std::string& bad : {path("text.bmp"), path("missing.bmp"), folder().string()}) {
    frames.prefetch(bad);
    const PreviewFrame f = frames.take(bad);
    EXPECT_FALSE(f.ok());
    EXPECT_TRUE(f.bitmap.empty());
    EXPECT_NE(f.error.find(bad), std::string::npos) << f.error;
  }
}

// Pictures that draw through Qt (metafiles, icons) are left to the caller's
// thread by the worker.
TEST_F(PreviewFrameFiles, OnlyBitmapsAndJpegsAreDecodedAhead) {
  // A placeable WMF header alone is enough to be recognised as a metafile.
  writeText(path("m.wmf"), std::string("\xD7\xCD\xC6\x9A", 4) + std::string(40, '\0'));
  const PreviewFrame ahead = animation::decodePreviewFrameAhead(path("m.wmf"));
  EXPECT_TRUE(ahead.deferred);
  EXPECT_TRUE(ahead.error.empty()) << ahead.error;
  writeFrame("f.bmp", 16, 16);
  EXPECT_TRUE(animation::decodePreviewFrameAhead(path("f.bmp")).ok());
}

namespace {

// Decoders that count their calls and say on which thread they ran.
struct CountingDecoders {
  std::atomic<int> ahead{0};
  std::atomic<int> now{0};
  std::atomic<bool> aheadOnCaller{false};
  std::thread::id caller = std::this_thread::get_id();
  std::chrono::milliseconds aheadTime{0};
  bool deferAll = false;

  PreviewFrames make() {
    return PreviewFrames(
        [this](const std::string& p) {
          ++ahead;
          if (std::this_thread::get_id() == caller) aheadOnCaller = true;
          std::this_thread::sleep_for(aheadTime);
          PreviewFrame f;
          f.path = p;
          f.deferred = deferAll;
          if (!deferAll) f.bitmap = gdi::Bitmap(int(p.size()), 1);
          return f;
        },
        [this](const std::string& p) {
          ++now;
          PreviewFrame f;
          f.path = p;
          f.bitmap = gdi::Bitmap(int(p.size()), 2);
          return f;
        });
  }
};

}  // namespace

TEST(PreviewFrames, AFrameDecodedAheadIsNotDecodedAgain) {
  CountingDecoders d;
  d.aheadTime = 20ms;  // still decoding when taken: take waits for it
  PreviewFrames frames = d.make();
  frames.prefetch("one");
  frames.prefetch("one");  // asked twice, decoded once
  while (d.ahead == 0) std::this_thread::sleep_for(1ms);
  const PreviewFrame f = frames.take("one");
  EXPECT_EQ(f.bitmap.height(), 1);  // the worker's
  EXPECT_EQ(d.ahead, 1);
  EXPECT_EQ(d.now, 0);
  EXPECT_FALSE(d.aheadOnCaller);
  // A frame not asked for ahead is decoded on the spot.
  EXPECT_EQ(frames.take("two").bitmap.height(), 2);
  EXPECT_EQ(d.now, 1);
}

TEST(PreviewFrames, DeferredAndStaleFramesAreDecodedByTheCaller) {
  CountingDecoders d;
  d.deferAll = true;
  PreviewFrames frames = d.make();
  frames.prefetch("meta");
  EXPECT_EQ(frames.take("meta").bitmap.height(), 2);
  EXPECT_EQ(d.now, 1);

  CountingDecoders e;
  PreviewFrames fresh = e.make();
  fresh.prefetch("file");
  // Let the worker finish, then the file changes (a bulk resize).
  while (e.ahead == 0) std::this_thread::sleep_for(1ms);
  std::this_thread::sleep_for(5ms);
  fresh.clear();
  EXPECT_EQ(fresh.take("file").bitmap.height(), 2);
  EXPECT_EQ(e.now, 1);
}

// Play's pattern, many times over: show one frame, ask for the next; the
// list changes under it; the source is destroyed with a decode running.
TEST(PreviewFrames, PlayingThroughAChangingListGivesEveryFrameItsOwnPicture) {
  CountingDecoders d;
  {
    PreviewFrames frames = d.make();
    const std::vector<std::string> names = {"a", "bb", "ccc", "dddd", "eeeee"};
    for (int i = 0; i < 500; ++i) {
      const std::string& name = names[std::size_t(i) % names.size()];
      const PreviewFrame f = frames.take(name);
      ASSERT_EQ(f.path, name);
      ASSERT_EQ(f.bitmap.width(), int(name.size()));
      // Now and then the frame asked for ahead is not the one played next.
      frames.prefetch(i % 7 == 3 ? std::string("zz") : names[std::size_t(i + 1) % names.size()]);
      // The frame on show: the worker decodes meanwhile (or not yet, now and then).
      if (i % 3 != 0) std::this_thread::sleep_for(200us);
      if (i % 50 == 0) frames.clear();
    }
    d.aheadTime = 30ms;
    frames.prefetch("last");
  }
  EXPECT_GT(d.ahead, 100);
}
