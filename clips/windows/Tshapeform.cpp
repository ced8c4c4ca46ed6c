#include "clips/windows/Tshapeform.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "clips/engine/MorphShapes.h"
#include "clips/windows/Tmorfshapeform.h"
#include "platform/codecs/PictureError.h"
#include "platform/codecs/PictureFile.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"
#include "platform/ui/UserDialogs.h"

namespace {

// Shapes may be as large as pictures; the morph itself refuses (and says
// so) past its width limit.
constexpr int kSideMin = 1;
constexpr int kSideMax = 8000;

ui::SpinEdit* sideEdit(QWidget* parent, const char* name) {
  auto* edit = new ui::SpinEdit(parent);
  edit->setObjectName(name);
  edit->setMinValue(kSideMin);
  edit->setMaxValue(kSideMax);
  edit->setValue(100);
  return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

gdi::Bitmap clipboardBitmap() {
  ui::Clipboard& clipboard = ui::clipboard();
  if (!clipboard.hasBitmap()) clipboard.claimFormat();
  return clipboard.hasBitmap() ? clipboard.bitmap() : gdi::Bitmap();
}

}  // namespace

Tshapeform::Tshapeform(QWidget* parent) : QWidget(parent) {
  setObjectName("Tshapeform");
  setWindowTitle("Morf Paste Clip");
  setWindowFlag(Qt::Window);

  Image1 = new ui::ImageControl(this);
  Image1->setObjectName("Image1");
  Image1->setStretch(true);
  Image1->setFixedSize(150, 150);
  Image1->setDropTarget(true);
  Image1->setToolTip("The shape: load a BMP file or drag an image here");
  Image2 = new ui::ImageControl(this);
  Image2->setObjectName("Image2");
  Image2->setStretch(true);
  Image2->setFixedSize(150, 150);
  Image2->setToolTip("The clipboard's picture, poured into the shape");
  SpinEdit1 = sideEdit(this, "SpinEdit1");
  SpinEdit2 = sideEdit(this, "SpinEdit2");
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setMinimumWidth(200);
  OpenPictureDialog1.title = QStringLiteral("Load a Shape");
  OpenPictureDialog1.filter = QStringLiteral("Bitmaps (*.BMP)");
  OpenPictureDialog1.fileName = QStringLiteral("*.BMP");

  BitBtn3 = button(this, "BitBtn3", "Load Shape");
  BitBtn1 = button(this, "BitBtn1", "Morf and Paste");
  BitBtn5 = button(this, "BitBtn5", "Morf and Paste at Normal Size");
  BitBtn4 = button(this, "BitBtn4", "Preview");
  BitBtn6 = button(this, "BitBtn6", "Standard Shapes");
  BitBtn2 = button(this, "BitBtn2", "Close");

  auto* images = new QGridLayout;
  images->addWidget(new QLabel("Shape", this), 0, 0);
  images->addWidget(new QLabel("Clipboard", this), 0, 1);
  images->addWidget(Image1, 1, 0);
  images->addWidget(Image2, 1, 1);
  auto* sizes = new QHBoxLayout;
  sizes->addWidget(new QLabel("Width", this));
  sizes->addWidget(SpinEdit1);
  sizes->addWidget(new QLabel("Height", this));
  sizes->addWidget(SpinEdit2);
  sizes->addStretch();
  auto* actions = new QGridLayout;
  actions->addWidget(BitBtn3, 0, 0);
  actions->addWidget(BitBtn4, 0, 1);
  actions->addWidget(BitBtn6, 0, 2);
  actions->addWidget(BitBtn1, 1, 0);
  actions->addWidget(BitBtn5, 1, 1, 1, 2);
  auto* closing = new QHBoxLayout;
  closing->addWidget(Label1, 1);
  closing->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(images);
  layout->addLayout(sizes);
  layout->addLayout(actions);
  layout->addLayout(closing);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ui::connectGuarded(BitBtn3, &QPushButton::clicked, this, &Tshapeform::BitBtn3Click);
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &Tshapeform::BitBtn1Click);
  ui::connectGuarded(BitBtn5, &QPushButton::clicked, this, &Tshapeform::BitBtn5Click);
  ui::connectGuarded(BitBtn4, &QPushButton::clicked, this, &Tshapeform::BitBtn4Click);
  ui::connectGuarded(BitBtn6, &QPushButton::clicked, this, &Tshapeform::BitBtn6Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::hide);
  ui::connectGuarded(Image1, &ui::ImageControl::dropped, this,
                     [this](QWidget* source) { Image1DragDrop(source); });

  adjustSize();
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void Tshapeform::FormShow() { Image2->setBitmap(clipboardBitmap()); }

void Tshapeform::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void Tshapeform::takeShape(const gdi::Bitmap& shape) {
  shape_ = shape;
  Image1->setBitmap(shape);
  SpinEdit1->setValue(shape.width());
  SpinEdit2->setValue(shape.height());
}

void Tshapeform::BitBtn3Click() {
  const std::optional<QString> path = ui::dialogs().openFile(OpenPictureDialog1);
  if (!path) return;
  gdi::Bitmap shape;
  try {
    ui::BusyCursor busy;
    shape = codecs::loadPicture(path->toStdString()).bitmap;
  } catch (const codecs::PictureError& e) {
    // The shape loaded before stays.
    ui::dialogs().error(QStringLiteral("Cannot load %1: %2")
                            .arg(QFileInfo(*path).fileName(), QString::fromStdString(e.what())));
    return;
  }
  shapeFile_ = *path;
  takeShape(shape);
  Label1->setText(QFileInfo(*path).fileName());
}

void Tshapeform::Image1DragDrop(QWidget* source) {
  auto* image = qobject_cast<ui::ImageControl*>(source);
  if (!image || image == Image1 || image->bitmap().empty()) return;
  shapeFile_.clear();
  takeShape(image->bitmap());
  Label1->setText(QString());
}

bool Tshapeform::morphAndPaste() {
  if (!shapeLoaded()) {
    Label1->setText("No file loaded");
    return false;
  }
  Image1->setBitmap(clips::stretchedShape(shape_, {SpinEdit1->value(), SpinEdit2->value()}));
  const gdi::Bitmap content = clipboardBitmap();
  if (content.empty()) {
    // The window stays, so the message is seen.
    Label1->setText("Clipboard not Available");
    return false;
  }
  Image2->setBitmap(content);
  Label1->setText("Copied Successfully");
  app::mainWindow().morphPaste(content, Image1->bitmap());
  hide();
  return true;
}

void Tshapeform::BitBtn1Click() { morphAndPaste(); }

// The paste leaves the clip at its own size, whatever sizes the paste panel
// had before.
void Tshapeform::BitBtn5Click() {
  ui::BusyCursor busy;
  morphAndPaste();
}

void Tshapeform::BitBtn4Click() {
  if (!shapeLoaded()) {
    Label1->setText("No file loaded");
    return;
  }
  // The clipboard's picture gives the outline, or the clip when there is
  // none; a clip floating over the picture is left as it is.
  gdi::Bitmap outline = clipboardBitmap();
  if (outline.empty()) outline = app::mainWindow().clip();
  if (outline.empty()) {
    Label1->setText("Clipboard not Available");
    return;
  }
  // Every preview starts from the shape as loaded.
  if (app::mainWindow().morphInto(shape_, outline)) Image1->setBitmap(outline);
}

void Tshapeform::BitBtn6Click() {
  if (Tmorfshapeform* shapes = app::windows().morfshapeform) shapes->show();
  hide();
}
