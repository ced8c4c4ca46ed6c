#pragma once
// Facts about the machine the program reads: the screen size, the part of it
// windows may use and its own folder. Tests set them to fixed values.
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace ui {

class Environment {
 public:
  // The primary screen's size in pixels, or the size set for tests.
  QSize screenSize() const;
  void setScreenSize(std::optional<QSize> size) { screen_ = size; }

  // The primary screen less the desktop's own panels and bars: where windows
  // may go. The area set for tests, else the whole screen size set for tests.
  QRect availableArea() const;
  void setAvailableArea(std::optional<QRect> area) { area_ = area; }

  // The folder of the executable, with a trailing separator, or the folder
  // set for tests.
  QString programFolder() const;
  void setProgramFolder(std::optional<QString> folder);

  // A file of the program's folder looked up in any letter case
  // ("bin\\b1.bmp" finds "Bin/B1.BMP"); empty when missing.
  QString programFile(const QString& name) const;

 private:
  std::optional<QSize> screen_;
  std::optional<QRect> area_;
  std::optional<QString> folder_;
};

}  // namespace ui
