// The Animation Manager's frames: the drop site, the folder browser, the
// frame list's buttons, list files, clipboard copies, bulk resize.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

#include "animation/engine/BulkResize.h"
#include "animation/engine/FrameNames.h"
#include "animation/engine/ListFile.h"
#include "animation/windows/TAnimCap1.h"
#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "document/engine/PictureFiles.h"
#include "document/windows/ClipboardBitmap.h"
#include "document/windows/TResizeForm.h"
#include "media/windows/TALmaker.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureFile.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

std::string entryOf(const QString& path) { return QFile::encodeName(path).toStdString(); }
std::filesystem::path fileOf(const std::string& entry) { return std::filesystem::path(entry); }

}  // namespace

// ----- the drop site -------------------------------------------------------------------

void TAnimCap1::Image1DragDrop(QWidget* source) {
  auto* image = qobject_cast<ui::ImageControl*>(source);
  if (!image || image == Image1 || image->bitmap().empty()) return;
  const std::string name = animation::numberedFrameName(entryOf(Edit1->text()), SpinEdit3->value());
  ui::FileDialogOptions options;
  options.filter = QStringLiteral("Windows Bitmaps (*.BMP)|*.BMP");
  options.defaultExt = QStringLiteral("BMP");
  options.fileName = QFile::decodeName(QByteArray::fromStdString(name));
  options.initialDir = DirectoryListBox1->directory();
  const std::optional<QString> file = ui::dialogs().saveFile(options);
  if (!file) return;

  Image1->setBitmap(image->bitmap());
  const gdi::Bitmap& frame = Image1->bitmap();
  label1->setText(QStringLiteral("Width: %1").arg(frame.width()));
  Label2->setText(QStringLiteral("Height: %1").arg(frame.height()));
  // Through the safe save: a failure leaves an older frame of that name whole
  // and the number where it was, and says which file.
  try {
    codecs::writeBmpFile(document::toPath(*file), frame);
  } catch (const std::exception& e) {
    ui::dialogs().error(QString::fromStdString(e.what()));  // names the file
    return;
  }
  SpinEdit3->setValue(SpinEdit3->value() + 1);
  FileListBox1->refresh();
}

// ----- the folder browser --------------------------------------------------------------

void TAnimCap1::FileListBox1Click() {
  const QString file = FileListBox1->fileName();
  if (file.isEmpty()) return;
  Panel2->show();
  try {
    Image3->setBitmap(codecs::loadPicture(document::toPath(file)).bitmap);
  } catch (const std::exception&) {
    Image3->setBitmap(gdi::Bitmap());  // not a picture: no thumbnail
  }
}

void TAnimCap1::FileListBox1DblClick() {
  const QString file = FileListBox1->fileName();
  if (file.isEmpty()) return;
  takeMarks();
  list_.append({entryOf(file)});
  showList();
}

std::vector<std::string> TAnimCap1::selectedFiles() const {
  std::vector<std::string> files;
  for (const QString& path : FileListBox1->selectedPaths()) files.push_back(entryOf(path));
  return files;
}

void TAnimCap1::BitBtn3Click() {
  takeMarks();
  list_.append(selectedFiles());
  showList();
}

void TAnimCap1::BitBtn5Click() {
  takeMarks();
  list_.appendMarked(selectedFiles());
  showList();
}

void TAnimCap1::BitBtn15Click() {
  takeMarks();
  list_.insert(selectedFiles());
  showList();
}

void TAnimCap1::ListBox1DragDrop(QWidget* source) {
  auto* other = qobject_cast<QListWidget*>(source);
  if (!other || other == ListBox1) return;
  std::vector<std::string> texts;
  for (int i = 0; i < other->count(); ++i)
    if (other->item(i)->isSelected()) texts.push_back(entryOf(other->item(i)->text()));
  takeMarks();
  list_.append(texts);
  showList();
}

// ----- the frame list's buttons ---------------------------------------------------------

void TAnimCap1::BitBtn4Click() {
  takeMarks();
  list_.removeMarked();
  showList();
  if (list_.empty()) endPlay();
}

void TAnimCap1::ListBox1DblClick() {
  takeMarks();
  if (list_.empty()) return;
  list_.removeCurrent();
  showList();
  if (list_.empty()) endPlay();
}

