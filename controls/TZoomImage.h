#pragma once
// The zoom view: shows a rectangle of its own bitmap stretched over its whole
// client area. Windows steer it through the edges of the visible rectangle,
// the zoom value in percent and the centre; `Invert` picks how shrinking
// combines dropped pixels (AND normally, OR when inverted).
//
// Every setter does nothing while the view has no bitmap. Painting keeps the
// last rendered frame and only renders again when the rectangle, the control
// size, the stretch mode, the display flag or the bitmap changed.
#include <QImage>
#include <QPoint>
#include <QWidget>

#include "controls/ZoomRect.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Canvas.h"

class TZoomImage : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int visleft READ visleft WRITE setVisleft)
  Q_PROPERTY(int vistop READ vistop WRITE setVistop)
  Q_PROPERTY(int visright READ visright WRITE setVisright)
  Q_PROPERTY(int visbottom READ visbottom WRITE setVisbottom)
  Q_PROPERTY(int zoomValue READ zoomValue WRITE setZoomValue)
  Q_PROPERTY(int XCenter READ XCenter WRITE setXCenter)
  Q_PROPERTY(int YCenter READ YCenter WRITE setYCenter)
  Q_PROPERTY(bool Invert READ Invert WRITE setInvert)
  Q_PROPERTY(bool displayEnabled READ displayEnabled WRITE setDisplayEnabled)

 public:
  // 160 x 160, no bitmap, rectangle (0, 0, 10, 10), display on.
  explicit TZoomImage(QWidget* parent = nullptr);

  // The view's own bitmap. setBitmap takes a copy of the picture (drawing on
  // the picture later does not reach the view) and resets the rectangle to the whole bitmap; a
  // picture equal to the one held (pixels, format, palette) changes nothing. Code that draws into
  // Bitmap() or resizes it calls bitmapChanged() afterwards; drawing that
  // only marks the bitmap dirty is still shown, but keeps the rectangle.
  const gdi::Bitmap& Bitmap() const { return bitmap_; }
  gdi::Bitmap& Bitmap() { return bitmap_; }
  void setBitmap(const gdi::Bitmap& picture);
  // The bitmap's content or size changed: the rectangle becomes the whole
  // bitmap, the control is opaque exactly when the bitmap has its size.
  void bitmapChanged();

  // Visible rectangle in bitmap pixels, right and bottom exclusive.
  int visleft() const { return rect_.left; }
  int vistop() const { return rect_.top; }
  int visright() const { return rect_.right; }
  int visbottom() const { return rect_.bottom; }
  void setVisleft(int v);
  void setVistop(int v);
  void setVisright(int v);
  void setVisbottom(int v);
  gdi::Rect visibleRect() const { return {rect_.left, rect_.top, rect_.right, rect_.bottom}; }

  // Percent; 0 shows the whole bitmap. Reads 100 without a bitmap.
  int zoomValue() const;
  void setZoomValue(int percent);

  int XCenter() const { return rect_.xCenter(); }
  int YCenter() const { return rect_.yCenter(); }
  void setXCenter(int v);
  void setYCenter(int v);

  bool Invert() const { return invert_; }
  void setInvert(bool on);
  // BlackOnWhite normally, WhiteOnBlack while inverted.
  gdi::StretchMode stretchMode() const {
    return invert_ ? gdi::StretchMode::WhiteOnBlack : gdi::StretchMode::BlackOnWhite;
  }

  // While off the bitmap is not painted (the main window turns it off with
  // "Normal Size" and on again with the zoom).
  bool displayEnabled() const { return displayEnabled_; }
  void setDisplayEnabled(bool on);

  // The frame the control shows, of the control's size, rendered now if
  // anything changed since the last one. Empty while nothing is shown.
  const gdi::Bitmap& renderFrame();
  // How many times a frame was rendered (lets callers see that a repaint
  // without changes reused the last frame).
  int renderCount() const { return renderCount_; }

 signals:
  // Mouse events in control coordinates, passed on to the window.
  void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The rectangle arithmetic with the control's current size.
  controls::ZoomRect& geometry();
  // Opaque exactly while the bitmap has the control's size.
  void updateOpacity();
  // Runs a change of the rectangle and repaints when it moved.
  template <typename Change>
  void changeRect(Change change);

  // What the cached frame was rendered from.
  struct FrameKey {
    gdi::Rect source;
    int width = 0, height = 0;
    gdi::StretchMode mode = gdi::StretchMode::BlackOnWhite;
    friend bool operator==(const FrameKey&, const FrameKey&) = default;
  };

  gdi::Bitmap bitmap_;
  controls::ZoomRect rect_;
  bool invert_ = false;
  bool displayEnabled_ = true;

  gdi::Bitmap frame_;
  FrameKey frameKey_;
  bool frameValid_ = false;
  int renderCount_ = 0;
  // The frame in the screen's pixel format, and the render it was made from.
  QImage screenFrame_;
  int screenFrameRender_ = -1;
};
