#pragma once
// The "AVI Capture" window: plays a video file in the player `AVI` and takes
// what the player shows into a bitmap, one frame to the clipboard
// ("capture") or a range of frames to numbered bitmap files ("Dump").
// Frames are taken from the player's own painting (renderToBitmap), never
// from the screen, so a window lying over the player is not in them.
//
// The class is split by concern:
//   TAVICAP.cpp          building the window, the file, the check boxes, sizes
//   TAVICAP_play.cpp     Play, Stop, Seek, Next, the track bar and the step timer
//   TAVICAP_capture.cpp  the grab, "capture", "Dump" and "Abort"
#include <QString>
#include <QWidget>
#include <optional>

#include "media/engine/CaptureControls.h"
#include "platform/gdi/Bitmap.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class TDCAVIPlay;

namespace ui {
class ImageControl;
}  // namespace ui

class TAVICAP : public QWidget {
  Q_OBJECT
 public:
  explicit TAVICAP(QWidget* parent = nullptr);
  ~TAVICAP() override;

  // ===== controls ==============================================================
  QWidget* Panel2 = nullptr;
  TDCAVIPlay* AVI = nullptr;           // fills Panel2 unless a size choice placed it
  ui::ImageControl* Image2 = nullptr;  // the grabbed frame, stretched; takes dropped images
  QLineEdit* Edit1 = nullptr;          // frame number for "Seek"
  QCheckBox* CheckSound = nullptr;
  QCheckBox* CheckTransparent = nullptr;
  QCheckBox* CheckCenter = nullptr;
  QCheckBox* tim = nullptr;         // "On Timer"
  QPushButton* BitBtn1 = nullptr;   // "capture"
  QPushButton* BitBtn2 = nullptr;   // "Play"
  QPushButton* BitBtn3 = nullptr;   // "Stop"
  QPushButton* BitBtn4 = nullptr;   // "Seek"
  QPushButton* BitBtn5 = nullptr;   // "Next"
  QPushButton* BitBtn6 = nullptr;   // "Dump"
  QPushButton* Button4 = nullptr;   // "Info"
  QPushButton* stopbut = nullptr;   // "Abort", shown while dumping
  QPushButton* fbut = nullptr;      // "Faster"
  QPushButton* sbut = nullptr;      // "Slower"
  QSlider* tb = nullptr;            // frame track bar
  QComboBox* ComboBox1 = nullptr;   // "Normal", "Double", "1/2", "1/4", "Stretch"
  QTimer* Timer1 = nullptr;         // steps one frame per tick under "On Timer"
  QProgressBar* dumpBar = nullptr;  // the dump's rounds, shown while dumping
  QLabel* statusLine = nullptr;     // the file's facts, or why it shows nothing

  // ===== state =================================================================
  // The file the Multimedia Player handed over.
  QString aviFile;
  // Folder and name of the last dump's files, before the number.
  QString dumpPrefix;
  // The abort request, tested by the dump between frames.
  bool stop = false;

  // Keeps `name` and opens it in the player; a file that cannot be opened or
  // has no video leaves the player closed and says why in the status line.
  void openFile(const QString& name);

  // ===== commands ==============================================================
  void BitBtn1Click();  // capture
  void BitBtn2Click();  // Play
  void BitBtn3Click();  // Stop
  void BitBtn4Click();  // Seek
  void BitBtn5Click();  // Next
  void BitBtn6Click();  // Dump
  void Button4Click();  // Info
  void stopbutClick();  // Abort
  void fbutClick();     // Faster
  void sbutClick();     // Slower
  void timClick();
  void tbChange();
  void Timer1Timer();
  void ComboBox1Change();
  void Image2DragDrop(QWidget* source);

  // Renders what the player shows into Image2's bitmap, at the player's size.
  const gdi::Bitmap& grabFrame();

  // Where a dump goes: the files' prefix (folder and name) and the range.
  struct DumpTarget {
    QString prefix;
    int first = 1;
    int last = 0;
  };
  // Asks the folder dialog for the dump's folder, name and range (1 to
  // `frameCount` at first); nothing when cancelled.
  std::optional<DumpTarget> chooseDumpTarget(int frameCount);

  bool dumping() const { return dumping_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void connectControls();
  // Player aligned to fill Panel2, or placed by a size choice.
  void setPlayerFills(bool fill);
  // "Normal" and "Double": the player at the frame's own size at the top left.
  void placeForGrab();
  // The track bar over the file's frames, shown, at the current frame.
  void setUpTrackBar();
  // The bar at `frame` without seeking again.
  void followFrame(int frame);
  void showFileFacts();
  // Everything but "Abort" waits while a dump runs.
  void setCommandsEnabled(bool on);
  // The size choice of ComboBox1 as a value.
  media::PlayerSize sizeChoice() const;

  bool playerFills_ = true;
  bool dumping_ = false;
};
