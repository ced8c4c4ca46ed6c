#pragma once
// The program's services, one current instance of each, reached from
// anywhere in the user-interface layer:
//
//   ui::dialogs().error("Not enough Resources");
//   if (!ui::clipboard().hasBitmap()) ui::clipboard().claimFormat();
//   ui::environment().programFile("Getting Started.RTF");
//   ui::printer().printBitmap(picture);
//
// Tests replace them: each setter installs a new instance and returns the
// previous one (a null pointer puts the default back). The defaults are the
// real ones: QtDialogs, QtClipboard, an Environment that reads the screen
// and the executable's folder, and a Printer on the system's printer.
#include <memory>

#include "platform/ui/Clipboard.h"
#include "platform/ui/Environment.h"
#include "platform/ui/Printer.h"
#include "platform/ui/UserDialogs.h"

namespace ui {

class Services {
 public:
  UserDialogs& dialogs();
  Clipboard& clipboard();
  Environment& environment();
  Printer& printer();

  std::unique_ptr<UserDialogs> setDialogs(std::unique_ptr<UserDialogs> d);
  std::unique_ptr<Clipboard> setClipboard(std::unique_ptr<Clipboard> c);
  std::unique_ptr<Environment> setEnvironment(std::unique_ptr<Environment> e);
  std::unique_ptr<Printer> setPrinter(std::unique_ptr<Printer> p);

 private:
  std::unique_ptr<UserDialogs> dialogs_;
  std::unique_ptr<Clipboard> clipboard_;
  std::unique_ptr<Environment> environment_;
  std::unique_ptr<Printer> printer_;
};

Services& services();

inline UserDialogs& dialogs() { return services().dialogs(); }
inline Clipboard& clipboard() { return services().clipboard(); }
inline Environment& environment() { return services().environment(); }
inline Printer& printer() { return services().printer(); }

}  // namespace ui
