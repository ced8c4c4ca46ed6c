// Building the Animation Manager, showing and closing it, and the list box
// that shows the frame list.
#include "animation/windows/TAnimCap1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "animation/engine/PreviewFrames.h"
#include "animation/engine/PreviewTiming.h"
#include "animation/windows/TScreentest1.h"
#include "app/Windows.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/DriveComboBox.h"
#include "platform/ui/Environment.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/InternalDrag.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

constexpr int kHeight = 470;
const char* const kListHint = "These Filenames Will be played";

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = {}) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

QLabel* label(QWidget* parent, const QString& text) { return new QLabel(text, parent); }

}  // namespace

TAnimCap1::TAnimCap1(QWidget* parent) : QWidget(parent) {
  setObjectName("TAnimCap1");
  setWindowTitle("Animation Manager");
  setWindowFlag(Qt::Window);
  setWindowFlag(Qt::WindowStaysOnTopHint);

  // The two halves sit side by side at fixed places: the window's width
  // shows the drop-site column alone or both.
  auto* column = new QWidget(this);
  column->setGeometry(0, 0, kClosedWidth, kHeight);
  buildDropSite(column);
  auto* half = new QWidget(this);
  half->setGeometry(kClosedWidth, 0, kOpenWidth - kClosedWidth, kHeight);
  buildBrowser(half);

  decoded_ = std::make_unique<animation::PreviewFrames>();
  playTimer_ = new QTimer(this);
  playTimer_->setTimerType(Qt::PreciseTimer);
  openTimer_ = new QTimer(this);
  openTimer_->setInterval(10);
  connectHandlers();

  FileListBox1->setMask(QStringLiteral("*.bmp;"));
  setFixedHeight(kHeight);
  resize(kClosedWidth, kHeight);
  delayChanged();
}

TAnimCap1::~TAnimCap1() { play_.stop(); }

void TAnimCap1::buildDropSite(QWidget* column) {
  // A sunken frame shows where to drop while the site is still empty.
  auto* dropFrame = new QFrame(column);
  dropFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* dropLayout = new QVBoxLayout(dropFrame);
  dropLayout->setContentsMargins(2, 2, 2, 2);
  Image1 = new ui::ImageControl(dropFrame);
  dropLayout->addWidget(Image1);
  Image1->setObjectName("Image1");
  Image1->setStretch(true);
  Image1->setDropTarget(true);
  Image1->setFixedSize(160, 120);
  Image1->setToolTip(QStringLiteral("Drag n' Save Drop Site"));
  label1 = label(column, QStringLiteral("Width: "));
  label1->setObjectName("label1");
  Label2 = label(column, QStringLiteral("Height: "));
  Label2->setObjectName("Label2");
  Edit1 = new QLineEdit(QStringLiteral("MyAnimation"), column);
  Edit1->setObjectName("Edit1");
  SpinEdit3 = new ui::SpinEdit(column);
  SpinEdit3->setObjectName("SpinEdit3");
  BitBtn2 = button(column, "BitBtn2", QStringLiteral("OK"));
  BitBtn1 = button(column, "BitBtn1", QStringLiteral("Preview"),
                   QStringLiteral("Show the frame list and the preview"));

  auto* layout = new QVBoxLayout(column);
  auto* title = label(column, QStringLiteral("Drag n' Save Drop Site"));
  title->setAlignment(Qt::AlignCenter);
  layout->addWidget(title);
  layout->addWidget(dropFrame, 0, Qt::AlignHCenter);
  layout->addWidget(label1);
  layout->addWidget(Label2);
  layout->addWidget(label(column, QStringLiteral("Frame name")));
  layout->addWidget(Edit1);
  layout->addWidget(label(column, QStringLiteral("Frame number")));
  layout->addWidget(SpinEdit3, 0, Qt::AlignLeft);
  layout->addStretch();
  layout->addWidget(BitBtn2);
  layout->addWidget(BitBtn1);
}

