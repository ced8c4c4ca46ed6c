// Capturing part of the picture as the clip: the capture box, the outline
// (lasso) capture, the circular capture and the whole picture; the colour
// replacement inside an outline; and the hand-over of a finished clip to the
// clipboard, the paste buttons and the special captures' next step.
//
// The clips are cut by the capture engine from the picture itself, so the
// undo copy is never borrowed as scratch.
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "app/Toptions1.h"
#include "app/Windows.h"
#include "clips/engine/CaptureBox.h"
#include "clips/engine/CircleCapture.h"
#include "clips/engine/ClipColorReplace.h"
#include "clips/engine/OutlineCapture.h"
#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Services.h"
#include "platform/ui/UserDialogs.h"
#include "tools/engine/RubberBand.h"
#include "tools/windows/TForm3.h"

namespace {

TForm3& drawingState() { return *app::windows().Form3; }

// The captures whose clip goes on to the options window (or, with a morph
// pending, straight into a paste).
bool isSpecialCapture(int code) { return code == 25 || code == 109 || code == 229; }

// The capture outline pen: one pixel, black, not-xor.
void setOutlinePen(gdi::Canvas& c, int width) {
  c.pen.width = width;
  c.pen.color = gdi::clBlack;
  c.pen.mode = gdi::PenMode::NotXor;
}

// Where a one-pixel rectangle band changes the picture: its four sides.
std::vector<gdi::Rect> boxAreas(const gdi::Rect& r) {
  return tools::figureOutlineAreas(tools::BandFigure::Rectangle, r, 1);
}

}  // namespace

gdi::Size TPbook1::zoomViewSize() const { return {zm1->width(), zm1->height()}; }

// ----- capture box --------------------------------------------------------------

void TPbook1::capboxMouseDown(int X, int Y) {
  StrokeOn = true;
  if (!MouseIsDown) DownPoint = {X, Y};
  MouseIsDown = true;
  picture().canvas().moveTo(X, Y);
  set_t(drawingState().CurTool);
}

void TPbook1::capboxMouseMove(int X, int Y) {
  if (!StrokeOn || !MouseIsDown) return;
  gdi::Canvas& c = picture().canvas();
  c.pen.width = 1;
  c.pen.color = gdi::clBlack;
  c.brush.setStyle(gdi::BrushStyle::Clear);
  RubberRect = {DownPoint.x, DownPoint.y, X, Y};
  if (!FirstRubber) trackedDraw(boxAreas(LastRubberRect), [&] { c.rectangle(LastRubberRect); });
  trackedDraw(boxAreas(RubberRect), [&] { c.rectangle(RubberRect); });
  LastRubberRect = RubberRect;
  FirstRubber = false;
}

void TPbook1::capboxMouseUp(int X, int Y) {
  TForm3& s = drawingState();
  MouseIsDown = false;
  set_t(s.CurTool);
  gdi::Canvas& c = picture().canvas();
  // Drawn once more, the last rubber band goes. It is drawn where it was
  // last shown (a release away from the last move, or a click without a
  // move, would otherwise leave a not-xor rectangle on the picture).
  if (releaseBandShown_) {
    c.pen.width = 1;
    c.pen.color = gdi::clBlack;
    c.brush.setStyle(gdi::BrushStyle::Clear);
    trackedDraw(boxAreas(releaseBand_), [&] { c.rectangle(releaseBand_); });
  }

  const gdi::Rect box = clips::captureBox(DownPoint, {X, Y});
  const auto corners = clips::boxOutline(box);
  for (int i = 1; i <= 5; ++i) PolyPoints[i] = corners[std::size_t(i - 1)];
  PolyPoints.repeatFirstFrom(5);
  PolyCount = 5;
  const bool handedOver = recrepcolor(5);

  // "Cut": the area is left in the background colour. The box is the
  // captured one, so a click clears the 10 x 10 area it captured. Only a
  // clip the clipboard took is cleared: otherwise the cut content would be
  // nowhere.
  if (s.CurTool == 23 && handedOver) clearBox(box);
  CapturedBox = box;
  PolyCount = 1;
  PolyActive = false;
  StrokeOn = false;
  MouseIsDown = false;
}

