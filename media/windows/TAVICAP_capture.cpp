// Taking frames: the grab, "capture" to the clipboard, "Dump" to numbered
// bitmap files, and "Abort".
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "animation/windows/Tfolderdlg1.h"
#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "document/windows/ClipboardBitmap.h"
#include "media/engine/FrameDump.h"
#include "media/player/TDCAVIPlay.h"
#include "media/windows/TAVICAP.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"
#include "platform/video/VideoError.h"

const gdi::Bitmap& TAVICAP::grabFrame() {
  // The player's own painting at its size: what it shows, never what
  // happens to cover it on the screen.
  Image2->setBitmap(AVI->renderToBitmap());
  return Image2->bitmap();
}

void TAVICAP::BitBtn1Click() {
  placeForGrab();
  const gdi::Bitmap& frame = grabFrame();
  if (!document::putBitmapOnClipboard(frame)) {
    ui::dialogs().message(QStringLiteral("Clipboard Unavailable."),
                          QStringLiteral("Clipboard Error"), ui::MsgButtons::Ok,
                          ui::MsgIcon::Error);
    return;
  }
  // The main window's "Paste" takes it from here.
  if (app::MainWindow* main = app::findMainWindow()) main->clipOnClipboard();
}

std::optional<TAVICAP::DumpTarget> TAVICAP::chooseDumpTarget(int frameCount) {
  // The studio's folder dialog with its frame range shown: 1 to the frame count.
  Tfolderdlg1* dialog = app::windows().folderdlg1;
  if (dialog) {
    dialog->Panel5->show();
    dialog->SpinEdit1->setValue(1);
    dialog->SpinEdit2->setValue(frameCount);
  }
  const std::optional<Tfolderdlg1::Target> chosen = Tfolderdlg1::chooseTarget();
  // The other tools ask the dialog for a folder only.
  if (dialog) dialog->Panel5->hide();
  if (!chosen) return std::nullopt;
  if (!dialog) return DumpTarget{chosen->base(), 1, frameCount};
  return DumpTarget{chosen->base(), dialog->SpinEdit1->value(), dialog->SpinEdit2->value()};
}

void TAVICAP::BitBtn6Click() {
  if (dumping_) return;
  if (!AVI->isOpen()) {
    showFileFacts();
    return;
  }
  placeForGrab();
  const std::optional<DumpTarget> target = chooseDumpTarget(AVI->frameCount());
  if (!target) return;
  if (ui::dialogs().confirm(QStringLiteral("OK to dump all the fames to files?")) !=
      ui::MsgResult::Yes)
    return;
  dumpPrefix = target->prefix;

  AVI->Reopen();
  update();
  ui::processMessages();
  if (!AVI->isOpen()) {  // gone or damaged since it was opened
    showFileFacts();
    return;
  }
  const int count = AVI->frameCount();
  if (target->first > 0 && target->first < count) AVI->Seek(target->first);
  const std::vector<int> frames =
      media::dumpFrameNumbers(target->first, target->last, count, AVI->currentFrame());

  media::DumpResult result;
  {
    stop = false;
    stopbut->show();
    dumpBar->setRange(0, std::max(int(frames.size()), 1));
    dumpBar->setValue(0);
    dumpBar->show();
    dumping_ = true;
    setCommandsEnabled(false);
    // Back to normal however the dump ends.
    struct DumpEnd {
      TAVICAP* w;
      ~DumpEnd() {
        w->stop = false;
        w->stopbut->hide();
        w->dumpBar->hide();
        w->dumping_ = false;
        w->setCommandsEnabled(true);
      }
    } end{this};

    const media::FrameGrab grabNumbered = [this](int frame) -> const gdi::Bitmap& {
      AVI->Seek(frame);
      const gdi::Bitmap& picture = grabFrame();
      // The player keeps its last good picture when a frame cannot be decoded;
      // a dump must not write that under the damaged frame's number.
      if (!AVI->lastError().isEmpty())
        throw video::VideoError(video::VideoErrorKind::Damaged, AVI->lastError().toStdString());
      return picture;
    };
    const media::DumpProgress progress = [this](int done, int) {
      dumpBar->setValue(done);
      ui::processMessages();
      return !stop;
    };
    result = media::dumpFrames(dumpPrefix.toStdString(), frames, grabNumbered, progress);
  }
  statusLine->setText(QStringLiteral("%1 of %2 frames written as %3###.bmp")
                          .arg(result.written)
                          .arg(frames.size())
                          .arg(dumpPrefix));
  if (!result.error.empty()) ui::dialogs().error(QString::fromStdString(result.error));
}

void TAVICAP::stopbutClick() {
  stop = true;
  stopbut->hide();
}
