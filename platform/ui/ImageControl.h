#pragma once
// The image control: a widget that holds a bitmap and draws it, at the top
// left, centred or stretched, optionally with its key colour transparent.
//
// Drawing: change the picture through bitmap() (its canvas records the area
// it touches) and call refresh(); only that area is repainted and only the
// matching part of the picture is handed to the screen, so strokes on a
// 4000 x 4000 picture stay cheap.
//
// Mouse signals carry picture coordinates (mapped back through stretching
// and centring; outside the picture while the mouse is captured).
//
// Drag and drop inside the program: a drag source starts an InternalDrag of
// itself; a drop target accepts image controls (or what setDropFilter
// allows) and emits dropped() with the dragged control.
#include <QWidget>
#include <functional>

#include "platform/gdi/Bitmap.h"
#include "platform/ui/MouseTypes.h"
#include "platform/ui/PictureMapping.h"

namespace ui {

class ImageControl : public QWidget {
  Q_OBJECT
 public:
  explicit ImageControl(QWidget* parent = nullptr);

  gdi::Bitmap& bitmap() { return bitmap_; }
  const gdi::Bitmap& bitmap() const { return bitmap_; }
  // Takes a copy of `b` and repaints everything.
  void setBitmap(const gdi::Bitmap& b);
  void setBitmap(gdi::Bitmap&& b);

  bool stretch() const { return stretch_; }
  void setStretch(bool on);
  // The control takes the picture's size whenever the picture changes size.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool on);
  bool center() const { return center_; }
  void setCenter(bool on);
  // Pixels of the bitmap's transparent colour are not drawn.
  bool transparent() const { return transparent_; }
  void setTransparent(bool on);

  // Repaints what changed: the bitmap's dirty area (which is taken), or the
  // whole control when the size changed or nothing was marked.
  void refresh();
  // Repaints one rectangle of the picture.
  void refreshRect(const gdi::Rect& pictureRect);

  PictureMapping mapping() const;
  QPoint toPicture(QPoint controlPoint) const { return mapping().toPicture(controlPoint); }

  // --- drag and drop between the program's controls -------------------------
  // A drag source starts dragging itself when the left button moves it.
  bool dragSource() const { return dragSource_; }
  void setDragSource(bool on) { dragSource_ = on; }
  // Drags this control now (blocks until dropped or cancelled).
  void beginDrag();
  bool dropTarget() const { return acceptDrops(); }
  void setDropTarget(bool on) { setAcceptDrops(on); }
  // Which dragged controls a drop accepts; by default any image control.
  void setDropFilter(std::function<bool(QWidget* source)> filter) {
    dropFilter_ = std::move(filter);
  }
  bool acceptsDrop(QWidget* source) const;
  // The drop itself: emits dropped() when `source` is accepted.
  bool dropFrom(QWidget* source, QPoint controlPoint);

  QSize sizeHint() const override;

 signals:
  void mouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void mouseMove(ui::ShiftState shift, int x, int y);
  void mouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void clicked();
  void doubleClicked();
  // `source` was dropped here at picture point (x, y).
  void dropped(QWidget* source, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void pictureReplaced();

  gdi::Bitmap bitmap_;
  QSize shownSize_;
  bool stretch_ = false;
  bool autoSize_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool dragSource_ = false;
  bool pressedInside_ = false;
  QPoint pressPoint_;
  std::function<bool(QWidget*)> dropFilter_;
};

}  // namespace ui
