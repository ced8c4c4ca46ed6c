#include "bench/windows/BenchStudio.h"

#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPushButton>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "app/Studio.h"
#include "document/windows/TBtnRightDlg.h"
#include "platform/ui/Environment.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace bench_windows {

ui::MsgResult BenchDialogs::message(const ui::MessageBoxRequest& request) {
  if (request.text.startsWith(QStringLiteral("OK to overwrite"))) return ui::MsgResult::Yes;
  if (request.text.startsWith(QStringLiteral("Save changes to"))) return ui::MsgResult::No;
  unexpected = request.text;
  return ui::dismissResult(request.buttons);
}

int BenchDialogs::runModal(QDialog& form) {
  auto* size = qobject_cast<TBtnRightDlg*>(&form);
  if (!size) return QDialog::Rejected;
  size->SpinEdit1->setValue(newWidth);
  size->SpinEdit2->setValue(newHeight);
  size->OKBtn->click();
  return size->result();
}

BenchDialogs& dialogs() {
  static BenchDialogs* installed = [] {
    auto d = std::make_unique<BenchDialogs>();
    BenchDialogs* raw = d.get();
    ui::services().setDialogs(std::move(d));
    return raw;
  }();
  return *installed;
}

TPbook1& studio() {
  static TPbook1* main = [] {
    dialogs();
    ui::environment().setScreenSize(QSize(1600, 1000));
    app::StartOptions start;
    start.applyLook = false;
    app::startStudio(start);
    QApplication::processEvents();
    return app::windows().Pbook1;
  }();
  return *main;
}

ui::ImageControl& pictureControl() { return *find<ui::ImageControl>("ptbox1"); }

void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QWidget& w = pictureControl();
  QMouseEvent e(type, QPointF(at), QPointF(w.mapToGlobal(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
  settle();
}

void settle() { QApplication::processEvents(); }

void command(const char* name) {
  if (auto* action = find<QAction>(name))
    action->trigger();
  else if (auto* button = find<QAbstractButton>(name))
    button->click();
  else
    throw std::logic_error(std::string("no control named ") + name);
}

void newImage(int width, int height) {
  dialogs().newWidth = width;
  dialogs().newHeight = height;
  command("New1");
  settle();
}

double residentMiB() {
  long pages = 0, resident = 0;
  if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

}  // namespace bench_windows
