// The paste panel on the side bar: size, move, rotate and effect buttons for
// the floating clip, "OK" to end the paste; and the "Drag From Main" image.
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/TPbook1.h"
#include "clips/engine/ClipSize.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/SpinButton.h"
#include "platform/ui/SpinEdit.h"

namespace {

QToolButton* panelButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(caption);
  b->setToolTip(hint);
  b->setAutoRaise(false);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return b;
}

ui::SpinButton* spinButton(QWidget* parent, const char* name, const QString& hint,
                           Qt::Orientation orientation = Qt::Vertical) {
  auto* s = new ui::SpinButton(orientation, parent);
  s->setObjectName(QString::fromLatin1(name));
  s->setToolTip(hint);
  return s;
}

QLabel* small(QWidget* parent, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

}  // namespace

void TPbook1::buildPastePanel() {
  // Three narrow columns; the longer captions span all three. The side panel
  // takes its width from this panel.
  auto* grid = new QGridLayout;
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(2);
  QWidget* p = pastepanel1;
  int row = 0;
  // Three columns, each two grid columns wide, so that a pair of buttons can
  // share a row in equal halves.
  auto place = [grid](QWidget* w, int r, int column, int span = 1, Qt::Alignment align = {}) {
    grid->addWidget(w, r, 2 * column, 1, 2 * span, align);
  };
  auto half = [grid](QWidget* w, int r, int side) { grid->addWidget(w, r, 3 * side, 1, 3); };
  for (int c = 0; c < 6; ++c) grid->setColumnStretch(c, 1);

  SpeedButton3 =
      panelButton(p, "SpeedButton3", QStringLiteral("OK"), QStringLiteral("Done Pasteing"));
  place(SpeedButton3, row++, 0, 3);

  SpeedButton4 = panelButton(p, "SpeedButton4", QStringLiteral("1/2"), QStringLiteral("Half Size"));
  SpeedButton5 = panelButton(p, "SpeedButton5", QStringLiteral("x2"), QStringLiteral("Twice Size"));
  SpeedButton1 = panelButton(p, "SpeedButton1", QStringLiteral("Normal"),
                             QStringLiteral("Original size and shape"));
  half(SpeedButton4, row, 0);
  half(SpeedButton5, row++, 1);
  place(SpeedButton1, row++, 0, 3);

  pastezoomedit1 = spinButton(p, "pastezoomedit1", QStringLiteral("Change Size of Clip"));
  pwedit1 = spinButton(p, "pwedit1", QStringLiteral("Change Width of Clip"));
  phedit1 = spinButton(p, "phedit1", QStringLiteral("Change Height of Clip"));
  place(small(p, QStringLiteral("Size")), row, 0);
  place(small(p, QStringLiteral("W")), row, 1);
  place(small(p, QStringLiteral("H")), row++, 2);
  place(pastezoomedit1, row, 0, 1, Qt::AlignHCenter);
  place(pwedit1, row, 1, 1, Qt::AlignHCenter);
  place(phedit1, row++, 2, 1, Qt::AlignHCenter);

  paste1up = panelButton(p, "paste1up", QStringLiteral("^"), QStringLiteral("Move Clip Up 1"));
  paste1left =
      panelButton(p, "paste1left", QStringLiteral("<"), QStringLiteral("Move Clip Left 1"));
  paste1right =
      panelButton(p, "paste1right", QStringLiteral(">"), QStringLiteral("Move Clip Right 1"));
  paste1dn = panelButton(p, "paste1dn", QStringLiteral("v"), QStringLiteral("Move Clip Down 1"));
  for (QToolButton* b : {paste1up, paste1left, paste1right, paste1dn}) b->setAutoRepeat(true);
  place(paste1up, row++, 1);
  place(paste1left, row, 0);
  place(paste1right, row++, 2);
  place(paste1dn, row++, 1);

  LRedit1 = spinButton(p, "LRedit1", QStringLiteral("Move Clip Left / Right 10"), Qt::Horizontal);
  UDedit1 = spinButton(p, "UDedit1", QStringLiteral("Move Clip Up / Down 10"));
  place(small(p, QStringLiteral("10")), row, 0);
  place(LRedit1, row, 1, 1, Qt::AlignHCenter);
  place(UDedit1, row++, 2, 1, Qt::AlignHCenter);

  dragbox1 = new QCheckBox(QStringLiteral("Drag"), p);
  dragbox1->setObjectName("dragbox1");
  dragbox1->setToolTip(QStringLiteral("Don't erase Previous while dragging"));
  place(dragbox1, row++, 0, 3);

  pasterotedit1 = new ui::SpinEdit(p);
  pasterotedit1->setObjectName("pasterotedit1");
  pasterotedit1->setToolTip(QStringLiteral("Degree of Rotation "));
  pasterotedit1->setMinValue(0);
  pasterotedit1->setMaxValue(360);
  pasterotedit1->setValue(15);
  SpeedButton18 =
      panelButton(p, "SpeedButton18", QStringLiteral("Rotate"), QStringLiteral("Rotate Clip"));
  flpmirbut =
      panelButton(p, "flpmirbut", QStringLiteral("Mirror"), QStringLiteral("Mirror Clip Image"));
  place(pasterotedit1, row++, 0, 3);
  place(SpeedButton18, row++, 0, 3);
  place(flpmirbut, row++, 0, 3);

  SpeedButton6 = panelButton(p, "SpeedButton6", QStringLiteral("Dark"),
                             QStringLiteral("Dark Imprint Clip on Surface"));
  SpeedButton7 = panelButton(p, "SpeedButton7", QStringLiteral("Light"),
                             QStringLiteral("Light Imprint Clip on Surface"));
  BitBtn19 = panelButton(p, "BitBtn19", QStringLiteral("Emboss"), QStringLiteral("Emboss"));
  BitBtn14 = panelButton(p, "BitBtn14", QStringLiteral("Shadow"), QStringLiteral("Drop Shadow"));
  // One effect a row: the panel stays narrow enough for the narrowest window.
  for (QToolButton* b : {SpeedButton6, SpeedButton7, BitBtn19, BitBtn14}) place(b, row++, 0, 3);

  if (auto* column = qobject_cast<QVBoxLayout*>(pastepanel1->layout()))
    column->addLayout(grid);
  else
    pastepanel1->setLayout(grid);

  ui::connectGuarded(SpeedButton3, &QToolButton::clicked, this, &TPbook1::SpeedButton3Click);
  ui::connectGuarded(SpeedButton4, &QToolButton::clicked, this, &TPbook1::SpeedButton4Click);
  ui::connectGuarded(SpeedButton5, &QToolButton::clicked, this, &TPbook1::SpeedButton5Click);
  ui::connectGuarded(SpeedButton1, &QToolButton::clicked, this, &TPbook1::SpeedButton1Click);
  ui::connectGuarded(pastezoomedit1, &ui::SpinButton::upClick, this,
                     &TPbook1::pastezoomedit1UpClick);
  ui::connectGuarded(pastezoomedit1, &ui::SpinButton::downClick, this,
                     &TPbook1::pastezoomedit1DownClick);
  ui::connectGuarded(pwedit1, &ui::SpinButton::upClick, this, &TPbook1::pwedit1UpClick);
  ui::connectGuarded(pwedit1, &ui::SpinButton::downClick, this, &TPbook1::pwedit1DownClick);
  ui::connectGuarded(phedit1, &ui::SpinButton::upClick, this, &TPbook1::phedit1UpClick);
  ui::connectGuarded(phedit1, &ui::SpinButton::downClick, this, &TPbook1::phedit1DownClick);
  ui::connectGuarded(paste1left, &QToolButton::clicked, this, &TPbook1::paste1leftClick);
  ui::connectGuarded(paste1right, &QToolButton::clicked, this, &TPbook1::paste1rightClick);
  ui::connectGuarded(paste1up, &QToolButton::clicked, this, &TPbook1::paste1upClick);
  ui::connectGuarded(paste1dn, &QToolButton::clicked, this, &TPbook1::paste1dnClick);
  ui::connectGuarded(LRedit1, &ui::SpinButton::upClick, this, &TPbook1::LRedit1UpClick);
  ui::connectGuarded(LRedit1, &ui::SpinButton::downClick, this, &TPbook1::LRedit1DownClick);
  ui::connectGuarded(UDedit1, &ui::SpinButton::upClick, this, &TPbook1::UDedit1UpClick);
  ui::connectGuarded(UDedit1, &ui::SpinButton::downClick, this, &TPbook1::UDedit1DownClick);
  ui::connectGuarded(SpeedButton18, &QToolButton::clicked, this, &TPbook1::SpeedButton18Click);
  ui::connectGuarded(flpmirbut, &QToolButton::clicked, this, &TPbook1::flpmirbutClick);
  ui::connectGuarded(SpeedButton6, &QToolButton::clicked, this, &TPbook1::SpeedButton6Click);
  ui::connectGuarded(SpeedButton7, &QToolButton::clicked, this, &TPbook1::SpeedButton7Click);
  ui::connectGuarded(BitBtn19, &QToolButton::clicked, this, &TPbook1::BitBtn19Click);
  ui::connectGuarded(BitBtn14, &QToolButton::clicked, this, &TPbook1::shadowit);
}