void TAnimCap1::BitBtn13Click() {
  const ui::BusyCursor busy;
  takeMarks();
  list_.markAll();
  showList();
}

// ----- clipboard copies -------------------------------------------------------------------

void TAnimCap1::copybutClick() { copyMarked(animation::WalkFrom::Top); }
void TAnimCap1::BitBtn8Click() { copyMarked(animation::WalkFrom::Bottom); }

void TAnimCap1::copyMarked(animation::WalkFrom from) {
  const ui::BusyCursor busy;
  takeMarks();
  const int entry = list_.takeNextMarked(from);
  showList();
  if (entry < 0) return;
  const std::filesystem::path file = fileOf(list_.entry(entry));
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return;  // a missing frame is passed over
  try {
    Image3->setBitmap(codecs::loadPicture(file).bitmap);
  } catch (const std::exception& e) {
    ui::dialogs().error(
        QStringLiteral("Cannot copy the frame %1: %2")
            .arg(QFile::decodeName(QByteArray::fromStdString(list_.entry(entry))), e.what()));
    return;
  }
  if (!document::putBitmapOnClipboard(Image3->bitmap()))
    ui::dialogs().error(QStringLiteral("Clipboard Not Available"));
}

// ----- bulk resize -------------------------------------------------------------------------

void TAnimCap1::BitBtn14Click() {
  if (resizing_) return;
  TResizeForm* form = app::windows().ResizeForm;
  if (!form || !form->execute()) return;
  if (ui::dialogs().confirm(QStringLiteral("OK to resize all marked files?")) != ui::MsgResult::Yes)
    return;
  takeMarks();
  const ui::BusyCursor busy;
  resizing_ = true;
  stopResize_ = false;
  Pb1->setValue(0);
  Pb1->show();
  const animation::BulkResizeResult result =
      animation::resizeMarkedFrames(list_, form->SpinEdit1->value(), form->SpinEdit2->value(),
                                    [this](const animation::BulkResizeStep& step) {
                                      if (step.frame) Image1->setBitmap(*step.frame);
                                      Pb1->setValue(step.position);
                                      showList();
                                      ui::processMessages();
                                      takeMarks();
                                      return !stopResize_;
                                    });
  resizing_ = false;
  Pb1->hide();
  form->SpinEdit1->setValue(result.size.cx);
  form->SpinEdit2->setValue(result.size.cy);
  showList();
  const std::string errors = animation::bulkResizeErrorText(result);
  if (!errors.empty()) ui::dialogs().error(QString::fromStdString(errors));
}

// ----- list files and the Play List Maker ---------------------------------------------------

void TAnimCap1::saveList() {
  ui::FileDialogOptions options;
  options.title = QStringLiteral("Save Filename List");
  options.defaultExt = QStringLiteral("LST");
  options.filter = QStringLiteral("*.LST");
  options.fileName = QStringLiteral("*.lst");
  const std::optional<QString> file = ui::dialogs().saveFile(options);
  if (!file) return;
  animation::writeListFile(document::toPath(*file), list_.lines());
}

void TAnimCap1::BitBtn6Click() { saveList(); }

void TAnimCap1::BitBtn7Click() {
  takeMarks();
  if (!list_.empty() &&
      ui::dialogs().confirm(QStringLiteral("Save Filename List?")) == ui::MsgResult::Yes)
    ui::runGuarded([this] { saveList(); });  // a failed save still lets the load go on
  ui::FileDialogOptions options;
  options.title = QStringLiteral("Load a List of Filenames");
  options.filter =
      QStringLiteral("List File (*.LST)|*.LST|All Files  (List of FileNames  OK )|*.*");
  options.fileName = QStringLiteral("*.lst");
  const std::optional<QString> file = ui::dialogs().openFile(options);
  if (!file) return;
  // Read first: a file that cannot be read leaves the list as it was.
  std::vector<std::string> lines = animation::readListFile(document::toPath(*file));
  list_.replace(lines);
  showList();
}

void TAnimCap1::BitBtn16Click() {
  if (auto* maker = app::windows().ALmaker) {
    maker->show();
    maker->raise();
  }
}

void TAnimCap1::BitBtn12Click() {
  if (auto* main = app::findMainWindow()) main->dohelp(QStringLiteral("Animation Preview.RTF"));
}
