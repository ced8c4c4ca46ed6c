// Building the main window's controls: menus, tool bar, side panel, pages.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Glyphs.h"
#include "app/TPbook1.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/QtBitmap.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"

namespace {

constexpr int kGlyphSize = 24;

// A flat button with a glyph; the hint is its tool tip and status tip. The
// text shows only when the glyph file is missing.
QToolButton* glyphButton(QWidget* parent, const char* name, const char* glyph, const QString& hint,
                         const QString& text) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(text);
  b->setToolTip(hint);
  b->setStatusTip(hint);
  b->setAutoRaise(true);
  b->setIconSize(QSize(kGlyphSize, kGlyphSize));
  const QIcon icon = app::glyphIcon(QString::fromLatin1(glyph));
  if (icon.isNull()) {
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  } else {
    b->setIcon(icon);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  }
  return b;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption,
                  const QKeySequence& shortcut = {}) {
  auto* a = menu->addAction(caption);
  a->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  return a;
}

QWidget* page(QTabWidget* tabs, const char* name, const QString& caption,
              const QString& hint = {}) {
  auto* w = new QWidget;
  w->setObjectName(QString::fromLatin1(name));
  const int index = tabs->addTab(w, caption);
  if (!hint.isEmpty()) tabs->setTabToolTip(index, hint);
  return w;
}

// A hidden image that only holds a bitmap, placed in `parent` at (0, 0).
ui::ImageControl* hiddenImage(QWidget* parent, const char* name) {
  auto* image = new ui::ImageControl(parent);
  image->setObjectName(QString::fromLatin1(name));
  image->setAutoSize(true);
  image->hide();
  return image;
}

