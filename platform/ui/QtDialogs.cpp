#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "platform/ui/FileFilter.h"
#include "platform/ui/FontConversion.h"

namespace ui {

namespace {

QWidget* owner() { return QApplication::activeWindow(); }

QMessageBox::StandardButton toQt(MsgResult r) {
  switch (r) {
    case MsgResult::Ok:
      return QMessageBox::Ok;
    case MsgResult::Cancel:
      return QMessageBox::Cancel;
    case MsgResult::Yes:
      return QMessageBox::Yes;
    case MsgResult::No:
      return QMessageBox::No;
  }
  return QMessageBox::NoButton;
}

QMessageBox::Icon toQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None:
      return QMessageBox::NoIcon;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Confirmation:
      return QMessageBox::Question;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

// A file dialog set up from the program's options.
void prepare(QFileDialog& dialog, const FileDialogOptions& options) {
  dialog.setWindowTitle(options.title);
  if (!options.initialDir.isEmpty()) dialog.setDirectory(options.initialDir);
  const QStringList filters = toQtNameFilters(parseFileFilter(options.filter));
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = std::clamp(options.filterIndex, 1, int(filters.size())) - 1;
    dialog.selectNameFilter(filters[index]);
  }
  // Patterns match in any letter case, as on the platform the program comes from.
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  if (!options.fileName.isEmpty() && !isPattern(options.fileName))
    dialog.selectFile(options.fileName);
  if (!options.defaultExt.isEmpty()) {
    QString ext = options.defaultExt;
    while (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
  }
}

QStringList run(QFileDialog& dialog, const FileDialogOptions& options) {
  if (dialog.exec() != QDialog::Accepted) return {};
  QStringList files = dialog.selectedFiles();
  for (QString& f : files) f = withDefaultExtension(f, options.defaultExt);
  return files;
}

}  // namespace

MsgResult QtDialogs::message(const MessageBoxRequest& request) {
  QMessageBox box(toQt(request.icon), request.caption, request.text, QMessageBox::NoButton,
                  owner());
  const MsgResult all[] = {MsgResult::Ok, MsgResult::Yes, MsgResult::No, MsgResult::Cancel};
  bool first = true;
  for (MsgResult r : all) {
    if (!offers(request.buttons, r)) continue;
    QPushButton* b = box.addButton(toQt(r));
    if (first) box.setDefaultButton(b);
    first = false;
  }
  box.setEscapeButton(toQt(dismissResult(request.buttons)));
  const auto pressed = QMessageBox::StandardButton(box.exec());
  for (MsgResult r : all)
    if (offers(request.buttons, r) && toQt(r) == pressed) return r;
  return dismissResult(request.buttons);
}

std::optional<QString> QtDialogs::askOpenFile(const FileDialogOptions& options) {
  QFileDialog dialog(owner());
  prepare(dialog, options);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList files = run(dialog, options);
  if (files.isEmpty()) return std::nullopt;
  return files.front();
}

QStringList QtDialogs::askOpenFiles(const FileDialogOptions& options) {
  QFileDialog dialog(owner());
  prepare(dialog, options);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  return run(dialog, options);
}

std::optional<QString> QtDialogs::askSaveFile(const FileDialogOptions& options) {
  QFileDialog dialog(owner());
  prepare(dialog, options);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The program asks about overwriting itself where it wants to.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList files = run(dialog, options);
  if (files.isEmpty()) return std::nullopt;
  return files.front();
}

std::optional<gdi::TColor> QtDialogs::chooseColor(gdi::TColor initial) {
  const gdi::TColor rgb = gdi::colorToRGB(initial);
  const QColor c = QColorDialog::getColor(
      QColor(gdi::GetRValue(rgb), gdi::GetGValue(rgb), gdi::GetBValue(rgb)), owner());
  if (!c.isValid()) return std::nullopt;
  return gdi::RGB(c.red(), c.green(), c.blue());
}

std::optional<gdi::Font> QtDialogs::chooseFont(const gdi::Font& initial) {
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, toQFont(initial), owner());
  if (!ok) return std::nullopt;
  return toGdiFont(f, initial);
}

bool QtDialogs::print(QPrinter& printer, const PrintOptions& options) {
  QPrintDialog dialog(&printer, owner());
  dialog.setMinMax(options.minPage, options.maxPage);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, options.allowPageNumbers);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, options.allowSelection);
  return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::printerSetup(QPrinter& printer) {
  QPageSetupDialog dialog(&printer, owner());
  return dialog.exec() == QDialog::Accepted;
}

int QtDialogs::runModal(QDialog& form) { return form.exec(); }

}  // namespace ui