void TAnimCap1::buildBrowser(QWidget* half) {
  DriveComboBox1 = new ui::DriveComboBox(half);
  DriveComboBox1->setObjectName("DriveComboBox1");
  DirectoryListBox1 = new ui::DirectoryListBox(half);
  DirectoryListBox1->setObjectName("DirectoryListBox1");
  FileListBox1 = new ui::FileListBox(half);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setMultiSelect(true);
  DriveComboBox1->setDirList(DirectoryListBox1);
  DirectoryListBox1->setFileList(FileListBox1);

  Panel2 = new QWidget(half);
  Panel2->setObjectName("Panel2");
  Image3 = new ui::ImageControl(Panel2);
  Image3->setObjectName("Image3");
  Image3->setStretch(true);
  Image3->setFixedSize(96, 72);
  auto* thumb = new QHBoxLayout(Panel2);
  thumb->setContentsMargins(0, 0, 0, 0);
  thumb->addWidget(Image3, 0, Qt::AlignHCenter);
  Panel2->hide();

  BitBtn3 = button(half, "BitBtn3", QStringLiteral("UnMarked"),
                   QStringLiteral("Add filenames to list un-marked"));
  BitBtn5 = button(half, "BitBtn5", QStringLiteral("Marked"),
                   QStringLiteral("Add filenames to list marked"));
  BitBtn15 = button(half, "BitBtn15", QStringLiteral("Insert"),
                    QStringLiteral("Insert filenames into the list"));

  ListBox1 = new QListWidget(half);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setToolTip(QString::fromLatin1(kListHint));
  ListBox1->setAcceptDrops(true);
  ListBox1->viewport()->setAcceptDrops(true);
  ListBox1->viewport()->setMouseTracking(true);
  ListBox1->viewport()->installEventFilter(this);

  BitBtn4 =
      button(half, "BitBtn4", QStringLiteral("Remove"), QStringLiteral("Remove names from list"));
  BitBtn13 = button(half, "BitBtn13", QStringLiteral("Select All"),
                    QStringLiteral("Mark files to be played"));
  BitBtn10 =
      button(half, "BitBtn10", QStringLiteral("Preview"), QStringLiteral("Play the marked files"));
  BitBtn11 = button(half, "BitBtn11", QStringLiteral("Stop"),
                    QStringLiteral("Stop the preview or the resize"));
  copybut = button(half, "copybut", QStringLiteral("Top Down"),
                   QStringLiteral("Copy the next marked frame from the top to the clipboard"));
  BitBtn8 = button(half, "BitBtn8", QStringLiteral("Bottom Up"),
                   QStringLiteral("Copy the next marked frame from the bottom to the clipboard"));
  BitBtn14 = button(half, "BitBtn14", QStringLiteral("Resize"),
                    QStringLiteral("Resize all marked frames"));
  BitBtn16 = button(half, "BitBtn16", QStringLiteral("Make LST"),
                    QStringLiteral("Create a sequentially numbered list"));
  BitBtn6 = button(half, "BitBtn6", QStringLiteral("Save Play List"));
  BitBtn7 = button(half, "BitBtn7", QStringLiteral("Load Play List"));
  BitBtn12 = button(half, "BitBtn12", QStringLiteral("Help"));
  SpeedButton1 = new QToolButton(half);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setText(QStringLiteral("?"));
  SpeedButton1->setToolTip(QStringLiteral("Help"));
  BitBtn9 = button(half, "BitBtn9", QStringLiteral("&Close"));

  TrackBar1 = new QSlider(Qt::Horizontal, half);
  TrackBar1->setObjectName("TrackBar1");
  TrackBar1->setRange(0, 1000);
  TrackBar1->setPageStep(100);
  TrackBar1->setTickInterval(100);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  // A tenth of a second a frame to start with: a calm, even pace.
  TrackBar1->setValue(100);
  SpinEdit4 = new ui::SpinEdit(half);
  SpinEdit4->setObjectName("SpinEdit4");
  SpinEdit4->setMinValue(0);
  SpinEdit4->setMaxValue(10000);
  SpinEdit4->setIncrement(10);
  SpinEdit4->setValue(10);
  Label5 = label(half, {});
  Label5->setObjectName("Label5");
  Pb1 = new QProgressBar(half);
  Pb1->setObjectName("Pb1");
  Pb1->setRange(0, 100);
  Pb1->hide();

  auto* browser = new QVBoxLayout;
  browser->addWidget(DriveComboBox1);
  browser->addWidget(DirectoryListBox1, 2);
  browser->addWidget(FileListBox1, 3);
  browser->addWidget(Panel2);
  auto* adds = new QHBoxLayout;
  for (QPushButton* b : {BitBtn3, BitBtn5, BitBtn15}) adds->addWidget(b);
  browser->addLayout(adds);

  auto* buttons = new QGridLayout;
  const QPushButton* grid[][3] = {{BitBtn10, BitBtn11, BitBtn13},
                                  {BitBtn4, copybut, BitBtn8},
                                  {BitBtn14, BitBtn16, BitBtn12},
                                  {BitBtn6, BitBtn7, BitBtn9}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) buttons->addWidget(const_cast<QPushButton*>(grid[r][c]), r, c);

  auto* delay = new QHBoxLayout;
  delay->addWidget(label(half, QStringLiteral("Delay")));
  delay->addWidget(TrackBar1, 1);
  delay->addWidget(label(half, QStringLiteral("X")));
  delay->addWidget(SpinEdit4);
  delay->addWidget(SpeedButton1);

  auto* list = new QVBoxLayout;
  list->addWidget(ListBox1, 1);
  list->addLayout(buttons);
  list->addLayout(delay);
  list->addWidget(Label5);
  list->addWidget(Pb1);

  auto* layout = new QHBoxLayout(half);
  layout->setContentsMargins(4, 9, 9, 9);
  layout->addLayout(browser, 4);
  layout->addLayout(list, 6);
}

