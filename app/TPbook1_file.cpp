// The picture as a document: the close check, new, open, save as, quick
// save, and moving pictures between files and the clipboard.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "app/Windows.h"
#include "document/engine/DocumentNames.h"
#include "document/engine/PictureFiles.h"
#include "document/windows/ClipboardBitmap.h"
#include "document/windows/TBtnRightDlg.h"
#include "document/windows/Tjpop1.h"
#include "document/windows/Tpicform1.h"
#include "platform/codecs/PictureError.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

// Runs a write; a failure is reported with the file's name and answers false,
// leaving the old file (and everything the caller would change) as it was.
template <class Write>
bool reportingFailure(Write&& write) {
  try {
    write();
    return true;
  } catch (const codecs::PictureError& e) {
    ui::dialogs().error(QString::fromStdString(e.what()));
    return false;
  }
}

// Reads a file into the browser. A file that cannot be read at all is
// reported (with its name) at once; one that gives no picture is reported
// with its cause by the loader's message window.
bool readIntoBrowser(Tpicform1& browser, const QString& path) {
  try {
    if (browser.openthefile(path)) return true;
  } catch (const codecs::PictureError& e) {
    ui::dialogs().error(QString::fromStdString(e.what()));
    return false;
  }
  browser.reportReadFailure();
  return false;
}

bool askOverwrite(const QString& path) {
  return !QFileInfo::exists(path) ||
         ui::dialogs().confirm(QStringLiteral("OK to overwrite %1").arg(path)) ==
             ui::MsgResult::Yes;
}

}  // namespace

// ----- the close check ------------------------------------------------------

bool TPbook1::checktosave() {
  if (!Modified) return true;
  const QString name = document::fileNamePart(caption());
  switch (ui::dialogs().confirm(QStringLiteral("Save changes to %1?").arg(name))) {
    case ui::MsgResult::Cancel:
      return false;
    case ui::MsgResult::Yes:
      // Only a written file lets the caller drop the picture: a cancelled
      // save dialog or a failed write keeps it, as Cancel does.
      return domysave();
    default:
      return true;
  }
}

// ----- new and open -----------------------------------------------------------

void TPbook1::opeImfile() {
  if (Modified && !checktosave()) return;
  if (ui::clipboard().hasBitmap()) pbpastebut1->setEnabled(true);
  Tpicform1* browser = app::windows().picform1;
  if (!browser) return;
  browser->show();
  browser->raise();
  ui::processMessages();
}

void TPbook1::opdlg() {
  // Asked before the open dialog, as every other way of replacing the picture does.
  if (Modified && !checktosave()) return;
  const std::optional<QString> chosen = ui::dialogs().openFile(OpenPictureDialog1);
  if (!chosen || chosen->isEmpty()) return;
  const QString path = *chosen;
  Tpicform1* browser = app::windows().picform1;
  switch (document::openKindFor(path)) {
    case document::OpenKind::Gif:
      notifygif();
      return;
    case document::OpenKind::Ignored:
      return;
    case document::OpenKind::Picture:
      break;
  }
  if (!browser) return;
  if (document::isJpegName(path)) browser->Scale->setCurrentIndex(0);
  if (readIntoBrowser(*browser, path)) browser->loadpic();
}

void TPbook1::opeImNew() {
  if (Modified && !checktosave()) return;
  if (ui::clipboard().hasBitmap()) pbpastebut1->setEnabled(true);
  // A cancelled dialog leaves zoomed editing as it was: the full picture is
  // still in zmbk.
  TBtnRightDlg* size = app::windows().BtnRightDlg;
  if (!size || !size->execute()) return;
  endZoomedEditing();
  zm1->hide();

  const int w =
      std::clamp(size->SpinEdit1->value(), TBtnRightDlg::kMinSide, TBtnRightDlg::kMaxSide);
  const int h =
      std::clamp(size->SpinEdit2->value(), TBtnRightDlg::kMinSide, TBtnRightDlg::kMaxSide);
  gdi::Bitmap blank(w, h);  // allocated first: a failure leaves the old picture
  setCaption(document::kNewPictureName);
  picture() = std::move(blank);
  ptbox1->setGeometry(0, 0, w, h);
  ptbox1->refresh();

  zm1spin->setValue(100);
  zm1->setZoomValue(100);
  chk1->setChecked(false);
  applyPaletteToNewPicture();

  zm1->show();
  initpages();
  ptbox1->show();
  PageControl1->setCurrentWidget(TabSheet1);
  for (QWidget* b : {static_cast<QWidget*>(zmbuton), static_cast<QWidget*>(chk1),
                     static_cast<QWidget*>(pbrotbut1), static_cast<QWidget*>(resizebut1),
                     static_cast<QWidget*>(pblassoobut1), static_cast<QWidget*>(pbcapbxbut1),
                     static_cast<QWidget*>(undoptb1), static_cast<QWidget*>(redoptb1)})
    b->setEnabled(true);
  pbpastetobut1->setEnabled(pbpastebut1->isEnabled());
}

// The palette's own part of a new picture (its width spin as the line
// width, the fill colour as the picture's brush) comes with the palette's
// drawing state.
void TPbook1::applyPaletteToNewPicture() {}

// ----- saving -------------------------------------------------------------------

bool TPbook1::domysave() {
  const std::optional<gdi::Bitmap> merged = zoomedEditMerged();
  const std::optional<QString> path = saveAsSequence(merged ? *merged : picture());
  if (!path) return false;
  Modified = false;
  setCaption(*path);
  return true;
}