void TPbook1::buildDragImage(QVBoxLayout* page) {
  dragimage1 = new ui::ImageControl(TabSheet4);
  dragimage1->setObjectName("dragimage1");
  dragimage1->setToolTip(
      QStringLiteral("Drag Image From Here to Animation Manager Save Drop Site"));
  dragimage1->setStretch(true);
  dragimage1->setMinimumSize(160, 120);
  dragimage1->setDragSource(true);
  dragimage1->setDropTarget(true);
  ui::connectGuarded(dragimage1, &ui::ImageControl::dropped, this, &TPbook1::dragimage1DragDrop);
  page->addWidget(dragimage1, 1);
}

void TPbook1::dragimage1DragDrop(QWidget* source) {
  if (auto* image = qobject_cast<ui::ImageControl*>(source); image && image != dragimage1)
    dragimage1->setBitmap(image->bitmap());
}

// ----- size ------------------------------------------------------------------------

void TPbook1::SpeedButton4Click() {
  ClipSized = true;
  clips::SizeDeltas d{SizeDelta, WidthDelta, HeightDelta};
  clips::shrinkByQuarter({clpmap1->bitmap().width(), clpmap1->bitmap().height()}, d);
  WidthDelta = d.width;
  HeightDelta = d.height;
  updateclipsize();
}

