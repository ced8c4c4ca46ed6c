// Panel switching, rolling the palette up and down, and the help memo.
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "platform/ui/ImageControl.h"
#include "tools/engine/RollSteps.h"
#include "tools/windows/TForm3.h"

const QStringList TForm3::kPatternHelp = {
    "The solid white",   "block is normal.",    " ",
    "Line patterns are", "transparent.",        " ",
    "Bitmap patterns",   "are in the Bin",      "subdirectory.",
    "To create one:",    "\"Paste to file\" a", "small true color",
    "bitmap,",           "overwriting an",      "existing one."};

const QStringList TForm3::kTemplateHelp = {
    "Paste a template", "such as clipart", "or lines of TEXT", "onto the page.", " ",
    "Then select OK",   "to capture the",  "area within the",  "template"};

void TForm3::ToolButton1Click() {
  if (Panel7->isVisibleTo(this))
    Panel7->hide();
  else
    openPanel(Panel7);
}

void TForm3::ToolButton2Click() {
  app::MainWindow& main = app::mainWindow();
  gdi::Bitmap& picture = main.picture();
  const gdi::Palette& undoPalette = main.undoCopy().palette();
  // Re-snapping every pixel is costly on big pictures; skip it when nothing changes.
  if (picture.palette() != undoPalette) picture.setPalette(undoPalette);
  openPanel(pmoverpanel1);
}

void TForm3::setHeightStepped(const std::vector<int>& heights) {
  for (int h : heights) {
    resize(width(), h);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
}

void TForm3::roll_uptools() {
  setHeightStepped(tools::rollUpHeights(height(), 35, 20, StatusBar1->height() + 35));
}

void TForm3::roll_downtools() {
  app::MainWindow& main = app::mainWindow();
  // Edits made on the enlarged picture go back into the full picture, as
  // "Normal Size" does, rather than being dropped with the zoom view.
  if (main.zoomStage() == app::ZoomStage::Applied)
    main.zmbutoffClick();
  else if (main.zoomStage() == app::ZoomStage::Viewing)
    dump_it();
  setHeightStepped(tools::rollDownHeights(height(), 40, fullHeight()));
}

void TForm3::BitBtn24Click() {
  app::MainWindow& main = app::mainWindow();
  if (main.templatePasteOpen()) {
    main.endcappingpaste();
    Memo1->setPlainText(kPatternHelp.join('\n'));
  }
  setPanel9Left(kPanel9HiddenLeft);
}

void TForm3::BitBtn37Click() {
  app::mainWindow().pastecap();
  Memo1->setPlainText(kTemplateHelp.join('\n'));
  setPanel9Left(0);
}
