// Building the capture window, the file, the check boxes and the size choices.
#include "media/windows/TAVICAP.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "media/player/TDCAVIPlay.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, bool checked) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

}  // namespace

TAVICAP::TAVICAP(QWidget* parent) : QWidget(parent) {
  setObjectName("TAVICAP");
  setWindowTitle("AVI Capture");
  setWindowFlag(Qt::Window);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  buildLayout();
  connectControls();
  resize(sizeHint().expandedTo(QSize(560, 460)));
  // Centred on the screen once, when created.
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

TAVICAP::~TAVICAP() = default;

void TAVICAP::buildLayout() {
  Panel2 = new QWidget(this);
  Panel2->setObjectName("Panel2");
  Panel2->setMinimumSize(320, 240);
  Panel2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  Panel2->installEventFilter(this);
  AVI = new TDCAVIPlay(Panel2);
  AVI->setObjectName("AVI");
  AVI->setAutoSize(false);

  Image2 = new ui::ImageControl(this);
  Image2->setObjectName("Image2");
  Image2->setStretch(true);
  Image2->setDropTarget(true);
  Image2->setFixedSize(160, 120);
  Image2->setToolTip(QStringLiteral("The frame last captured"));

  tb = new QSlider(Qt::Horizontal, this);
  tb->setObjectName("tb");
  tb->setTickPosition(QSlider::TicksBelow);
  tb->hide();

  Edit1 = new QLineEdit(QStringLiteral("0"), this);
  Edit1->setObjectName("Edit1");
  Edit1->setMaximumWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
  CheckSound = checkBox(this, "CheckSound", QStringLiteral("Sound"), true);
  CheckTransparent = checkBox(this, "CheckTransparent", QStringLiteral("Transparent"), true);
  CheckCenter = checkBox(this, "CheckCenter", QStringLiteral("Center"), true);
  tim = checkBox(this, "tim", QStringLiteral("On Timer"), false);

  BitBtn1 = button(this, "BitBtn1", QStringLiteral("capture"));
  BitBtn1->setToolTip(QStringLiteral("Copy the frame shown to the clipboard"));
  BitBtn2 = button(this, "BitBtn2", QStringLiteral("Play"));
  BitBtn3 = button(this, "BitBtn3", QStringLiteral("Stop"));
  BitBtn4 = button(this, "BitBtn4", QStringLiteral("Seek"));
  BitBtn5 = button(this, "BitBtn5", QStringLiteral("Next"));
  BitBtn6 = button(this, "BitBtn6", QStringLiteral("Dump"));
  BitBtn6->setToolTip(QStringLiteral("Write a range of frames to numbered bitmap files"));
  Button4 = button(this, "Button4", QStringLiteral("Info"));
  stopbut = button(this, "stopbut", QStringLiteral("Abort"));
  stopbut->hide();
  fbut = button(this, "fbut", QStringLiteral("Faster"));
  fbut->hide();
  sbut = button(this, "sbut", QStringLiteral("Slower"));

  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->addItems({"Normal", "Double", "1/2", "1/4", "Stretch"});
  ComboBox1->setCurrentIndex(0);

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(10);

  dumpBar = new QProgressBar(this);
  dumpBar->setObjectName("dumpBar");
  dumpBar->setFormat(QStringLiteral("%v of %m"));
  dumpBar->hide();
  statusLine = new QLabel(this);
  statusLine->setObjectName("statusLine");
  statusLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* grabbed = new QVBoxLayout;
  grabbed->addWidget(Image2);
  grabbed->addStretch();
  auto* pictures = new QHBoxLayout;
  pictures->addWidget(Panel2, 1);
  pictures->addLayout(grabbed);

  auto* grid = new QGridLayout;
  grid->addWidget(BitBtn2, 0, 0);
  grid->addWidget(BitBtn3, 0, 1);
  grid->addWidget(Edit1, 0, 2);
  grid->addWidget(BitBtn4, 0, 3);
  grid->addWidget(BitBtn5, 0, 4);
  grid->addWidget(ComboBox1, 0, 5);
  grid->addWidget(CheckSound, 1, 0);
  grid->addWidget(CheckTransparent, 1, 1);
  grid->addWidget(CheckCenter, 1, 2);
  grid->addWidget(tim, 1, 3);
  grid->addWidget(fbut, 1, 4);
  grid->addWidget(sbut, 1, 5);
  grid->addWidget(BitBtn1, 2, 0);
  grid->addWidget(BitBtn6, 2, 1);
  grid->addWidget(stopbut, 2, 2);
  grid->addWidget(dumpBar, 2, 3, 1, 2);
  grid->addWidget(Button4, 2, 5);
  grid->setColumnStretch(6, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(pictures, 1);
  layout->addWidget(tb);
  layout->addLayout(grid);
  layout->addWidget(statusLine);
}

void TAVICAP::connectControls() {
  using ui::connectGuarded;
  connectGuarded(BitBtn1, &QPushButton::clicked, this, &TAVICAP::BitBtn1Click);
  connectGuarded(BitBtn2, &QPushButton::clicked, this, &TAVICAP::BitBtn2Click);
  connectGuarded(BitBtn3, &QPushButton::clicked, this, &TAVICAP::BitBtn3Click);
  connectGuarded(BitBtn4, &QPushButton::clicked, this, &TAVICAP::BitBtn4Click);
  connectGuarded(BitBtn5, &QPushButton::clicked, this, &TAVICAP::BitBtn5Click);
  connectGuarded(BitBtn6, &QPushButton::clicked, this, &TAVICAP::BitBtn6Click);
  connectGuarded(Button4, &QPushButton::clicked, this, &TAVICAP::Button4Click);
  connectGuarded(stopbut, &QPushButton::clicked, this, &TAVICAP::stopbutClick);
  connectGuarded(fbut, &QPushButton::clicked, this, &TAVICAP::fbutClick);
  connectGuarded(sbut, &QPushButton::clicked, this, &TAVICAP::sbutClick);
  connectGuarded(tim, &QCheckBox::clicked, this, &TAVICAP::timClick);
  connectGuarded(tb, &QSlider::valueChanged, this, &TAVICAP::tbChange);
  connectGuarded(Timer1, &QTimer::timeout, this, &TAVICAP::Timer1Timer);
  connectGuarded(ComboBox1, &QComboBox::activated, this, &TAVICAP::ComboBox1Change);
  connectGuarded(CheckSound, &QCheckBox::toggled, this, [this](bool on) { AVI->setPlaySound(on); });
  connectGuarded(CheckTransparent, &QCheckBox::toggled, this,
                 [this](bool on) { AVI->setTransparent(on); });
  connectGuarded(CheckCenter, &QCheckBox::toggled, this, [this](bool on) { AVI->setCenter(on); });
  connectGuarded(Image2, &ui::ImageControl::dropped, this, &TAVICAP::Image2DragDrop);
  connectGuarded(AVI, &TDCAVIPlay::frameShown, this, &TAVICAP::followFrame);
}

void TAVICAP::openFile(const QString& name) {
  aviFile = name;
  if (AVI->FileName() == name)
    AVI->Reopen();  // the same name again: the file may have changed
  else
    AVI->setFileName(name);
  showFileFacts();
}

void TAVICAP::showFileFacts() {
  if (AVI->FileName().isEmpty()) {
    statusLine->setText(QStringLiteral("No video file is open."));
  } else if (!AVI->isOpen()) {
    // One line: the reader's message names the file and what is wrong.
    statusLine->setText(AVI->lastError().isEmpty()
                            ? QStringLiteral("Cannot open \"%1\"").arg(AVI->FileName())
                            : AVI->lastError());
  } else {
    statusLine->setText(QStringLiteral("%1: %2 frames of %3 x %4, %5 ms per frame")
                            .arg(QFileInfo(AVI->FileName()).fileName())
                            .arg(AVI->frameCount())
                            .arg(AVI->frameWidth())
                            .arg(AVI->frameHeight())
                            .arg(AVI->period()));
  }
}

void TAVICAP::Button4Click() { showFileFacts(); }

media::PlayerSize TAVICAP::sizeChoice() const {
  return media::playerSizeOf(ComboBox1->currentText().toUtf8().constData());
}

void TAVICAP::setPlayerFills(bool fill) {
  playerFills_ = fill;
  if (fill) {
    // Filling the panel and sizing to the frame cannot both hold.
    AVI->setAutoSize(false);
    AVI->setGeometry(Panel2->rect());
  }
}

bool TAVICAP::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel2 && event->type() == QEvent::Resize && playerFills_)
    AVI->setGeometry(Panel2->rect());
  return QWidget::eventFilter(watched, event);
}

