// Colours and line width: the colour grid, the colour box with its colour
// dialog, the width preview and spin, the colour pick strip and the gradient
// preview.
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "platform/ui/ColorGrid.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"
#include "tools/engine/GradientList.h"
#include "tools/engine/PaletteDrawing.h"
#include "tools/engine/ToolCodes.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/Tgradform1.h"

namespace {

constexpr int kAreaTop = 326;
constexpr int kMaxLineWidth = 90;

ui::ImageControl* imageControl(QWidget* parent, const char* name, const QRect& r) {
  auto* image = new ui::ImageControl(parent);
  image->setObjectName(QString::fromLatin1(name));
  image->setGeometry(r);
  return image;
}

}  // namespace

void TForm3::buildColourArea() {
  const int y0 = kAreaTop;
  ColorGrid1 = new ui::ColorGrid(this);
  ColorGrid1->setObjectName("ColorGrid1");
  ColorGrid1->setGeometry(10, y0, 64, 64);
  ColorGrid1->setToolTip(
      QStringLiteral("Left click: foreground colour, right click: background colour"));

  Image1 =
      imageControl(this, "Image1", QRect(82, y0, tools::kColorBoxWidth, tools::kColorBoxHeight));
  Image1->setToolTip(QStringLiteral("Click here for more colors"));
  Image1->setBitmap(gdi::Bitmap(tools::kColorBoxWidth, tools::kColorBoxHeight));
  Image1->bitmap().fill(faceColor());

  // The current pattern, shown twice its size so it can be made out.
  Image2 = imageControl(this, "Image2", QRect(82, y0 + 42, 18, 18));
  Image2->setStretch(true);
  Image2->setBitmap(gdi::Bitmap(tools::kSwatchSide, tools::kSwatchSide));
  Image2->setToolTip(QStringLiteral("Pattern"));

  const int y1 = y0 + 70;
  paintbox1 = imageControl(
      this, "paintbox1", QRect(10, y1 + 5, tools::kWidthPreviewWidth, tools::kWidthPreviewHeight));
  paintbox1->setBitmap(gdi::Bitmap(tools::kWidthPreviewWidth, tools::kWidthPreviewHeight));
  paintbox1->bitmap().fill(faceColor());
  paintbox1->setToolTip(QStringLiteral("Line width"));

  SpinEdit1 = new ui::SpinEdit(this);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setMinValue(1);
  SpinEdit1->setMaxValue(kMaxLineWidth);
  SpinEdit1->setValue(1);
  SpinEdit1->setGeometry(56, y1, 68, 22);
  SpinEdit1->setToolTip(QStringLiteral("Line width in pixels (1 to 90)"));

  struct Preset {
    QToolButton** member;
    const char* name;
    int width;
    const char* glyph;
  };
  const Preset presets[] = {
      {&SpeedButton1, "SpeedButton1", 1, "line-width-1"},
      {&SpeedButton32, "SpeedButton32", 5, "line-width-5"},
      {&SpeedButton33, "SpeedButton33", 20, "line-width-20"},
      {&SpeedButton34, "SpeedButton34", 30, "line-width-30"},
  };
  int x = 56;
  for (const Preset& p : presets) {
    *p.member = makeButton(this, p.name, QStringLiteral("Line width %1").arg(p.width), p.glyph,
                           QRect(x, y1 + 24, 17, 18));
    const int width = p.width;
    ui::connectGuarded(*p.member, &QToolButton::clicked, this,
                       [this, width] { setLineWidthPreset(width); });
    x += 17;
  }

  const int y2 = y1 + 46;
  Panel4 = new QWidget(this);
  Panel4->setObjectName("Panel4");
  Panel4->setGeometry(0, y2, kDesignWidth, 45);
  Panel4->setMouseTracking(true);
  Image3 = imageControl(Panel4, "Image3", QRect(7, 4, 117, 37));
  Image3->setMouseTracking(true);
  Image3->setBitmap(gdi::Bitmap(117, 37));
  tools::paintPickStrip(Image3->bitmap());
  Image3->setToolTip(
      QStringLiteral("Left click: foreground colour, right click: background colour"));
  Image3->setCursor(Qt::CrossCursor);

  const int y3 = y2 + 47;
  Panel6 = new QWidget(this);
  Panel6->setObjectName("Panel6");
  Panel6->setGeometry(7, y3, 117, 18);
  Panel6->setAutoFillBackground(true);
  Panel6->setToolTip(QStringLiteral("Gradient Color Manager"));
  Image4 = imageControl(Panel6, "Image4", QRect(0, 0, 117, 18));
  Image4->setToolTip(QStringLiteral("Gradient Color Manager"));
  Image4->setCursor(Qt::PointingHandCursor);
}

