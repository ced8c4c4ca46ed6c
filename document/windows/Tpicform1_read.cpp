// Reading files into the preview: the JPEG choices and the decoding progress.
#include <QCheckBox>
#include <QComboBox>

#include "document/engine/DocumentNames.h"
#include "document/engine/PictureFiles.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"

namespace {

// The picture so far is handed to the screen at most this often: copying a
// large partial picture for every band of rows would cost more than decoding.
constexpr qint64 kPartialIntervalMs = 100;

// Marks a read as running for the life of the object and puts the caption
// back to the name to show on every way out.
class ReadingGuard {
 public:
  ReadingGuard(Tpicform1& form, bool& flag) : form_(form), flag_(flag) { flag_ = true; }
  ~ReadingGuard() {
    flag_ = false;
    form_.setWindowTitle(form_.shownName);
  }

 private:
  Tpicform1& form_;
  bool& flag_;
};

}  // namespace

codecs::JpegDecodeOptions Tpicform1::jpegOptions() const {
  codecs::JpegDecodeOptions o;
  o.scale = codecs::JpegScale(std::clamp(Scale->currentIndex(), 0, 3));
  o.pixelFormat = PixelFormat->currentIndex() == 1 ? codecs::JpegPixelFormat::Bits8
                                                   : codecs::JpegPixelFormat::Bits24;
  o.colorSpace = ColorSpace->currentIndex() == 1 ? codecs::JpegColorSpace::Grayscale
                                                 : codecs::JpegColorSpace::Color;
  o.performance = Performance->currentIndex() == 1 ? codecs::JpegPerformance::BestSpeed
                                                   : codecs::JpegPerformance::BestQuality;
  // Only progressive files have passes to show; the decoder ignores the
  // choice for others.
  o.progressiveDisplay = ProgressiveDisplay->isChecked();
  o.incrementalDisplay = IncrementalDisplay->isChecked();
  return o;
}

bool Tpicform1::openjpg(const QString& name) {
  QString file = document::resolveScreenshotAlias(name);
  if (file.isEmpty()) file = FileListBox1->fileName();
  failedFile_.clear();
  failure_ = document::ReadFailure::None;
  failureDetail_.clear();
  if (file.isEmpty()) return false;

  document::LoadedPicture picture;
  {
    ReadingGuard guard(*this, reading_);
    partialClock_.invalidate();
    picture = document::readPictureFile(
        document::toPath(file), jpegOptions(),
        [this](int percent, const gdi::Bitmap* partial) { ProgressUpdate(percent, partial); });
  }
  if (picture.bitmap.empty()) {
    failedFile_ = file;
    failure_ = picture.failure;
    failureDetail_ = QString::fromStdString(picture.detail);
  }
  previewFile_ = picture.bitmap.empty() ? QString() : file;
  previewJpeg_ = picture.isJpeg() && !picture.bitmap.empty();
  previewProgressive_ = previewJpeg_ && picture.jpeg && picture.jpeg->progressive;
  previewFormat_ = picture.format;
  Image1->setBitmap(std::move(picture.bitmap));
  SetJPEGOptions();
  return !Image1->bitmap().empty();
}

void Tpicform1::cnvtbit() {
  if (previewFormat_ == codecs::PictureFormat::Bmp) return;
  document::LoadedPicture read;
  read.bitmap = std::move(Image1->bitmap());
  read.format = previewFormat_;
  document::makePlainBitmap(read);
  Image1->setBitmap(std::move(read.bitmap));
  previewFormat_ = codecs::PictureFormat::Bmp;
}

bool Tpicform1::openthefile(const QString& name) {
  QString file = document::resolveScreenshotAlias(name);
  if (file.isEmpty()) file = FileListBox1->fileName();
  const bool read = openjpg(file);
  cnvtbit();
  shownName = document::shownNameFor(file);
  setWindowTitle(shownName);
  return read;
}

void Tpicform1::SetJPEGOptions() {
  for (QWidget* w : {static_cast<QWidget*>(Scale), static_cast<QWidget*>(PixelFormat),
                     static_cast<QWidget*>(ColorSpace), static_cast<QWidget*>(Performance)})
    w->setEnabled(previewJpeg_);
  ProgressiveDisplay->setEnabled(previewProgressive_);
}

void Tpicform1::jpegChoiceClick() {
  if (reading_ || !previewJpeg_ || previewFile_.isEmpty()) return;
  openthefile(previewFile_);
}

void Tpicform1::ProgressUpdate(int percent, const gdi::Bitmap* partial) {
  setWindowTitle(QString::asprintf("%d%%", percent));
  if (partial && (!partialClock_.isValid() || partialClock_.elapsed() >= kPartialIntervalMs)) {
    Image1->setBitmap(*partial);
    partialClock_.start();
  }
  ui::processMessages();
}
