// The commands of the menus, the tool bar and the side panel. Commands that
// open a window show it; the work of later parts of the studio is reached
// through the routines in TPbook1_pending.cpp.
#include <QAbstractButton>
#include <QDialog>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include "animation/windows/TAnimCap1.h"
#include "animation/windows/Tanwizfrm1.h"
#include "animation/windows/Tmovwizfrm1.h"
#include "app/TPbook1.h"
#include "app/Taboutfrm1.h"
#include "app/Windows.h"
#include "clips/windows/TRotateform.h"
#include "document/windows/TResizeForm.h"
#include "document/windows/Tjpop1.h"
#include "media/windows/Tmediaform1.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Printer.h"
#include "platform/ui/Services.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/TTextMakerForm.h"
#include "tools/windows/TTextmemoform.h"
#include "tools/windows/Tstation1.h"

namespace {

void showWindow(QWidget* w) {
  if (!w) return;
  w->show();
  w->raise();
}

// Shows the tool palette with one of its sub-panels open.
void showPaletteWith(const char* panel) {
  TForm3* palette = app::windows().Form3;
  if (!palette) return;
  showWindow(palette);
  if (auto* p = palette->findChild<QWidget*>(QString::fromLatin1(panel))) p->show();
}

// Picks a tool of the palette as if its button were clicked.
void pickPaletteTool(const char* button) {
  if (TForm3* palette = app::windows().Form3)
    if (auto* b = palette->findChild<QAbstractButton*>(QString::fromLatin1(button))) b->click();
}

}  // namespace

// ----- picture files --------------------------------------------------------

void TPbook1::ToolButton14Click() {
  opeImNew();
  showPictureSize();
}

void TPbook1::New1Click() { opeImNew(); }
void TPbook1::ToolButton11Click() { opeImfile(); }
void TPbook1::Browser1Click() { opeImfile(); }
void TPbook1::FileDialog1Click() { opdlg(); }
void TPbook1::ToolButton12Click() { savebutClick(); }

void TPbook1::ToolButton13Click() {
  ui::processMessages();
  domysave();
}

void TPbook1::JpegSaveOptions1Click() { showWindow(app::windows().jpop1); }

// ----- printing -------------------------------------------------------------

void TPbook1::ToolButton6Click() { doprint(); }

void TPbook1::Print1Click() {
  ui::PrintOptions options;
  options.minPage = options.maxPage = 1;
  options.allowPageNumbers = true;
  options.allowSelection = true;
  ui::Printer& printer = ui::printer();
  if (!printer.printDialog(options)) return;
  printer.printBitmap(picture(), QRect(10, 10, width() - 10, height() - 10));
}

void TPbook1::PrintSetup1Click() { ui::printer().setupDialog(); }

// ----- picture commands -----------------------------------------------------

void TPbook1::pbrotbut1Click() {
  TRotateform* rotate = app::windows().Rotateform;
  if (!rotate) return;
  // Just below the tool bar, lined up with the button that asked for it.
  rotate->move(pbrotbut1->mapToGlobal(QPoint(0, 0)).x(), ScrollBox1->mapToGlobal(QPoint(0, 0)).y());
  ui::dialogs().runModal(*rotate);
}

void TPbook1::resizebut1Click() {
  TResizeForm* form = app::windows().ResizeForm;
  if (form && form->execute()) resize_it();
}

void TPbook1::pblassoobut1Click() {
  FirstRubber = true;
  PolyCount = 1;
  PolyActive = false;
  pickPaletteTool("BitBtn19");  // "Lasso Outline", tool 21
}

void TPbook1::pbcapbxbut1Click() {
  FirstRubber = true;
  PolyCount = 1;
  PolyActive = false;
  pickPaletteTool("BitBtn20");  // "Rectangle Outline", tool 22
}

void TPbook1::pbpastebut1Click() { doapaste(); }
void TPbook1::ToolButton7Click() { getcap(); }

void TPbook1::Cut1Click() {
  // Only a picture that reached the clipboard is cleared.
  if (getcap()) clearit();
}

void TPbook1::pbpastrefrombut1Click() { pfromfile(); }

void TPbook1::ToolButton3Click() {
  SizeDelta = WidthDelta = HeightDelta = 0;
  morfpaste();
}

// ----- windows --------------------------------------------------------------

void TPbook1::ToolButton1Click() { showWindow(app::windows().Form3); }
void TPbook1::PixelAnimatorsers1Click() { showPaletteWith("pmoverpanel1"); }
void TPbook1::GradientTools1Click() { showPaletteWith("Panel7"); }
void TPbook1::ToolButton4Click() { showWindow(app::windows().TextMakerForm); }
void TPbook1::ToolButton5Click() { showWindow(app::windows().Textmemoform); }
void TPbook1::ToolButton15Click() { showWindow(app::windows().AnimCap1); }
void TPbook1::ToolButton16Click() { showWindow(app::windows().station1); }

void TPbook1::ToolButton17Click() {
  Tmediaform1* player = app::windows().mediaform1;
  if (!player) return;
  player->move(player->x(), y() + 100);
  showWindow(player);
}

void TPbook1::BitBtn1Click() { showWindow(app::windows().movwizfrm1); }
void TPbook1::BitBtn2Click() { showWindow(app::windows().anwizfrm1); }
void TPbook1::ImageMap1Click() { PageControl1->setCurrentWidget(TabSheet4); }

void TPbook1::Animation1Click() {
  PageControl1->setCurrentWidget(TabSheet7);
  openactivity(0);
}

void TPbook1::Movies1Click() { openactivity(1); }
void TPbook1::PlayMusic1Click() { openactivity(2); }
void TPbook1::CreateStationeryackground1Click() { openactivity(3); }

void TPbook1::About1Click() {
  // A fresh About box each time, gone when closed.
  Taboutfrm1 about(this);
  ui::dialogs().runModal(about);
}

void TPbook1::Exit1Click() { close(); }
