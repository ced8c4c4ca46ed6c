// The clip paste: the clipboard's bitmap floats over the picture as a clip
// whose pure white pixels are transparent, drawn over the backdrop (the
// picture as it was when the paste began, kept in the undo copy) until "OK"
// or a tool choice leaves it where it is. The paste panel's controls are in
// TPbook1_pastepanel.cpp, the rotation in TPbook1_rotate.cpp.
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QToolButton>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "app/Windows.h"
#include "clips/engine/ClipMask.h"
#include "clips/engine/ClipSize.h"
#include "clips/engine/PaletteRemap.h"
#include "clips/engine/ReplaceWithClip.h"
#include "clips/engine/TemplateCapture.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"
#include "tools/windows/TForm3.h"

namespace {

TForm3& toolPalette() { return *app::windows().Form3; }

// The clipboard's bitmap, after claiming the bitmap format when none was
// offered. A claimed format holds no picture: empty means nothing to paste.
gdi::Bitmap clipboardBitmap() {
  ui::Clipboard& clipboard = ui::clipboard();
  if (!clipboard.hasBitmap()) clipboard.claimFormat();
  if (!clipboard.hasBitmap()) return {};
  return clipboard.bitmap();
}

}  // namespace

// ----- where the clip is ---------------------------------------------------------

gdi::Point TPbook1::PasteAnchor() const {
  const QPoint p = ptbox1->mapFrom(ScrollBox1->viewport(), QPoint(0, 0));
  return {p.x(), p.y()};
}

gdi::Point TPbook1::clipOffset() const {
  const QPoint p = clpmap1->mapTo(ScrollBox1->viewport(), QPoint(0, 0));
  return {p.x(), p.y()};
}

void TPbook1::setClipOffset(gdi::Point offset) {
  const QPoint p =
      clpmap1->parentWidget()->mapFrom(ScrollBox1->viewport(), QPoint(offset.x, offset.y));
  clpmap1->move(p);
  mask1->move(p);
}

clips::ClipPlacement TPbook1::clipPlacement() const {
  const gdi::Point anchor = PasteAnchor(), offset = clipOffset();
  const gdi::Point p{anchor.x + offset.x, anchor.y + offset.y};
  if (ClipSized) return clips::ClipPlacement::stretched(p, {TargetWidth, TargetHeight});
  return clips::ClipPlacement::at(p);
}

// ----- starting a paste ----------------------------------------------------------

void TPbook1::doapaste() {
  SizeDelta = WidthDelta = HeightDelta = 0;
  ClipSized = false;
  toolPalette().MaskMode = false;
  toolPalette().CurTool = 0;
  pastepanel1->show();
  // With nothing to paste no paste starts: the panel's buttons would
  // otherwise redraw an old clip over an old backdrop.
  if (!paste_it()) {
    pastepanel1->hide();
    return;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{chk1, pbrotbut1, resizebut1, pblassoobut1,
                                                    pbcapbxbut1, undoptb1, redoptb1})
    w->setEnabled(true);
  pbpastetobut1->setEnabled(pbpastebut1->isEnabled());
  // The arrow keys move the clip from the start.
  ptbox1->setFocus();
}

void TPbook1::pastecap() {
  TemplateCapture = true;
  doapaste();
}

bool TPbook1::paste_it() {
  gdi::Bitmap& picture = ptbox1->bitmap();
  if (!MorphPending) {
    gdi::Bitmap clip = clipboardBitmap();
    if (clip.empty()) {
      app::showClipboardMessage();
      return false;
    }
    ptbox1->refresh();
    ui::processMessages();
    clips::remapToPicturePalette(clip, picture);
    clpmap1->setBitmap(std::move(clip));
  }
  const gdi::Bitmap& clip = clpmap1->bitmap();
  clpmap1->resize(clip.width(), clip.height());
  mask1->resize(clip.width(), clip.height());
  setClipOffset({1, 1});

  // A clip shown again (turned, after an effect) leaves its old frame out
  // of the backdrop.
  floatingClip.unframe(picture);
  image2->setBitmap(picture);  // the backdrop
  mask1->setBitmap(clips::makeMask(clip, progressStep()));
  maskback->resize(mask1->size());
  maskback->setBitmap(mask1->bitmap());

  // The first draw is at the anchor itself, one pixel up and left of where
  // the offset (1, 1) puts every later draw.
  const gdi::Point anchor = PasteAnchor();
  floatingClip.start();
  floatingClip.draw(picture, clip, mask1->bitmap(), clips::ClipPlacement::at(anchor));
  floatingClip.frame(picture, gdi::Rect::fromSize(anchor.x, anchor.y, clip.width(), clip.height()));
  toolPalette().MaskMode = true;
  markModified();
  clpmap1->hide();
  ptbox1->refresh();
  return true;
}

// ----- redrawing -----------------------------------------------------------------

void TPbook1::put_paste() {
  toolPalette().MaskMode = true;
  gdi::Bitmap& picture = ptbox1->bitmap();
  if (!dragbox1->isChecked()) floatingClip.restoreAll(picture, image2->bitmap());
  floatingClip.draw(picture, clpmap1->bitmap(), mask1->bitmap(), clipPlacement());
  markModified();
  ptbox1->refresh();
}

