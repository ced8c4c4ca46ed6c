// The palette window itself: start values, the layout of its panels and the
// window events that redraw the colour box and the width preview.
#include "tools/windows/TForm3.h"

#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/WindowPlacement.h"

namespace {

const char* const kStyle = R"(
TForm3 { background: #F3F5F8; }
QToolButton { border: 1px solid transparent; border-radius: 4px; background: transparent;
              padding: 1px; color: #2E3A48; }
QToolButton:hover { background: #E3ECF7; border-color: #B9CDE6; }
QToolButton:pressed, QToolButton:checked { background: #CFE3F8; border-color: #2F7FD8; }
QToolButton:disabled { color: #9AA6B2; }
QLabel#paletteTitle { color: #2E3A48; font-weight: bold; }
QLabel#paletteNote { color: #5B6877; }
QStatusBar { background: #E7EBF0; color: #2E3A48; border-top: 1px solid #D0D6DE; }
QStatusBar::item { border: none; }
QPlainTextEdit { background: #FFFFFF; border: 1px solid #C8D0DA; border-radius: 3px; }
)";

constexpr int kToolBarHeight = 30;
constexpr int kPanelTop = kToolBarHeight;
constexpr int kPanelHeight = 292;
// Between the palette's frame and the window it is placed beside.
constexpr int kBesideGap = 6;
// The status bar: room around its text, its height for one line, and the
// least room between it and the gradient preview above.
constexpr int kStatusMargin = 4;
constexpr int kStatusMinHeight = 20;
constexpr int kStatusGap = 4;

}  // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
  setObjectName("TForm3");
  setWindowTitle("Tools");
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_StyledBackground);
  setStyleSheet(kStyle);
  // A tool window is seldom the active one: its hints show all the same.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  QFont f = font();
  f.setPointSize(8);
  setFont(f);

  AppFolder = ui::environment().programFolder();
  PatternPath = AppFolder + QStringLiteral("bin/b1.bmp");

  buildToolBar();
  buildMainTools();
  buildColourArea();
  buildSprayPanel();
  buildPixelPanel();
  buildGradientPanel();
  buildPatternPanel();
  buildHelpPanel();

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName("StatusBar1");
  StatusBar1->setSizeGripEnabled(false);
  StatusText = new QLabel(StatusBar1);
  StatusText->setObjectName("StatusText");
  StatusText->setWordWrap(true);
  StatusText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  fitCaptions();

  resize(kDesignWidth, fullHeight());
  initialPattern();
  connectColourArea();

  if (app::MainWindow* main = app::findMainWindow()) placeBeside(main->widget());
}

void TForm3::fitCaptions() {
  // Controls placed by hand grow to show their captions whole.
  for (QWidget* w : findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w); label && label != StatusText)
      ui::growToCaption(*label);
    if (auto* button = qobject_cast<QToolButton*>(w);
        button && !button->text().isEmpty() && button->toolButtonStyle() != Qt::ToolButtonIconOnly)
      ui::growToCaption(*button);
  }
  // The status bar is as high as the longest hint needs at the palette's width.
  QStringList hints;
  for (const QWidget* w : findChildren<QWidget*>())
    if (!w->statusTip().isEmpty()) hints << w->statusTip();
  const int lines = ui::wrappedHeight(StatusText->font(), kDesignWidth - 2 * kStatusMargin, hints);
  StatusBar1->setFixedHeight(std::max(kStatusMinHeight, lines + 2 * kStatusMargin));
}

int TForm3::fullHeight() const {
  // The status bar stands below the gradient preview, in the room the design
  // leaves there when one line is enough.
  return std::max(kDesignHeight,
                  Panel6->geometry().bottom() + 1 + kStatusGap + StatusBar1->height());
}

void TForm3::showHint(const QString& hint) { StatusText->setText(hint); }

void TForm3::placeBeside(const QWidget& window) {
  const QRect area = ui::environment().availableArea();
  move(ui::besideFrame(ui::frameRect(window), ui::frameRect(*this).size(), area, kBesideGap));
}

QToolButton* TForm3::makeButton(QWidget* parent, const char* name, const QString& hint,
                                const char* glyph, const QRect& geometry) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setToolTip(hint);
  b->setStatusTip(hint);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoRaise(true);
  if (glyph) {
    b->setIcon(QIcon(AppFolder + QStringLiteral("glyphs/") + QString::fromLatin1(glyph) +
                     QStringLiteral(".svg")));
    const int side = std::min(24, std::min(geometry.width(), geometry.height()) - 4);
    b->setIconSize(QSize(side, side));
  }
  b->setGeometry(geometry);
  return b;
}

QWidget* TForm3::makeOverlay(const char* name, const QString& title) {
  auto* panel = new QWidget(this);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(0, kPanelTop, kDesignWidth, kPanelHeight);
  panel->setAutoFillBackground(true);
  QPalette pal = panel->palette();
  pal.setColor(QPalette::Window, QColor(0xF3, 0xF5, 0xF8));
  panel->setPalette(pal);
  auto* label = new QLabel(title, panel);
  label->setObjectName("paletteTitle");
  label->setGeometry(8, 2, 116, 16);
  panel->hide();
  return panel;
}

void TForm3::buildToolBar() {
  ToolBar1 = new QWidget(this);
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setGeometry(0, 0, kDesignWidth, kToolBarHeight);
  struct Def {
    QToolButton** member;
    const char* name;
    const char* hint;
    const char* glyph;
  };
  const Def defs[] = {
      {&ToolButton1, "ToolButton1", "Gradient Tools", "gradient-tools"},
      {&ToolButton2, "ToolButton2", "Animation Tools", "animation-tools"},
      {&ToolButton3, "ToolButton3", "Patterns", "patterns"},
      {&ToolButton4, "ToolButton4", "Roll Up", "roll-up"},
      {&ToolButton5, "ToolButton5", "Roll Down", "roll-down"},
  };
  int x = 2;
  for (const Def& d : defs) {
    *d.member =
        makeButton(ToolBar1, d.name, QString::fromLatin1(d.hint), d.glyph, QRect(x, 2, 25, 25));
    x += 26;
  }
  auto* line = new QFrame(ToolBar1);
  line->setGeometry(0, kToolBarHeight - 1, kDesignWidth, 1);
  line->setStyleSheet("background: #D0D6DE;");
  ui::connectGuarded(ToolButton1, &QToolButton::clicked, this, &TForm3::ToolButton1Click);
  ui::connectGuarded(ToolButton2, &QToolButton::clicked, this, &TForm3::ToolButton2Click);
  ui::connectGuarded(ToolButton3, &QToolButton::clicked, this, &TForm3::ToolButton3Click);
  ui::connectGuarded(ToolButton4, &QToolButton::clicked, this, &TForm3::roll_uptools);
  ui::connectGuarded(ToolButton5, &QToolButton::clicked, this, &TForm3::roll_downtools);
}

void TForm3::buildHelpPanel() {
  Panel9 = new QWidget(this);
  Panel9->setObjectName("Panel9");
  Panel9->setAutoFillBackground(true);
  QPalette pal = Panel9->palette();
  pal.setColor(QPalette::Window, QColor(0xF3, 0xF5, 0xF8));
  Panel9->setPalette(pal);
  auto* title = new QLabel(QStringLiteral("Help"), Panel9);
  title->setObjectName("paletteTitle");
  title->setGeometry(8, 2, 116, 16);
  Memo1 = new QPlainTextEdit(Panel9);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont memoFont = Memo1->font();
  memoFont.setPointSizeF(7.5);
  Memo1->setFont(memoFont);
  Memo1->setGeometry(6, 20, 120, 232);
  Memo1->setPlainText(kPatternHelp.join('\n'));
  BitBtn24 =
      makeButton(Panel9, "BitBtn24", QStringLiteral("Close"), "back", QRect(6, 258, 120, 28));
  BitBtn24->setText(QStringLiteral("OK"));
  BitBtn24->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ui::connectGuarded(BitBtn24, &QToolButton::clicked, this, &TForm3::BitBtn24Click);
  Panel9->setGeometry(kPanel9HiddenLeft, kPanelTop, kDesignWidth, kPanelHeight);
  Panel9->hide();
}

void TForm3::setPanel9Left(int left) {
  Panel9->move(left, Panel9->y());
  // Out of sight also when the palette is widened beyond its design width.
  Panel9->setVisible(left < kPanel9HiddenLeft);
  if (Panel9->isVisibleTo(this)) Panel9->raise();
}

void TForm3::openPanel(QWidget* panel) {
  panel->show();
  panel->raise();
  if (Panel9->isVisibleTo(this)) Panel9->raise();
}

bool TForm3::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  if (e->type() == QEvent::StatusTip) {
    showHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QWidget::event(e);
}

void TForm3::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  FormShow();
}

