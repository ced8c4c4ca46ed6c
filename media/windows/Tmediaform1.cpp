// Building the player window and its commands: Open, Close, Done, the
// hand-over to the AVI Capture window and the help page.
#include "media/windows/Tmediaform1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "media/player/TDCAVIPlay.h"
#include "media/windows/TAVICAP.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/Services.h"

namespace {

const char* const kFilter = "*.avi, *.wav, *.mid, *.mpg,|*.avi;*.mpg;*.wav;*.mid|All FIles|*.*";

QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    const QString& hint = {}) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

QCheckBox* hiddenBox(QWidget* parent, const char* name) {
  auto* box = new QCheckBox(QString::fromLatin1(name), parent);
  box->setObjectName(name);
  box->hide();
  return box;
}

}  // namespace

Tmediaform1::Tmediaform1(QWidget* parent) : QWidget(parent) {
  setObjectName("Tmediaform1");
  setWindowTitle("Multimedia Player");
  setWindowFlag(Qt::Window);
  buildLayout();
  connectControls();
  updateTransport();
  resize(sizeHint().expandedTo(QSize(420, 170)));
  // Centred on the screen once, when created.
  const QSize screen = ui::environment().screenSize();
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

Tmediaform1::~Tmediaform1() { closeDevice(); }

void Tmediaform1::buildLayout() {
  MediaPlayer1 = new QWidget(this);
  MediaPlayer1->setObjectName("MediaPlayer1");
  auto* transport = new QHBoxLayout(MediaPlayer1);
  transport->setContentsMargins(0, 0, 0, 0);
  transport->setSpacing(2);
  playBtn = button(MediaPlayer1, "playBtn", QStringLiteral("Play"));
  pauseBtn = button(MediaPlayer1, "pauseBtn", QStringLiteral("Pause"));
  stopBtn = button(MediaPlayer1, "stopBtn", QStringLiteral("Stop"));
  nextBtn = button(MediaPlayer1, "nextBtn", QStringLiteral("Next"), QStringLiteral("To the end"));
  prevBtn = button(MediaPlayer1, "prevBtn", QStringLiteral("Prev"), QStringLiteral("To the start"));
  stepBtn = button(MediaPlayer1, "stepBtn", QStringLiteral("Step"), QStringLiteral("One frame on"));
  backBtn =
      button(MediaPlayer1, "backBtn", QStringLiteral("Back"), QStringLiteral("One frame back"));
  ejectBtn = button(MediaPlayer1, "ejectBtn", QStringLiteral("Eject"));
  for (QPushButton* b : {playBtn, pauseBtn, stopBtn, nextBtn, prevBtn, stepBtn, backBtn, ejectBtn})
    transport->addWidget(b);

  BitBtn1 = button(this, "BitBtn1", QStringLiteral("Open"));
  mclbut1 = button(this, "mclbut1", QStringLiteral("Close"),
                   QStringLiteral("Close the file to allow other processes to use it"));
  mclbut1->setEnabled(false);
  cbut = button(this, "cbut", QStringLiteral("Capture"),
                QStringLiteral("Capture Frames and Dump frames to disk"));
  cbut->setEnabled(false);
  BitBtn4 = button(this, "BitBtn4", QStringLiteral("Help"));
  BitBtn2 = button(this, "BitBtn2", QStringLiteral("Done"));
  BitBtn3 = button(this, "BitBtn3", QStringLiteral("Done"));
  BitBtn3->hide();  // the same as "Done"; one of them is enough on screen

  mpeg = hiddenBox(this, "mpeg");
  avic = hiddenBox(this, "avic");
  pg1 = new QProgressBar(this);
  pg1->setObjectName("pg1");
  pg1->setTextVisible(false);
  pg1->setRange(0, 1);
  pg1->setValue(0);
  bmpspot = new QLabel(this);
  bmpspot->setObjectName("bmpspot");
  fileLine = new QLabel(QStringLiteral("No file is open."), this);
  fileLine->setObjectName("fileLine");
  fileLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* commands = new QHBoxLayout;
  for (QPushButton* b : {BitBtn1, mclbut1, cbut, BitBtn4}) commands->addWidget(b);
  commands->addStretch();
  commands->addWidget(BitBtn2);

  auto* column = new QVBoxLayout(this);
  column->addWidget(MediaPlayer1);
  column->addWidget(pg1);
  column->addWidget(fileLine);
  column->addWidget(bmpspot);
  column->addLayout(commands);
}

void Tmediaform1::connectControls() {
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &Tmediaform1::BitBtn1Click);
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, &Tmediaform1::BitBtn2Click);
  ui::connectGuarded(BitBtn3, &QPushButton::clicked, this, &Tmediaform1::BitBtn3Click);
  ui::connectGuarded(BitBtn4, &QPushButton::clicked, this, &Tmediaform1::BitBtn4Click);
  ui::connectGuarded(mclbut1, &QPushButton::clicked, this, &Tmediaform1::mclbut1Click);
  ui::connectGuarded(cbut, &QPushButton::clicked, this, &Tmediaform1::cbutClick);
  ui::connectGuarded(playBtn, &QPushButton::clicked, this, &Tmediaform1::playClick);
  ui::connectGuarded(pauseBtn, &QPushButton::clicked, this, &Tmediaform1::pauseClick);
  ui::connectGuarded(stopBtn, &QPushButton::clicked, this, &Tmediaform1::stopClick);
  ui::connectGuarded(nextBtn, &QPushButton::clicked, this, &Tmediaform1::nextClick);
  ui::connectGuarded(prevBtn, &QPushButton::clicked, this, &Tmediaform1::prevClick);
  ui::connectGuarded(stepBtn, &QPushButton::clicked, this, &Tmediaform1::stepClick);
  ui::connectGuarded(backBtn, &QPushButton::clicked, this, &Tmediaform1::backClick);
}

