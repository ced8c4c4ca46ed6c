#include "platform/ui/Services.h"

#include <QCoreApplication>

#include "platform/ui/QtClipboard.h"
#include "platform/ui/QtDialogs.h"

namespace ui {

namespace {

Services* instance = nullptr;

// The services hold Qt objects (the printer, the clipboard watch); they go
// with the application object rather than at static destruction.
void release() {
  delete instance;
  instance = nullptr;
}

}  // namespace

Services& services() {
  if (!instance) {
    instance = new Services;
    if (QCoreApplication::instance()) qAddPostRoutine(release);
  }
  return *instance;
}

UserDialogs& Services::dialogs() {
  if (!dialogs_) dialogs_ = std::make_unique<QtDialogs>();
  return *dialogs_;
}

Clipboard& Services::clipboard() {
  if (!clipboard_) clipboard_ = std::make_unique<QtClipboard>();
  return *clipboard_;
}

Environment& Services::environment() {
  if (!environment_) environment_ = std::make_unique<Environment>();
  return *environment_;
}

Printer& Services::printer() {
  if (!printer_) printer_ = std::make_unique<Printer>();
  return *printer_;
}

std::unique_ptr<UserDialogs> Services::setDialogs(std::unique_ptr<UserDialogs> d) {
  std::swap(dialogs_, d);
  return d;
}

std::unique_ptr<Clipboard> Services::setClipboard(std::unique_ptr<Clipboard> c) {
  std::swap(clipboard_, c);
  return c;
}

std::unique_ptr<Environment> Services::setEnvironment(std::unique_ptr<Environment> e) {
  std::swap(environment_, e);
  return e;
}

std::unique_ptr<Printer> Services::setPrinter(std::unique_ptr<Printer> p) {
  std::swap(printer_, p);
  return p;
}

}  // namespace ui