void TForm3::connectColourArea() {
  ui::connectGuarded(ColorGrid1, &ui::ColorGrid::clicked, this, &TForm3::ColorGrid1Click);
  ui::connectGuarded(ColorGrid1, &ui::ColorGrid::changed, this, &TForm3::ColorGrid1Change);
  ui::connectGuarded(Image1, &ui::ImageControl::mouseUp, this, &TForm3::Image1MouseUp);
  ui::connectGuarded(paintbox1, &ui::ImageControl::mouseUp, this, &TForm3::paintbox1MouseUp);
  ui::connectGuarded(SpinEdit1, &ui::SpinEdit::changed, this, &TForm3::SpinEdit1Change);
  ui::connectGuarded(Image3, &ui::ImageControl::mouseMove, this, &TForm3::Image3MouseMove);
  ui::connectGuarded(Image3, &ui::ImageControl::mouseUp, this, &TForm3::Image3MouseUp);
  Panel4->installEventFilter(this);
  Panel6->installEventFilter(this);
  ui::connectGuarded(Image4, &ui::ImageControl::clicked, this, &TForm3::Panel6Click);
}

std::vector<gdi::TColor> TForm3::gradientColors() const {
  std::vector<gdi::TColor> colours;
  colours.reserve(std::size_t(ListBox1.size()));
  for (const QString& line : ListBox1) colours.push_back(gdi::TColor(line.trimmed().toLongLong()));
  return colours;
}

// ---------------------------------------------------------------------------
// Colour box and width preview

void TForm3::showcfcb() {
  SavedFore = ForeColor;
  SavedBack = BackColor;
  tools::drawColorBox(Image1->bitmap(), ForeColor, BackColor, BrushStyle);
  Image1->refresh();
}

void TForm3::drawlinwid() {
  tools::drawWidthPreview(paintbox1->bitmap(), LineWidth);
  paintbox1->refresh();
  SpinEdit1->setValue(LineWidth);
}

void TForm3::SpinEdit1Change() {
  int width = SpinEdit1->value();
  if (width > kMaxLineWidth) {
    const QSignalBlocker quiet(SpinEdit1);
    SpinEdit1->setValue(kMaxLineWidth);
    width = kMaxLineWidth;
  }
  // A width typed below 1 (the edit is corrected when it loses the focus)
  // must not reach the tools: the spray scatters over a square of this side.
  width = std::max(width, 1);
  LineWidth = width;
  PenWidth = width;
  app::mainWindow().picture().canvas().pen.width = width;
  tools::drawWidthPreview(paintbox1->bitmap(), LineWidth);
  paintbox1->refresh();
  if (tools::isPixelMover(CurTool)) sizePixelMoverMask();
}

void TForm3::setLineWidthPreset(int width) {
  LineWidth = width;
  drawlinwid();
  if (tools::isPixelMover(CurTool)) sizePixelMoverMask();
}

void TForm3::ColorGrid1Click() {
  ForeColor = SavedFore = ColorGrid1->foregroundColor();
  BackColor = SavedBack = ColorGrid1->backgroundColor();
  showcfcb();
}

void TForm3::Image1MouseUp(ui::MouseButton button, ui::ShiftState, int x, int y) {
  if (button != ui::MouseButton::Left) return;
  if (x > 15 && x < 30 && y > 10 && y < 20) {
    if (const auto c = ui::dialogs().chooseColor(ForeColor)) ForeColor = SavedFore = *c;
  } else if (x > 0 && x < 40 && y > 0 && y < 40) {
    if (const auto c = ui::dialogs().chooseColor(BackColor)) BackColor = SavedBack = *c;
  }
  showcfcb();
}

void TForm3::paintbox1MouseUp(ui::MouseButton button, ui::ShiftState, int x, int y) {
  const gdi::TColor c = paintbox1->bitmap().pixel(x, y);
  if (c == -1) return;
  if (button == ui::MouseButton::Left) ForeColor = c;
  if (button == ui::MouseButton::Right) BackColor = c;
  showcfcb();
}

// ---------------------------------------------------------------------------
// Pick strip and gradient preview

void TForm3::Image3MouseMove(ui::ShiftState, int x, int y) {
  const gdi::TColor c = Image3->bitmap().pixel(x, y);
  if (c != -1) HoverColor = c;
}

void TForm3::Panel4MouseMove() {
  HoverColor = gdi::clBtnFace;
  QPalette pal = Panel6->palette();
  pal.setColor(QPalette::Window, ui::toQColor(HoverColor));
  Panel6->setPalette(pal);
}

void TForm3::Image3MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y) {
  // The colour under the release point: a click with no move before it
  // would otherwise pick the "off the strip" system colour.
  Image3MouseMove(shift, x, y);
  if (button == ui::MouseButton::Right) BackColor = HoverColor;
  if (button == ui::MouseButton::Left) ForeColor = HoverColor;
  showcfcb();
  SavedFore = ForeColor;
  SavedBack = BackColor;
  Tgradform1* grad = app::windows().gradform1;
  grad->RedShift = grad->GreenShift = grad->BlueShift = 0;
  grad->setcolorstretch();
  showgrad();
  invalidatePalette();
}

void TForm3::Panel6Click() {
  Tgradform1* grad = app::windows().gradform1;
  grad->show();
  grad->update();
  grad->RedShift = grad->GreenShift = grad->BlueShift = 0;
  grad->setcolorstretch();
  grad->stretchcolor();
  showgrad();
  openPanel(Panel7);
}

void TForm3::showgrad() {
  const std::vector<gdi::TColor> colours = gradientColors();
  Image4->setGeometry(0, 0, Panel6->width(), Panel6->height());
  if (tools::paintGradientPreview(Image4->bitmap(), Panel6->width(), Panel6->height(), colours))
    Image4->refresh();
}
