#include "tools/windows/Tgradform1.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "tools/windows/TForm3.h"

namespace {

constexpr int kShiftStep = 2;
constexpr int kMarkerTop = tools::kStripHeight + 2;

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

Tgradform1::Tgradform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tgradform1");
  setWindowTitle("Use a stretch of gradient color ");
  setWindowFlag(Qt::Window);

  // The strip with its two markers underneath: a marker's x is its place on
  // the strip.
  auto* stripPanel = new QWidget(this);
  stripPanel->setObjectName("StripPanel");
  stripPanel->setFixedSize(tools::kStripWidth + 8, kMarkerTop + 16);
  Image1 = new ui::ImageControl(stripPanel);
  Image1->setObjectName("Image1");
  Image1->setGeometry(0, 0, tools::kStripWidth, tools::kStripHeight);
  Image1->bitmap().setSize(tools::kStripWidth, tools::kStripHeight);
  Image1->setCursor(Qt::CrossCursor);
  Image1->setToolTip("Left click: start of the stretch. Right click: its end.");
  Label1 = new QLabel("L", stripPanel);
  Label1->setObjectName("Label1");
  Label1->move(0, kMarkerTop);
  Label2 = new QLabel("R", stripPanel);
  Label2->setObjectName("Label2");
  Label2->move(tools::kStripWidth - 1, kMarkerTop);

  TrackBar2 = new QSlider(Qt::Horizontal, this);
  TrackBar2->setObjectName("TrackBar2");
  TrackBar2->setRange(1, 512);
  TrackBar2->setValue(120);
  TrackBar2->setToolTip("Stretch: how slowly the colours change");

  RedUp = button(this, "RedUp", "R+");
  RedDown = button(this, "RedDown", "R-");
  GreenUp = button(this, "GreenUp", "G+");
  GreenDown = button(this, "GreenDown", "G-");
  BlueUp = button(this, "BlueUp", "B+");
  BlueDown = button(this, "BlueDown", "B-");
  SpeedButton4 = button(this, "SpeedButton4", "+");
  SpeedButton4->setToolTip("Lighter");
  SpeedButton5 = button(this, "SpeedButton5", "-");
  SpeedButton5->setToolTip("Darker");
  BitBtn1 = button(this, "BitBtn1", "OK");
  BitBtn2 = button(this, "BitBtn2", "Close");

  auto* shifts = new QHBoxLayout;
  for (QPushButton* b :
       {RedUp, RedDown, GreenUp, GreenDown, BlueUp, BlueDown, SpeedButton4, SpeedButton5})
    shifts->addWidget(b);
  shifts->addStretch();
  auto* closing = new QHBoxLayout;
  closing->addStretch();
  closing->addWidget(BitBtn1);
  closing->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(stripPanel);
  layout->addWidget(TrackBar2);
  layout->addLayout(shifts);
  layout->addLayout(closing);

  // "R+" makes the red climb start lower, "R-" higher, and so on.
  ui::connectGuarded(RedUp, &QPushButton::clicked, this,
                     [this] { shiftBy(RedShift, -kShiftStep); });
  ui::connectGuarded(RedDown, &QPushButton::clicked, this,
                     [this] { shiftBy(RedShift, kShiftStep); });
  ui::connectGuarded(GreenUp, &QPushButton::clicked, this,
                     [this] { shiftBy(GreenShift, -kShiftStep); });
  ui::connectGuarded(GreenDown, &QPushButton::clicked, this,
                     [this] { shiftBy(GreenShift, kShiftStep); });
  ui::connectGuarded(BlueUp, &QPushButton::clicked, this,
                     [this] { shiftBy(BlueShift, -kShiftStep); });
  ui::connectGuarded(BlueDown, &QPushButton::clicked, this,
                     [this] { shiftBy(BlueShift, kShiftStep); });
  ui::connectGuarded(SpeedButton4, &QPushButton::clicked, this, &Tgradform1::SpeedButton4Click);
  ui::connectGuarded(SpeedButton5, &QPushButton::clicked, this, &Tgradform1::SpeedButton5Click);
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &Tgradform1::BitBtn1Click);
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, &Tgradform1::BitBtn2Click);
  ui::connectGuarded(TrackBar2, &QSlider::valueChanged, this, &Tgradform1::TrackBar2Change);
  ui::connectGuarded(Image1, &ui::ImageControl::mouseUp, this, &Tgradform1::Image1MouseUp);
  stretchcolor();
}