void TPbook1::clearBox(const gdi::Rect& box) {
  markModified();
  const TForm3& s = drawingState();
  gdi::Canvas& c = picture().canvas();
  c.pen.mode = gdi::PenMode::Copy;
  c.pen.color = s.BackColor;
  c.brush.setColor(s.BackColor);
  c.pen.width = 1;
  c.brush.setStyle(gdi::BrushStyle::Solid);
  c.pen.style = gdi::PenStyle::InsideFrame;
  c.rectangle(box);
}

// ----- outline capture -------------------------------------------------------------

void TPbook1::polycopyDown(ui::MouseButton /*Button*/, int X, int Y) {
  if (!MouseIsDown) {
    DownPoint = {X, Y};
    tools::beginPolygon(PolyPoints, PolyCount, {X, Y});
  }
  MouseIsDown = true;
  if (!PolyActive) set_t(drawingState().CurTool);
  PolyActive = true;
}

void TPbook1::polycopypve(int X, int Y) {
  if (!MouseIsDown && !PolyActive) return;
  RubberRect = {DownPoint.x, DownPoint.y, X, Y};
  LastRubberRect = RubberRect;
  FirstRubber = false;
  setOutlinePen(picture().canvas(), OutlineWidth);
}

void TPbook1::polycopyUp(ui::MouseButton Button, int X, int Y) {
  MouseIsDown = false;
  set_t(drawingState().CurTool);
  DownPoint = {X, Y};
  gdi::Canvas& c = picture().canvas();
  setOutlinePen(c, OutlineWidth);
  const tools::PolyEdge edge = tools::addPolyVertex(PolyPoints, PolyCount, {X, Y});
  trackedDraw(tools::lineAreas(edge.from, edge.to, OutlineWidth), [&] {
    c.moveTo(edge.from.x, edge.from.y);
    c.lineTo(edge.to.x, edge.to.y);
  });
  OutlineShown.push_back(edge);
  Timer1->start(1000);
  Timer1->stop();

  if (Button != ui::MouseButton::Right) return;
  tools::closePolygon(PolyPoints, PolyCount);
  // The not-xor outline comes off the picture before it is cut.
  takeOutlineOff();
  repcolor(PolyCount);
  MouseIsDown = false;
  PolyCount = 1;
  PolyActive = false;
  StrokeOn = false;
}

// Every edge drawn once more, exactly as it was drawn: the vertex list alone
// cannot say, as once it is full the last vertex is overwritten.
void TPbook1::takeOutlineOff() {
  if (OutlineShown.empty()) return;
  gdi::Canvas& c = picture().canvas();
  const gdi::Pen pen = c.pen;
  setOutlinePen(c, OutlineWidth);
  for (const tools::PolyEdge& e : OutlineShown) {
    trackedDraw(tools::lineAreas(e.from, e.to, OutlineWidth), [&] {
      c.moveTo(e.from.x, e.from.y);
      c.lineTo(e.to.x, e.to.y);
    });
  }
  c.pen = pen;
  OutlineShown.clear();
  repaintCanvas();
}

// ----- cutting the clip ---------------------------------------------------------------

namespace {

// The clip into clpmap1 (sized to it) and its origin.
// A captured outline is finished: the vertex list closes on its first point
// and the next press starts a new outline.
void endOutlineStroke(TPbook1& w) {
  w.PolyPoints.repeatFirstFrom(w.PolyCount);
  w.PolyCount = 1;
  w.PolyActive = false;
  w.StrokeOn = false;
  w.MouseIsDown = false;
}

void takeClip(TPbook1& w, clips::Capture& cap) {
  w.CaptureOrigin = cap.origin;
  w.clpmap1->setBitmap(std::move(cap.clip));
  w.clpmap1->resize(w.clpmap1->bitmap().width(), w.clpmap1->bitmap().height());
}

}  // namespace

void TPbook1::repcolor(int count) {
  clips::Capture cap =
      clips::captureOutline(picture(), PolyPoints.all(), count, zoomViewSize(), OutlineWidth);
  // An outline without width or height captures nothing and leaves the
  // outline state as it is.
  if (!cap.captured()) return;
  endOutlineStroke(*this);
  const gdi::Point area{cap.area.left, cap.area.top};
  takeClip(*this, cap);
  clpmap1->hide();
  if (drawingState().CurTool == 19) {
    // Only the inside of the outline lands back: the clip's white is skipped.
    if (docoreplace()) {
      clips::drawClipOver(picture(), clpmap1->bitmap(), area);
      markModified();
    }
    ptbox1->refresh();
    return;
  }
  minirepcolor();
}

