// do_tool: what every tool choice does to the main window before the tool's
// first stroke.
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

void TForm3::do_tool() {
  TPbook1* main = app::windows().Pbook1;
  main->PageControl1->setCurrentWidget(main->TabSheet1);
  main->ToolPending = true;
  main->Modified = true;
  MaskMode = false;
  main->SprayMixing = false;
  gdi::Bitmap& picture = main->ptbox1->bitmap();
  picture.canvas().pen.mode = gdi::PenMode::Copy;
  if (main->chk1->isChecked()) main->resize_it();
  main->undoptb1->setEnabled(true);
  // Zoomed editing: the visible part of the zoom view becomes the picture.
  main->apply_zoom();
  // The screen cursor back to normal; a busy cursor keeps its own.
  if (!ui::BusyCursor::active())
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  main->pastepanel1->hide();
  main->clpmap1->move(0, 0);
  main->mask1->move(0, 0);
  main->show();
  invalidatePalette();
  if (main->BoxesShowing) {
    main->remove_boxes();
    main->BoxesShowing = false;
  }
  main->FirstRubber = true;
  main->StrokeOn = false;
  if (tools::isPixelMover(CurTool)) {
    sizePixelMoverMask();
    main->FirstRubber = true;
    main->PolyCount = 1;
    main->PolyActive = false;
  }
  main->image2->setBitmap(picture);
  main->ptbox1->setCursor(Qt::ArrowCursor);
}

void TForm3::sizePixelMoverMask() {
  TPbook1* main = app::windows().Pbook1;
  const int side = tools::pixelMoverBlock(LineWidth);
  main->mask1->resize(side, side);
  gdi::Bitmap& mask = main->mask1->bitmap();
  mask.setSize(side, side);
  mask.setPalette(main->ptbox1->bitmap().palette());
}
