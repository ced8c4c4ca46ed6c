// Routines whose work comes with later parts of the studio. Each is called
// from its command already; each comment says what it will do. Move a
// routine into the file of its concern (TPbook1_file.cpp, TPbook1_zoom.cpp,
// TPbook1_canvas.cpp...) when it is written.
#include "app/TPbook1.h"
#include "app/Tactivityfrm.h"
#include "app/Windows.h"
#include "document/windows/TPrinfrm.h"

// ----- zoom view ----------------------------------------------------------------
void TPbook1::zmbutonClick() {}   // zoom_it, then the zoom page's capture frame and buttons
void TPbook1::zmbutoffClick() {}  // shrink zoomed editing back into the full picture, zoom off
void TPbook1::zoom_it() {}        // zoom on: panel shown, picture stored in zmbk and the zoom view
// The view's rectangle from x = left - 1 stretched over the whole picture
// (BLACKONWHITE, SRCCOPY), ZoomApplied set, page "Main", a null line at
// (-1, -1), zmpanel1 hidden and zmbuton disabled; only while ZoomOn && !ZoomApplied.
void TPbook1::apply_zoom() {}
void TPbook1::Copy2Click() {}     // the zoom view's bitmap onto the clipboard
void TPbook1::Save2Click() {}     // the zoom view's bitmap to a BMP file

// ----- resize and printing --------------------------------------------------------
void TPbook1::resize_it() {}  // scale the picture to TResizeForm's size (JPEG fast path or stretch)
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
void TPbook1::doapaste() {}         // start a paste of the clipboard's bitmap (pastepanel1)
bool TPbook1::paste_it() { return false; }  // the clip in clpmap1 floated over the picture
void TPbook1::pastecap() {}         // start a template paste ("Capture from Template File")
void TPbook1::endcappingpaste() {}  // capture the area under the template as the new clip
void TPbook1::morfpaste() {}        // the clip into the morph window Tshapeform
// Pours the content's non-white pixels into the shape's span.
bool TPbook1::morphInto(const gdi::Bitmap& /*content*/, gdi::Bitmap& /*shape*/) { return false; }
void TPbook1::doblend() {}          // heavy soft focus over the picture
void TPbook1::doblend2() {}         // soften light over the picture
void TPbook1::doblend3(int /*lighten*/) {}  // darken (0) or lighten (1) the picture
