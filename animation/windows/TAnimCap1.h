#pragma once
// The Animation Manager: a drop site that saves dropped pictures as numbered
// frame files, and a frame list (built from a folder browser, saved to and
// loaded from list files, resized in bulk, copied frame by frame to the
// clipboard) whose marked entries play in a loop in the preview window.
//
// The list box shows the frame list (an entry's mark is its selection);
// the window keeps an animation::FrameList beside it and mirrors one into
// the other. Play is driven by a timer: one slot per previewFrameInterval.
#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "animation/engine/FrameList.h"
#include "animation/engine/PreviewPlay.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;

namespace animation {
class PreviewFrames;
}  // namespace animation

namespace ui {
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class ImageControl;
class SpinEdit;
}  // namespace ui

class TAnimCap1 : public QWidget {
  Q_OBJECT
 public:
  explicit TAnimCap1(QWidget* parent = nullptr);
  ~TAnimCap1() override;

  // The drop-site column; "Preview" opens the window out to kOpenWidth.
  static constexpr int kClosedWidth = 190;
  static constexpr int kOpenWidth = 795;

  // --- the drop-site column ----------------------------------------------------
  ui::ImageControl* Image1 = nullptr;  // the drop site
  QLabel* label1 = nullptr;            // "Width: "
  QLabel* Label2 = nullptr;            // "Height: "
  QLineEdit* Edit1 = nullptr;          // base name of saved frames
  ui::SpinEdit* SpinEdit3 = nullptr;   // number of the next saved frame
  QPushButton* BitBtn1 = nullptr;      // "Preview": opens the window out
  QPushButton* BitBtn2 = nullptr;      // OK

  // --- the folder browser ----------------------------------------------------------
  ui::DriveComboBox* DriveComboBox1 = nullptr;
  ui::DirectoryListBox* DirectoryListBox1 = nullptr;
  ui::FileListBox* FileListBox1 = nullptr;
  QWidget* Panel2 = nullptr;           // holds the thumbnail, hidden at first
  ui::ImageControl* Image3 = nullptr;  // thumbnail; carrier of clipboard copies
  QPushButton* BitBtn3 = nullptr;      // "UnMarked"
  QPushButton* BitBtn5 = nullptr;      // "Marked"
  QPushButton* BitBtn15 = nullptr;     // "Insert"

  // --- the frame list ----------------------------------------------------------------
  QListWidget* ListBox1 = nullptr;
  QPushButton* BitBtn4 = nullptr;       // "Remove"
  QPushButton* BitBtn13 = nullptr;      // "Select All"
  QPushButton* BitBtn10 = nullptr;      // "Preview": play
  QPushButton* BitBtn11 = nullptr;      // "Stop"
  QPushButton* copybut = nullptr;       // "Top Down"
  QPushButton* BitBtn8 = nullptr;       // "Bottom Up"
  QPushButton* BitBtn14 = nullptr;      // "Resize"
  QPushButton* BitBtn16 = nullptr;      // "Make LST"
  QPushButton* BitBtn6 = nullptr;       // "Save Play List"
  QPushButton* BitBtn7 = nullptr;       // "Load Play List"
  QPushButton* BitBtn12 = nullptr;      // Help
  QToolButton* SpeedButton1 = nullptr;  // Help
  QPushButton* BitBtn9 = nullptr;       // "&Close"
  QSlider* TrackBar1 = nullptr;         // "Delay"
  ui::SpinEdit* SpinEdit4 = nullptr;    // "X", the delay multiplier
  QLabel* Label5 = nullptr;             // the delay as a time per frame
  QProgressBar* Pb1 = nullptr;          // bulk resize progress

  // --- the frame list as the other windows see it ------------------------------------
  const animation::FrameList& frames() const { return list_; }
  // Appends entries unmarked (the Play List Maker's run).
  void appendEntries(const std::vector<std::string>& entries);
  // The folder the browser shows.
  QString currentFolder() const;
  // Whether the preview is playing (the stop flag is clear).
  bool playing() const { return play_.playing(); }
  // The play timer's interval in milliseconds.
  int playInterval() const;

  // --- handlers ----------------------------------------------------------------------
  // Saves the dropped picture as the next numbered frame.
  void Image1DragDrop(QWidget* source);
  void FormShow();
  void BitBtn1Click();
  void FileListBox1Click();
  void FileListBox1DblClick();
  void BitBtn3Click();
  void BitBtn5Click();
  void BitBtn15Click();
  // Appends the selected lines of another list box.
  void ListBox1DragDrop(QWidget* source);
  void BitBtn4Click();
  void ListBox1DblClick();
  void BitBtn13Click();
  void BitBtn10Click();
  void BitBtn11Click();
  void copybutClick();
  void BitBtn8Click();
  void BitBtn14Click();
  void BitBtn16Click();
  void BitBtn6Click();
  void BitBtn7Click();
  void BitBtn12Click();
  void BitBtn9Click();
  // The hint of the frame list for the mouse at `y` in the list.
  void ListBox1MouseMove(int y);
  // One slot of the preview (the play timer's tick).
  void playSlot();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildDropSite(QWidget* column);
  void buildBrowser(QWidget* half);
  void connectHandlers();

  // The list box shows the frame list: entries, marks and the current entry.
  void showList();
  // The list box's marks and current entry into the frame list.
  void takeMarks();
  std::vector<std::string> selectedFiles() const;
  void copyMarked(animation::WalkFrom from);
  void saveList();
  void endPlay();
  void delayChanged();
  void openingStep();

  animation::FrameList list_;
  animation::PreviewPlay play_;
  std::unique_ptr<animation::PreviewFrames> decoded_;
  QTimer* playTimer_ = nullptr;
  QTimer* openTimer_ = nullptr;
  int openStep_ = 0;
  bool resizing_ = false;
  bool stopResize_ = false;
  bool showingList_ = false;
};
