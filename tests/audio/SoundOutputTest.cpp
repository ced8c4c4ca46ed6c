// Wave output on SDL's dummy driver, and without any sound device.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/audio/SoundOutput.h"
#include "support/media/TestMedia.h"

namespace {

// Switches the audio driver for one test.
class AudioDriver {
 public:
  explicit AudioDriver(const char* name) {
    if (const char* old = std::getenv("SDL_AUDIODRIVER")) old_ = old;
    setenv("SDL_AUDIODRIVER", name, 1);
  }
  ~AudioDriver() { setenv("SDL_AUDIODRIVER", old_.c_str(), 1); }

 private:
  std::string old_ = "dummy";
};

}  // namespace

TEST(SoundOutput, QueuedSoundIsPlayedAtTheDevicesPace) {
  AudioDriver driver("dummy");
  audio::SoundOutput out;
  ASSERT_TRUE(out.open(8000, 2)) << out.lastError();
  // A fifth of a second of sound.
  out.queue(std::vector<std::int16_t>(3200, 1000));
  EXPECT_EQ(out.queuedBytes(), 6400u);
  out.resume();
  const auto start = std::chrono::steady_clock::now();
  while (out.queuedBytes() == 6400u && std::chrono::steady_clock::now() - start < std::chrono::seconds(5))
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_LT(out.queuedBytes(), 6400u);
  out.clear();
  EXPECT_EQ(out.queuedBytes(), 0u);
  out.close();
  EXPECT_FALSE(out.isOpen());
}

TEST(SoundOutput, WithoutADeviceEverythingIsSilentlyIgnored) {
  AudioDriver driver("no-such-driver");
  audio::SoundOutput out;
  EXPECT_FALSE(out.open(44100, 2));
  EXPECT_FALSE(out.lastError().empty());
  EXPECT_FALSE(out.isOpen());
  out.queue(std::vector<std::int16_t>(100, 1));
  out.resume();
  EXPECT_EQ(out.queuedBytes(), 0u);
  out.clear();
  out.pause();
  // Bad formats are refused the same way.
  AudioDriver dummy("dummy");
  EXPECT_FALSE(out.open(0, 2));
  EXPECT_FALSE(out.open(8000, 7));
}
