#pragma once
// The image browser: the program's picture loader and file viewer. A drive
// box, folder list and file list beside the preview `Image1`, whose bitmap is
// "the browser's image" other windows read; the JPEG decoding choices; Load,
// Cancel, Copy, contact sheets of a whole folder and a screen shot.
//
// The class is split by concern:
//   Tpicform1.cpp          building the window, show, buttons, drops, copy
//   Tpicform1_read.cpp     reading files into the preview, the JPEG choices, progress
//   Tpicform1_load.cpp     making the preview the main window's picture
//   Tpicform1_thumbs.cpp   contact sheets
//   Tpicform1_capture.cpp  the screen shot
#include <QElapsedTimer>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "document/engine/PictureFiles.h"
#include "platform/codecs/Jpeg.h"
#include "platform/codecs/PictureFile.h"
#include "platform/gdi/Bitmap.h"
#include "platform/ui/DialogTypes.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QScreen;
class QScrollArea;
class QToolButton;
class Tmessform;

namespace ui {
class DirectoryListBox;
class DriveComboBox;
class FileListBox;
class ImageControl;
}  // namespace ui

class Tpicform1 : public QWidget {
  Q_OBJECT
 public:
  explicit Tpicform1(QWidget* parent = nullptr);
  ~Tpicform1() override;

  // ===== controls ==============================================================
  ui::DriveComboBox* DriveComboBox1 = nullptr;
  ui::DirectoryListBox* DirectoryListBox1 = nullptr;
  ui::FileListBox* FileListBox1 = nullptr;  // mask "*.jpg;*.bmp;*.wmf;*.emf;*.ico"
  QScrollArea* ScrollBox1 = nullptr;
  ui::ImageControl* Image1 = nullptr;  // the preview: the browser's image
  QStringList ListBox1;                // full paths of a contact sheet run

  // JPEG decoding choices, item 0 at creation.
  QComboBox* Scale = nullptr;        // full size, half, quarter, eighth
  QComboBox* PixelFormat = nullptr;  // 24 bit, 8 bit
  QComboBox* ColorSpace = nullptr;   // colour, grayscale
  QComboBox* Performance = nullptr;  // best quality, best speed
  QCheckBox* ProgressiveDisplay = nullptr;
  QCheckBox* IncrementalDisplay = nullptr;

  QPushButton* Loadbut = nullptr;
  QPushButton* Cancelbut = nullptr;
  QToolButton* SpeedButton1 = nullptr;  // copy
  QToolButton* SpeedButton2 = nullptr;  // contact sheets
  QToolButton* SpeedButton3 = nullptr;  // stop
  QToolButton* SpeedButton4 = nullptr;  // screen shot

  ui::FileDialogOptions SavePictureDialog1;  // for contact sheets

  // ===== state =================================================================
  // The name the picture gets as the main window's caption when loaded.
  QString shownName = QStringLiteral("TEMP.BMP");
  // Set by Cancel and stop; ends a contact sheet after the current file.
  bool stop = false;

  // ===== reading ===============================================================
  // Reads a picture file into the preview and makes it a plain bitmap; true
  // when the preview then holds a picture. An empty name reads the file
  // selected in the file list; "screenshot1" stands for "SCREENSHOT.JPG".
  // A file that is not a picture we read (or cannot be held in memory) leaves
  // the preview empty; a file that cannot be read throws codecs::PictureError.
  bool openthefile(const QString& name = {});
  // Reads without making a plain bitmap; the JPEG choices apply.
  bool openjpg(const QString& name);
  // The preview becomes a plain bitmap.
  void cnvtbit();
  // Enables the JPEG choices for a JPEG preview (progressive display only for
  // a progressive file).
  void SetJPEGOptions();
  // The decoding choices of the controls.
  codecs::JpegDecodeOptions jpegOptions() const;
  // Decoding progress: "%d%%" in the caption, the picture so far in the preview.
  void ProgressUpdate(int percent, const gdi::Bitmap* partial);

  // Makes the preview the main window's picture (or says why it cannot).
  void loadpic();
  // The loader's message window saying why the preview is empty: the file
  // last read and its failure when it gave no picture.
  void reportReadFailure();

  // ===== commands ==============================================================
  void LoadbutClick();
  void CancelbutClick();
  void SpeedButton1Click();  // copy the preview to the clipboard
  void SpeedButton2Click() { makethumbs(); }
  void SpeedButton3Click();  // stop
  void SpeedButton4Click();  // screen shot
  void FileListBox1DblClick();
  void FormShow();
  void Image1DragDrop(QWidget* source);
  // A choice changed by the user: a JPEG preview is read again with it.
  void jpegChoiceClick();

  // Contact sheets of every listed file, offered for saving one by one.
  void makethumbs();

  // The modal message window of the loader (made when first needed).
  Tmessform& messform();

  // How long the screen shot waits for hidden windows to vanish.
  static int& captureSettleMs();
  // Takes the picture of a whole screen; tests put their own in place.
  using ScreenGrabber = std::function<QPixmap(QScreen* screen)>;
  static ScreenGrabber& screenGrabber();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout();
  // The folder of the file last loaded in an earlier run, if it still exists.
  void openInLastFolder();
  // A picture with no file of its own took the preview.
  void previewWithoutFile();
  // Offers a finished sheet for saving; false ends the run.
  bool offerSheet();
  // Lets pending events run until `ms` have passed (at least once).
  static void settle(int ms);

  Tmessform* messform_ = nullptr;
  // The file the preview was read from (empty for sheets, drops, screen
  // shots), whether it is a JPEG (enables the choices) and a progressive one.
  QString previewFile_;
  bool previewJpeg_ = false;
  bool previewProgressive_ = false;
  // The file last read when it gave no picture, and why.
  QString failedFile_;
  document::ReadFailure failure_ = document::ReadFailure::None;
  QString failureDetail_;
  // The preview's format as read; a bitmap once made plain.
  codecs::PictureFormat previewFormat_ = codecs::PictureFormat::Bmp;
  // A read is running: its progress lets events through, so commands that
  // would start another read wait for it.
  bool reading_ = false;
  QElapsedTimer partialClock_;
};
