#include "controls/TZoomImage.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Rop.h"
#include "platform/ui/QtBitmap.h"

TZoomImage::TZoomImage(QWidget* parent) : QWidget(parent) {
  resize(160, 160);
  // Windows hear of every move over the view, buttons down or not.
  setMouseTracking(true);
  rect_.reset();
}

controls::ZoomRect& TZoomImage::geometry() {
  rect_.viewWidth = width();
  rect_.viewHeight = height();
  return rect_;
}

template <typename Change>
void TZoomImage::changeRect(Change change) {
  const controls::ZoomRect before = geometry();
  change(rect_);
  if (!(rect_ == before)) update();
}

namespace {

// Same pixels, format and palette: handing the view such a bitmap changes
// nothing it shows.
bool sameBitmap(const gdi::Bitmap& a, const gdi::Bitmap& b) {
  return a.pixelFormat() == b.pixelFormat() && a.hasPalette() == b.hasPalette() &&
         (!a.hasPalette() || a.palette() == b.palette()) && a == b;
}

}  // namespace

void TZoomImage::setBitmap(const gdi::Bitmap& picture) {
  // The main window hands the view the picture at every page set-up; when
  // that is what it holds already, the rectangle stays and nothing repaints.
  if (sameBitmap(bitmap_, picture)) {
    updateOpacity();
    return;
  }
  bitmap_ = picture;
  bitmapChanged();
}

void TZoomImage::updateOpacity() {
  // A bitmap of exactly the control's size covers it, so the background need
  // not be erased first.
  setAttribute(Qt::WA_OpaquePaintEvent,
               !bitmap_.empty() && bitmap_.width() == width() && bitmap_.height() == height());
}

void TZoomImage::bitmapChanged() {
  rect_.bitmapWidth = bitmap_.width();
  rect_.bitmapHeight = bitmap_.height();
  updateOpacity();
  geometry().reset();
  frameValid_ = false;
  update();
}

void TZoomImage::setVisleft(int v) {
  changeRect([v](controls::ZoomRect& r) { r.setLeft(v); });
}
void TZoomImage::setVistop(int v) {
  changeRect([v](controls::ZoomRect& r) { r.setTop(v); });
}
void TZoomImage::setVisright(int v) {
  changeRect([v](controls::ZoomRect& r) { r.setRight(v); });
}
void TZoomImage::setVisbottom(int v) {
  changeRect([v](controls::ZoomRect& r) { r.setBottom(v); });
}

int TZoomImage::zoomValue() const {
  controls::ZoomRect r = rect_;
  r.viewWidth = width();
  r.viewHeight = height();
  return r.zoomValue();
}

void TZoomImage::setZoomValue(int percent) {
  changeRect([percent](controls::ZoomRect& r) { r.setZoomValue(percent); });
}

void TZoomImage::setXCenter(int v) {
  changeRect([v](controls::ZoomRect& r) { r.setXCenter(v); });
}
void TZoomImage::setYCenter(int v) {
  changeRect([v](controls::ZoomRect& r) { r.setYCenter(v); });
}

void TZoomImage::setInvert(bool on) {
  if (bitmap_.empty() || on == invert_) return;
  invert_ = on;
  update();
}

void TZoomImage::setDisplayEnabled(bool on) {
  if (on == displayEnabled_) return;
  displayEnabled_ = on;
  update();
}

const gdi::Bitmap& TZoomImage::renderFrame() {
  static const gdi::Bitmap nothing;
  if (bitmap_.empty() || !displayEnabled_ || width() <= 0 || height() <= 0) return nothing;

  const gdi::Rect source = visibleRect();
  const FrameKey key{source, width(), height(), stretchMode()};
  // Drawing into the bitmap without bitmapChanged() still marks it dirty.
  if (frameValid_ && key == frameKey_ && bitmap_.dirty().isEmpty()) return frame_;

  if (frame_.width() != key.width || frame_.height() != key.height)
    frame_ = gdi::Bitmap(key.width, key.height);
  // Parts of the rectangle outside the bitmap (the 10-pixel minimum on a
  // small bitmap) are not drawn by the stretch; show them white.
  if (source.intersected(bitmap_.rect()) != source) frame_.fill(gdi::clWhite);
  gdi::stretchBlt(frame_, 0, 0, key.width, key.height, bitmap_, source.left, source.top,
                  source.width(), source.height(), gdi::SRCCOPY, key.mode, gdi::Brush());
  frame_.takeDirty();
  bitmap_.takeDirty();
  frameKey_ = key;
  frameValid_ = true;
  ++renderCount_;
  return frame_;
}

void TZoomImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const gdi::Bitmap& frame = renderFrame();
  if (frame.empty()) {
    // Nothing to show; an opaque control must still cover its area.
    if (testAttribute(Qt::WA_OpaquePaintEvent)) painter.fillRect(rect(), palette().window());
    return;
  }
  // Converted once per rendered frame to the backing store's own format, so
  // repainting an unchanged view is a plain copy.
  if (screenFrameRender_ != renderCount_ || screenFrame_.isNull()) {
    screenFrame_ = ui::sharedImage(frame).convertToFormat(QImage::Format_RGB32);
    screenFrameRender_ = renderCount_;
  }
  painter.drawImage(QPoint(0, 0), screenFrame_);
}

void TZoomImage::mousePressEvent(QMouseEvent* event) {
  emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TZoomImage::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TZoomImage::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
  update();
}
