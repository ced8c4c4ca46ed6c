// The curve tool and the polygon tools' vertices on the picture.
//
// A curve is dragged out as a chord (a not-xor rubber line), becomes a
// not-xor curve with four handles (start, end, control 1, control 2), each
// moved by clicking it, moving the mouse and clicking the picture, and is
// drawn with the real pen by a right click. A handle can also be dragged
// with the button held: its moves and release are the picture's own. Every
// not-xor figure is taken away by drawing it once more.
#include <QApplication>
#include <QTimer>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/ShapeControl.h"
#include "tools/engine/PenSetup.h"
#include "tools/engine/RubberBand.h"
#include "tools/windows/TForm3.h"

namespace {

TForm3& drawingState() { return *app::windows().Form3; }

// The rubber line of a chord: from the press point (the rectangle's
// top-left as stored) to the mouse.
void drawChord(gdi::Canvas& c, const gdi::Rect& r) {
  c.moveTo(r.left, r.top);
  c.lineTo(r.right, r.bottom);
}

// Where a curve drawn with a one-pixel pen may change the picture: its
// segments, each on its own, so a move repaints a thin band, not the box.
std::vector<gdi::Rect> curveAreas(const tools::BezierPoints& curve) {
  std::vector<gdi::Rect> areas;
  gdi::Point from = curve.start;
  for (const gdi::Point& p : tools::bezierPath(curve)) {
    const std::vector<gdi::Rect> segment = tools::lineAreas(from, p, 1);
    areas.insert(areas.end(), segment.begin(), segment.end());
    from = p;
  }
  return areas;
}

std::vector<gdi::Rect> chordAreas(const gdi::Rect& r) {
  return tools::lineAreas({r.left, r.top}, {r.right, r.bottom}, 1);
}

tools::BezierPoints currentCurve(const TPbook1& w) {
  return {w.BezStart, w.BezCtl1, w.BezCtl2, w.BezEnd};
}

}  // namespace

void TPbook1::pDownbez(ui::MouseButton /*Button*/, int X, int Y) {
  StrokeOn = true;
  if (!MouseIsDown) DownPoint = {X, Y};
  MouseIsDown = !MouseIsDown;
  set_t(12);
}

void TPbook1::pvebez(ui::ShiftState Shift, int X, int Y) {
  if (!StrokeOn) return;
  gdi::Canvas& c = picture().canvas();
  const bool buttonUp = (Shift & (ui::ssLeft | ui::ssRight | ui::ssMiddle)) == 0;
  if (BezEditing || AnyHandleDrag) {
    // A drag on the picture away from the handles changes nothing: a chord
    // band there would be left over the curve.
    if (!buttonUp && !AnyHandleDrag) return;
    // Passing over the picture without a handle: the curve already shows.
    if (!AnyHandleDrag && BezOnPicture) return;
    set_t(12);  // the not-xor pen, whatever was drawn with since
    if (BezOnPicture) trackedDraw(curveAreas(BezShown), [&] { tools::drawBezier(c, BezShown); });
    const gdi::Point p{X, Y};
    if (HandleDrag[0]) BezStart = p;
    if (HandleDrag[1]) BezEnd = p;
    if (HandleDrag[2]) BezCtl1 = p;
    if (HandleDrag[3]) BezCtl2 = p;
    BezShown = currentCurve(*this);
    trackedDraw(curveAreas(BezShown), [&] { tools::drawBezier(c, BezShown); });
    BezOnPicture = true;
  } else {
    if (buttonUp) return;
    RubberRect = {DownPoint.x, DownPoint.y, X, Y};
    if (!FirstRubber)
      trackedDraw(chordAreas(LastRubberRect), [&] { drawChord(c, LastRubberRect); });
    trackedDraw(chordAreas(RubberRect), [&] { drawChord(c, RubberRect); });
    LastRubberRect = RubberRect;
  }
  FirstRubber = false;
}

void TPbook1::pUpbez(ui::MouseButton Button, int X, int Y) {
  MouseIsDown = false;
  gdi::Canvas& c = picture().canvas();
  ui::ShapeControl* handles[] = {s1, s2, s3, s4};
  auto placeHandles = [&] {
    const gdi::Point at[] = {BezStart, BezEnd, BezCtl1, BezCtl2};
    for (int i = 0; i < 4; ++i) {
      const gdi::Point p = tools::handlePosition(at[i]);
      handles[i]->move(ptbox1->x() + p.x, ptbox1->y() + p.y);
    }
  };

  if (!BezEditing) {
    const gdi::Point up{X, Y};
    if (tools::isTinyChord(DownPoint, up)) {
      // No curve; the little chord shown while dragging goes too.
      if (!FirstRubber)
        trackedDraw(chordAreas(LastRubberRect), [&] { drawChord(c, LastRubberRect); });
      FirstRubber = true;
      StrokeOn = false;
    } else {
      BezStart = DownPoint;
      BezEnd = up;
      const auto controls = tools::bezierControls(BezStart, BezEnd);
      BezCtl1 = controls[0];
      BezCtl2 = controls[1];
      set_t(12);
      placeHandles();
      for (ui::ShapeControl* h : handles) {
        h->show();
        h->raise();
      }
      BezEditing = true;
      BezShown = currentCurve(*this);
      // The chord goes; the curve shows at the next move.
      if (!FirstRubber)
        trackedDraw(chordAreas(LastRubberRect), [&] { drawChord(c, LastRubberRect); });
      FirstRubber = true;
      CurveShowing = true;
    }
  }

  for (int i = 0; i < 4; ++i) {
    if (!HandleDrag[std::size_t(i)]) continue;
    set_t(12);
    HandleDrag[std::size_t(i)] = false;
    placeHandles();
  }

  // A right click draws the curve for good; without a curve there is
  // nothing to draw.
  if (Button == ui::MouseButton::Right && BezEditing) {
    const TForm3& s = drawingState();
    set_t(12);
    for (ui::ShapeControl* h : handles) h->hide();
    // The not-xor curve goes first, so a wide or light pen leaves no trace of it.
    if (BezOnPicture) trackedDraw(curveAreas(BezShown), [&] { tools::drawBezier(c, BezShown); });
    BezOnPicture = false;
    CurveShowing = false;
    c.pen.mode = gdi::PenMode::Copy;
    c.pen.style = gdi::PenStyle::Solid;
    c.pen.width = s.LineWidth;
    c.pen.color = s.ForeColor;
    c.brush.setColor(s.BackColor);
    tools::drawBezier(c, currentCurve(*this));
    markModified();
    FirstRubber = true;
    BezEditing = false;
    HandleDrag = {};
    AnyHandleDrag = false;
    MouseIsDown = false;
    set_t(12);
    BezStart = BezEnd = BezCtl1 = BezCtl2 = {};
    BezShown = {};
    StrokeOn = false;
  }

  zm1->unsetCursor();
  HandleDrag = {};
  AnyHandleDrag = false;
}

