// The zoom view's commands: zooming on and off, the factor and pan spins,
// editing the picture while zoomed, the capture frame on "View Zoom", and the
// view's bitmap to the clipboard or a file. (The controls are built with the
// rest of the window in TPbook1_layout.cpp.)
//
// Zoomed editing works on copies: zoom on stores the full picture in zmbk and
// in the view; picking a paint tool stretches the view's rectangle over the
// whole picture; "Normal Size" shrinks the picture back into zmbk at that
// rectangle and makes zmbk the picture again.
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "app/Windows.h"
#include "platform/gdi/Rop.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TForm3.h"

namespace {

// The palette's current tool while the zoom panel is in use: not a painting
// tool, so the canvas leaves the picture alone.
constexpr int kZoomStateTool = 31;
// Thickness of the capture frame's edge buttons.
constexpr int kFrameEdge = 4;

// Shrinks the zoomed edit into `full` at the view's rectangle `r`.
void shrinkZoomedEdit(gdi::Bitmap& full, const gdi::Bitmap& edit, const gdi::Rect& r) {
  // Dropping rows and columns keeps colours; a picture smaller than the
  // rectangle (nothing is dropped then) is copied the same either way.
  gdi::Canvas& canvas = full.canvas();
  canvas.stretchMode = (edit.width() < r.width() || edit.height() < r.height())
                           ? gdi::StretchMode::BlackOnWhite
                           : gdi::StretchMode::ColorOnColor;
  canvas.stretchBlt(r.left, r.top, r.width(), r.height(), edit, 0, 0, edit.width(), edit.height(),
                    gdi::SRCCOPY);
}

void setPaletteTool(int tool) {
  if (TForm3* palette = app::windows().Form3) palette->CurTool = tool;
}

// The screen cursor back to normal; a busy cursor keeps its own.
void normalCursor() {
  if (ui::BusyCursor::active()) return;
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

}  // namespace

// ----- zoom on ------------------------------------------------------------------

void TPbook1::storeZoomSource() {
  zmbk->setBitmap(picture());
  zm1->setBitmap(picture());  // copies the palette with the pixels
  ZoomSourceStored = true;
}

void TPbook1::zoom_it() {
  // 1. A panel opened afresh stores the picture again.
  if (zmpanel1->isHidden()) ZoomSourceStored = false;
  zmpanel1->show();
  pastepanel1->hide();
  ZoomOn = true;
  zm1->setDisplayEnabled(true);
  setPaletteTool(kZoomStateTool);
  // 2.
  if (!ZoomSourceStored) storeZoomSource();
  // 3.
  chk1->setChecked(false);
  // 4. The view centred on the picture.
  const gdi::Bitmap& pic = picture();
  if (pic.width() / 2 != 0) spinedit1->setValue(pic.width() / 2);
  if (pic.height() / 2 != 0) spinedit4->setValue(pic.height() / 2);
  zm1->setXCenter(spinedit1->value());
  zm1->setYCenter(spinedit4->value());
  setPaletteTool(kZoomStateTool);
  // 5. The view lives on its own page: bring it to the front.
  zm1->show();
  ptbox1->show();
  PageControl1->setCurrentWidget(TabSheet3);
  zm1->setZoomValue(zm1spin->value());
  zm1->update();
}

void TPbook1::zmbutonClick() {
  zoom_it();
  if (!zm1->Bitmap().empty()) {
    // The frame starts round the whole view; a smaller size centres it.
    {
      const QSignalBlocker w(SpinEdit2), h(SpinEdit3);
      SpinEdit2->setValue(zm1->width());
      SpinEdit3->setValue(zm1->height());
    }
    zbrowsebut1->setEnabled(true);
    zposbox(false);
  } else {
    for (QPushButton* b : {zbrowsebut1, zrtop, zcambut1, zclipbut1}) b->setEnabled(false);
  }
  zclipbut1->setEnabled(true);
  zmbutoff->setEnabled(true);
  ZoomOn = true;
}

void TPbook1::zm1spinChange() {
  if (!ZoomSourceStored) storeZoomSource();
  setPaletteTool(kZoomStateTool);
  zm1->show();
  ptbox1->show();
  zm1->setZoomValue(zm1spin->value());
  PageControl1->setCurrentWidget(TabSheet3);
}

void TPbook1::spinedit1Change() { zm1->setXCenter(spinedit1->value()); }
void TPbook1::spinedit4Change() { zm1->setYCenter(spinedit4->value()); }

// ----- zoomed editing -------------------------------------------------------------

void TPbook1::apply_zoom() {
  if (!ZoomOn || ZoomApplied) return;
  gdi::Bitmap& pic = picture();
  const gdi::Rect r = zm1->visibleRect();
  // The source starts one column left of the rectangle: the first column of
  // the picture keeps what it had where that column lies outside the view's
  // bitmap.
  gdi::Canvas& canvas = pic.canvas();
  canvas.stretchMode = gdi::StretchMode::BlackOnWhite;
  canvas.stretchBlt(0, 0, pic.width(), pic.height(), zm1->Bitmap(), r.left - 1, r.top, r.width(),
                    r.height(), gdi::SRCCOPY);
  ZoomApplied = true;
  PageControl1->setCurrentWidget(TabSheet1);
  markCanvasChanged({-1, -1});
  ptbox1->refresh();
  zmpanel1->hide();
  zmbuton->setEnabled(false);
}

void TPbook1::mergeZoomedEdit() {
  if (!ZoomApplied) return;
  gdi::Bitmap& pic = picture();
  gdi::Bitmap& full = zmbk->bitmap();
  shrinkZoomedEdit(full, pic, zm1->visibleRect());
  ZoomSourceStored = false;
  pic = full;
  ptbox1->refresh();
  ZoomApplied = false;
}

std::optional<gdi::Bitmap> TPbook1::zoomedEditMerged() const {
  if (!ZoomApplied) return std::nullopt;
  gdi::Bitmap full = zmbk->bitmap();
  shrinkZoomedEdit(full, ptbox1->bitmap(), zm1->visibleRect());
  return full;
}

void TPbook1::endZoomedEditing() {
  if (ZoomOn || ZoomApplied) zmbutoffClick();
}

// ----- zoomed editing from the palette --------------------------------------------

void TPbook1::zoomToPage() {
  // Only between zoom on and the zoom being applied: an applied zoom already
  // holds the enlarged rectangle.
  if (!ZoomOn || ZoomApplied) return;
  if (!ZoomSourceStored) storeZoomSource();
  zm1->show();
  ptbox1->show();
  zm1->setZoomValue(zm1spin->value());
  // zmbk keeps the full picture at its own size: "Normal Size" shrinks the
  // edit back into it, so nothing outside the page is lost.
  gdi::Bitmap& pic = picture();
  pic.setSize(std::max(PageControl1->width(), 10), std::max(PageControl1->height(), 10));
  ptbox1->refresh();
  image2->setBitmap(pic);
  ptbox1->move(0, 0);
  image2->move(0, 0);
  chk1->setChecked(false);
}

void TPbook1::dropZoomView() {
  if (!(ZoomOn || ZoomApplied)) return;
  // What was painted while zoomed goes back into the full picture; taking
  // the view's bitmap instead would throw that painting away.
  const bool applied = ZoomApplied;
  if (applied)
    mergeZoomedEdit();
  else if (ZoomSourceStored)
    ptbox1->setBitmap(zm1->Bitmap());  // nothing painted zoomed yet
  ZoomOn = false;
  zmpanel1->hide();
  if (applied) initpages();
  zm1->hide();
  ptbox1->show();
}

app::ZoomStage TPbook1::zoomStage() const {
  if (ZoomApplied) return app::ZoomStage::Applied;
  if (ZoomOn) return app::ZoomStage::Viewing;
  return ZoomSourceStored ? app::ZoomStage::SourceKept : app::ZoomStage::Off;
}

// ----- Normal Size ----------------------------------------------------------------

void TPbook1::zmbutoffClick() {
  // 1.
  normalCursor();
  zm1->setDisplayEnabled(false);
  zmpanel1->hide();
  pastepanel1->hide();
  ToolPending = false;
  // 2.
  mergeZoomedEdit();
  // 3. The factor back to 100 without its change handler: that would store
  // the picture again and take the palette's tool away.
  ZoomOn = false;
  {
    const QSignalBlocker quiet(zm1spin);
    zm1spin->setValue(100);
  }
  zm1->setZoomValue(100);
  initpages();
  zm1->setXCenter(spinedit1->value());
  zm1->setYCenter(spinedit4->value());
  zm1->update();
  zm1->show();
  ptbox1->show();
  PageControl1->setCurrentWidget(TabSheet1);
  ui::processMessages();
}

// ----- the capture frame -------------------------------------------------------------

void TPbook1::zposbox(bool fromSpins) {
  const gdi::Bitmap& view = zm1->Bitmap();
  if (view.empty()) return;
  const int w = SpinEdit2->value(), h = SpinEdit3->value();
  int x, y;
  if (fromSpins) {
    x = spbox1->value();
    y = spbox2->value();
  } else {
    x = view.width() - w;
    if (x > 0) x /= 2;
    y = view.height() - h;
    if (y > 0) y /= 2;
  }
  // A frame as wide (high) as the view or more can only start at its edge.
  if (w >= view.width()) x = 0;
  if (h >= view.height()) y = 0;

  const QPoint o = zm1->pos();
  zrtop->setGeometry(o.x() + x - kFrameEdge, o.y() + y - kFrameEdge, w + 2 * kFrameEdge,
                     kFrameEdge);
  zrleft->setGeometry(o.x() + x - kFrameEdge, o.y() + y, kFrameEdge, h);
  zrright->setGeometry(o.x() + x + w, o.y() + y, kFrameEdge, h);
  zrbot->setGeometry(o.x() + x - kFrameEdge, o.y() + y + h, w + 2 * kFrameEdge, kFrameEdge);
  for (QPushButton* edge : {zrtop, zrleft, zrright, zrbot}) {
    edge->show();
    edge->raise();
  }
  const QSignalBlocker left(spbox1), top(spbox2);
  spbox1->setValue(x);
  spbox2->setValue(y);
}

// ----- the zoom view's bitmap ---------------------------------------------------------

void TPbook1::Copy2Click() {
  ui::Clipboard& clipboard = ui::clipboard();
  if (!clipboard.hasBitmap()) clipboard.claimFormat();
  if (!zm1->Bitmap().empty() && clipboard.hasBitmap() && clipboard.setBitmap(zm1->Bitmap())) return;
  app::showClipboardMessage();
}

// Written as save as writes: asked before overwriting, JPEG for a JPEG
// name. The window keeps its name: the file is the view's, not the picture.
void TPbook1::Save2Click() {
  const std::optional<QString> chosen = ui::dialogs().saveFile(SavePictureDialog1);
  if (!chosen || chosen->isEmpty()) return;
  writeChosenPath(*chosen, zm1->Bitmap());
}
