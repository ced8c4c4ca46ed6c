// The folder dialog: linked drive, folder and file lists, the prefix box,
// making a new folder, and the target handed to the tools that write frames.
#include "animation/windows/Tfolderdlg1.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "animation/engine/FrameTarget.h"
#include "app/Windows.h"
#include "platform/ui/DirectoryListBox.h"
#include "platform/ui/DriveComboBox.h"
#include "platform/ui/ErrorReport.h"
#include "platform/ui/FileListBox.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

QString fromStd(const std::string& s) { return QString::fromStdString(s); }
std::string toStd(const QString& s) { return s.toStdString(); }

// A name for a new folder inside another: one plain name, no path.
bool isPlainFolderName(const QString& name) {
  return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
         !name.contains('\\');
}

}  // namespace

QString Tfolderdlg1::Target::base() const {
  return fromStd(animation::joinFolderAndPrefix(toStd(folder), toStd(prefix)));
}

Tfolderdlg1::Tfolderdlg1(QWidget* parent) : QDialog(parent) {
  setObjectName("Tfolderdlg1");
  setWindowTitle("Choose a folder");
  buildLayout();
  setFixedSize(sizeHint().expandedTo(QSize(420, 420)));
}

void Tfolderdlg1::buildLayout() {
  DriveComboBox1 = new ui::DriveComboBox(this);
  DriveComboBox1->setObjectName("DriveComboBox1");
  DirectoryListBox1 = new ui::DirectoryListBox(this);
  DirectoryListBox1->setObjectName("DirectoryListBox1");
  FileListBox1 = new ui::FileListBox(this);
  FileListBox1->setObjectName("FileListBox1");
  FileListBox1->setMask(QStringLiteral("*.bmp"));
  DriveComboBox1->setDirList(DirectoryListBox1);
  DirectoryListBox1->setFileList(FileListBox1);
  connect(DirectoryListBox1, &ui::DirectoryListBox::changed, this,
          ui::guarded([this] { DirectoryListBox1Change(); }));
  connect(FileListBox1, &QListWidget::itemClicked, this,
          ui::guarded([this] { FileListBox1Click(); }));

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Edit1 = new QLineEdit(QStringLiteral("*.bmp"), this);
  Edit1->setObjectName("Edit1");
  Edit1->setToolTip(QStringLiteral("The frames are named with this and a number"));
  Label4 = new QLabel(QStringLiteral("001.bmp"), this);
  Label4->setObjectName("Label4");

  Panel5 = new QWidget(this);
  Panel5->setObjectName("Panel5");
  SpinEdit1 = new ui::SpinEdit(Panel5);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit2 = new ui::SpinEdit(Panel5);
  SpinEdit2->setObjectName("SpinEdit2");
  auto* frames = new QHBoxLayout(Panel5);
  frames->setContentsMargins(0, 0, 0, 0);
  frames->addWidget(new QLabel(QStringLiteral("Start Frame"), Panel5));
  frames->addWidget(SpinEdit1);
  frames->addWidget(new QLabel(QStringLiteral("End Frame"), Panel5));
  frames->addWidget(SpinEdit2);
  Panel5->hide();

  Panel4 = new QWidget(this);
  Panel4->setObjectName("Panel4");
  auto* guidance = new QVBoxLayout(Panel4);
  guidance->setContentsMargins(0, 0, 0, 0);
  for (const char* line :
       {"Select a folder ",
        "To create a new folder press \"Create New\", click the Right mouse button for menu,",
        "or select the \"New Folder\" Icon at the top of the file dialog box after it opens."})
    guidance->addWidget(new QLabel(QString::fromUtf8(line), Panel4));
  Panel4->hide();

  BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn3 = new QPushButton(QStringLiteral("Create New"), this);
  BitBtn3->setObjectName("BitBtn3");
  BitBtn3->setToolTip(QStringLiteral("Make a new folder inside the folder shown"));
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, ui::guarded([this] { BitBtn3Click(); }));

  auto* lists = new QGridLayout;
  lists->addWidget(DriveComboBox1, 0, 0);
  lists->addWidget(DirectoryListBox1, 1, 0);
  lists->addWidget(FileListBox1, 0, 1, 2, 1);
  lists->setColumnStretch(0, 3);
  lists->setColumnStretch(1, 2);
  lists->setRowStretch(1, 1);

  auto* names = new QHBoxLayout;
  names->addWidget(new QLabel(QStringLiteral("File names"), this));
  names->addWidget(Edit1, 1);
  names->addWidget(Label4);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn3);
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(lists, 1);
  layout->addLayout(names);
  layout->addWidget(Panel5);
  layout->addWidget(Panel4);
  layout->addLayout(buttons);
}

