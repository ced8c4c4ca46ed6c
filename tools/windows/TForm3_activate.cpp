// do_tool: what every tool choice does to the main window before the tool's
// first stroke.
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QTabWidget>
#include <QToolButton>
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
  main->Modified = true;
  MaskMode = false;
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

void TForm3::resize_it() {
  TPbook1& m = *app::windows().Pbook1;
  gdi::Bitmap& picture = m.picture();
  if (!m.ZoomSourceStored) {
    m.zmbk->setBitmap(picture);
    m.zm1->setBitmap(picture);
    m.zm1->Bitmap().setPalette(picture.palette());
    m.ZoomSourceStored = true;
  }
  m.zm1->show();
  m.ptbox1->show();
  m.zm1->setZoomValue(m.zm1spin->value());
  // The picture and its copies take the page's size, filled from the picture.
  const int w = m.PageControl1->width();
  const int h = m.PageControl1->height();
  const gdi::Bitmap source = picture;
  for (ui::ImageControl* image : {m.ptbox1, m.image2, m.zmbk}) {
    gdi::Bitmap& b = image->bitmap();
    b.setSize(w, h);
    b.canvas().bitBlt(0, 0, w, h, &source, 0, 0, gdi::SRCCOPY);
    image->refresh();
  }
  for (QWidget* over : std::initializer_list<QWidget*>{m.zm1, m.image2, m.zmbk})
    over->move(m.ptbox1->pos());
  m.chk1->setChecked(false);
}

void TForm3::dump_it() {
  TPbook1& m = *app::windows().Pbook1;
  m.ptbox1->setBitmap(m.zm1->Bitmap());
  m.zm1->hide();
  m.ptbox1->show();
  m.ZoomOn = false;
}
