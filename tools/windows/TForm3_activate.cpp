// do_tool: what every tool choice does to the main window before the tool's
// first stroke.
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <initializer_list>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinEdit.h"
#include "tools/engine/ToolCodes.h"
#include "tools/windows/TForm3.h"

void TForm3::do_tool() {
  TPbook1* main = app::windows().Pbook1;
  main->PageControl1->setCurrentWidget(main->TabSheet1);
  main->ToolPending = true;
  main->markModified();
  // A floating clip stays where it is drawn, without its frame (before the
  // zoom below takes the picture).
  main->leavePaste();
  // A template paste ended this way captures nothing; its flag must not make
  // the next ordinary paste's OK capture instead.
  main->TemplateCapture = false;
  main->SprayMixing = false;
  gdi::Bitmap& picture = main->ptbox1->bitmap();
  picture.canvas().pen.mode = gdi::PenMode::Copy;
  if (main->chk1->isChecked()) resize_it();
  main->undoptb1->setEnabled(true);
  // Zoomed editing: the visible part of the zoom view becomes the picture.
  main->apply_zoom();
  // The screen cursor back to normal; a busy cursor keeps its own.
  if (!ui::BusyCursor::active())
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  main->clpmap1->move(0, 0);
  main->mask1->move(0, 0);
  main->show();
  invalidatePalette();
  if (main->BoxesShowing) {
    main->remove_boxes();
    main->BoxesShowing = false;
  }
  // An outline left open is abandoned: its edges leave the picture.
  main->takeOutlineOff();
  main->FirstRubber = true;
  main->StrokeOn = false;
  main->CapturedBox = {};
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

void TForm3::resize_it() {
  TPbook1& m = *app::windows().Pbook1;
  // Only between zoom on and the zoom being applied: an applied zoom already
  // holds the enlarged rectangle.
  if (!m.ZoomOn || m.ZoomApplied) return;
  if (!m.ZoomSourceStored) m.storeZoomSource();
  m.zm1->show();
  m.ptbox1->show();
  m.zm1->setZoomValue(m.zm1spin->value());
  // zmbk keeps the full picture at its own size: "Normal Size" shrinks the
  // edit back into it, so nothing outside the page is lost.
  gdi::Bitmap& picture = m.picture();
  picture.setSize(std::max(m.PageControl1->width(), 10), std::max(m.PageControl1->height(), 10));
  m.ptbox1->refresh();
  m.image2->setBitmap(picture);
  m.ptbox1->move(0, 0);
  m.image2->move(0, 0);
  m.chk1->setChecked(false);
}

void TForm3::dump_it() {
  TPbook1& m = *app::windows().Pbook1;
  if (!(m.ZoomOn || m.ZoomApplied)) return;
  // What was painted while zoomed goes back into the full picture; taking
  // the view's bitmap instead would throw that painting away.
  const bool applied = m.ZoomApplied;
  if (applied)
    m.mergeZoomedEdit();
  else if (m.ZoomSourceStored)
    m.ptbox1->setBitmap(m.zm1->Bitmap());  // nothing painted zoomed yet
  m.ZoomOn = false;
  m.zmpanel1->hide();
  if (applied) m.initpages();
  m.zm1->hide();
  m.ptbox1->show();
}
