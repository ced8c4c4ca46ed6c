#pragma once
// The studio's look: the Fusion style with a calm light palette and a few
// spacing rules shared by every window.
class QApplication;

namespace app {

void applyLook(QApplication& application);

}  // namespace app
