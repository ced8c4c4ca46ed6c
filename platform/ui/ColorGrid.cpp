#include "platform/ui/ColorGrid.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/ui/ShapeControl.h"

namespace ui {

const std::array<gdi::TColor, 16> ColorGrid::kColors = {
    gdi::clBlack, gdi::clMaroon,  gdi::clGreen, gdi::clOlive, gdi::clNavy, gdi::clPurple,
    gdi::clTeal,  gdi::clSilver,  gdi::clGray,  gdi::clRed,   gdi::clLime, gdi::clYellow,
    gdi::clBlue,  gdi::clFuchsia, gdi::clAqua,  gdi::clWhite};

ColorGrid::ColorGrid(QWidget* parent) : QWidget(parent) { resize(100, 100); }

void ColorGrid::setForegroundIndex(int index) {
  if (index < 0 || index > 15 || index == fg_) return;
  fg_ = index;
  update();
  emit changed();
}

void ColorGrid::setBackgroundIndex(int index) {
  if (index < 0 || index > 15 || index == bg_) return;
  bg_ = index;
  update();
  emit changed();
}

QRect ColorGrid::cellRect(int index) const {
  const int col = index % 4, row = index / 4;
  const int x0 = width() * col / 4, x1 = width() * (col + 1) / 4;
  const int y0 = height() * row / 4, y1 = height() * (row + 1) / 4;
  return {x0, y0, x1 - x0, y1 - y0};
}

int ColorGrid::cellAt(QPoint p) const {
  if (!rect().contains(p)) return -1;
  const int col = std::min(3, p.x() * 4 / std::max(1, width()));
  const int row = std::min(3, p.y() * 4 / std::max(1, height()));
  return row * 4 + col;
}

void ColorGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int i = 0; i < 16; ++i) {
    const QRect r = cellRect(i);
    p.fillRect(r, toQColor(kColors[std::size_t(i)]));
    p.setPen(Qt::gray);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const bool fg = i == fg_, bg = i == bg_;
    if (!fg && !bg) continue;
    const gdi::TColor c = kColors[std::size_t(i)];
    const int light = gdi::GetRValue(c) + gdi::GetGValue(c) * 2 + gdi::GetBValue(c);
    p.setPen(light > 2 * 255 ? Qt::black : Qt::white);
    p.drawText(r, Qt::AlignCenter,
               fg && bg ? QStringLiteral("FB")
               : fg     ? QStringLiteral("FG")
                        : QStringLiteral("BG"));
  }
}

void ColorGrid::mousePressEvent(QMouseEvent* event) {
  const int cell = cellAt(event->position().toPoint());
  if (cell < 0) return;
  if (event->button() == Qt::LeftButton)
    setForegroundIndex(cell);
  else if (event->button() == Qt::RightButton)
    setBackgroundIndex(cell);
  else
    return;
  emit clicked();
}

}  // namespace ui