void TPbook1::updateclipsize() {
  const gdi::Bitmap& clip = clpmap1->bitmap();
  clips::SizeDeltas d{SizeDelta, WidthDelta, HeightDelta};
  const gdi::Size target = clips::correctedTargetSize({clip.width(), clip.height()}, d);
  SizeDelta = d.size;
  WidthDelta = d.width;
  HeightDelta = d.height;
  TargetWidth = target.cx;
  TargetHeight = target.cy;
  mask1->move(clpmap1->pos());
  ClipSized = true;
  toolPalette().MaskMode = true;
  put_paste();
}

void TPbook1::sizepaste() {
  if (!ClipSized) return;
  clpmap1->setBitmap(clips::sizedClip(clpmap1->bitmap(), {TargetWidth, TargetHeight}));
  clpmap1->resize(TargetWidth, TargetHeight);
  mask1->setBitmap(clips::makeMask(clpmap1->bitmap(), progressStep()));
  mask1->resize(TargetWidth, TargetHeight);
  SizeDelta = WidthDelta = HeightDelta = 0;
  ClipSized = false;
}

// ----- dragging with the mouse ---------------------------------------------------

void TPbook1::mask1MDown(int X, int Y) {
  const clips::ClipPlacement at = clipPlacement();
  const gdi::Size size{clpmap1->bitmap().width(), clpmap1->bitmap().height()};
  const gdi::Rect area = clips::clipArea(at, size);
  if (clips::hitsClip(area, X, Y)) {
    // Whatever happened to the picture since the last draw, the drag's
    // first move puts the whole backdrop back; later moves restore only
    // where the clip was.
    floatingClip.forget();
    floatingClip.frame(ptbox1->bitmap(), area);
    DragLast = {-X, -Y};
    ptbox1->setCursor(Qt::DragMoveCursor);
    ClipDragging = true;
  } else {
    // A miss drops the clip where it is; the panel stays and its buttons
    // take the paste up again. The frame goes: the picture is the
    // tool's again.
    ClipDragging = false;
    toolPalette().MaskMode = false;
    floatingClip.unframe(ptbox1->bitmap());
  }
  ptbox1->refresh();
}

void TPbook1::mask1MMove(int X, int Y) {
  if (toolPalette().MaskMode && ClipDragging) {
    ptbox1->setCursor(Qt::DragMoveCursor);
    const gdi::Point d{X + DragLast.x, Y + DragLast.y};
    DragLast = {-X, -Y};
    const gdi::Point offset = clipOffset();
    setClipOffset({offset.x + d.x, offset.y + d.y});
    floatingClip.move(ptbox1->bitmap(), image2->bitmap(), clpmap1->bitmap(), mask1->bitmap(),
                      clipPlacement());
    markModified();
    ptbox1->refresh();
  }
  coord1->setText(QStringLiteral("%1:%2").arg(X).arg(Y));
  coord1->show();
}

void TPbook1::mask1MUp() {
  ptbox1->refresh();
  ClipDragging = false;
}

// ----- ending a paste --------------------------------------------------------------

void TPbook1::SpeedButton3Click() {
  leavePaste();
  if (TemplateCapture) endcappingpaste();
}

void TPbook1::leavePaste() {
  toolPalette().MaskMode = false;
  pastepanel1->hide();
  // The picture keeps the clip as last drawn, and nothing else.
  const gdi::Rect unframed = floatingClip.unframe(ptbox1->bitmap());
  if (!unframed.isEmpty()) ptbox1->refresh();
}

void TPbook1::endcappingpaste() {
  gdi::Bitmap& picture = ptbox1->bitmap();
  floatingClip.restoreAll(picture, image2->bitmap());
  TemplateCapture = false;
  // The area captured is the one the user saw under the template: a sized
  // template is first made its drawn size.
  sizepaste();
  const gdi::Point at =
      floatingClip.lastDrawn() ? floatingClip.lastDrawn()->pos : clipPlacement().pos;
  gdi::Bitmap captured;
  try {
    showProgress();
    captured = clips::captureUnderTemplate(picture, clpmap1->bitmap(), at, progressStep());
    bg1->hide();
  } catch (const gdi::ResourceError&) {
    bg1->hide();
    ui::dialogs().error(QStringLiteral("Not enough memory"));
    return;
  }
  clpmap1->setBitmap(std::move(captured));
  ui::Clipboard& clipboard = ui::clipboard();
  if (!clipboard.hasBitmap()) clipboard.claimFormat();
  if (clipboard.hasBitmap() && clipboard.setBitmap(clpmap1->bitmap())) {
    pbpastebut1->setEnabled(true);
    pbpastetobut1->setEnabled(true);
  } else {
    app::showClipboardMessage();
  }
  ptbox1->refresh();
  doapaste();
}

// ----- "Replace a color with clipboard" ---------------------------------------------

void TPbook1::clipreplace(gdi::TColor color) {
  gdi::Bitmap clip = clipboardBitmap();
  if (clip.empty()) {
    ui::dialogs().error(QStringLiteral("Clipboard not available"));
    return;
  }
  clpmap1->setBitmap(std::move(clip));
  bg1->setValue(0);
  bg1->show();
  gdi::Bitmap work =
      clips::replaceColorWithClip(ptbox1->bitmap(), clpmap1->bitmap(), color, progressStep());
  bg1->hide();
  ptbox1->bitmap() = std::move(work);
  markModified();
  ptbox1->refresh();
}

void TPbook1::clipOnClipboard() {
  pbpastebut1->setEnabled(true);
  pbpastetobut1->setEnabled(true);
}
