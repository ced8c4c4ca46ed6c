#include "document/windows/Tpicform1.h"

#include <QFileInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/PictureFile.h"
#include "platform/ui/ImageControl.h"

Tpicform1::Tpicform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tpicform1");
  setWindowTitle("Image Browser");
  setWindowFlag(Qt::Window);
  Image1 = new ui::ImageControl(this);
  Image1->setObjectName("Image1");
  Image1->setStretch(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Image1);
}

// Still to come with the browser: the file list's selection for an empty
// name, "screenshot1", and the JPEG decoding choices.
bool Tpicform1::openthefile(const QString& name) {
  try {
    codecs::Picture picture = codecs::loadPicture(name.toStdString());
    Image1->setBitmap(std::move(picture.bitmap));
  } catch (const codecs::PictureError& e) {
    if (!e.invalidPicture()) throw;
    Image1->setBitmap(gdi::Bitmap());
    return false;
  }
  const QString ext = QFileInfo(name).suffix().toUpper();
  if (ext == QLatin1String("BMP") || ext == QLatin1String("JPG"))
    shownName = name;
  else
    shownName = name.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".bmp");
  return !Image1->bitmap().empty();
}

// Still to come with the browser: the "Unable to complete Request" message
// window for an empty preview.
void Tpicform1::loadpic() {
  TPbook1* main = app::windows().Pbook1;
  if (!main) return;
  main->ScrollBox1->horizontalScrollBar()->setValue(0);
  main->ScrollBox1->verticalScrollBar()->setValue(0);
  main->ptbox1->move(main->ptbox1->x(), 0);
  if (Image1->bitmap().empty()) return;
  main->picture() = Image1->bitmap();
  main->ptbox1->refresh();
  main->PagesReady = true;
  main->initpages();
  main->PageControl1->setCurrentWidget(main->TabSheet1);
  main->setWindowTitle(shownName);
  if (main->isHidden()) main->show();
}
