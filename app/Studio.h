#pragma once
// The studio as a library: the executable's main and the window tests start
// the very same windows through these entries.
#include <QString>

#include "app/RecoveryKeeper.h"

namespace app {

struct StartOptions {
  // Show the main window (and with it the tool palette) once it is set up.
  bool show = true;
  // Apply the studio's style and palette to the application.
  bool applyLook = true;
  // Keep recovery copies of unsaved changes, and offer those that studios
  // killed before left behind, in `recoveryFolder` (empty: the per-user
  // data folder). Window tests leave it off unless they test it.
  bool recovery = false;
  QString recoveryFolder;
  RecoveryTiming recoveryTiming;
};

// Creates every window in start-up order (the main window sets itself up as
// it is created) and shows the main window. Needs a QApplication and the
// services (ui::services()) in place.
void startStudio(const StartOptions& options = {});
// Destroys every window.
void stopStudio();

// The program: the application object, startStudio, the event loop until the
// main window closes, stopStudio.
int runStudio(int argc, char** argv);

}  // namespace app