void TPbook1::s1MouseDown() {
  HandleDrag[0] = true;
  AnyHandleDrag = true;
}

void TPbook1::s2MouseDown() {
  HandleDrag[1] = true;
  AnyHandleDrag = true;
}

void TPbook1::s3MouseDown() {
  HandleDrag[2] = true;
  AnyHandleDrag = true;
}

void TPbook1::s4MouseDown() {
  HandleDrag[3] = true;
  AnyHandleDrag = true;
}

void TPbook1::handleMouseDown(int handle, int x, int y) {
  switch (handle) {
    case 0:
      s1MouseDown();
      break;
    case 1:
      s2MouseDown();
      break;
    case 2:
      s3MouseDown();
      break;
    default:
      s4MouseDown();
      break;
  }
  handlePress_ = {x, y};
  handleDragging_ = false;
}

QPoint TPbook1::handleToPicture(int handle, int x, int y) const {
  const ui::ShapeControl* handles[] = {s1, s2, s3, s4};
  // The handles and the picture share one parent.
  return ptbox1->toPicture(handles[handle]->pos() + QPoint(x, y) - ptbox1->pos());
}

void TPbook1::handleMouseMove(int handle, ui::ShiftState Shift, int x, int y) {
  const bool buttonHeld = (Shift & (ui::ssLeft | ui::ssRight | ui::ssMiddle)) != 0;
  if (!buttonHeld || !HandleDrag[std::size_t(handle)]) return;
  // A press that wobbles a little is still a click.
  if (!handleDragging_ &&
      (QPoint(x, y) - handlePress_).manhattanLength() < QApplication::startDragDistance())
    return;
  handleDragging_ = true;
  const QPoint at = handleToPicture(handle, x, y);
  ptbox1MouseMove(Shift, at.x(), at.y());
  ui::ShapeControl* handles[] = {s1, s2, s3, s4};
  const gdi::Point p = tools::handlePosition({at.x(), at.y()});
  handles[handle]->move(ptbox1->x() + p.x, ptbox1->y() + p.y);
}

void TPbook1::handleMouseUp(int handle, ui::MouseButton Button, ui::ShiftState Shift, int x,
                            int y) {
  if (!handleDragging_) return;
  handleDragging_ = false;
  const QPoint at = handleToPicture(handle, x, y);
  ptbox1MouseUp(Button, Shift, at.x(), at.y());
}

void TPbook1::remove_boxes() {
  set_t(12);
  for (ui::ShapeControl* h : {s1, s2, s3, s4}) h->hide();
  // Only a curve on the picture is drawn away: straight after the chord it
  // shows at the first move only.
  if (BezOnPicture)
    trackedDraw(curveAreas(BezShown), [&] { tools::drawBezier(picture().canvas(), BezShown); });
  BezOnPicture = false;
  BezEditing = false;
  HandleDrag = {};
  AnyHandleDrag = false;
  StrokeOn = false;
  FirstRubber = true;
  set_itback();
  repaintCanvas();
}

void TPbook1::polyvertex(ui::MouseButton Button, int X, int Y) {
  TForm3& s = drawingState();
  gdi::Canvas& c = picture().canvas();
  c.pen.mode = gdi::PenMode::Copy;
  c.pen.width = s.LineWidth;
  c.pen.color = s.ForeColor;
  DownPoint = {X, Y};
  StrokeOn = false;
  c.pen.style = gdi::PenStyle::InsideFrame;
  c.brush.setColor(s.BackColor);
  const tools::PolyEdge edge = tools::addPolyVertex(PolyPoints, PolyCount, {X, Y});
  c.moveTo(edge.from.x, edge.from.y);
  c.lineTo(edge.to.x, edge.to.y);

  if (Button == ui::MouseButton::Right) {
    tools::closePolygon(PolyPoints, PolyCount);
    if (s.CurTool == 7) {
      c.polyline(PolyPoints.all());
    } else {
      tools::applyFillBrush(c, s, s.patbox1 ? &s.patbox1->bitmap() : nullptr);
      c.polygon(PolyPoints.all());
    }
    PolyCount = 1;
    PolyActive = false;
    StrokeOn = false;
  }
}