void Tmediaform1::BitBtn1Click() {
  ui::FileDialogOptions options;
  options.filter = QString::fromLatin1(kFilter);
  const std::optional<QString> chosen = ui::dialogs().openFile(options);
  if (!chosen) return;
  openMedia(*chosen);
}

void Tmediaform1::openMedia(const QString& name) {
  // The file open before goes first, so two files never hold the device.
  closeAll();
  fileName = name;
  const QString ext = QLatin1Char('.') + QFileInfo(name).suffix().toUpper();
  const bool isAvi = ext == QLatin1String(".AVI");
  const bool isMpeg = ext == QLatin1String(".MPG");
  if (!openDevice(ext)) {
    // Nothing open: no flag may promise a capture of it.
    mpeg->setChecked(false);
    avic->setChecked(false);
    cbut->setEnabled(false);
    updateTransport();
    return;
  }
  mclbut1->setEnabled(true);
  mpeg->setChecked(isMpeg);
  avic->setChecked(isAvi);
  cbut->setEnabled(isAvi);
  if (movie_) showDisplay();
  updateTransport();
}

void Tmediaform1::closeAll() {
  if (deviceOpen()) closeDevice();
  mclbut1->setEnabled(false);
  closeDisplay();
  updateTransport();
}

void Tmediaform1::mclbut1Click() {
  closeAll();
  avic->setChecked(false);
  mpeg->setChecked(false);
  cbut->setEnabled(false);
  fileLine->setText(QStringLiteral("No file is open."));
}

void Tmediaform1::BitBtn2Click() {
  closeAll();
  close();
}

void Tmediaform1::closeEvent(QCloseEvent* event) {
  mclbut1Click();
  QWidget::closeEvent(event);
}

void Tmediaform1::showEvent(QShowEvent* event) {
  stop = false;
  if (const TAVICAP* capture = app::windows().AVICAP) bmpspot->setText(capture->dumpPrefix);
  QWidget::showEvent(event);
}

void Tmediaform1::cbutClick() {
  if (avic->isChecked()) handToCapture();
}

void Tmediaform1::capbut1Click() {
  if (mpeg->isChecked()) {
    ui::dialogs().message(QStringLiteral("MPG must be converted to AVI before it can be captured"),
                          QStringLiteral("MPG Error"));
  } else if (avic->isChecked()) {
    handToCapture();
  } else {
    ui::dialogs().message(QStringLiteral("Only AVI can be captured"),
                          QStringLiteral("AVI Message"));
  }
}

void Tmediaform1::handToCapture() {
  TAVICAP* capture = app::windows().AVICAP;
  if (!capture) return;
  // The capture window opens the file itself; ours lets go of it first.
  closeAll();
  capture->openFile(fileName);
  capture->show();
  capture->raise();
}

void Tmediaform1::BitBtn4Click() {
  if (app::MainWindow* main = app::findMainWindow())
    main->showHelp(QStringLiteral("Multimedia Player.RTF"),
                   {QStringLiteral("File Multimedia Player.RTF is missing.")});
}
