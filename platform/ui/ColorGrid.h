#pragma once
// The 16-colour grid: four by four cells of the standard colours. A left
// click chooses the foreground colour, a right click the background colour;
// the cells show "FG", "BG" (or "FB" for both) marks.
//
// Cell order, row by row: black, maroon, green, olive, navy, purple, teal,
// silver, grey, red, lime, yellow, blue, fuchsia, aqua, white -- the first
// and last eight entries of the platform's 20-colour system palette.
#include <QWidget>
#include <array>

#include "platform/gdi/Color.h"

namespace ui {

class ColorGrid : public QWidget {
  Q_OBJECT
 public:
  static const std::array<gdi::TColor, 16> kColors;

  explicit ColorGrid(QWidget* parent = nullptr);

  int foregroundIndex() const { return fg_; }
  int backgroundIndex() const { return bg_; }
  void setForegroundIndex(int index);
  void setBackgroundIndex(int index);
  gdi::TColor foregroundColor() const { return kColors[std::size_t(fg_)]; }
  gdi::TColor backgroundColor() const { return kColors[std::size_t(bg_)]; }

  // The cell under a control point, or -1.
  int cellAt(QPoint p) const;
  QRect cellRect(int index) const;

  QSize sizeHint() const override { return {100, 100}; }

 signals:
  // Either index changed, by a click or by code.
  void changed();
  // A click chose a colour.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int fg_ = 0;
  int bg_ = 15;
};

}  // namespace ui