std::optional<Tfolderdlg1::Target> Tfolderdlg1::chooseTarget(const QString& folder) {
  std::unique_ptr<Tfolderdlg1> own;
  Tfolderdlg1* dialog = app::windows().folderdlg1;
  if (!dialog) {  // no studio around it (a tool used on its own)
    own = std::make_unique<Tfolderdlg1>();
    dialog = own.get();
  }
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
    dialog->DriveComboBox1->setDrive(folder);
    dialog->DirectoryListBox1->setDirectory(folder);
  }
  dialog->FormShow();
  if (ui::dialogs().runModal(*dialog) != QDialog::Accepted) {
    // Closed some other way than OK: as Cancel.
    dialog->Label1->clear();
    return std::nullopt;
  }
  return dialog->target();
}

std::optional<Tfolderdlg1::Target> Tfolderdlg1::target() {
  if (Label1->text().isEmpty()) return std::nullopt;
  // An empty box, or the mask it starts with, becomes "temp" in the box too.
  Edit1->setText(fromStd(animation::prefixBoxText(toStd(Edit1->text()))));
  return Target{Label1->text(), fromStd(animation::framePrefix(toStd(Edit1->text())))};
}

void Tfolderdlg1::FormShow() {
  DirectoryListBox1->setDrive(DriveComboBox1->drive());
  FileListBox1->setDirectory(DirectoryListBox1->directory());
  Label1->setText(DirectoryListBox1->directory());
  FileListBox1->refresh();
}

void Tfolderdlg1::DirectoryListBox1Change() {
  DriveComboBox1->setDrive(DirectoryListBox1->directory());
  Label1->setText(DirectoryListBox1->directory());
  FileListBox1->refresh();
}

void Tfolderdlg1::FileListBox1Click() {
  const QString file = FileListBox1->fileName();
  if (!file.isEmpty()) Edit1->setText(fromStd(animation::prefixOfPickedFile(toStd(file))));
}

void Tfolderdlg1::BitBtn1Click() {
  Label1->setText(DirectoryListBox1->directory());
  accept();
}

void Tfolderdlg1::BitBtn2Click() {
  Label1->clear();
  reject();
}

void Tfolderdlg1::BitBtn3Click() {
  QDialog ask(this);
  ask.setObjectName("NewFolder");
  ask.setWindowTitle(QStringLiteral("Create New"));
  auto* name = new QLineEdit(&ask);
  name->setObjectName("FolderName");
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
  connect(box, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
  auto* layout = new QVBoxLayout(&ask);
  layout->addWidget(new QLabel(QStringLiteral("New folder in ") + DirectoryListBox1->directory()));
  layout->addWidget(name);
  layout->addWidget(box);
  if (ui::dialogs().runModal(ask) != QDialog::Accepted) return;

  const QString wanted = name->text().trimmed();
  if (!isPlainFolderName(wanted)) {
    ui::dialogs().error(QStringLiteral("\"%1\" is not a folder name").arg(wanted));
    return;
  }
  const QDir parent(DirectoryListBox1->directory());
  const QString path = parent.filePath(wanted);
  if (!QFileInfo(path).isDir() && !parent.mkdir(wanted)) {
    ui::dialogs().error(QStringLiteral("Cannot make the folder \"%1\"").arg(path));
    return;
  }
  DirectoryListBox1->refresh();
  DirectoryListBox1->setDirectory(path);
}
