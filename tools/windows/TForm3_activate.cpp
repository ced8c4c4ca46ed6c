// do_tool: every tool choice hands over to the main window before the tool's
// first stroke; the palette's zoomed editing routines.
#include "app/interface/MainWindow.h"
#include "tools/engine/ToolCodes.h"
#include "tools/windows/TForm3.h"

void TForm3::do_tool() {
  app::mainWindow().beginTool(CurTool);
  invalidatePalette();
}

void TForm3::sizePixelMoverMask() {
  app::mainWindow().setPixelMoverBlock(tools::pixelMoverBlock(LineWidth));
}

void TForm3::outlineReset() { app::mainWindow().resetOutline(); }

void TForm3::resize_it() { app::mainWindow().zoomToPage(); }

void TForm3::dump_it() { app::mainWindow().dropZoomView(); }
