// Routines whose work comes with later parts of the studio. Each is called
// from its command already; each comment says what it will do. Move a
// routine into the file of its concern (TPbook1_file.cpp, TPbook1_zoom.cpp,
// TPbook1_canvas.cpp...) when it is written.
#include <QProgressBar>

#include "app/TPbook1.h"
#include "app/Tactivityfrm.h"
#include "app/Windows.h"
#include "clips/engine/Morph.h"
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

// ----- clips ----------------------------------------------------------------------
void TPbook1::morfpaste() {}        // the clip into the morph window Tshapeform
// Pours the content's non-white pixels into the shape's span, the bar
// following the rows.
bool TPbook1::morphInto(const gdi::Bitmap& content, gdi::Bitmap& shape) {
  const auto step = [this](int position) { bg1->setValue(position); return true; };
  return clips::morph(content, shape, step) == clips::MorphResult::Done;
}
void TPbook1::doblend() {}          // heavy soft focus over the picture
void TPbook1::doblend2() {}         // soften light over the picture
void TPbook1::doblend3(int /*lighten*/) {}  // darken (0) or lighten (1) the picture
