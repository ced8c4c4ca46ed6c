// Routines whose work comes with later parts of the studio. Each is called
// from its command already; each comment says what it will do. Move a
// routine into the file of its concern (TPbook1_file.cpp, TPbook1_zoom.cpp,
// TPbook1_canvas.cpp...) when it is written.
#include <QProgressBar>

#include "app/TPbook1.h"
#include "app/Tactivityfrm.h"
#include "app/Windows.h"
#include "document/windows/TPrinfrm.h"

// ----- printing -------------------------------------------------------------------
// Prepares the print window's page layout from the picture, then shows it.
void TPbook1::doprint() {
  if (TPrinfrm* print = app::windows().Prinfrm) print->show();
}

// ----- activity assistant ---------------------------------------------------------
// Sets the assistant's activity, heading and step lines, then shows it.
void TPbook1::openactivity(int /*activity*/) {
  if (Tactivityfrm* assistant = app::windows().activityfrm) assistant->show();
}
