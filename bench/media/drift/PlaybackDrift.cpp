// How well the AVI player keeps to the file's rate: plays a 30 frames per
// second MJPEG file with sound (SDL's dummy driver unless another is set)
// for a minute and compares the frame on show with the wall clock every
// 100 ms. Not a benchmark: it takes as long as it measures.
//
//   measure_playback_drift [seconds=60]
//
// Drift = frame shown - whole frames elapsed since Play. 0 is exact; -1 is a
// frame whose tick has come but has not been drawn yet.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/support/BenchPictures.h"
#include "media/player/TDCAVIPlay.h"
#include "platform/gdi/Canvas.h"
#include "platform/video/VideoWriter.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 30;
constexpr int kWidth = 320, kHeight = 240, kSampleRate = 44100;

fs::path makeVideo(int frames) {
  const fs::path dir = fs::temp_directory_path() / "qm-media-bench";
  const fs::path path = dir / ("drift-" + std::to_string(frames) + ".avi");
  if (fs::exists(path)) return path;
  fs::create_directories(dir);
  video::VideoWriterSettings s;
  s.width = kWidth;
  s.height = kHeight;
  s.rate = kRate;
  s.sampleRate = kSampleRate;
  video::VideoWriter writer(path, s);
  const gdi::Bitmap noise = bench_support::noise(kWidth, kHeight, 5);
  std::vector<std::int16_t> sound(std::size_t(kSampleRate / kRate) * 2);
  for (int n = 0; n < frames; ++n) {
    gdi::Bitmap frame = noise;
    frame.canvas().textOut(10, 10, "Frame " + std::to_string(n));
    writer.writeFrame(frame);
    for (std::size_t i = 0; i < sound.size(); ++i)
      sound[i] = std::int16_t(((n * 1470 + int(i / 2)) % 100 - 50) * 200);
    writer.writeAudio(sound);
  }
  writer.finish();
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  const fs::path file = makeVideo(seconds * kRate + 2 * kRate);

  QWidget parent;
  parent.resize(kWidth, kHeight);
  auto* player = new TDCAVIPlay(&parent);
  player->setTransparent(false);
  parent.show();
  player->setFileName(QString::fromStdString(file.string()));
  if (!player->isOpen()) {
    std::fprintf(stderr, "cannot open %s: %s\n", file.c_str(), player->lastError().toUtf8().constData());
    return 1;
  }
  long drawn = 0;
  QObject::connect(player, &TDCAVIPlay::frameShown, [&](int) { ++drawn; });

  QElapsedTimer clock;
  int minDrift = 0, maxDrift = 0, samples = 0;
  long finalDrift = 0, finalShown = 0, finalDue = 0;
  bool sound = false;
  QTimer sampler;
  sampler.setInterval(100);
  QObject::connect(&sampler, &QTimer::timeout, [&] {
    const qint64 ns = clock.nsecsElapsed();
    const long due = long(ns * kRate / 1000000000LL);
    const int drift = int(player->currentFrame() - due);
    minDrift = std::min(minDrift, drift);
    maxDrift = std::max(maxDrift, drift);
    ++samples;
    if (ns >= qint64(seconds) * 1000000000LL) {
      finalDrift = drift;
      finalShown = player->currentFrame();
      finalDue = due;
      sound = player->audio().playing();
      app.quit();
    }
  });
  player->Play(0, player->frameCount() - 1, 1);
  clock.start();
  sampler.start();
  app.exec();
  player->Stop();
  std::printf("played %d s at %d frames per second (%dx%d MJPEG, %d Hz stereo sound %s)\n",
              seconds, kRate, kWidth, kHeight, kSampleRate, sound ? "playing" : "off: no device");
  std::printf("frame at the end: %ld (wall clock says %ld)\n", finalShown, finalDue);
  std::printf("drift over %d samples: min %d, max %d, at the end %ld frames\n", samples, minDrift,
              maxDrift, finalDrift);
  std::printf("frames drawn: %ld of %ld (%ld dropped)\n", drawn, finalShown + 1, finalShown + 1 - drawn);
  return 0;
}
