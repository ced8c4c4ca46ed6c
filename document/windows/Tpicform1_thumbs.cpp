// Contact sheets of every listed picture.
#include <QComboBox>
#include <QFileInfo>
#include <QToolButton>

#include "app/Windows.h"
#include "document/engine/DocumentNames.h"
#include "document/engine/PictureFiles.h"
#include "document/engine/ThumbnailSheet.h"
#include "document/windows/Tjpop1.h"
#include "document/windows/Tpicform1.h"
#include "platform/codecs/PictureError.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"

namespace {

// Ends a run on every way out: the list emptied, "stop" disabled.
class SheetRun {
 public:
  explicit SheetRun(Tpicform1& form) : form_(form) {}
  ~SheetRun() {
    form_.ListBox1.clear();
    form_.SpeedButton3->setEnabled(false);
  }

 private:
  Tpicform1& form_;
};

}  // namespace

void Tpicform1::makethumbs() {
  if (reading_ || FileListBox1->count() == 0) return;
  SpeedButton3->setEnabled(true);
  stop = false;
  Scale->setCurrentIndex(0);
  SheetRun run(*this);
  ListBox1.clear();
  for (int i = 0; i < FileListBox1->count(); ++i) ListBox1 << FileListBox1->filePath(i);

  const document::ThumbnailLayout layout = document::thumbnailLayout(int(ListBox1.size()));
  gdi::Bitmap sheet = document::newThumbnailSheet(layout);
  int file = 0;
  for (int s = 0; s < layout.sheets; ++s) {
    for (int cell = 0; cell < layout.cellsPerSheet() && file < layout.files; ++cell, ++file) {
      const QString path = ListBox1[file];
      // Large JPEGs are decoded at a reduced scale straight away; the
      // preview shows each picture as it is read.
      document::LoadedPicture read;
      read.bitmap = document::readThumbnail(document::toPath(path), jpegOptions());
      shownName = document::shownNameFor(path);
      setWindowTitle(shownName);
      Image1->setBitmap(std::move(read.bitmap));
      document::drawThumbnail(sheet, cell, Image1->bitmap(),
                              document::fileNamePart(path).toStdString());
      ui::processMessages();
      if (file + 1 == layout.files) stop = true;
      if (stop) {
        ++file;
        break;
      }
    }
    // The sheet is a new picture of its own, not the last file read.
    Image1->setBitmap(sheet);
    previewWithoutFile();
    sheet.fill(gdi::clWhite);
    if (!offerSheet() || stop) return;
  }
}

bool Tpicform1::offerSheet() {
  const ui::MsgResult answer = ui::dialogs().confirm(QStringLiteral("Save Thumbnails?"));
  if (answer == ui::MsgResult::Cancel) return false;
  if (answer != ui::MsgResult::Yes) return true;
  const std::optional<QString> chosen = ui::dialogs().saveFile(SavePictureDialog1);
  if (!chosen || chosen->isEmpty()) return false;
  const QString path = *chosen;
  if (QFileInfo::exists(path) &&
      ui::dialogs().confirm(QStringLiteral("OK to overwrite %1").arg(path)) != ui::MsgResult::Yes)
    return false;
  try {
    if (document::saveKindFor(path) == document::SaveKind::Jpeg) {
      Tjpop1* options = app::windows().jpop1;
      int quality = 100;
      if (options) {
        ui::dialogs().runModal(*options);
        quality = options->quality();
      }
      document::writeJpeg(document::toPath(path), Image1->bitmap(), quality);
    } else {
      document::writeBmp(document::toPath(path), Image1->bitmap());
    }
  } catch (const codecs::PictureError& e) {
    ui::dialogs().error(QString::fromStdString(e.what()));
    return false;
  }
  return true;
}
