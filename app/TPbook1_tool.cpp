// What a tool choice on the palette does to the main window before the
// tool's first stroke: what the last tool left open ends, the zoom is applied
// when it is on, and the undo copy takes the picture.
#include <QCheckBox>
#include <QGuiApplication>
#include <QTabWidget>
#include <QToolButton>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/ImageControl.h"
#include "tools/engine/ToolCodes.h"
#include "tools/windows/TForm3.h"

void TPbook1::beginTool(int tool) {
  // A curve chosen afresh starts with no handle held.
  if (tool == tools::kBezier) {
    BezEditing = false;
    HandleDrag.fill(false);
    AnyHandleDrag = false;
  }
  PageControl1->setCurrentWidget(TabSheet1);
  ToolPending = true;
  markModified();
  // A floating clip stays where it is drawn, without its frame (before the
  // zoom below takes the picture).
  leavePaste();
  // A template paste ended this way captures nothing; its flag must not make
  // the next ordinary paste's OK capture instead.
  TemplateCapture = false;
  SprayMixing = false;
  picture().canvas().pen.mode = gdi::PenMode::Copy;
  if (chk1->isChecked()) zoomToPage();
  undoptb1->setEnabled(true);
  // Zoomed editing: the visible part of the zoom view becomes the picture.
  apply_zoom();
  // The screen cursor back to normal; a busy cursor keeps its own.
  if (!ui::BusyCursor::active())
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  clpmap1->move(0, 0);
  mask1->move(0, 0);
  show();
  if (BoxesShowing) {
    remove_boxes();
    BoxesShowing = false;
  }
  // An outline left open is abandoned: its edges leave the picture.
  takeOutlineOff();
  FirstRubber = true;
  StrokeOn = false;
  CapturedBox = {};
  if (tools::isPixelMover(tool)) {
    setPixelMoverBlock(tools::pixelMoverBlock(app::windows().Form3->LineWidth));
    resetOutline();
  }
  image2->setBitmap(picture());
  ptbox1->setCursor(Qt::ArrowCursor);
}

void TPbook1::resetOutline() {
  FirstRubber = true;
  PolyCount = 1;
  PolyActive = false;
}

void TPbook1::setPixelMoverBlock(int side) {
  mask1->resize(side, side);
  gdi::Bitmap& mask = mask1->bitmap();
  mask.setSize(side, side);
  mask.setPalette(picture().palette());
}
