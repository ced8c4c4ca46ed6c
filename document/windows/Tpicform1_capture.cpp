// The screen shot: the studio's windows step aside, the user confirms, the
// screen of the display the studio runs on is copied into the preview.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <cstring>
#include <vector>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "clips/windows/Tcapformdlg.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/QtBitmap.h"
#include "platform/ui/Services.h"
#include "tools/windows/TForm3.h"

namespace {

// Hides visible windows and shows them again when it ends, on every path.
class HiddenWindows {
 public:
  void hide(QWidget* w) {
    if (!w || !w->isVisible()) return;
    w->hide();
    hidden_.emplace_back(w);
  }
  ~HiddenWindows() { restore(); }
  void restore() {
    for (auto it = hidden_.rbegin(); it != hidden_.rend(); ++it)
      if (*it) (*it)->show();
    hidden_.clear();
  }

 private:
  std::vector<QPointer<QWidget>> hidden_;
};

// Copies the grabbed screen into the top left of the picture.
void copyInto(gdi::Bitmap& target, const gdi::Bitmap& grabbed) {
  const int w = std::min(target.width(), grabbed.width());
  const int h = std::min(target.height(), grabbed.height());
  for (int y = 0; y < h; ++y)
    std::memcpy(target.row(y), grabbed.row(y), std::size_t(w) * sizeof(std::uint32_t));
  target.markAllDirty();
}

}  // namespace

int& Tpicform1::captureSettleMs() {
  static int ms = 300;
  return ms;
}

Tpicform1::ScreenGrabber& Tpicform1::screenGrabber() {
  static ScreenGrabber grab = [](QScreen* screen) {
    return screen ? screen->grabWindow(0) : QPixmap();
  };
  return grab;
}

void Tpicform1::settle(int ms) {
  QElapsedTimer clock;
  clock.start();
  do {
    ui::processMessages();
  } while (clock.elapsed() < ms);
}

void Tpicform1::SpeedButton4Click() {
  if (reading_) return;
  // 1. The preview takes the screen's size.
  const QSize screenSize = ui::environment().screenSize();
  Image1->bitmap().setSize(screenSize.width(), screenSize.height());
  Image1->refresh();
  previewWithoutFile();

  // 2./3. The main window, the browser and the tool palette step aside.
  const app::Windows& w = app::windows();
  HiddenWindows studio;
  if (app::MainWindow* main = app::findMainWindow()) studio.hide(&main->widget());
  studio.hide(this);
  studio.hide(w.Form3);
  settle(captureSettleMs());

  // 4. The user arranges the screen and confirms.
  Tcapformdlg* confirm = w.capformdlg;
  if (!confirm || confirm->execute() != Tcapformdlg::kOk) return;

  // 5. Every other window of the studio goes too, so none is in the picture.
  HiddenWindows others;
  for (QWidget* top : QApplication::topLevelWidgets()) others.hide(top);
  settle(captureSettleMs());

  // 6. The whole screen of the display the studio runs on.
  QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QPixmap shot = screenGrabber()(screen);
  if (!shot.isNull()) copyInto(Image1->bitmap(), ui::toBitmap(shot.toImage()));
  ui::processMessages();

  // 7. Everything comes back.
  others.restore();
  studio.restore();
  Image1->refresh();
}
