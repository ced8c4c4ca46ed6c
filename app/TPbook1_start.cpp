// Start-up, page set-up, show, close, resize and the status bar.
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <new>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"
#include "tools/windows/TForm3.h"

namespace {

// Gives `b` the palette `p` unless it has it already (setting a palette snaps
// every pixel, which is not free on a large picture).
void sharePalette(gdi::Bitmap& b, const gdi::Palette& p) {
  if (!b.hasPalette() || b.palette() != p) b.setPalette(p);
}

}  // namespace

void TPbook1::FormCreate() {
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
  dostart();
}

void TPbook1::dostart() {
  // 1. A clean state.
  Modified = PagesReady = false;
  ZoomOn = ZoomApplied = ZoomSourceStored = ToolPending = false;
  BoxesShowing = MoveBox = false;
  MouseIsDown = StrokeOn = FirstRubber = PolyActive = SprayMixing = false;
  BezEditing = AnyHandleDrag = false;
  HandleDrag.fill(false);
  PolyCount = 1;
  ClipSized = ClipDragging = TemplateCapture = false;
  SizeDelta = WidthDelta = HeightDelta = 0;
  clpmap1->move(0, 0);
  mask1->move(0, 0);
  OutlineWidth = 1;
  chk1->setChecked(false);

  // 2. Placed near the top left, filling most of the screen.
  const QSize screen = ui::environment().screenSize();
  move(10, 43);
  resize(screen.width() - 159, screen.height() - 117);

  // 3. A low screen gets the window's scroll bar.
  if (screen.height() < 500) {
    Shape13->show();
    setWindowScrollBars(Qt::Vertical, true);
    VerticalScrollBArs1->setChecked(true);
    resize(width() + 30, height());
  }

  // 4. A new 400 x 400 picture.
  gdi::Bitmap& pic = picture();
  pic = gdi::Bitmap(400, 400);
  ptbox1->refresh();
  setCaption(QStringLiteral("TEMP.BMP"));

  // 5.
  PagesReady = true;
  initpages();

  // 6. Open on the welcome page.
  PageControl1->setCurrentWidget(TabSheet6);
  resize(640, height());
}

