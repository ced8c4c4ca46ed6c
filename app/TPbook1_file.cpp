// The close check and save as.
#include <QAbstractSlider>
#include <QFileInfo>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "document/windows/Tjpop1.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/Jpeg.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/MessagePump.h"
#include "platform/ui/Services.h"

namespace {

// The file name part of a caption that may hold a full path.
QString fileNamePart(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return path.mid(cut + 1);
}

}  // namespace

bool TPbook1::checktosave() {
  if (!Modified) return true;
  switch (ui::dialogs().confirm(QStringLiteral("Save changes to %1?").arg(fileNamePart(caption())))) {
    case ui::MsgResult::Cancel:
      return false;
    case ui::MsgResult::Yes:
      domysave();  // whatever its outcome
      return true;
    default:
      return true;
  }
}

void TPbook1::domysave() {
  ui::FileDialogOptions options = SavePictureDialog1;
  options.fileName = caption();
  const std::optional<QString> chosen = ui::dialogs().saveFile(options);
  if (!chosen || chosen->isEmpty()) return;
  const QString path = *chosen;
  if (QFileInfo::exists(path) &&
      ui::dialogs().confirm(QStringLiteral("OK to overwrite %1").arg(path)) != ui::MsgResult::Yes)
    return;
  const QString ext = QFileInfo(path).suffix().toUpper();
  if (ext == QLatin1String("JPG")) {
    saveJPG(path);
  } else if (ext == QLatin1String("GIF")) {
    notifygif();
    const QString bmpPath = path + QStringLiteral(".bmp");
    if (ui::dialogs().confirm(QStringLiteral("Save As %1?").arg(bmpPath)) != ui::MsgResult::Yes) return;
    codecs::writeBmpFile(bmpPath.toStdString(), picture());
  } else {
    codecs::writeBmpFile(path.toStdString(), picture());
  }
  Modified = false;
  setCaption(path);
}

void TPbook1::saveJPG(const QString& fileName) {
  ui::BusyCursor busy;
  ui::processMessages();
  codecs::JpegEncodeOptions options;
  options.quality = jpegQuality();
  options.progressive = true;
  codecs::writeJpegFile(fileName.toStdString(), picture(), options);
}

int TPbook1::jpegQuality() const {
  // 100 until the options window has its track bar.
  if (Tjpop1* options = app::windows().jpop1)
    if (auto* bar = options->findChild<QAbstractSlider*>(QStringLiteral("TrackBar1"))) return bar->value();
  return 100;
}
