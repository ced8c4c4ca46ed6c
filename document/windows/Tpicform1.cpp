// Building the browser, show and close, the buttons, drops and copy.
#include "document/windows/Tpicform1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "document/windows/ClipboardBitmap.h"
#include "document/windows/LastLoadedFile.h"
#include "document/windows/Tmessform.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/DriveComboBox.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"

namespace {

QComboBox* choice(QWidget* parent, const char* name, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItems(items);
  box->setCurrentIndex(0);
  return box;
}

QToolButton* speedButton(QWidget* parent, const char* name, const QString& text,
                         const QString& hint) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(text);
  b->setToolTip(hint);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

}  // namespace

Tpicform1::Tpicform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tpicform1");
  setWindowTitle(shownName);
  setWindowFlag(Qt::Window);
  buildLayout();
  SavePictureDialog1.title = QStringLiteral("Save Thumbnails");
  SavePictureDialog1.filter = QStringLiteral("*.jpg");
  openInLastFolder();
  SetJPEGOptions();
  resize(760, 520);
}

Tpicform1::~Tpicform1() = default;

void Tpicform1::buildLayout() {
  DriveComboBox1 = new ui::DriveComboBox(this);
  DriveComboBox1->setObjectName("DriveComboBox1");
  DirectoryListBox1 = new ui::DirectoryListBox(this);
  DirectoryListBox1->setObjectName("DirectoryListBox1");
  FileListBox1 = new ui::FileListBox(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setMask(QStringLiteral("*.jpg;*.bmp;*.wmf;*.emf;*.ico"));
  DriveComboBox1->setDirList(DirectoryListBox1);
  DirectoryListBox1->setFileList(FileListBox1);
  // The drive box follows the folder list onto another volume.
  ui::connectGuarded(DirectoryListBox1, &ui::DirectoryListBox::changed, this,
                     [this] { DriveComboBox1->setDrive(DirectoryListBox1->directory()); });
  ui::connectGuarded(FileListBox1, &QListWidget::itemDoubleClicked, this,
                     [this] { FileListBox1DblClick(); });

  Image1 = new ui::ImageControl;
  Image1->setObjectName("Image1");
  Image1->setAutoSize(true);
  Image1->setDropTarget(true);
  Image1->setDragSource(true);
  ui::connectGuarded(Image1, &ui::ImageControl::dropped, this,
                     [this](QWidget* source) { Image1DragDrop(source); });
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setWidget(Image1);
  ScrollBox1->setWidgetResizable(false);

  Scale = choice(this, "Scale", {"Full Size", "Half", "Quarter", "Eighth"});
  PixelFormat = choice(this, "PixelFormat", {"24 bit", "8 bit"});
  ColorSpace = choice(this, "ColorSpace", {"Color", "Grayscale"});
  Performance = choice(this, "Performance", {"Best Quality", "Best Speed"});
  ProgressiveDisplay = new QCheckBox(QStringLiteral("Progressive Display"), this);
  ProgressiveDisplay->setObjectName("ProgressiveDisplay");
  IncrementalDisplay = new QCheckBox(QStringLiteral("Incremental Display"), this);
  IncrementalDisplay->setObjectName("IncrementalDisplay");
  for (QComboBox* box : {Scale, PixelFormat, ColorSpace, Performance})
    ui::connectGuarded(box, &QComboBox::activated, this, [this] { jpegChoiceClick(); });
  for (QCheckBox* box : {ProgressiveDisplay, IncrementalDisplay})
    ui::connectGuarded(box, &QCheckBox::clicked, this, [this] { jpegChoiceClick(); });

  Loadbut = new QPushButton(QStringLiteral("Load"), this);
  Loadbut->setObjectName("Loadbut");
  Loadbut->setDefault(true);
  Cancelbut = new QPushButton(QStringLiteral("Cancel"), this);
  Cancelbut->setObjectName("Cancelbut");
  SpeedButton1 = speedButton(this, "SpeedButton1", "Copy", "Copy the picture to the clipboard");
  SpeedButton2 =
      speedButton(this, "SpeedButton2", "Thumbnails", "Thumbnails of every listed picture");
  SpeedButton3 = speedButton(this, "SpeedButton3", "Stop", "Stop the thumbnails");
  SpeedButton3->setEnabled(false);
  SpeedButton4 = speedButton(this, "SpeedButton4", "Screen Shot", "Capture the screen");
  ui::connectGuarded(Loadbut, &QPushButton::clicked, this, [this] { LoadbutClick(); });
  ui::connectGuarded(Cancelbut, &QPushButton::clicked, this, [this] { CancelbutClick(); });
  ui::connectGuarded(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  ui::connectGuarded(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
  ui::connectGuarded(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
  ui::connectGuarded(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });

  auto* files = new QWidget(this);
  auto* filesLayout = new QVBoxLayout(files);
  filesLayout->setContentsMargins(0, 0, 0, 0);
  filesLayout->addWidget(DriveComboBox1);
  filesLayout->addWidget(DirectoryListBox1, 1);
  filesLayout->addWidget(FileListBox1, 1);

  auto* choices = new QGroupBox(QStringLiteral("JPEG"), this);
  auto* grid = new QGridLayout(choices);
  grid->addWidget(new QLabel(QStringLiteral("Scale"), choices), 0, 0);
  grid->addWidget(Scale, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Pixel Format"), choices), 1, 0);
  grid->addWidget(PixelFormat, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("Color Space"), choices), 2, 0);
  grid->addWidget(ColorSpace, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Performance"), choices), 3, 0);
  grid->addWidget(Performance, 3, 1);
  grid->addWidget(ProgressiveDisplay, 4, 0, 1, 2);
  grid->addWidget(IncrementalDisplay, 5, 0, 1, 2);
  filesLayout->addWidget(choices);

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(files);
  split->addWidget(ScrollBox1);
  split->setStretchFactor(1, 1);

  auto* buttons = new QHBoxLayout;
  for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4})
    buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(Loadbut);
  buttons->addWidget(Cancelbut);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);
}

void Tpicform1::openInLastFolder() {
  const QString last = document::lastLoadedFile();
  if (last.isEmpty() || !QFileInfo(last).isFile()) return;
  const QString folder = QFileInfo(last).absolutePath();
  DriveComboBox1->setDrive(folder);
  DirectoryListBox1->setDirectory(folder);
}

void Tpicform1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void Tpicform1::FormShow() {
  stop = false;
  DirectoryListBox1->setDrive(DriveComboBox1->drive());
  FileListBox1->setDirectory(DirectoryListBox1->directory());
  FileListBox1->refresh();
  SetJPEGOptions();
}

void Tpicform1::closeEvent(QCloseEvent* event) {
  // Closing the window ends a contact sheet run as Cancel does.
  stop = true;
  QWidget::closeEvent(event);
}

void Tpicform1::LoadbutClick() {
  if (reading_) return;
  const QString selected = FileListBox1->fileName();
  // A file chosen but never previewed is read now rather than answered
  // with "Unable to complete Request".
  if (Image1->bitmap().empty() && !selected.isEmpty()) openthefile(selected);
  if (!previewFile_.isEmpty())
    document::rememberLoadedFile(QFileInfo(previewFile_).absoluteFilePath());
  loadpic();
  close();
}

void Tpicform1::CancelbutClick() {
  stop = true;
  close();
}

void Tpicform1::SpeedButton3Click() { stop = true; }

void Tpicform1::FileListBox1DblClick() {
  if (reading_) return;
  const QString file = FileListBox1->fileName();
  if (!file.isEmpty()) openthefile(file);
}

void Tpicform1::SpeedButton1Click() {
  if (!Image1->bitmap().empty() && !document::putBitmapOnClipboard(Image1->bitmap()))
    ui::dialogs().error(QStringLiteral("Clipboard Not Available"));
  close();
}

void Tpicform1::Image1DragDrop(QWidget* source) {
  auto* image = qobject_cast<ui::ImageControl*>(source);
  if (!image || image == Image1 || reading_) return;
  Image1->setBitmap(image->bitmap());
  previewWithoutFile();
}

void Tpicform1::previewWithoutFile() {
  previewFile_.clear();
  previewJpeg_ = previewProgressive_ = false;
  previewFormat_ = codecs::PictureFormat::Bmp;
  shownName = QStringLiteral("TEMP.BMP");
  setWindowTitle(shownName);
  SetJPEGOptions();
}

Tmessform& Tpicform1::messform() {
  if (!messform_) messform_ = new Tmessform(this);
  return *messform_;
}