bool TPbook1::initpages() {
  if (!PagesReady) return false;
  gdi::Bitmap& pic = picture();
  CapturedBox = {};  // a box of another picture
  const QSize screen = ui::environment().screenSize();

  // 1.
  ptbox1->setGeometry(0, 0, pic.width(), pic.height());

  // 2. The window fits the picture within the screen; small pictures keep a
  // usable window (380 high, 300 wide).
  int w = std::min(ptbox1->width() + CoolBar1->width() + 40, screen.width() - 20);
  int h = std::min(ptbox1->height() + 140, screen.height() - 80);
  if (h < 380) h = 380;
  if (w < 380) w = 300;
  resize(w, h);

  // While zoomed editing, zmbk and the zoom view hold the full picture and
  // the rectangle "Normal Size" puts the edit back into: they stay as they
  // are, and zooming again waits for "Normal Size".
  const bool zoomKept = ZoomApplied;

  // 3.
  if (!zoomKept) zmbuton->setEnabled(true);

  // 4. The companions take the picture's size and place.
  clpmap1->resize(ptbox1->size());
  image2->setGeometry(ptbox1->geometry());
  if (!zoomKept) {
    zm1->setGeometry(ptbox1->geometry());
    zmbk->setGeometry(ptbox1->geometry());
    zm1->setXCenter(ptbox1->width() / 2);
    zm1->setYCenter(ptbox1->height() / 2);
  }

  // 5./6. Copies of the picture for the clip, the undo copy and the zoom
  // backup. All are made before any is handed over, so a failure leaves every
  // companion as it was.
  gdi::Bitmap clipCopy, undoCopy, zoomBackup;
  const auto notEnoughResources = [] {
    ui::dialogs().error(QStringLiteral("Not enough Resources"));
    return false;
  };
  try {
    if (companionCopyHook()) companionCopyHook()();
    clipCopy = pic;
    undoCopy = pic;
    if (!zoomKept) {
      zoomBackup = pic;
      zm1->setBitmap(pic);  // the zoom view copies the picture in itself
    }
  } catch (const gdi::ResourceError&) {
    return notEnoughResources();
  } catch (const std::bad_alloc&) {
    return notEnoughResources();
  }
  clpmap1->setBitmap(std::move(clipCopy));
  image2->setBitmap(std::move(undoCopy));
  if (!zoomKept) zmbk->setBitmap(std::move(zoomBackup));
  // A new picture, size or rotation starts with nothing to redo: the redo
  // copy belongs to the picture before.
  redo->setBitmap(gdi::Bitmap());
  for (QWidget* b : {static_cast<QWidget*>(undoptb1), static_cast<QWidget*>(redoptb1),
                     static_cast<QWidget*>(pbrotbut1), static_cast<QWidget*>(pblassoobut1),
                     static_cast<QWidget*>(pbcapbxbut1), static_cast<QWidget*>(pbpastebut1),
                     static_cast<QWidget*>(resizebut1), static_cast<QWidget*>(chk1)})
    b->setEnabled(true);
  pbpastetobut1->setEnabled(pbpastebut1->isEnabled());

  // 7. A palette picture hands its palette to every companion.
  if (pic.hasPalette()) {
    const gdi::Palette p = pic.palette();
    if (!zoomKept) {
      sharePalette(zm1->Bitmap(), p);
      sharePalette(zmbk->bitmap(), p);
    }
    sharePalette(clpmap1->bitmap(), p);
    sharePalette(image2->bitmap(), p);
    sharePalette(pic, p);
  }

  // 8.
  zm1->show();
  if (!zoomKept) {
    zm1->setZoomValue(zm1spin->value());
    if (zm1->width() != 0) spinedit1->setValue(zm1->width() / 2);
    if (zm1->height() != 0) spinedit4->setValue(zm1->height() / 2);
  }
  image2->show();
  zmbk->hide();
  ScrollBox3->widget()->resize(zm1->size());
  ScrollBox2->widget()->resize(image2->size());
  ptbox1->refresh();
  return true;
}

void TPbook1::FormShow() {
  TForm3* palette = app::windows().Form3;
  if (!palette) return;
  // Beside the main window rather than over its side panel (Undo, Redo, Zoom).
  if (!palette->isVisible()) palette->placeBeside(*this);
  palette->show();
}

bool TPbook1::FormClose() {
  if (Modified && !checktosave()) return false;
  return true;
}

void TPbook1::FormResize() {
  StatusText->setText(QStringLiteral("   %1x%2").arg(width()).arg(height()));
}

void TPbook1::StatusBar1Resize() { showPictureSize(); }

void TPbook1::showPictureSize() {
  const gdi::Bitmap& pic = picture();
  StatusText->setText(QStringLiteral("Width:%1 Height:%2").arg(pic.width()).arg(pic.height()));
}

QString TPbook1::statusText() const { return StatusText->text(); }

void TPbook1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TPbook1::closeEvent(QCloseEvent* event) {
  if (!FormClose()) {
    event->ignore();
    return;
  }
  event->accept();
  emit closed();
}

void TPbook1::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

// ----- the progress bar ------------------------------------------------------------

void TPbook1::showProgress() {
  bg1->setValue(1);
  bg1->show();
}

app::ProgressStep TPbook1::progressStep() {
  return [this] { bg1->setValue(bg1->value() + 1); };
}

void TPbook1::setProgress(int position) { bg1->setValue(position); }

void TPbook1::hideProgress() { bg1->hide(); }

// ----- pages -------------------------------------------------------------------------

void TPbook1::showPage(app::Page page) {
  QWidget* const sheets[] = {TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5,
                             TabSheet6, TabSheet7, TabSheet8, TabSheet9};
  PageControl1->setCurrentWidget(sheets[static_cast<int>(page) - 1]);
}
