// The canvas handlers of the picture: every mouse event on ptbox1 goes to a
// tool by the palette's current tool code. The tools' pixel work is engine
// code under tools/engine; what is here is the routing and the stroke state.
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <random>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "tools/engine/ColorReplacer.h"
#include "tools/engine/GradientFills.h"
#include "tools/engine/PenSetup.h"
#include "tools/engine/PictureCopy.h"
#include "tools/engine/PixelMover.h"
#include "tools/engine/RubberBand.h"
#include "tools/engine/ShapeStamp.h"
#include "tools/engine/Spray.h"
#include "tools/engine/ToolGroups.h"
#include "tools/windows/TForm3.h"

namespace {

TForm3& toolPalette() { return *app::windows().Form3; }

// The spray can is reseeded from the clock for every burst.
tools::RandomInt clockRandom() {
  auto rng = std::make_shared<std::mt19937>(
      unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
  return [rng](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(*rng); };
}

// Rounded rectangles, ellipses and the circle captures show their band until
// the release, which takes it away before anything else.
bool erasesBandFirst(int tool) {
  return tool == tools::kRoundRect || tool == tools::kFilledRoundRect || tool == tools::kCircle ||
         tool == tools::kFilledCircle || tools::isCircleCapture(tool) || tool == tools::kGlobe;
}

bool isGradientBox(int tool) {
  return tool == tools::kHGradientBox || tool == tools::kVGradientBox ||
         tool == tools::kGradientFrame;
}

gdi::Rect moverBox(int x, int y, int lineWidth) {
  const int side = tools::pixelMoverBlock(lineWidth);
  return {x - 3, y - 3, x + side + 3, y + side + 3};
}

}  // namespace

void TPbook1::wireCanvas() {
  ui::connectGuarded(
      ptbox1, &ui::ImageControl::mouseDown, this,
      [this](ui::MouseButton b, ui::ShiftState s, int x, int y) { ptbox1MouseDown(b, s, x, y); });
  ui::connectGuarded(ptbox1, &ui::ImageControl::mouseMove, this,
                     [this](ui::ShiftState s, int x, int y) { ptbox1MouseMove(s, x, y); });
  ui::connectGuarded(
      ptbox1, &ui::ImageControl::mouseUp, this,
      [this](ui::MouseButton b, ui::ShiftState s, int x, int y) { ptbox1MouseUp(b, s, x, y); });
}

gdi::Canvas& TPbook1::canvas() { return picture().canvas(); }

// ===== mouse down ================================================================

void TPbook1::ptbox1MouseDown(ui::MouseButton Button, ui::ShiftState, int X, int Y) {
  TForm3& f = toolPalette();
  const int tool = f.CurTool;
  // Some tools paint at the press (fills, spray, the colour replacers).
  if (!f.MaskMode && tools::paintsPicture(tool)) markModified();
  DragCancelled = false;
  if (tool != tools::kSpray) Timer1Timer();
  if (f.MaskMode) {
    ptbox1->setCursor(Qt::PointingHandCursor);
    mask1MDown(X, Y);
  } else {
    StrokeOn = true;
    if (tool == tools::kColorReplacer) {
      set_t(tool);
      pDownco(X, Y);
    } else if (tools::isGroupA(tool)) {
      pDown(Button, X, Y);
    } else if (tools::isCaptureBox(tool)) {
      ptbox1->setCursor(Qt::CrossCursor);
      capboxMouseDown(X, Y);
    } else if (tools::isOutlineCapture(tool)) {
      ptbox1->setCursor(Qt::ArrowCursor);
      polycopyDown(Button, X, Y);
    } else if (tool == tools::kBezier) {
      ptbox1->setCursor(Qt::ArrowCursor);
      pDownbez(Button, X, Y);
    } else if (tool == tools::kSampler) {
      // Off the picture there is no colour to take.
      const gdi::TColor c = picture().pixel(X, Y);
      if (c >= 0 && Button == ui::MouseButton::Right) f.BackColor = c;
      if (c >= 0 && Button == ui::MouseButton::Left) f.ForeColor = c;
      f.showcfcb();
    } else if (tool == tools::kClipReplace) {
      takeUndoCopy();
      clipreplace(picture().pixel(X, Y));
    } else {
      // Freehand tools and rubber-band figures.
      if (!MouseIsDown) DownPoint = {X, Y};
      if (tools::isGroupB(tool)) takeUndoCopy();
      MouseIsDown = true;
      canvas().moveTo(X, Y);
      set_t(tool);
      // A click without a move still leaves the brush's dot: the stroke
      // starts with a zero-length line, which a wide pen draws round.
      if (tools::isFreehand(tool)) freehandTo(X, Y);
      ptbox1->setCursor(Qt::CrossCursor);
    }
  }
  repaintCanvas();
}

void TPbook1::pDown(ui::MouseButton, int X, int Y) {
  TForm3& f = toolPalette();
  const int tool = f.CurTool;
  if (!MouseIsDown) {
    if (!StrokeOn) takeUndoCopy();
    DownPoint = {X, Y};
    if (PolyCount == 1) {
      PolyPoints[1] = {X, Y};
      PolyCount = 2;
    }
  }
  MoveBox = false;
  MouseIsDown = true;
  if (tool == tools::kLine || tool == tools::kStarStamp || tool == tools::kGradientTubes ||
      tool == tools::kArrowStamp)
    set_t(tool);
  if (tools::isPolygonTool(tool)) {
    if (!PolyActive) set_t(tool);
    PolyActive = true;
  }
  gdi::Canvas& c = canvas();
  if (tools::isPixelMover(tool)) {
    set_t(tool);
    RubberRect = moverBox(X, Y, f.LineWidth);
    c.rectangle(RubberRect);
    LastRubberRect = RubberRect;
    FirstRubber = false;
    MoveBox = true;
  } else if (tool == tools::kHGradientFill) {
    Hdogradfill(X, Y);
  } else if (tool == tools::kVGradientFill) {
    Vdogradfill(X, Y);
  } else if (tool == tools::kFloodFill) {
    set_itback();
    c.floodFill(X, Y, picture().pixel(X, Y), gdi::FillStyle::Surface);
  } else if (tool == tools::kSpray) {
    do_spray(X, Y);
  }
}

void TPbook1::pDownco(int X, int Y) {
  replaceColourSquare(X, Y);
  MouseIsDown = true;
}

// ===== mouse move ================================================================

void TPbook1::ptbox1MouseMove(ui::ShiftState Shift, int X, int Y) {
  TForm3& f = toolPalette();
  const int tool = f.CurTool;
  if (f.MaskMode) {
    mask1MMove(X, Y);
  } else if (tool == tools::kColorReplacer) {
    pveCo(X, Y);
  } else if (StrokeOn || tools::isPolygonTool(tool)) {
    if (tools::isOutlineCapture(tool)) {
      polycopypve(X, Y);
    } else if (tools::isCaptureBox(tool)) {
      capboxMouseMove(X, Y);
    } else if (tools::isGroupA(tool)) {
      pve(X, Y);
    } else if (tool == tools::kBezier) {
      pvebez(Shift, X, Y);
    } else if (MouseIsDown) {
      gdi::Canvas& c = canvas();
      c.pen.color = f.ForeColor;
      c.brush.setColor(f.BackColor);
      c.pen.width = f.PenWidth;
      if (tools::isFreehand(tool)) freehandTo(X, Y);
      if (tools::isGroupB(tool)) {
        RubberRect = {DownPoint.x, DownPoint.y, X, Y};
        const bool filled = tools::isFilledShape(tool);
        tools::setBandPen(c, filled, f.BackColor);
        std::vector<gdi::Rect> areas = bandAreas(tool, RubberRect);
        if (!FirstRubber) {
          const std::vector<gdi::Rect> old = bandAreas(tool, LastRubberRect);
          areas.insert(areas.end(), old.begin(), old.end());
        }
        trackedDraw(areas, [&] {
          tools::moveBand(c, tools::bandFigure(tool), RubberRect, FirstRubber, LastRubberRect);
        });
      }
    }
  }
  repaintCanvas();
}

void TPbook1::pve(int X, int Y) {
  TForm3& f = toolPalette();
  const int tool = f.CurTool;
  if (!MouseIsDown && !PolyActive) return;
  gdi::Canvas& c = canvas();
  const bool mover = tools::isPixelMover(tool);
  if (!mover) {
    c.pen.color = gdi::reduced(f.ForeColor);
    c.brush.setColor(gdi::reduced(f.BackColor));
    c.pen.width = f.PenWidth;
  }
  if (mover || tools::isPolygonTool(tool) || tool == tools::kLine || tool == tools::kStarStamp ||
      tool == tools::kGradientTubes || tool == tools::kArrowStamp) {
    RubberRect = mover ? moverBox(X, Y, f.LineWidth) : gdi::Rect{DownPoint.x, DownPoint.y, X, Y};
    if (!mover) {
      c.pen.width = 1;
      c.pen.color = gdi::clBlack;
      c.pen.mode = gdi::PenMode::NotXor;
    }
    // Only the line and the movers' box show a band; the others just track.
    const tools::BandFigure figure = tools::bandFigure(tool);
    std::vector<gdi::Rect> areas = tools::figureOutlineAreas(figure, RubberRect, c.pen.width);
    if (!FirstRubber) {
      const std::vector<gdi::Rect> old =
          tools::figureOutlineAreas(figure, LastRubberRect, c.pen.width);
      areas.insert(areas.end(), old.begin(), old.end());
    }
    trackedDraw(areas,
                [&] { tools::moveBand(c, figure, RubberRect, FirstRubber, LastRubberRect); });
  }
  if (tool == tools::kSpray) do_spray(X, Y);
}

void TPbook1::freehandTo(int X, int Y) {
  TForm3& f = toolPalette();
  gdi::Canvas& c = canvas();
  c.pen.color = f.ForeColor;
  c.brush.setColor(f.BackColor);
  c.pen.width = f.PenWidth;
  c.pen.mode = gdi::PenMode::Copy;
  trackedDraw(tools::lineAreas(c.penPos(), {X, Y}, f.PenWidth), [&] { c.lineTo(X, Y); });
}

void TPbook1::pveCo(int X, int Y) {
  if (MouseIsDown) replaceColourSquare(X, Y);
}

// ===== mouse up ==================================================================

void TPbook1::ptbox1MouseUp(ui::MouseButton Button, ui::ShiftState, int X, int Y) {
  if (DragCancelled) {  // Escape ended the drag: its release draws nothing
    DragCancelled = false;
    return;
  }
  TForm3& f = toolPalette();
  const int tool = f.CurTool;
  if (!f.MaskMode && tools::paintsPicture(tool)) markModified();
  // Whether this drag has a band on the picture: the set-up below resets the
  // flag, and a band is taken away only where it was drawn (a release away
  // from the last mouse position, or one without a press, leaves no trace).
  releaseBandShown_ = !FirstRubber;
  releaseBand_ = LastRubberRect;
  const bool bandShown = releaseBandShown_;
  const gdi::Rect band = releaseBand_;
  gdi::Canvas& c = canvas();
  if (erasesBandFirst(tool) && bandShown) eraseBand(tool, band);
  Timer1Timer();
  ptbox1->setCursor(Qt::ArrowCursor);
  if (f.MaskMode)
    mask1MUp();
  else if (tool == tools::kColorReplacer)
    pUpCo();
  else if (tools::isCaptureBox(tool))
    capboxMouseUp(X, Y);
  else if (tools::isGroupA(tool))
    pUp(Button, X, Y);
  else if (tools::isOutlineCapture(tool))
    polycopyUp(Button, X, Y);
  else if (tool == tools::kBezier)
    pUpbez(Button, X, Y);
  else {
    MouseIsDown = false;
    if (isGradientBox(tool)) {
      if (bandShown) eraseBand(tool, band);
      c.brush.setStyle(gdi::BrushStyle::Solid);
      c.brush.setColor(f.BackColor);
      c.pen.mode = gdi::PenMode::Copy;
      c.pen.color = f.BackColor;
      if (tool == tools::kHGradientBox)
        Hdogradboxfill(DownPoint.x, DownPoint.y, X, Y);
      else if (tool == tools::kVGradientBox)
        Vdogradboxfill(DownPoint.x, DownPoint.y, X, Y);
      else
        Hdogradrectfill(DownPoint.x, DownPoint.y, X, Y);
      repaintCanvas();
      return;
    }
    if ((tool == tools::kRectangle || tool == tools::kFilledRectangle) && bandShown)
      eraseBand(tool, band);
    c.pen.mode = gdi::PenMode::Copy;
    c.pen.style = gdi::PenStyle::Solid;
    if (tools::isGroupB(tool)) {
      c.brush.setStyle(gdi::BrushStyle::Solid);
      c.brush.setColor(f.BackColor);
      c.pen.width = f.LineWidth;
      c.pen.color = f.ForeColor;
      if (tools::isFilledShape(tool)) tools::applyFillBrush(c, f, &f.patbox1->bitmap());
      if (tools::isOutlineShape(tool)) c.brush.setStyle(gdi::BrushStyle::Clear);
      c.pen.style = gdi::PenStyle::InsideFrame;
      const gdi::Point d = DownPoint;
      switch (tools::bandFigure(tool)) {
        case tools::BandFigure::Rectangle:
          c.rectangle(d.x, d.y, X, Y);
          break;
        case tools::BandFigure::RoundRect:
          c.roundRect(d.x, d.y, X, Y, tools::kRoundCornerWidth, tools::kRoundCornerHeight);
          break;
        case tools::BandFigure::Ellipse:
          if (tools::isCircleCapture(tool))
            capcircle(d.x, d.y, X, Y);
          else if (tool == tools::kGlobe)
            globe(d.x, d.y, X, Y);
          else
            c.ellipse(d.x, d.y, X, Y);
          break;
        default:
          break;
      }
    }
    StrokeOn = false;
  }
  repaintCanvas();
}

void TPbook1::pUp(ui::MouseButton Button, int X, int Y) {
  TForm3& f = toolPalette();
  const bool bandShown = releaseBandShown_;
  const gdi::Rect& band = releaseBand_;
  const int tool = f.CurTool;
  gdi::Canvas& c = canvas();
  MouseIsDown = false;
  if (tools::isPixelMover(tool)) {
    set_t(tool);
    if (bandShown) c.rectangle(band);
    const int side = tools::pixelMoverBlock(f.LineWidth);
    tools::movePixels(picture(), mask1->bitmap(), X, Y, tool, side, side);
    put_back();
    PolyCount = 1;
    PolyActive = false;
    StrokeOn = false;
    return;
  }
  if (tool == tools::kLine && bandShown) {
    // The last rubber line goes before the line itself is drawn.
    c.pen.width = 1;
    c.pen.color = gdi::clBlack;
    c.pen.mode = gdi::PenMode::NotXor;
    tools::drawBandFigure(c, tools::BandFigure::Line, band);
  }
  if (tools::isPolygonTool(tool) || tool == tools::kLine || tool == tools::kStarStamp ||
      tool == tools::kGradientTubes || tool == tools::kArrowStamp) {
    c.pen.mode = gdi::PenMode::Copy;
    c.pen.width = f.LineWidth;
    c.pen.color = f.ForeColor;
    if (tool == tools::kGradientTubes) {
      set_t(tool);
      c.moveTo(DownPoint.x, DownPoint.y);
      c.lineTo(X, Y);
      c.pen.mode = gdi::PenMode::Copy;
      c.pen.width = f.LineWidth;
      c.pen.color = f.ForeColor;
      dogradtubes(DownPoint, X, Y);
      PolyCount = 1;
      PolyActive = false;
      StrokeOn = false;
      return;
    }
    if (tool == tools::kStarStamp || tool == tools::kArrowStamp) {
      if (tool == tools::kStarStamp)
        tools::stampTrail(c, DownPoint, {X, Y}, tools::StampKind::Star, 3 * f.LineWidth);
      else
        tools::stampShapes(c, DownPoint, {X, Y}, tools::StampKind::Arrow, 1, f.LineWidth,
                           f.BackColor, f.ForeColor);
      c.moveTo(DownPoint.x, DownPoint.y);
      FirstRubber = true;
      return;
    }
    if (tool == tools::kLine) {
      c.moveTo(DownPoint.x, DownPoint.y);
      c.lineTo(X, Y);
    }
    if (tools::isPolygonTool(tool)) polyvertex(Button, X, Y);
  }
  c.pen.mode = gdi::PenMode::Copy;
  if (tool == tools::kSpray) do_spray(X, Y);
}

void TPbook1::pUpCo() {
  StrokeOn = false;
  MouseIsDown = false;
}

// ===== the tools' own routines =====================================================

void TPbook1::eraseBand(int tool, const gdi::Rect& band) {
  gdi::Canvas& c = canvas();
  const bool filled = tools::isFilledShape(tool);
  tools::setBandPen(c, filled, toolPalette().BackColor);
  trackedDraw(bandAreas(tool, band),
              [&] { tools::drawBandFigure(c, tools::bandFigure(tool), band); });
}

void TPbook1::do_spray(int X, int Y) {
  TForm3& f = toolPalette();
  tools::do_spray(canvas(), X, Y, f.LineWidth, f.ForeColor, SprayMixing, clockRandom());
}

void TPbook1::replaceColourSquare(int X, int Y) {
  TForm3& f = toolPalette();
  tools::replaceSquare(picture(), X, Y, f.LineWidth, f.ForeColor, f.BackColor);
  // The brush's pen is left harmless.
  gdi::Canvas& c = canvas();
  c.pen.mode = gdi::PenMode::Copy;
  c.pen.width = 0;
  c.pen.color = gdi::clWhite;
  c.pen.style = gdi::PenStyle::Dot;
  markCanvasChanged({X, Y});
}

void TPbook1::put_back() {
  canvas().pen.mode = gdi::PenMode::NotXor;
  markCanvasChanged({100, 100});
  update();
}

// The old way to have a picture repainted was a zero-length line. On this
// canvas that is no no-op: a wide pen draws it as a round dot (what a click
// with a brush must leave), and not-xor twice is no identity on a palette
// picture. So nothing is drawn here: the pen moves where that line would have
// left it, and what changed is repainted.
void TPbook1::markCanvasChanged(gdi::Point penAt) {
  canvas().moveTo(penAt.x, penAt.y);
  repaintCanvas();
}

void TPbook1::set_t(int tool) {
  if (tools::set_t(tool, toolPalette(), canvas(), {FirstRubber, PolyActive}))
    toolPalette().do_colbox();
}

void TPbook1::set_itback() {
  TForm3& f = toolPalette();
  tools::set_itback(f, canvas(), &f.patbox1->bitmap());
}

void TPbook1::Timer1Timer() {
  Timer1->setInterval(1000);
  set_t(toolPalette().CurTool);
}

void TPbook1::clearit() {
  markModified();
  TForm3& f = toolPalette();
  tools::clearit(picture(), image2->bitmap(), f, {FirstRubber, PolyActive});
  image2->refresh();
  ptbox1->refresh();
}

// ===== gradient fills with the palette's gradient list ===============================

void TPbook1::Hdogradfill(int X, int Y) {
  if (tools::Hdogradfill(picture(), image2->bitmap(), X, Y, toolPalette().gradientColors()))
    image2->refresh();
}

void TPbook1::Vdogradfill(int X, int Y) {
  if (tools::Vdogradfill(picture(), image2->bitmap(), X, Y, toolPalette().gradientColors()))
    image2->refresh();
}

void TPbook1::Hdogradboxfill(int x1, int y1, int x2, int y2) {
  tools::Hdogradboxfill(canvas(), x1, y1, x2, y2, toolPalette().gradientColors());
}

void TPbook1::Vdogradboxfill(int x1, int y1, int x2, int y2) {
  tools::Vdogradboxfill(canvas(), x1, y1, x2, y2, toolPalette().gradientColors());
}

void TPbook1::Hdogradrectfill(int x1, int y1, int x2, int y2) {
  tools::Hdogradrectfill(canvas(), x1, y1, x2, y2, toolPalette().gradientColors(),
                         toolPalette().BackColor);
}

void TPbook1::globe(int x1, int y1, int x2, int y2) {
  tools::globe(canvas(), x1, y1, x2, y2, toolPalette().gradientColors());
}

void TPbook1::dogradtubes(gdi::Point from, int X, int Y) {
  TForm3& f = toolPalette();
  tools::dogradtubes(canvas(), from, {X, Y}, f.LineWidth, f.ForeColor, f.gradientColors());
}

// ===== undo copy and repainting ======================================================

void TPbook1::takeUndoCopy() {
  tools::copyPicture(image2->bitmap(), picture());
  image2->refresh();
}

std::vector<gdi::Rect> TPbook1::bandAreas(int tool, const gdi::Rect& band) {
  // A filled band mixes its inside with the background colour; white leaves
  // the inside as it is and only the outline shows.
  if (tools::isFilledShape(tool) && gdi::reduced(toolPalette().BackColor) != gdi::clWhite)
    return {band.normalized().inflated(2)};
  return tools::figureOutlineAreas(tools::bandFigure(tool), band, 1);
}

void TPbook1::trackedDraw(const std::vector<gdi::Rect>& areas, const std::function<void()>& draw) {
  // What was drawn before keeps its dirty rectangle; what `draw` changes is
  // known to lie in `areas`.
  untracked_ = untracked_.united(picture().takeDirty());
  draw();
  picture().takeDirty();
  repaintAreas_.insert(repaintAreas_.end(), areas.begin(), areas.end());
}

void TPbook1::repaintCanvas() {
  // Thin areas noted by the tools (a band's outline, a stroke's segment) say
  // what changed more closely than one rectangle round everything would.
  const gdi::Rect untracked =
      untracked_.united(picture().takeDirty()).intersected(picture().rect());
  untracked_ = {};
  for (const gdi::Rect& r : repaintAreas_) {
    const gdi::Rect inside = r.intersected(picture().rect());
    if (!inside.isEmpty()) ptbox1->refreshRect(inside);
  }
  repaintAreas_.clear();
  if (!untracked.isEmpty()) ptbox1->refreshRect(untracked);
}
