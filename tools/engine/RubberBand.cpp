#include "tools/engine/RubberBand.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tools/engine/ToolTable.h"

namespace tools {

BandFigure bandFigure(int code) {
  switch (code) {
    case kRectangle:
    case kFilledRectangle:
    case kHGradientBox:
    case kVGradientBox:
    case kGradientFrame:
      return BandFigure::Rectangle;
    case kRoundRect:
    case kFilledRoundRect:
      return BandFigure::RoundRect;
    case kCircle:
    case kFilledCircle:
    case 24:
    case 25:
    case kGlobe:
      return BandFigure::Ellipse;
    case kLine:
      return BandFigure::Line;
    default:
      return isPixelMover(code) ? BandFigure::Rectangle : BandFigure::None;
  }
}

void drawBandFigure(gdi::Canvas& c, BandFigure figure, const gdi::Rect& r) {
  switch (figure) {
    case BandFigure::None:
      break;
    case BandFigure::Line:
      c.moveTo(r.left, r.top);
      c.lineTo(r.right, r.bottom);
      break;
    case BandFigure::Rectangle:
      c.rectangle(r);
      break;
    case BandFigure::RoundRect:
      c.roundRect(r.left, r.top, r.right, r.bottom, kRoundCornerWidth, kRoundCornerHeight);
      break;
    case BandFigure::Ellipse:
      c.ellipse(r);
      break;
  }
}

void moveBand(gdi::Canvas& c, BandFigure figure, const gdi::Rect& next, bool& firstRubber,
              gdi::Rect& lastRect) {
  if (!firstRubber) drawBandFigure(c, figure, lastRect);
  drawBandFigure(c, figure, next);
  lastRect = next;
  firstRubber = false;
}

namespace {

// Margin round an outline: the pen's reach plus a pixel of rounding.
int marginFor(int penWidth) { return std::max(penWidth, 1) + 2; }

void addFrameStrips(std::vector<gdi::Rect>& out, const gdi::Rect& box, int m) {
  if (box.width() <= 4 * m || box.height() <= 4 * m) {
    out.push_back(box.inflated(m));
    return;
  }
  out.push_back({box.left - m, box.top - m, box.right + m, box.top + m});
  out.push_back({box.left - m, box.bottom - m, box.right + m, box.bottom + m});
  out.push_back({box.left - m, box.top + m, box.left + m, box.bottom - m});
  out.push_back({box.right - m, box.top + m, box.right + m, box.bottom - m});
}

// An ellipse outline, in bands of rows: in each band the outline keeps to the
// two x ranges between its extent on the outermost and innermost rows within
// the pen's reach of the band.
void addEllipseBands(std::vector<gdi::Rect>& out, const gdi::Rect& box, int m) {
  constexpr int kBand = 32;
  if (box.width() <= 4 * m || box.height() <= 4 * m) {
    out.push_back(box.inflated(m));
    return;
  }
  const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
  const double a = box.width() / 2.0, b = box.height() / 2.0;
  auto halfWidth = [&](double dy) {
    const double q = dy / b;
    return q >= 1 ? 0.0 : a * std::sqrt(1 - q * q);
  };
  for (int y0 = box.top - m; y0 < box.bottom + m; y0 += kBand) {
    const int y1 = std::min(y0 + kBand, box.bottom + m);
    // A wide pen reaches m rows up and down: rows within m of the band count.
    const double dNear = (y0 <= cy && cy <= y1)
                             ? 0.0
                             : std::max(0.0, std::min(std::abs(y0 - cy), std::abs(y1 - cy)) - m);
    const double dFar = std::max(std::abs(y0 - cy), std::abs(y1 - cy)) + m;
    const int outer = int(std::ceil(halfWidth(dNear))) + m;
    const int inner = int(std::floor(halfWidth(dFar))) - m;
    const int left = int(std::floor(cx)) - outer, right = int(std::ceil(cx)) + outer;
    if (inner <= 0) {
      out.push_back({left, y0, right, y1});
    } else {
      out.push_back({left, y0, int(std::ceil(cx)) - inner, y1});
      out.push_back({int(std::floor(cx)) + inner, y0, right, y1});
    }
  }
}

}  // namespace

std::vector<gdi::Rect> figureOutlineAreas(BandFigure figure, const gdi::Rect& r, int penWidth) {
  std::vector<gdi::Rect> out;
  const int m = marginFor(penWidth);
  switch (figure) {
    case BandFigure::None:
      break;
    case BandFigure::Line:
      return lineAreas({r.left, r.top}, {r.right, r.bottom}, penWidth);
    case BandFigure::Rectangle:
      addFrameStrips(out, r.normalized(), m);
      break;
    case BandFigure::RoundRect:
      // The rounded corners stay within half a corner ellipse of the edges.
      addFrameStrips(out, r.normalized(), m + kRoundCornerWidth / 2);
      break;
    case BandFigure::Ellipse:
      addEllipseBands(out, r.normalized(), m);
      break;
  }
  return out;
}

std::vector<gdi::Rect> lineAreas(gdi::Point a, gdi::Point b, int penWidth) {
  constexpr int kChunk = 64;
  const int m = marginFor(penWidth) / 2 + 2;
  const long long dx = (long long)b.x - a.x, dy = (long long)b.y - a.y;
  // Far-flung points (a drag well outside the picture) get longer chunks.
  const long long steps = std::clamp<long long>(
      (std::max(std::llabs(dx), std::llabs(dy)) + kChunk - 1) / kChunk, 1, 1024);
  std::vector<gdi::Rect> out;
  out.reserve(std::size_t(steps));
  gdi::Point p = a;
  for (long long i = 1; i <= steps; ++i) {
    const gdi::Point q{int(a.x + dx * i / steps), int(a.y + dy * i / steps)};
    out.push_back(gdi::Rect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x) + 1,
                            std::max(p.y, q.y) + 1}
                      .inflated(m));
    p = q;
  }
  return out;
}

}  // namespace tools