std::optional<QString> TPbook1::saveAsSequence(const gdi::Bitmap& bitmap) {
  ui::FileDialogOptions options = SavePictureDialog1;
  options.fileName = caption();
  const std::optional<QString> chosen = ui::dialogs().saveFile(options);
  if (!chosen || chosen->isEmpty()) return std::nullopt;
  return writeChosenPath(*chosen, bitmap);
}

std::optional<QString> TPbook1::writeChosenPath(const QString& path, const gdi::Bitmap& bitmap) {
  if (!askOverwrite(path)) return std::nullopt;
  bool written = false;
  switch (document::saveKindFor(path)) {
    case document::SaveKind::Jpeg:
      written = reportingFailure([&] { writeJPG(path, bitmap, jpegQuality()); });
      break;
    case document::SaveKind::Gif: {
      notifygif();
      const QString bmpPath = document::gifReplacementPath(path);
      if (ui::dialogs().confirm(QStringLiteral("Save As %1?").arg(bmpPath)) != ui::MsgResult::Yes)
        return std::nullopt;
      written = reportingFailure([&] { document::writeBmp(document::toPath(bmpPath), bitmap); });
      break;
    }
    case document::SaveKind::Bmp:
      written = reportingFailure([&] { document::writeBmp(document::toPath(path), bitmap); });
      break;
  }
  if (!written) return std::nullopt;
  return path;
}

void TPbook1::writeJPG(const QString& fileName, const gdi::Bitmap& bitmap,
                       std::optional<int> quality) {
  ui::BusyCursor busy;
  ui::processMessages();
  document::writeJpeg(document::toPath(fileName), bitmap, quality);
}

void TPbook1::saveJPG(const QString& fileName) {
  const std::optional<gdi::Bitmap> merged = zoomedEditMerged();
  writeJPG(fileName, merged ? *merged : picture(), jpegQuality());
}

// The clip keeps the JPEG library's own default quality.
void TPbook1::saveclipJPG(const QString& fileName) {
  writeJPG(fileName, clpmap1->bitmap(), std::nullopt);
}

int TPbook1::jpegQuality() const {
  const Tjpop1* options = app::windows().jpop1;
  return options ? options->quality() : 100;
}

void TPbook1::savebutClick() {
  const QString name = document::quickSaveName(caption());
  const std::optional<gdi::Bitmap> merged = zoomedEditMerged();
  // A bare name: the file goes to the current folder, the folder of the file
  // last chosen in an open or save dialog. A failure names the whole path.
  const QString path = QDir::current().absoluteFilePath(name);
  if (!reportingFailure(
          [&] { document::writeBmp(document::toPath(path), merged ? *merged : picture()); }))
    return;
  Modified = false;
  ui::dialogs().message(QStringLiteral("Saved as ") + name, QStringLiteral("Saved"));
}

// ----- files and the clipboard ----------------------------------------------------

void TPbook1::pfromfile() {
  const std::optional<QString> chosen = ui::dialogs().openFile(OpenPictureDialog1);
  if (!chosen || chosen->isEmpty()) return;
  Tpicform1* browser = app::windows().picform1;
  if (!browser) return;
  browser->Scale->setCurrentIndex(0);
  if (!readIntoBrowser(*browser, *chosen)) return;
  if (!document::putBitmapOnClipboard(browser->Image1->bitmap())) {
    app::showClipboardMessage();
    return;
  }
  pbpastebut1->setEnabled(true);
  pbpastetobut1->setEnabled(true);
}

void TPbook1::pbpastetobut1Click() {
  ui::Clipboard& clipboard = ui::clipboard();
  if (!clipboard.hasBitmap()) clipboard.claimFormat();
  gdi::Bitmap clip = clipboard.hasBitmap() ? clipboard.bitmap() : gdi::Bitmap();
  if (clip.empty()) {
    app::showClipboardMessage();
    return;
  }
  clpmap1->setBitmap(std::move(clip));
  pbpastebut1->setEnabled(true);
  pbpastetobut1->setEnabled(true);

  ui::FileDialogOptions options = SavePictureDialog1;
  options.fileName = QStringLiteral("*.BMP;*.JPG");
  const std::optional<QString> chosen = ui::dialogs().saveFile(options);
  if (!chosen || chosen->isEmpty()) return;
  const QString path = *chosen;
  if (!askOverwrite(path)) return;
  // The file holds the clip, not the picture: the window keeps its name.
  reportingFailure([&] {
    if (document::saveKindFor(path) == document::SaveKind::Jpeg)
      saveclipJPG(path);
    else
      document::writeBmp(document::toPath(path), clpmap1->bitmap());
  });
}

// ----- a picture from another window --------------------------------------------

bool TPbook1::loadPicture(const gdi::Bitmap& loaded, const QString& newCaption) {
  ScrollBox1->horizontalScrollBar()->setValue(0);
  ScrollBox1->verticalScrollBar()->setValue(0);
  ptbox1->move(ptbox1->x(), 0);
  if (loaded.empty()) return false;
  // A zoomed edit of the old picture must not be merged into the new one.
  endZoomedEditing();
  picture() = loaded;
  ptbox1->refresh();
  PagesReady = true;
  initpages();
  PageControl1->setCurrentWidget(TabSheet1);
  setCaption(newCaption);
  if (isHidden()) show();
  return true;
}
