#pragma once
// A player inside a shown parent window, over test videos in a scratch folder.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "codecs/CodecTestSupport.h"
#include "media/player/TDCAVIPlay.h"
#include "support/media/TestMedia.h"

namespace player_test {

// Runs the event loop until `done` or `ms` milliseconds; returns `done`.
inline bool waitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

// Lets the event loop run for `ms` milliseconds.
inline void runFor(int ms) {
  waitFor([] { return false; }, ms);
}

class PlayerFixture {
 public:
  PlayerFixture() {
    parent.resize(400, 300);
    parent.setAutoFillBackground(true);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, QColor(10, 200, 30));
    parent.setPalette(p);
    player = new TDCAVIPlay(&parent);
    parent.show();
  }

  // Writes a test video and returns its name for FileName.
  QString video(const std::string& name, const media_test::TestVideo& v,
                const std::function<gdi::Bitmap(int)>& picture = {}) {
    media_test::writeTestVideo(dir / name, v, picture);
    return QString::fromStdString((dir / name).string());
  }

  codec_test::TempDir dir;
  QWidget parent;
  TDCAVIPlay* player = nullptr;
  // The colour of the parent behind the player.
  static constexpr gdi::TColor kBehind = gdi::RGB(10, 200, 30);
};

}  // namespace player_test