void TAnimCap1::connectHandlers() {
  auto onClick = [this](QAbstractButton* b, void (TAnimCap1::*handler)()) {
    connect(b, &QAbstractButton::clicked, this,
            ui::guarded([this, handler] { (this->*handler)(); }));
  };
  onClick(BitBtn1, &TAnimCap1::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::close);
  onClick(BitBtn3, &TAnimCap1::BitBtn3Click);
  onClick(BitBtn5, &TAnimCap1::BitBtn5Click);
  onClick(BitBtn15, &TAnimCap1::BitBtn15Click);
  onClick(BitBtn4, &TAnimCap1::BitBtn4Click);
  onClick(BitBtn13, &TAnimCap1::BitBtn13Click);
  onClick(BitBtn10, &TAnimCap1::BitBtn10Click);
  onClick(BitBtn11, &TAnimCap1::BitBtn11Click);
  onClick(copybut, &TAnimCap1::copybutClick);
  onClick(BitBtn8, &TAnimCap1::BitBtn8Click);
  onClick(BitBtn14, &TAnimCap1::BitBtn14Click);
  onClick(BitBtn16, &TAnimCap1::BitBtn16Click);
  onClick(BitBtn6, &TAnimCap1::BitBtn6Click);
  onClick(BitBtn7, &TAnimCap1::BitBtn7Click);
  onClick(BitBtn12, &TAnimCap1::BitBtn12Click);
  onClick(SpeedButton1, &TAnimCap1::BitBtn12Click);
  onClick(BitBtn9, &TAnimCap1::BitBtn9Click);

  connect(Image1, &ui::ImageControl::dropped, this,
          ui::guarded([this](QWidget* source) { Image1DragDrop(source); }));
  connect(DirectoryListBox1, &ui::DirectoryListBox::changed, this,
          [this] { DriveComboBox1->setDrive(DirectoryListBox1->directory()); });
  connect(FileListBox1, &QListWidget::itemClicked, this,
          ui::guarded([this] { FileListBox1Click(); }));
  connect(FileListBox1, &QListWidget::itemDoubleClicked, this,
          ui::guarded([this] { FileListBox1DblClick(); }));
  connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { takeMarks(); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { takeMarks(); });
  connect(ListBox1, &QListWidget::itemDoubleClicked, this,
          ui::guarded([this] { ListBox1DblClick(); }));
  connect(TrackBar1, &QSlider::valueChanged, this, [this] { delayChanged(); });
  connect(SpinEdit4, &ui::SpinEdit::changed, this, [this] { delayChanged(); });
  connect(playTimer_, &QTimer::timeout, this, ui::guarded([this] { playSlot(); }));
  connect(openTimer_, &QTimer::timeout, this, [this] { openingStep(); });
}

// ----- showing, opening out, closing ------------------------------------------------

void TAnimCap1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TAnimCap1::FormShow() {
  DirectoryListBox1->setDrive(DriveComboBox1->drive());
  FileListBox1->setDirectory(DirectoryListBox1->directory());
  FileListBox1->refresh();
}

