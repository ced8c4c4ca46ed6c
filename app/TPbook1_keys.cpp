// Keys on the picture, as users of paint programs expect them: Escape
// cancels a rubber-band drag or ends a paste, the arrow keys move a floating
// clip, Delete clears a captured box. Everything they change can be undone
// as the tools' changes can.
#include <QFrame>
#include <QKeyEvent>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"
#include "tools/engine/RubberBand.h"
#include "tools/engine/ToolTable.h"
#include "tools/windows/TForm3.h"

namespace {

TForm3& toolPalette() { return *app::windows().Form3; }

// Drags that show a rubber band until the release makes the figure.
bool showsBand(int tool) {
  return tools::isRubberBandFigure(tool) || tools::isCaptureBox(tool) || tool == tools::kLine ||
         tools::isPixelMover(tool);
}

}  // namespace

bool TPbook1::ptbox1KeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
  const bool pasting = !pastepanel1->isHidden();
  switch (key) {
    case Qt::Key_Escape:
      if (cancelDrag()) return true;
      if (!pasting) return false;
      // As a tool choice ends it, without a template's capture.
      leavePaste();
      TemplateCapture = false;
      clpmap1->move(0, 0);
      mask1->move(0, 0);
      return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (!pasting || ClipDragging) return false;
      const int dx = key == Qt::Key_Left ? -step : key == Qt::Key_Right ? step : 0;
      const int dy = key == Qt::Key_Up ? -step : key == Qt::Key_Down ? step : 0;
      moveClipBy(dx, dy);
      return true;
    }
    case Qt::Key_Delete:
      return clearCapturedBox();
    default:
      return false;
  }
}

bool TPbook1::cancelDrag() {
  const TForm3& f = toolPalette();
  const int tool = f.CurTool;
  if (!MouseIsDown || f.MaskMode || !showsBand(tool)) return false;
  if (!FirstRubber) {
    gdi::Canvas& c = canvas();
    if (tools::isRubberBandFigure(tool)) {
      eraseBand(tool, LastRubberRect);
    } else {
      // The band as the drag drew it: the capture box and the line with a
      // one-pixel black pen, the pixel movers' box with their own set-up.
      set_t(tool);
      if (!tools::isPixelMover(tool)) {
        c.pen.width = 1;
        c.pen.color = gdi::clBlack;
        c.pen.mode = gdi::PenMode::NotXor;
        c.brush.setStyle(gdi::BrushStyle::Clear);
      }
      const tools::BandFigure figure =
          tool == tools::kLine ? tools::BandFigure::Line : tools::BandFigure::Rectangle;
      trackedDraw(tools::figureOutlineAreas(figure, LastRubberRect, c.pen.width),
                  [&] { tools::drawBandFigure(c, figure, LastRubberRect); });
    }
  }
  MouseIsDown = false;
  StrokeOn = false;
  PixelBoxShown = false;
  FirstRubber = true;
  DragCancelled = true;
  ptbox1->setCursor(Qt::ArrowCursor);
  repaintCanvas();
  return true;
}

bool TPbook1::clearCapturedBox() {
  const TForm3& f = toolPalette();
  if (CapturedBox.isEmpty() || !tools::isCaptureBox(f.CurTool) || MouseIsDown || f.MaskMode)
    return false;
  takeUndoCopy();
  clearBox(CapturedBox);
  CapturedBox = {};
  repaintCanvas();
  return true;
}