void TForm3::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  // The status bar keeps to the bottom edge, so a rolled-up palette shows
  // its tool bar over the status bar.
  StatusBar1->setGeometry(0, height() - StatusBar1->height(), width(), StatusBar1->height());
  StatusText->setGeometry(StatusBar1->rect().adjusted(kStatusMargin, 0, -kStatusMargin, 0));
  StatusBar1->raise();
}

void TForm3::FormShow() { do_colbox(); }

void TForm3::FormActivate() { do_colbox(); }

void TForm3::FormPaint() {
  paintPending_ = false;
  do_colbox();
  syncToolButtons();
}

void TForm3::invalidatePalette() {
  update();
  // Redrawn once the events queued now have run, as a repaint would.
  if (paintPending_) return;
  paintPending_ = true;
  ui::singleShotGuarded(0, this, [this] { FormPaint(); });
}

gdi::TColor TForm3::faceColor() const {
  const QColor c(0xF3, 0xF5, 0xF8);
  return gdi::RGB(c.red(), c.green(), c.blue());
}

bool TForm3::eventFilter(QObject* watched, QEvent* e) {
  // Panel4 sees the mouse only off the pick strip; Panel6 is the gradient
  // preview's frame.
  if (watched == Panel4 && e->type() == QEvent::MouseMove) Panel4MouseMove();
  if (watched == Panel6 && e->type() == QEvent::MouseButtonRelease) Panel6Click();
  return QWidget::eventFilter(watched, e);
}