bool TPbook1::recrepcolor(int count) {
  clips::Capture cap =
      clips::captureBoxInside(picture(), PolyPoints.all(), count, zoomViewSize(), OutlineWidth);
  if (!cap.captured()) return false;
  endOutlineStroke(*this);
  takeClip(*this, cap);
  clpmap1->hide();
  return minirepcolor();
}

void TPbook1::capcircle(int X1, int Y1, int X2, int Y2) {
  clips::Capture cap = clips::captureEllipse(picture(), {X1, Y1}, {X2, Y2}, OutlineWidth);
  PolyActive = false;
  StrokeOn = false;
  MouseIsDown = false;
  if (!cap.captured()) return;
  takeClip(*this, cap);
  clpmap1->hide();
  minirepcolor();
}

bool TPbook1::docoreplace() {
  const TForm3& s = drawingState();
  if (clips::replaceClipColor(clpmap1->bitmap(), s.ForeColor, s.BackColor) ==
      clips::ClipReplace::RefusedWhite) {
    ui::dialogs().message(QStringLiteral("Cannot replace with white using this tool."),
                          QStringLiteral("error"));
    return false;
  }
  return true;
}

// ----- handing the clip over -----------------------------------------------------------

bool TPbook1::minirepcolor() {
  gdi::Bitmap& clip = clpmap1->bitmap();
  if (MorphPending) {
    if (!morfimage1->bitmap().empty()) {
      bg1->show();
      morfimage1->setStretch(false);
      morfimage1->setAutoSize(true);
      gdi::Bitmap shaped = clip;
      if (morphInto(morfimage1->bitmap(), shaped)) clip = std::move(shaped);
      // What the morph left outside the shape (the colour at (1, 1)) turns white.
      gdi::Canvas& c = clip.canvas();
      c.brush.setStyle(gdi::BrushStyle::Solid);
      c.pen.mode = gdi::PenMode::Copy;
      c.brush.setColor(gdi::clWhite);
      c.floodFill(1, 1, clip.pixel(1, 1), gdi::FillStyle::Surface);
      clpmap1->refresh();
      bg1->hide();
    } else {
      MorphPending = false;
    }
  }

  ui::Clipboard& board = ui::clipboard();
  if (!board.hasBitmap()) board.claimFormat();
  const bool handedOver = board.hasBitmap() && board.setBitmap(clip);
  if (handedOver) {
    pbpastebut1->setEnabled(true);
    pbpastetobut1->setEnabled(true);
  } else {
    app::showClipboardMessage();
  }

  TForm3& s = drawingState();
  if (isSpecialCapture(s.CurTool)) {
    if (MorphPending) {
      MorphPending = false;
      paste_it();
      pastepanel1->show();
      s.CurTool = 0;
    } else {
      morfimage1->setBitmap(clip);
      openAreaOptions();
      MorphPending = true;
    }
  }
  PageControl1->setCurrentWidget(TabSheet1);
  update();
  return handedOver;
}

void TPbook1::openAreaOptions() {
  Panel3->show();
  Toptions1* options = app::windows().options1;
  if (!options) return;
  options->Panel4->show();
  options->show();
  options->Panel5->setVisible(options->RadioGroup1->itemIndex() >= 2);
  options->raise();
}

bool TPbook1::getcap() {
  ui::Clipboard& board = ui::clipboard();
  auto unavailable = [] {
    ui::dialogs().message(QStringLiteral("Clipboard Unavailable."),
                          QStringLiteral("Clipboard Error"));
    return false;
  };
  if (!board.hasBitmap()) {
    board.claimFormat();
    if (!board.hasBitmap()) return unavailable();
  }
  ptbox1->refresh();
  ui::processMessages();
  // A clipboard that refuses the picture is reported too: "Cut" must not
  // clear a picture that was never copied.
  if (!board.setBitmap(picture())) return unavailable();
  return true;
}