void TPbook1::SpeedButton5Click() {
  ClipSized = true;
  clips::SizeDeltas d{SizeDelta, WidthDelta, HeightDelta};
  clips::growByQuarter({clpmap1->bitmap().width(), clpmap1->bitmap().height()}, d);
  WidthDelta = d.width;
  HeightDelta = d.height;
  updateclipsize();
}

void TPbook1::SpeedButton1Click() {
  SizeDelta = WidthDelta = HeightDelta = 0;
  ClipSized = false;
  put_paste();
}

void TPbook1::pastezoomedit1UpClick() {
  ++SizeDelta;
  updateclipsize();
}
void TPbook1::pastezoomedit1DownClick() {
  --SizeDelta;
  updateclipsize();
}
void TPbook1::pwedit1UpClick() {
  ++WidthDelta;
  updateclipsize();
}
void TPbook1::pwedit1DownClick() {
  --WidthDelta;
  updateclipsize();
}
void TPbook1::phedit1UpClick() {
  ++HeightDelta;
  updateclipsize();
}
void TPbook1::phedit1DownClick() {
  --HeightDelta;
  updateclipsize();
}

// ----- moves -----------------------------------------------------------------------

void TPbook1::moveClipBy(int dx, int dy) {
  const gdi::Point offset = clipOffset();
  setClipOffset({offset.x + dx, offset.y + dy});
  put_paste();
}

void TPbook1::paste1leftClick() { moveClipBy(-1, 0); }
void TPbook1::paste1rightClick() { moveClipBy(1, 0); }
void TPbook1::paste1upClick() { moveClipBy(0, -1); }
void TPbook1::paste1dnClick() { moveClipBy(0, 1); }
void TPbook1::LRedit1UpClick() { moveClipBy(-10, 0); }
void TPbook1::LRedit1DownClick() { moveClipBy(10, 0); }
void TPbook1::UDedit1UpClick() { moveClipBy(0, -10); }
void TPbook1::UDedit1DownClick() { moveClipBy(0, 10); }