void Tgradform1::stretchcolor() {
  const TForm3* palette = app::windows().Form3;
  const gdi::TColor fore = palette ? palette->ForeColor : gdi::clBlack;
  const gdi::TColor back = palette ? palette->BackColor : gdi::clWhite;
  if (Image1->bitmap().width() < tools::kStripWidth ||
      Image1->bitmap().height() < tools::kStripHeight)
    Image1->bitmap().setSize(tools::kStripWidth, tools::kStripHeight);
  tools::paintGradientStrip(Image1->bitmap(), fore, back, {RedShift, GreenShift, BlueShift},
                            Stretch);
  painted_ = {fore, back, RedShift, GreenShift, BlueShift, Stretch};
  paintedOnce_ = true;
  Image1->refresh();
  update();
}

void Tgradform1::setcolorstretch() {
  stretchcolor();
  TForm3* palette = app::windows().Form3;
  if (!palette) return;
  const std::vector<gdi::TColor> list =
      tools::gradientListFromStrip(Image1->bitmap(), Label1->x(), Label2->x(), palette->ForeColor);
  palette->ListBox1.clear();
  for (gdi::TColor c : list) palette->ListBox1.append(QString::number(c));
}

void Tgradform1::zeroShifts() { RedShift = GreenShift = BlueShift = 0; }

void Tgradform1::Image1MouseUp(ui::MouseButton button, ui::ShiftState, int x, int y) {
  TForm3* palette = app::windows().Form3;
  if (!palette) return;
  const gdi::TColor c = Image1->bitmap().pixel(x, y);
  if (c < 0) return;
  if (button == ui::MouseButton::Left) {
    palette->ForeColor = c;
    Label1->move(x, Label1->y());
    if (x != 0) SelStart = x;
  } else if (button == ui::MouseButton::Right) {
    palette->BackColor = c;
    Label2->move(x, Label2->y());
    if (x != 0) SelEnd = x;
  } else {
    return;
  }
  palette->SavedFore = palette->ForeColor;
  palette->SavedBack = palette->BackColor;
  palette->showcfcb();
}

void Tgradform1::TrackBar2Change() {
  Stretch = TrackBar2->value();
  stretchcolor();
}

void Tgradform1::BitBtn1Click() {
  setcolorstretch();
  if (TForm3* palette = app::windows().Form3) palette->showgrad();
  close();
}

void Tgradform1::BitBtn2Click() { close(); }

void Tgradform1::SpeedButton4Click() {
  for (int* s : {&RedShift, &GreenShift, &BlueShift})
    if (*s + 1 < 256) ++*s;
  stretchcolor();
}

void Tgradform1::SpeedButton5Click() {
  for (int* s : {&RedShift, &GreenShift, &BlueShift})
    if (*s - 1 >= 0) --*s;
  stretchcolor();
}

void Tgradform1::shiftBy(int& shift, int delta) {
  shift += delta;
  stretchcolor();
}

void Tgradform1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Stretch = TrackBar2->value();
  stretchcolor();
}

void Tgradform1::paintEvent(QPaintEvent* event) {
  // The strip follows the palette's colours whenever the window repaints.
  const TForm3* palette = app::windows().Form3;
  if (palette) {
    const Painted now{palette->ForeColor, palette->BackColor, RedShift,
                      GreenShift,         BlueShift,          Stretch};
    if (!paintedOnce_ || !(now == painted_)) stretchcolor();
  }
  QWidget::paintEvent(event);
}

void Tgradform1::keyReleaseEvent(QKeyEvent* event) {
  QWidget::keyReleaseEvent(event);
  if (TrackBar2->hasFocus()) {
    Stretch = TrackBar2->value();
    stretchcolor();
  }
}
