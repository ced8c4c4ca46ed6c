#include "animation/windows/Twizwiz1.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "animation/engine/FrameTarget.h"
#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "document/engine/PictureFiles.h"
#include "platform/gdi/Blit.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"

Twizwiz1::Twizwiz1(QWidget* parent) : QWidget(parent) {
  setObjectName("Twizwiz1");
  setWindowTitle("Wizard Support");
  setWindowFlag(Qt::Window);

  auto* keys = new QGridLayout;
  const char* imageNames[] = {"im1", "im2", "im3", "im4"};
  const char* checkNames[] = {"Check1", "Check2", "Check3", "Check4"};
  const char* buttonNames[] = {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"};
  ui::ImageControl** imageSlots[] = {&im1, &im2, &im3, &im4};
  QCheckBox** checkSlots[] = {&Check1, &Check2, &Check3, &Check4};
  QPushButton** buttonSlots[] = {&BitBtn1, &BitBtn2, &BitBtn3, &BitBtn4};
  for (int i = 0; i < 4; ++i) {
    auto* image = new ui::ImageControl(this);
    image->setObjectName(imageNames[i]);
    image->setStretch(true);
    image->setFixedSize(160, 120);
    auto* check = new QCheckBox(QStringLiteral("Loaded"), this);
    check->setObjectName(checkNames[i]);
    check->setEnabled(false);  // a flag the loads set, not a choice
    auto* load = new QPushButton(QStringLiteral("Key picture %1").arg(i + 1), this);
    load->setObjectName(buttonNames[i]);
    connect(load, &QPushButton::clicked, this, ui::guarded([this, i] { loadKey(i); }));
    *imageSlots[i] = image;
    *checkSlots[i] = check;
    *buttonSlots[i] = load;
    auto* cell = new QVBoxLayout;
    cell->addWidget(image, 0, Qt::AlignHCenter);
    auto* row = new QHBoxLayout;
    row->addWidget(load);
    row->addWidget(check);
    cell->addLayout(row);
    keys->addLayout(cell, i / 2, i % 2);
  }

  gobut1 = new QPushButton(QStringLiteral("Go"), this);
  gobut1->setObjectName("gobut1");
  gobut1->setEnabled(false);
  gobut1->setToolTip(QStringLiteral("Prepare the folders and make the movie"));
  BitBtn6 = new QPushButton(QStringLiteral("Stop"), this);
  BitBtn6->setObjectName("BitBtn6");
  fname1 = new QLabel(this);
  fname1->setObjectName("fname1");
  fname2 = new QLabel(this);
  fname2->setObjectName("fname2");
  connect(gobut1, &QPushButton::clicked, this, ui::guarded([this] { gobut1Click(); }));
  connect(BitBtn6, &QPushButton::clicked, this, [this] { BitBtn6Click(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(gobut1);
  buttons->addWidget(BitBtn6);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("Load four key pictures for the automatic movie"), this));
  layout->addLayout(keys);
  layout->addWidget(fname1);
  layout->addWidget(fname2);
  layout->addLayout(buttons);
}

gdi::Bitmap Twizwiz1::keyFrame(const gdi::Bitmap& picture, gdi::Size frame) {
  gdi::Bitmap out(std::max(frame.cx, 1), std::max(frame.cy, 1));
  const bool larger = picture.width() > out.width() || picture.height() > out.height();
  gdi::stretchBlt(out, 0, 0, out.width(), out.height(), picture, 0, 0, picture.width(),
                  picture.height(), gdi::SRCCOPY,
                  larger ? gdi::StretchMode::ColorOnColor : gdi::StretchMode::BlackOnWhite,
                  gdi::Brush());
  return out;
}

void Twizwiz1::loadKey(int index) {
  ui::FileDialogOptions options;
  options.title = QStringLiteral("Open a key picture");
  options.filter = QStringLiteral(
      "Pictures (*.bmp;*.jpg;*.emf;*.ico;*.wmf)|*.bmp;*.jpg;*.emf;*.ico;*.wmf|All Files|*.*");
  if (const std::optional<QString> file = ui::dialogs().openFile(options))
    loadKeyFile(index, *file);
}

bool Twizwiz1::loadKeyFile(int index, const QString& file) {
  const QString extension = QLatin1Char('.') + QFileInfo(file).suffix().toUpper();
  if (extension == QLatin1String(".GIF")) {
    if (auto* main = app::findMainWindow()) main->notifygif();
    return false;
  }
  static const QStringList accepted = {".BMP", ".JPG", ".EMF", ".ICO", ".WMF"};
  if (!accepted.contains(extension)) {
    ui::dialogs().error(QStringLiteral("%1 is not a picture this program reads").arg(file));
    return false;
  }
  const document::LoadedPicture picture = document::readPictureFile(document::toPath(file));
  if (picture.bitmap.empty()) {
    ui::dialogs().error(
        QStringLiteral("%1: %2").arg(file, document::readFailureText(picture.failure)));
    return false;
  }
  images()[std::size_t(index)]->setBitmap(keyFrame(picture.bitmap, frameSize));
  checks()[std::size_t(index)]->setChecked(true);
  emit imageLoaded();
  bool all = true;
  for (QCheckBox* check : checks()) all = all && check->isChecked();
  gobut1->setEnabled(all);
  return true;
}

void Twizwiz1::gobut1Click() {
  const QString program = ui::environment().programFolder();
  const animation::ExampleFolders folders =
      animation::makeExampleFolders(document::toPath(program));
  fname1->setText(QString::fromStdU16String(folders.seriesOne.u16string()));
  fname2->setText(QString::fromStdU16String(folders.seriesTwo.u16string()));
  targetFolder = fname1->text();
  go = true;
}

void Twizwiz1::BitBtn6Click() {
  go = false;
  emit stopped();
  close();
}
