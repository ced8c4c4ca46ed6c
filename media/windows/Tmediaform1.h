#pragma once
// The "Multimedia Player" window: opens a video, sound or MIDI file, plays
// video in the "Movie Display Window" and sound through the wave output, and
// hands AVI files to the "AVI Capture" window for frame grabs and dumps.
//
// The "device" is open while a video is open in the display window's player
// or a wave file's sound stream is open here.
//
//   Tmediaform1.cpp         building the window, Open, Close, Done, capture, help
//   Tmediaform1_device.cpp  the media device: opening, closing and the transport row
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

#include "media/player/TAudioPlay.h"
#include "platform/video/AudioReader.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class TDCAVIPlay;

class Tmediaform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tmediaform1(QWidget* parent = nullptr);
  ~Tmediaform1() override;

  // ===== controls ==============================================================
  QWidget* MediaPlayer1 = nullptr;  // the transport row below
  QPushButton* playBtn = nullptr;
  QPushButton* pauseBtn = nullptr;
  QPushButton* stopBtn = nullptr;
  QPushButton* nextBtn = nullptr;
  QPushButton* prevBtn = nullptr;
  QPushButton* stepBtn = nullptr;
  QPushButton* backBtn = nullptr;
  QPushButton* ejectBtn = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Open"
  QPushButton* BitBtn2 = nullptr;  // "Done"
  QPushButton* BitBtn3 = nullptr;  // "Done" as well
  QPushButton* BitBtn4 = nullptr;  // help page
  QPushButton* mclbut1 = nullptr;  // "Close"
  QPushButton* cbut = nullptr;     // to the AVI Capture window
  QCheckBox* mpeg = nullptr;       // hidden: the open file is MPEG
  QCheckBox* avic = nullptr;       // hidden: the open file is AVI
  QProgressBar* pg1 = nullptr;
  QLabel* bmpspot = nullptr;   // the last frame dump's prefix
  QLabel* fileLine = nullptr;  // the open file, or why nothing is open

  // ===== state =================================================================
  QString fileName;  // the player's file name
  bool stop = false;

  // ===== commands ==============================================================
  void BitBtn1Click();  // Open
  void BitBtn2Click();  // Done
  void BitBtn3Click() { BitBtn2Click(); }
  void BitBtn4Click();  // help
  void mclbut1Click();  // Close
  void cbutClick();
  void capbut1Click();

  // Opens `name` as "Open" does after the dialog.
  void openMedia(const QString& name);

  // ===== the media device ======================================================
  bool deviceOpen() const;
  // The display window's video player, or null when no video is open.
  TDCAVIPlay* movie() const;
  void playClick();
  void pauseClick();
  void stopClick();
  void nextClick();
  void prevClick();
  void stepClick();
  void backClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildLayout();
  void connectControls();
  // Opens the device on fileName; false (and says why in fileLine) when it cannot.
  bool openDevice(const QString& ext);
  void closeDevice();
  // Closes the device, disables "Close", closes the display window.
  void closeAll();
  // Shows the display window sized to the video and the player in it.
  void showDisplay();
  void closeDisplay();
  // Hands the file to the AVI Capture window, the device closed.
  void handToCapture();
  void updateTransport();

  QPointer<TDCAVIPlay> movie_;
  std::optional<video::AudioReader> wave_;
  TAudioPlay waveOut_;
  std::int64_t wavePosition_ = 0;
};