void TAnimCap1::BitBtn1Click() {
  const int screenWidth = ui::environment().screenSize().width();
  if (screenWidth < x() + kOpenWidth) move(screenWidth - kOpenWidth, y());
  // The window opens out in 30 steps of 20 pixels, from 215 to 795.
  openStep_ = 0;
  openTimer_->start();
  FileListBox1->refresh();
}

void TAnimCap1::openingStep() {
  ++openStep_;
  resize(kClosedWidth + 5 + 20 * openStep_, height());
  if (openStep_ >= 30) openTimer_->stop();
}

void TAnimCap1::BitBtn9Click() {
  openTimer_->stop();
  resize(kClosedWidth, height());
  if (auto* preview = app::windows().Screentest1) preview->close();
  endPlay();
}

void TAnimCap1::closeEvent(QCloseEvent* event) {
  endPlay();
  stopResize_ = true;
  QWidget::closeEvent(event);
}

void TAnimCap1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Switching to another window ends play; the preview window itself,
  // clicked to fit or fill the screen, does not.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
    QWidget* now = QApplication::activeWindow();
    if (!now || now != app::windows().Screentest1) endPlay();
  }
}

// ----- the list box and the frame list ----------------------------------------------

namespace {

QString shown(const std::string& entry) {
  return QFile::decodeName(QByteArray::fromStdString(entry));
}

}  // namespace

void TAnimCap1::showList() {
  showingList_ = true;
  const QSignalBlocker block(ListBox1);
  bool same = ListBox1->count() == list_.size();
  for (int i = 0; same && i < list_.size(); ++i)
    same = ListBox1->item(i)->text() == shown(list_.entry(i));
  if (!same) {
    ListBox1->clear();
    QStringList texts;
    texts.reserve(list_.size());
    for (int i = 0; i < list_.size(); ++i) texts << shown(list_.entry(i));
    ListBox1->addItems(texts);
  }
  // Marks as runs of selected rows: one selection change per run.
  QItemSelection marks;
  for (int i = 0; i < list_.size();) {
    if (!list_.marked(i)) {
      ++i;
      continue;
    }
    int end = i;
    while (end + 1 < list_.size() && list_.marked(end + 1)) ++end;
    marks.select(ListBox1->model()->index(i, 0), ListBox1->model()->index(end, 0));
    i = end + 1;
  }
  QItemSelectionModel* selection = ListBox1->selectionModel();
  selection->select(marks, QItemSelectionModel::ClearAndSelect);
  const int current = list_.itemIndex();
  selection->setCurrentIndex(current >= 0 ? ListBox1->model()->index(current, 0) : QModelIndex(),
                             QItemSelectionModel::NoUpdate);
  showingList_ = false;
  ListBox1->viewport()->update();
}

void TAnimCap1::takeMarks() {
  if (showingList_ || ListBox1->count() != list_.size()) return;
  for (int i = 0; i < list_.size(); ++i) list_.setMarked(i, ListBox1->item(i)->isSelected());
  list_.setItemIndex(ListBox1->currentRow());
}

void TAnimCap1::appendEntries(const std::vector<std::string>& entries) {
  list_.append(entries);
  showList();
}

QString TAnimCap1::currentFolder() const { return DirectoryListBox1->directory(); }

void TAnimCap1::ListBox1MouseMove(int y) {
  const int row = ListBox1->indexAt(QPoint(4, y)).row();
  ListBox1->setToolTip(row >= 0 && row < ListBox1->count()
                           ? ListBox1->item(row)->text()
                           : QStringLiteral("These Filenames will be played"));
}

bool TAnimCap1::eventFilter(QObject* watched, QEvent* event) {
  if (watched != ListBox1->viewport()) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove:
      ListBox1MouseMove(int(static_cast<QMouseEvent*>(event)->position().y()));
      break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      QWidget* source = ui::InternalDrag::sourceOf(drag->mimeData());
      if (qobject_cast<QListWidget*>(source) && source != ListBox1) {
        drag->acceptProposedAction();
        return true;
      }
      drag->ignore();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      QWidget* source = ui::InternalDrag::sourceOf(drop->mimeData());
      ui::runGuarded([&] { ListBox1DragDrop(source); });
      drop->acceptProposedAction();
      return true;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}
