#pragma once
// The automatic movie's inputs: four key pictures, each stretched to the
// Movie Wizard's frame size, and the example folders the movie is made in.
// The Movie Wizard sets frameSize before showing the window, reacts to
// imageLoaded() and stopped(), and runs its "Automatic" programme only with
// the go flag set, into targetFolder.
#include <QString>
#include <QWidget>
#include <array>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {
class ImageControl;
}  // namespace ui

class Twizwiz1 : public QWidget {
  Q_OBJECT
 public:
  explicit Twizwiz1(QWidget* parent = nullptr);

  ui::ImageControl* im1 = nullptr;
  ui::ImageControl* im2 = nullptr;
  ui::ImageControl* im3 = nullptr;
  ui::ImageControl* im4 = nullptr;
  QCheckBox* Check1 = nullptr;  // the key pictures' loaded flags
  QCheckBox* Check2 = nullptr;
  QCheckBox* Check3 = nullptr;
  QCheckBox* Check4 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // load a key picture
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QPushButton* BitBtn4 = nullptr;
  QPushButton* gobut1 = nullptr;   // enabled once all four are loaded
  QPushButton* BitBtn6 = nullptr;  // stop
  QLabel* fname1 = nullptr;        // "Series One"
  QLabel* fname2 = nullptr;        // "Series Two"

  // The Movie Wizard's frame size: key pictures are stretched to it.
  gdi::Size frameSize{320, 240};
  // Set by gobut1: the automatic programme may run, into targetFolder.
  bool go = false;
  QString targetFolder;

  // Loads key picture `index` (0..3) from a file the user picks.
  void loadKey(int index);
  // Loads key picture `index` from `file`; false when it is refused or unreadable.
  bool loadKeyFile(int index, const QString& file);
  // A key picture stretched to the frame size: ColorOnColor when it is
  // larger than the frame either way, else BlackOnWhite.
  static gdi::Bitmap keyFrame(const gdi::Bitmap& picture, gdi::Size frame);
  void gobut1Click();
  void BitBtn6Click();

 signals:
  // A key picture was loaded ("Apply this process now" becomes possible).
  void imageLoaded();
  // The stop button: the Movie Wizard ends its automatic programme.
  void stopped();

 private:
  std::array<ui::ImageControl*, 4> images() const { return {im1, im2, im3, im4}; }
  std::array<QCheckBox*, 4> checks() const { return {Check1, Check2, Check3, Check4}; }
};