QLabel* label(QWidget* parent, const QString& text, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

QLabel* heading(QWidget* parent, const QString& text) {
  auto* l = label(parent, text);
  QFont f = l->font();
  f.setPointSizeF(f.pointSizeF() * 1.25);
  f.setBold(true);
  l->setFont(f);
  l->setWordWrap(true);
  return l;
}

// A page's content inside a scroll area, so a narrow window scrolls the page
// instead of pushing the side panel out of sight.
QWidget* scrolledBody(QWidget* page) {
  auto* outer = new QVBoxLayout(page);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* area = new QScrollArea(page);
  area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  auto* body = new QWidget;
  body->setObjectName(page->objectName() + QStringLiteral("Body"));
  area->setWidget(body);
  outer->addWidget(area);
  return body;
}

// A scroll area whose content is placed by hand (children keep their own
// positions and sizes), on a soft grey ground so the picture stands out.
QScrollArea* placedScrollArea(QWidget* parent, const char* name) {
  auto* area = new QScrollArea(parent);
  area->setObjectName(QString::fromLatin1(name));
  area->setWidgetResizable(false);
  area->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  area->setFrameShape(QFrame::NoFrame);
  area->setBackgroundRole(QPalette::Dark);
  area->setStyleSheet(
      QStringLiteral("QScrollArea#%1 { background: #DDE2E8; }").arg(area->objectName()));
  auto* content = new QWidget;
  content->setObjectName(area->objectName() + QStringLiteral("Content"));
  content->setAutoFillBackground(false);
  area->setWidget(content);
  return area;
}

ui::SpinEdit* spin(QWidget* parent, const char* name, int min, int max, int value,
                   const QString& hint) {
  auto* s = new ui::SpinEdit(parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setMinValue(min);
  s->setMaxValue(max);
  s->setValue(value);
  s->setToolTip(hint);
  return s;
}

}  // namespace

void TPbook1::buildLayout() {
  buildMenus();

  auto* body = new QWidget(this);
  body->setObjectName("MainBody");
  auto* bodyLayout = new QVBoxLayout(body);
  bodyLayout->setContentsMargins(0, 0, 0, 0);
  bodyLayout->setSpacing(0);

  buildToolBar();
  bodyLayout->addWidget(CoolBar2);

  // The window's own scroll bars (off unless asked for): the pages and the
  // side panel scroll together inside it when the window is too small.
  formScroll_ = new QScrollArea(body);
  formScroll_->setObjectName("FormScrollArea");
  formScroll_->setFrameShape(QFrame::NoFrame);
  formScroll_->setWidgetResizable(true);
  formScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  formScroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* form = new QWidget;
  form->setObjectName("FormContent");
  auto* formLayout = new QHBoxLayout(form);
  formLayout->setContentsMargins(6, 6, 0, 0);
  formLayout->setSpacing(6);

  PageControl1 = new QTabWidget(form);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setDocumentMode(false);
  PageControl1->setUsesScrollButtons(true);
  PageControl1->setElideMode(Qt::ElideNone);
  buildPages();
  formLayout->addWidget(PageControl1, 1);

  buildSidePanel();
  formLayout->addWidget(CoolBar1);
  // The pages give way before the side panel does: below their own minimum
  // they are cut at the right, never the side panel. The window itself
  // keeps room for the side panel beside a strip of pages.
  PageControl1->setMinimumWidth(PageControl1->tabBar()->minimumSizeHint().width());
  setMinimumWidth(formLayout->contentsMargins().left() + PageControl1->minimumWidth() +
                  formLayout->spacing() + CoolBar1->width());

  Shape13 = new ui::ShapeControl(form);
  Shape13->setObjectName("Shape13");
  Shape13->setFixedWidth(9);
  Shape13->setBrushColor(0xE0D6CC);  // a soft blue-grey strip
  Shape13->setPenColor(0xC8BBAE);
  Shape13->hide();
  formLayout->addWidget(Shape13);

  formScroll_->setWidget(form);
  bodyLayout->addWidget(formScroll_, 1);
  setCentralWidget(body);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(true);
  StatusText = new QLabel(StatusBar1);
  StatusText->setObjectName("StatusText");
  StatusText->setContentsMargins(6, 0, 6, 0);
  StatusBar1->addWidget(StatusText, 1);
  bg1 = new QProgressBar(StatusBar1);
  bg1->setObjectName("bg1");
  bg1->setRange(0, 100);
  bg1->setValue(0);
  bg1->setMaximumWidth(180);
  bg1->setTextVisible(false);
  bg1->hide();
  StatusBar1->addPermanentWidget(bg1);
  setStatusBar(StatusBar1);
  StatusBar1->installEventFilter(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1000);

  OpenPictureDialog1.title = QStringLiteral("Open a Picture");
  OpenPictureDialog1.filter = QStringLiteral(
      "All pictures (*.bmp;*.jpg;*.jpeg;*.emf;*.wmf;*.ico)|*.bmp;*.jpg;*.jpeg;*.emf;*.wmf;*.ico|"
      "Bitmaps (*.bmp)|*.bmp|JPEG images (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
      "Enhanced metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf|Icons (*.ico)|*.ico|"
      "All files (*.*)|*.*");
  OpenPictureDialog2 = OpenPictureDialog1;
  SavePictureDialog1.title = QStringLiteral("Save the Picture");
  SavePictureDialog1.filter =
      QStringLiteral("Bitmaps (*.bmp)|*.bmp|JPEG images (*.jpg)|*.jpg|All files (*.*)|*.*");
  SavePictureDialog1.defaultExt = QStringLiteral("bmp");
}

void TPbook1::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  File1 = bar->addMenu(QStringLiteral("&File"));
  File1->setObjectName("File1");
  New1 = menuItem(File1, "New1", QStringLiteral("&New Image..."), QKeySequence::New);
  Browser1 = menuItem(File1, "Browser1", QStringLiteral("&Load Image..."), QKeySequence::Open);
  FileDialog1 = menuItem(File1, "FileDialog1", QStringLiteral("&Open with File Dialog..."),
                         QKeySequence(QStringLiteral("Ctrl+Shift+O")));
  File1->addSeparator();
  SaveMenuItem = menuItem(File1, "SaveMenuItem", QStringLiteral("&Save"), QKeySequence::Save);
  SaveAsMenuItem = menuItem(File1, "SaveAsMenuItem", QStringLiteral("Save &As..."),
                            QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  JpegSaveOptions1 = menuItem(File1, "JpegSaveOptions1", QStringLiteral("&JPEG Save Options..."));
  File1->addSeparator();
  Print1 = menuItem(File1, "Print1", QStringLiteral("&Print..."), QKeySequence::Print);
  PrintOptions1 = menuItem(File1, "PrintOptions1", QStringLiteral("Print &Layout..."));
  PrintSetup1 = menuItem(File1, "PrintSetup1", QStringLiteral("Print Set&up..."));
  File1->addSeparator();
  Exit1 = menuItem(File1, "Exit1", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q")));

  Edit1 = bar->addMenu(QStringLiteral("&Edit"));
  Edit1->setObjectName("Edit1");
  UndoMenuItem = menuItem(Edit1, "UndoMenuItem", QStringLiteral("&Undo"), QKeySequence::Undo);
  RedoMenuItem = menuItem(Edit1, "RedoMenuItem", QStringLiteral("&Redo"),
                          QKeySequence(QStringLiteral("Ctrl+Y")));
  Edit1->addSeparator();
  Cut1 = menuItem(Edit1, "Cut1", QStringLiteral("Cu&t Entire Image"), QKeySequence::Cut);
  CopyImageMenuItem = menuItem(Edit1, "CopyImageMenuItem", QStringLiteral("&Copy Entire Image"),
                               QKeySequence::Copy);
  PasteMenuItem = menuItem(Edit1, "PasteMenuItem", QStringLiteral("&Paste"), QKeySequence::Paste);
  Edit1->addSeparator();
  Copy2 = menuItem(Edit1, "Copy2", QStringLiteral("Copy &Zoom View"));
  Save2 = menuItem(Edit1, "Save2", QStringLiteral("Save Zoom &View..."));
  Edit1->addSeparator();
  Rotate1 = menuItem(Edit1, "Rotate1", QStringLiteral("R&otate Image..."),
                     QKeySequence(QStringLiteral("Ctrl+R")));
  Resize1 = menuItem(Edit1, "Resize1", QStringLiteral("Re&size Image..."),
                     QKeySequence(QStringLiteral("Ctrl+E")));

  Tools1 = bar->addMenu(QStringLiteral("&Tools"));
  Tools1->setObjectName("Tools1");
  PixelAnimatorsers1 = menuItem(Tools1, "PixelAnimatorsers1", QStringLiteral("&Pixel Animators"));
  GradientTools1 = menuItem(Tools1, "GradientTools1", QStringLiteral("&Gradient Tools"));
  Tools1->addSeparator();
  FancyText1 = menuItem(Tools1, "FancyText1", QStringLiteral("Rotated and &3D Text..."));
  Text1 = menuItem(Tools1, "Text1", QStringLiteral("&Multiple Line Text..."));
  Tools1->addSeparator();
  AnimationManager1 = menuItem(Tools1, "AnimationManager1", QStringLiteral("&Animation Manager"));
  MultimediaPlayer1 = menuItem(Tools1, "MultimediaPlayer1", QStringLiteral("Multimedia Pla&yer"));
  ImageMap1 = menuItem(Tools1, "ImageMap1", QStringLiteral("&Image Map: Divide an Image"));

  Activity1 = bar->addMenu(QStringLiteral("&Activity"));
  Activity1->setObjectName("Activity1");
  Animation1 = menuItem(Activity1, "Animation1", QStringLiteral("&Animation"));
  Movies1 = menuItem(Activity1, "Movies1", QStringLiteral("&Movies"));
  PlayMusic1 = menuItem(Activity1, "PlayMusic1", QStringLiteral("Play M&usic"));
  CreateStationeryackground1 = menuItem(Activity1, "CreateStationeryackground1",
                                        QStringLiteral("Create &Stationery Background"));

  Window1 = bar->addMenu(QStringLiteral("&Window"));
  Window1->setObjectName("Window1");
  Toolbar3 = menuItem(Window1, "Toolbar3", QStringLiteral("&Tool Bar"));
  Toolbar3->setCheckable(true);
  Toolbar3->setChecked(true);
  HorizontalScrollBars1 =
      menuItem(Window1, "HorizontalScrollBars1", QStringLiteral("&Horizontal Scroll Bars"));
  HorizontalScrollBars1->setCheckable(true);
  VerticalScrollBArs1 =
      menuItem(Window1, "VerticalScrollBArs1", QStringLiteral("&Vertical Scroll Bars"));
  VerticalScrollBArs1->setCheckable(true);
  Window1->addSeparator();
  NoneStayonTop1 = menuItem(Window1, "NoneStayonTop1", QStringLiteral("&None Stay on Top"));

  HElp1 = bar->addMenu(QStringLiteral("&Help"));
  HElp1->setObjectName("HElp1");
  HelpFiles1 =
      menuItem(HElp1, "HelpFiles1", QStringLiteral("&Getting Started"), QKeySequence::HelpContents);
  GeneralHelp1 = menuItem(HElp1, "GeneralHelp1", QStringLiteral("&Painting"));
  PastePanel2 = menuItem(HElp1, "PastePanel2", QStringLiteral("P&aste Panel"));
  AnimationMagic1 = menuItem(HElp1, "AnimationMagic1", QStringLiteral("Animation &Magic"));
  AnimationWizard1 = menuItem(HElp1, "AnimationWizard1", QStringLiteral("Animation &Wizard"));
  MovieWizard1 = menuItem(HElp1, "MovieWizard1", QStringLiteral("Mo&vie Wizard"));
  MultimediaPlayer2 = menuItem(HElp1, "MultimediaPlayer2", QStringLiteral("Multimedia Pla&yer"));
  WebPages1 = menuItem(HElp1, "WebPages1", QStringLiteral("W&eb Pages"));
  SupportServices1 = menuItem(HElp1, "SupportServices1", QStringLiteral("&Support Services"));
  HElp1->addSeparator();
  About1 = menuItem(HElp1, "About1", QStringLiteral("&About Quillmoor"));

  // Menu items that stand for a tool bar or side panel button follow its
  // enabled state when the menu opens; their shortcuts click the button, which
  // does nothing while it is disabled.
  ui::connectGuarded(Edit1, &QMenu::aboutToShow, this, [this] {
    UndoMenuItem->setEnabled(undoptb1->isEnabled());
    RedoMenuItem->setEnabled(redoptb1->isEnabled());
    PasteMenuItem->setEnabled(pbpastebut1->isEnabled());
    Rotate1->setEnabled(pbrotbut1->isEnabled());
    Resize1->setEnabled(resizebut1->isEnabled());
  });
  ui::connectGuarded(Edit1, &QMenu::aboutToHide, this, [this] {
    // Shortcuts must keep working while the menu is closed.
    for (QAction* a : {UndoMenuItem, RedoMenuItem, PasteMenuItem, Rotate1, Resize1})
      a->setEnabled(true);
  });
}

void TPbook1::buildToolBar() {
  CoolBar2 = new QWidget;
  CoolBar2->setObjectName("CoolBar2");
  CoolBar2->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(CoolBar2);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  ToolBar1 = new QToolBar(CoolBar2);
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setIconSize(QSize(kGlyphSize, kGlyphSize));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->installEventFilter(this);
  layout->addWidget(ToolBar1);
  auto* line = new QFrame(CoolBar2);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  line->setStyleSheet(QStringLiteral("color: #D8DEE6;"));

  auto add = [this](const char* name, const char* glyph, const QString& hint, const QString& text) {
    QToolButton* b = glyphButton(ToolBar1, name, glyph, hint, text);
    ToolBar1->addWidget(b);
    return b;
  };
  ToolButton14 =
      add("ToolButton14", "new-image", QStringLiteral("New Image"), QStringLiteral("New"));
  ToolButton11 =
      add("ToolButton11", "load-image", QStringLiteral("Load Image"), QStringLiteral("Load"));
  ToolButton12 = add("ToolButton12", "save", QStringLiteral("Save"), QStringLiteral("Save"));
  ToolButton13 =
      add("ToolButton13", "save-as", QStringLiteral("Save As"), QStringLiteral("Save As"));
  ToolButton6 = add("ToolButton6", "print", QStringLiteral("Print"), QStringLiteral("Print"));
  ToolBar1->addSeparator();
  ToolButton1 =
      add("ToolButton1", "paint-tools", QStringLiteral("Paint Tools"), QStringLiteral("Tools"));
  pbrotbut1 =
      add("pbrotbut1", "rotate-image", QStringLiteral("Rotate Image"), QStringLiteral("Rotate"));
  resizebut1 = add("resizebut1", "resize", QStringLiteral("Resize"), QStringLiteral("Resize"));
  ToolBar1->addSeparator();
  pblassoobut1 = add("pblassoobut1", "lasso-outline", QStringLiteral("Outline Capture"),
                     QStringLiteral("Outline"));
  pbcapbxbut1 =
      add("pbcapbxbut1", "rectangle-outline", QStringLiteral("Capture Box"), QStringLiteral("Box"));
  ToolButton7 = add("ToolButton7", "copy-entire-image", QStringLiteral("Copy Entire Image"),
                    QStringLiteral("Copy"));
  pbpastebut1 = add("pbpastebut1", "paste", QStringLiteral("Paste"), QStringLiteral("Paste"));
  pbpastrefrombut1 = add("pbpastrefrombut1", "paste-from-file", QStringLiteral("Paste From File"),
                         QStringLiteral("From File"));
  pbpastetobut1 = add("pbpastetobut1", "paste-to-file", QStringLiteral("Paste to File"),
                      QStringLiteral("To File"));
  ToolButton3 = add("ToolButton3", "morf-paste-clip", QStringLiteral("Morf Paste Clip"),
                    QStringLiteral("Morf"));
  ToolBar1->addSeparator();
  ToolButton4 = add("ToolButton4", "rotated-3d-text", QStringLiteral("Rotated and 3D text"),
                    QStringLiteral("3D Text"));
  ToolButton5 = add("ToolButton5", "multi-line-text", QStringLiteral("Multiple Line Text"),
                    QStringLiteral("Text"));
  ToolButton16 = add("ToolButton16", "stationery-designer", QStringLiteral("Stationery Designer"),
                     QStringLiteral("Stationery"));
  ToolBar1->addSeparator();
  ToolButton15 = add("ToolButton15", "animation-manager", QStringLiteral("Animation Manager"),
                     QStringLiteral("Animation"));
  ToolButton17 = add("ToolButton17", "multimedia-player", QStringLiteral("Multimedia Player"),
                     QStringLiteral("Player"));
  ToolBar1->addSeparator();
  ToolButton8 = add("ToolButton8", "roll-up", QStringLiteral("Roll Up"), QStringLiteral("Up"));
  ToolButton9 =
      add("ToolButton9", "roll-down", QStringLiteral("Roll Down"), QStringLiteral("Down"));

  // Enabled by initpages once there is a picture.
  for (QToolButton* b :
       {pbrotbut1, pblassoobut1, pbcapbxbut1, pbpastebut1, resizebut1, pbpastetobut1})
    b->setEnabled(false);

  layout->addWidget(line);
}

void TPbook1::buildSidePanel() {
  CoolBar1 = new QFrame;
  CoolBar1->setObjectName("CoolBar1");
  CoolBar1->setStyleSheet(
      QStringLiteral("QFrame#CoolBar1 { background: #ECF0F4; border-left: 1px solid #D8DEE6; }"
                     "QFrame#zmpanel1, QFrame#pastepanel1 { background: #F7F9FB; border: 1px solid "
                     "#D8DEE6; border-radius: 4px; }"));
  // The panels scroll up and down inside the bar when the window is lower
  // than they are (the paste panel is tall).
  auto* outer = new QVBoxLayout(CoolBar1);
  outer->setContentsMargins(1, 0, 0, 0);  // the border line
  auto* scroll = new QScrollArea(CoolBar1);
  scroll->setObjectName("CoolBar1Scroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->viewport()->setAutoFillBackground(false);
  auto* content = new QWidget;
  content->setObjectName("CoolBar1Content");
  content->setAutoFillBackground(false);
  scroll->setWidget(content);
  outer->addWidget(scroll);
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(6, 8, 6, 8);
  column->setSpacing(8);

  Panel1 = new QWidget(CoolBar1);
  Panel1->setObjectName("Panel1");
  auto* grid = new QGridLayout(Panel1);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(4);
  auto side = [this](const char* name, const char* glyph, const QString& hint,
                     const QString& text) {
    QToolButton* b = glyphButton(Panel1, name, glyph, hint, text);
    b->setProperty("sidePanel", true);
    b->setFixedSize(38, 36);
    return b;
  };
  undoptb1 = side("undoptb1", "undo", QStringLiteral("Undo"), QStringLiteral("Undo"));
  redoptb1 = side("redoptb1", "redo", QStringLiteral("Redo"), QStringLiteral("Redo"));
  zmbuton =
      side("zmbuton", "zoom-larger", QStringLiteral("Zoom Image Larger"), QStringLiteral("Zoom"));
  zmbutoff = side("zmbutoff", "normal-size", QStringLiteral("Normal Size"), QStringLiteral("1:1"));
  SpeedButton8 =
      side("SpeedButton8", "window-wide", QStringLiteral("Wide Window"), QStringLiteral("Wide"));
  SpeedButton9 = side("SpeedButton9", "window-narrow", QStringLiteral("Narrow Window"),
                      QStringLiteral("Narrow"));
  SpeedButton2 =
      side("SpeedButton2", "help", QStringLiteral("Help on Pasting"), QStringLiteral("?"));
  grid->addWidget(undoptb1, 0, 0);
  grid->addWidget(redoptb1, 0, 1);
  grid->addWidget(zmbuton, 1, 0);
  grid->addWidget(zmbutoff, 1, 1);
  grid->addWidget(SpeedButton8, 2, 0);
  grid->addWidget(SpeedButton9, 2, 1);
  grid->addWidget(SpeedButton2, 3, 0);
  // Disabled until initpages has a picture to undo to.
  undoptb1->setEnabled(false);
  redoptb1->setEnabled(false);
  zmbuton->setEnabled(false);
  column->addWidget(Panel1, 0, Qt::AlignHCenter);

  coord1 = new QLabel(CoolBar1);
  coord1->setObjectName("coord1");
  coord1->setAlignment(Qt::AlignCenter);
  coord1->hide();
  column->addWidget(coord1);

  // The zoom panel: factor and pan of the zoom view, position and step of the
  // capture frame on "View Zoom".
  zmpanel1 = new QFrame(CoolBar1);
  zmpanel1->setObjectName("zmpanel1");
  auto* zoomLayout = new QVBoxLayout(zmpanel1);
  zoomLayout->setContentsMargins(4, 4, 4, 4);
  zoomLayout->setSpacing(2);
  auto zoomSpin = [&](const QString& caption, ui::SpinEdit* s) {
    zoomLayout->addWidget(label(zmpanel1, caption));
    zoomLayout->addWidget(s);
    return s;
  };
  zm1spin = zoomSpin(QStringLiteral("Zoom %"),
                     spin(zmpanel1, "zm1spin", 100, 1000, 100, QStringLiteral("Zoom image ")));
  zm1spin->setIncrement(2);
  // Unbounded (0..0): the view keeps its centre inside the bitmap itself.
  spinedit1 =
      zoomSpin(QStringLiteral("Left/Right"),
               spin(zmpanel1, "spinedit1", 0, 0, 0, QStringLiteral("move image left or right")));
  spinedit4 = zoomSpin(QStringLiteral("Up/Down"), spin(zmpanel1, "spinedit4", 0, 0, 0,
                                                       QStringLiteral("Move image up or down")));
  spbox1 =
      zoomSpin(QStringLiteral("Pan L/R"),
               spin(zmpanel1, "spbox1", 0, 0, 0, QStringLiteral("Move capture box left or right")));
  spbox2 = zoomSpin(QStringLiteral("Pan U/D"), spin(zmpanel1, "spbox2", 0, 0, 0,
                                                    QStringLiteral("Move capture box up or down")));
  zsnum = zoomSpin(QStringLiteral("Move Step"),
                   spin(zmpanel1, "zsnum", 1, 100, 1, QStringLiteral("Move by this amount")));
  chk1 = new QCheckBox(QStringLiteral("Edit zoomed"), zmpanel1);
  chk1->setObjectName("chk1");
  chk1->setEnabled(false);
  zoomLayout->addWidget(chk1);
  zmpanel1->hide();
  column->addWidget(zmpanel1);

  // The paste panel's controls come with the clip paste.
  pastepanel1 = new QFrame(CoolBar1);
  pastepanel1->setObjectName("pastepanel1");
  (new QVBoxLayout(pastepanel1))->setContentsMargins(3, 3, 3, 3);
  buildPastePanel();
  pastepanel1->hide();
  column->addWidget(pastepanel1);

  // The picture a pending morph pours into the next captured shape.
  Panel3 = new QFrame(CoolBar1);
  Panel3->setObjectName("Panel3");
  auto* morphLayout = new QVBoxLayout(Panel3);
  morphLayout->setContentsMargins(4, 4, 4, 4);
  morfimage1 = new ui::ImageControl(Panel3);
  morfimage1->setObjectName("morfimage1");
  morfimage1->setStretch(true);
  morfimage1->setFixedSize(55, 55);
  morphLayout->addWidget(morfimage1, 0, Qt::AlignHCenter);
  Panel3->hide();
  column->addWidget(Panel3);
  column->addStretch(1);

  // One width for every panel the side bar can show, hidden ones included,
  // so the pages do not jump when the paste or zoom panel comes up.
  int widest = 0;
  for (QWidget* panel : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(zmpanel1),
                         static_cast<QWidget*>(pastepanel1), static_cast<QWidget*>(Panel3)})
    widest = std::max(widest, panel->minimumSizeHint().width());
  const QMargins margins = column->contentsMargins();
  CoolBar1->setFixedWidth(outer->contentsMargins().left() + margins.left() + widest +
                          margins.right() + scroll->verticalScrollBar()->sizeHint().width());
}

void TPbook1::buildPages() {
  buildMainPage();
  buildUndoPage();
  buildZoomPage();
  buildDragPages();
  buildGettingStartedPage();
  buildFurtherPages();
}

void TPbook1::buildMainPage() {
  TabSheet1 = page(PageControl1, "TabSheet1", QStringLiteral("Main"));
  auto* layout = new QVBoxLayout(TabSheet1);
  layout->setContentsMargins(0, 0, 0, 0);
  ScrollBox1 = placedScrollArea(TabSheet1, "ScrollBox1");
  layout->addWidget(ScrollBox1);
  QWidget* content = ScrollBox1->widget();

  ptbox1 = new ui::ImageControl(content);
  ptbox1->setObjectName("ptbox1");
  ptbox1->setAutoSize(true);
  ptbox1->setCursor(Qt::CrossCursor);
  // A click gives the picture the keys (Escape, arrows, Delete).
  ptbox1->setFocusPolicy(Qt::ClickFocus);
  ptbox1->installEventFilter(this);
  mask1 = hiddenImage(content, "mask1");
  clpmap1 = hiddenImage(content, "clpmap1");
  maskback = hiddenImage(content, "maskback");
  ui::ShapeControl** handles[] = {&s1, &s2, &s3, &s4};
  const char* names[] = {"s1", "s2", "s3", "s4"};
  for (int i = 0; i < 4; ++i) {
    auto* s = new ui::ShapeControl(content);
    s->setObjectName(QString::fromLatin1(names[i]));
    s->setShape(ui::ShapeType::Circle);
    s->setBrushColor(0xD87F2F);  // the glyphs' blue
    s->setPenColor(0xFFFFFF);
    s->setGeometry(0, 0, 16, 16);
    s->setToolTip(QStringLiteral("Click move then click"));
    s->setCursor(Qt::SizeAllCursor);
    s->hide();
    *handles[i] = s;
  }
}

void TPbook1::buildUndoPage() {
  TabSheet2 =
      page(PageControl1, "TabSheet2", QStringLiteral("View Undo"), QStringLiteral("Read Only"));
  auto* layout = new QVBoxLayout(TabSheet2);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* hint = label(TabSheet2, QStringLiteral("Right Click for menu"), "Label2");
  hint->setContentsMargins(8, 5, 8, 5);
  hint->setStyleSheet(QStringLiteral("color: #5B6673;"));
  layout->addWidget(hint);
  ScrollBox2 = placedScrollArea(TabSheet2, "ScrollBox2");
  layout->addWidget(ScrollBox2, 1);
  QWidget* content = ScrollBox2->widget();

  image2 = new ui::ImageControl(content);
  image2->setObjectName("image2");
  image2->setAutoSize(true);
  image2->setToolTip(QStringLiteral("Read Only"));
  image2->setContextMenuPolicy(Qt::CustomContextMenu);
  zmbk = hiddenImage(content, "zmbk");
  im2back = hiddenImage(content, "im2back");
  redo = hiddenImage(content, "redo");

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  Copy1 = menuItem(PopupMenu1, "Copy1", QStringLiteral("&Copy"));
  Save1 = menuItem(PopupMenu1, "Save1", QStringLiteral("&Save As..."));
  ui::connectGuarded(image2, &QWidget::customContextMenuRequested, this,
                     [this](const QPoint& p) { PopupMenu1->popup(image2->mapToGlobal(p)); });
}

void TPbook1::buildZoomPage() {
  TabSheet3 = page(PageControl1, "TabSheet3", QStringLiteral("View Zoom"));
  auto* layout = new QVBoxLayout(TabSheet3);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The capture frame's size and the camera's commands; zooming on enables
  // what can be used.
  // Two rows, so the bar fits beside the side panel in a narrow window: the
  // frame's size and the help, then the commands.
  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(8, 4, 8, 2);
  bar->setSpacing(4);
  bar->addWidget(label(TabSheet3, QStringLiteral("Frame")));
  SpinEdit2 = spin(TabSheet3, "SpinEdit2", 10, 4000, 176, QStringLiteral("Frame width"));
  bar->addWidget(SpinEdit2);
  bar->addWidget(label(TabSheet3, QStringLiteral("x")));
  SpinEdit3 = spin(TabSheet3, "SpinEdit3", 10, 4000, 144, QStringLiteral("Frame height"));
  bar->addWidget(SpinEdit3);
  bar->addStretch(1);
  BitBtn9 =
      new QPushButton(app::glyphIcon(QStringLiteral("help")), QStringLiteral("Help"), TabSheet3);
  BitBtn9->setObjectName("BitBtn9");
  BitBtn9->setToolTip(QStringLiteral("Zoom and Camera help"));
  bar->addWidget(BitBtn9);
  auto* commands = new QHBoxLayout;
  commands->setContentsMargins(8, 2, 8, 4);
  commands->setSpacing(4);
  auto command = [this, commands](const char* name, const QString& text, const QString& hint) {
    auto* b = new QPushButton(text, TabSheet3);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setEnabled(false);
    commands->addWidget(b);
    return b;
  };
  zbrowsebut1 = command("zbrowsebut1", QStringLiteral("Folder..."),
                        QStringLiteral("Choose the folder and name of the frames"));
  zcambut1 = command("zcambut1", QStringLiteral("Snap"),
                     QStringLiteral("Save the framed area as the next frame"));
  zclipbut1 = command("zclipbut1", QStringLiteral("Copy"), QStringLiteral("Copy the framed area"));
  commands->addStretch(1);
  layout->addLayout(bar);
  layout->addLayout(commands);
  ScrollBox3 = placedScrollArea(TabSheet3, "ScrollBox3");
  layout->addWidget(ScrollBox3, 1);
  QWidget* content = ScrollBox3->widget();
  zm1 = new TZoomImage(content);
  zm1->setObjectName("zm1");

  // The capture frame's four thin edges over the view, placed by zposbox.
  QPushButton** edges[] = {&zrleft, &zrtop, &zrright, &zrbot};
  const char* edgeNames[] = {"zrleft", "zrtop", "zrright", "zrbot"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QPushButton(content);
    b->setObjectName(QString::fromLatin1(edgeNames[i]));
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(
        QStringLiteral("QPushButton { background: #D8442F; border: none; }"
                       "QPushButton:disabled { background: #E89A8E; }"));
    b->hide();
    *edges[i] = b;
  }
  zrtop->setEnabled(false);  // until a folder for the frames is chosen
}

void TPbook1::buildDragPages() {
  TabSheet4 = page(PageControl1, "TabSheet4", QStringLiteral("Drag From Main"));
  {
    QWidget* body = scrolledBody(TabSheet4);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(4);
    layout->addWidget(heading(body, QStringLiteral("Divide an Image ")));
    layout->addWidget(label(body, QStringLiteral("Create an image map by dividing an image and ")));
    layout->addWidget(
        label(body, QStringLiteral("dumping the small sections to disk as bitmaps.")));
    buildDragImage(layout);
    // The divider's controls come with the web page export.
  }

  TabSheet5 = page(PageControl1, "TabSheet5", QStringLiteral("Drag To"),
                   QStringLiteral("Prepare to load into main"));
  QWidget* body = scrolledBody(TabSheet5);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(16, 14, 16, 14);
  layout->setSpacing(4);
  layout->addWidget(heading(
      body,
      QStringLiteral("Images dragged here within the scope of this program, load into Main")));
  layout->addWidget(label(body, QStringLiteral("Animation Manager Drop Site, Image Browser, ")));
  layout->addWidget(label(body, QStringLiteral("and Morf Dialog are potential sources.")));
  layout->addSpacing(10);
  auto* frame = new QFrame(body);
  frame->setObjectName("Image1Frame");
  frame->setStyleSheet(
      QStringLiteral("QFrame#Image1Frame { border: 2px dashed #9FB4CC; border-radius: 6px; "
                     "background: #FAFBFD; }"));
  auto* frameLayout = new QVBoxLayout(frame);
  frameLayout->setContentsMargins(6, 6, 6, 6);
  Image1 = new ui::ImageControl(frame);
  Image1->setObjectName("Image1");
  Image1->setStretch(true);
  Image1->setDragSource(true);
  Image1->setDropTarget(true);
  Image1->setMinimumSize(160, 120);
  Image1->setToolTip(QStringLiteral("Prepare to load into main"));
  frameLayout->addWidget(Image1);
  layout->addWidget(frame, 1);
}

void TPbook1::buildGettingStartedPage() {
  TabSheet6 = page(PageControl1, "TabSheet6", QStringLiteral("Getting Started"));
  auto* layout = new QVBoxLayout(TabSheet6);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* stack = new QGridLayout;
  stack->setContentsMargins(0, 0, 0, 0);
  RichEdit1 = new ui::RichEdit(TabSheet6);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setReadOnly(true);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setFrameShape(QFrame::NoFrame);
  RichEdit1->document()->setDocumentMargin(14);
  stack->addWidget(RichEdit1, 0, 0);

  // The cover panel over the help text until a page is opened.
  Panel6 = new QFrame(TabSheet6);
  Panel6->setObjectName("Panel6");
  Panel6->setCursor(Qt::PointingHandCursor);
  Panel6->setToolTip(QStringLiteral("Click here to read Getting Started"));
  Panel6->setStyleSheet(QStringLiteral("QFrame#Panel6 { background: #FFFBE6; }"));
  Panel6->installEventFilter(this);
  auto* cover = new QVBoxLayout(Panel6);
  cover->setContentsMargins(24, 24, 24, 24);
  cover->setSpacing(10);
  cover->addStretch(1);
  Image5 = new ui::ImageControl(Panel6);
  Image5->setObjectName("Image5");
  Image5->setCenter(true);
  Image5->setFixedSize(136, 136);
  Image5->setToolTip(QStringLiteral("Start painting"));
  Image5->setCursor(Qt::PointingHandCursor);
  const QIcon logo = app::glyphIcon(QStringLiteral("quillmoor"));
  if (!logo.isNull()) {
    QImage art(128, 128, QImage::Format_ARGB32_Premultiplied);
    art.fill(QColor(0xFF, 0xFB, 0xE6));
    QPainter painter(&art);
    logo.paint(&painter, art.rect());
    painter.end();
    Image5->setBitmap(ui::toBitmap(art));
  }
  cover->addWidget(Image5, 0, Qt::AlignHCenter);
  auto* title = heading(Panel6, QStringLiteral("Welcome to Quillmoor"));
  title->setAlignment(Qt::AlignCenter);
  cover->addWidget(title);
  auto* invite = label(
      Panel6,
      QStringLiteral("Click here to read Getting Started, or on the picture to start painting."));
  invite->setAlignment(Qt::AlignCenter);
  invite->setWordWrap(true);
  cover->addWidget(invite);
  Label16 = label(Panel6, QStringLiteral("<a href=\"#\">Animation Magic</a>"), "Label16");
  Label16->setAlignment(Qt::AlignCenter);
  Label16->setCursor(Qt::PointingHandCursor);
  Label16->setTextInteractionFlags(Qt::NoTextInteraction);
  Label16->installEventFilter(this);
  cover->addWidget(Label16);
  cover->addStretch(2);
  stack->addWidget(Panel6, 0, 0);
  layout->addLayout(stack, 1);

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(8, 6, 8, 6);
  getsbut1 =
      new QPushButton(app::glyphIcon(QStringLiteral("back")), QStringLiteral("Back"), TabSheet6);
  getsbut1->setObjectName("getsbut1");
  getsbut1->hide();
  bar->addWidget(getsbut1);
  bar->addStretch(1);
  layout->addLayout(bar);
}

void TPbook1::buildFurtherPages() {
  TabSheet7 = page(PageControl1, "TabSheet7", QStringLiteral("Animation"));
  {
    QWidget* body = scrolledBody(TabSheet7);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    layout->addWidget(heading(body, QStringLiteral("Animation")));
    auto* intro = label(
        body, QStringLiteral(
                  "Join key pictures into frame sequences with transitions, or make a series of "
                  "468 x 60 banner frames with text and image effects."));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* row = new QHBoxLayout;
    BitBtn1 = new QPushButton(app::glyphIcon(QStringLiteral("movie-wizard")),
                              QStringLiteral("Movie Wizard"), body);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton(app::glyphIcon(QStringLiteral("animation-wizard")),
                              QStringLiteral("Animation Wizard"), body);
    BitBtn2->setObjectName("BitBtn2");
    for (QPushButton* b : {BitBtn1, BitBtn2}) b->setIconSize(QSize(kGlyphSize, kGlyphSize));
    row->addWidget(BitBtn1);
    row->addWidget(BitBtn2);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
  }

  TabSheet8 = page(PageControl1, "TabSheet8", QStringLiteral("Web Pages"));
  {
    auto* layout = new QVBoxLayout(TabSheet8);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    layout->addWidget(heading(TabSheet8, QStringLiteral("Web Pages")));
    // The home page and blank page generators come with the web page export.
    auto* row = new QHBoxLayout;
    BitBtn15 =
        new QPushButton(app::glyphIcon(QStringLiteral("help")), QStringLiteral("Help"), TabSheet8);
    BitBtn15->setObjectName("BitBtn15");
    BitBtn15->setToolTip(QStringLiteral("Web Pages help"));
    row->addWidget(BitBtn15);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);
  }

  TabSheet9 = page(PageControl1, "TabSheet9", QStringLiteral("Image Map"));
  {
    auto* layout = new QVBoxLayout(TabSheet9);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(heading(TabSheet9, QStringLiteral("Image Map")));
    // The image map generator comes with the web page export.
    layout->addStretch(1);
  }
}
