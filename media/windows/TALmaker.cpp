#include "media/windows/TALmaker.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "animation/engine/PlayListMaker.h"
#include "animation/windows/TAnimCap1.h"
#include "app/Windows.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

std::string bytes(const QString& text) { return QFile::encodeName(text).toStdString(); }
QString shown(const std::string& text) {
  return QFile::decodeName(QByteArray::fromStdString(text));
}

void setTextColour(QLineEdit* edit, const QColor& colour) {
  QPalette p = edit->palette();
  p.setColor(QPalette::Text, colour);
  edit->setPalette(p);
}

}  // namespace

TALmaker::TALmaker(QWidget* parent) : QWidget(parent) {
  setObjectName("TALmaker");
  setWindowTitle("Play List Maker");
  setWindowFlag(Qt::Window);
  setWindowFlag(Qt::WindowStaysOnTopHint);

  Edit1 = new QLineEdit(QStringLiteral("MyAnimation"), this);
  Edit1->setObjectName("Edit1");
  SpinEdit3 = new ui::SpinEdit(this);
  SpinEdit3->setObjectName("SpinEdit3");
  SpinEdit1 = new ui::SpinEdit(this);
  SpinEdit1->setObjectName("SpinEdit1");
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  FileListBox1 = new ui::FileListBox(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setMask(QStringLiteral("*.bmp"));
  BitBtn1 = new QPushButton(QStringLiteral("OK Make List"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtn2->setObjectName("BitBtn2");
  connect(BitBtn1, &QPushButton::clicked, this, ui::guarded([this] { BitBtn1Click(); }));
  connect(BitBtn2, &QPushButton::clicked, this, &QWidget::close);
  // The maroon of a missing frame goes once the name is changed.
  connect(Edit1, &QLineEdit::textEdited, this, [this] { setTextColour(Edit1, Qt::black); });

  auto* heading = new QLabel(QStringLiteral("Create a sequential filename play list"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  auto* inputs = new QGridLayout;
  inputs->addWidget(new QLabel(QStringLiteral("File name"), this), 0, 0);
  inputs->addWidget(Edit1, 0, 1);
  inputs->addWidget(new QLabel(QStringLiteral("First frame number"), this), 1, 0);
  inputs->addWidget(SpinEdit3, 1, 1, Qt::AlignLeft);
  inputs->addWidget(new QLabel(QStringLiteral("Last frame number"), this), 2, 0);
  inputs->addWidget(SpinEdit1, 2, 1, Qt::AlignLeft);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(inputs);
  layout->addWidget(Label1);
  layout->addWidget(FileListBox1, 1);
  layout->addLayout(buttons);
  resize(360, 360);
}

QString TALmaker::folder() const {
  TAnimCap1* manager = app::windows().AnimCap1;
  return manager ? manager->currentFolder() : QString();
}

void TALmaker::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TALmaker::FormShow() {
  Label1->setText(shown(animation::numberedListName(bytes(folder()), bytes(Edit1->text()),
                                                    SpinEdit3->value(), ".BMP")));
  FileListBox1->setDirectory(folder());
  FileListBox1->refresh();
}

void TALmaker::BitBtn1Click() {
  const animation::NumberedRun run = animation::findNumberedRun(
      bytes(folder()), bytes(Edit1->text()), SpinEdit3->value(), SpinEdit1->value());
  if (TAnimCap1* manager = app::windows().AnimCap1; manager && !run.found.empty())
    manager->appendEntries(run.found);
  if (run.missing) {
    Label1->setText(shown(*run.missing));
    setTextColour(Edit1, QColor(128, 0, 0));
    ui::dialogs().error(QStringLiteral("File does not exist"));
    return;  // the window stays open; the names found so far stay in the list
  }
  if (!run.found.empty()) Label1->setText(shown(run.found.back()));
  close();
}