void TAVICAP::ComboBox1Change() {
  const media::PlayerSize choice = sizeChoice();
  switch (choice) {
    case media::PlayerSize::Stretch:
      setPlayerFills(true);
      AVI->setStretch(true);
      break;
    case media::PlayerSize::Normal:
      AVI->setStretch(false);
      setPlayerFills(true);
      break;
    case media::PlayerSize::Double:
    case media::PlayerSize::Half:
    case media::PlayerSize::Quarter: {
      setPlayerFills(false);
      AVI->move(0, 0);
      AVI->setAutoSize(true);
      AVI->update();
      AVI->setAutoSize(false);
      const media::Size size = media::scaledPlayerSize(choice, {AVI->width(), AVI->height()});
      AVI->resize(size.width, size.height);
      AVI->setStretch(true);
      break;
    }
  }
  update();
}

void TAVICAP::placeForGrab() {
  const media::PlayerSize choice = sizeChoice();
  if (choice != media::PlayerSize::Normal && choice != media::PlayerSize::Double) return;
  setPlayerFills(false);
  AVI->setStretch(false);
  AVI->setAutoSize(true);
  AVI->move(0, 0);
}

void TAVICAP::Image2DragDrop(QWidget* source) {
  auto* image = qobject_cast<ui::ImageControl*>(source);
  if (!image || image == Image2) return;
  Image2->setBitmap(image->bitmap());
}

void TAVICAP::setCommandsEnabled(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, Button4, Edit1, CheckSound,
           CheckTransparent, CheckCenter, tim, fbut, sbut, tb, ComboBox1, Image2})
    w->setEnabled(on);
}

void TAVICAP::closeEvent(QCloseEvent* event) {
  // A dump in progress ends after its current frame; the step timer stops.
  stop = true;
  Timer1->stop();
  tim->setChecked(false);
  AVI->Stop();
  QWidget::closeEvent(event);
}
