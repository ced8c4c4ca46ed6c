#include "tools/windows/TTextmemoform.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/interface/MainWindow.h"
#include "document/windows/ClipboardBitmap.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/FontConversion.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Printer.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/Services.h"
#include "tools/engine/ToolPaletteImages.h"
#include "tools/text/RichTextRender.h"
#include "tools/text/TextFileCheck.h"

namespace {

const QString kNoFile = QStringLiteral("Notepad");
const QString kFilter = QStringLiteral(
    "Rich Text (*.rtf)|*.rtf|Text (*.txt)|*.txt|Web Pages (*.htm;*.html)|*.htm;*.html|"
    "All Files (*.*)|*.*");

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = {}) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

// Plain text for .TXT, .HTM and .HTML, whatever the letter case.
bool savesAsPlainText(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toUpper();
  return ext == QLatin1String("TXT") || ext == QLatin1String("HTM") || ext == QLatin1String("HTML");
}

QTextCharFormat formatOf(const gdi::Font& font) {
  QTextCharFormat f;
  f.setFont(ui::toQFont(font));
  const gdi::TColor c = gdi::colorToRGB(font.color);
  f.setForeground(QColor(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c)));
  return f;
}

}  // namespace

TTextmemoform::TTextmemoform(QWidget* parent) : QWidget(parent) {
  setObjectName("TTextmemoform");
  setWindowTitle(kNoFile);
  setWindowFlag(Qt::Window);

  RichEdit1 = new ui::RichEdit(this);
  RichEdit1->setObjectName("RichEdit1");
  RichEdit1->setMinimumSize(480, 280);

  SpeedButton2 = button(this, "SpeedButton2", QStringLiteral("Open..."));
  SpeedButton3 = button(this, "SpeedButton3", QStringLiteral("Save..."));
  SpeedButton4 = button(this, "SpeedButton4", QStringLiteral("Print..."));
  SpeedButton5 = button(this, "SpeedButton5", QStringLiteral("Paste"),
                        QStringLiteral("Paste text from the clipboard"));
  BitBtn4 = button(this, "BitBtn4", QStringLiteral("Copy"),
                   QStringLiteral("Copy the selected text to the clipboard"));
  BitBtn5 = button(this, "BitBtn5", QStringLiteral("Font..."),
                   QStringLiteral("Font of the selected text, or of all the text"));
  SpeedButton1 = button(this, "SpeedButton1", QStringLiteral("Color..."),
                        QStringLiteral("Colour of the selected text, or of all the text"));
  SpeedButton6 = button(this, "SpeedButton6", QStringLiteral("Help"));

  Image3 = new ui::ImageControl(this);
  Image3->setObjectName("Image3");
  Image3->setFixedSize(96, 28);
  Image3->setStretch(true);
  Image3->setCursor(Qt::CrossCursor);
  Image3->setToolTip(QStringLiteral("Click a colour for the text"));
  gdi::Bitmap chart(96, 28);
  tools::paintPickStrip(chart);
  Image3->setBitmap(std::move(chart));

  BitBtn3 = button(this, "BitBtn3", QStringLiteral("Text to Clipboard"),
                   QStringLiteral("Put the text on the clipboard as a picture, ready to paste"));
  BitBtn1 = button(this, "BitBtn1", QStringLiteral("OK"));
  BitBtn2 = button(this, "BitBtn2", QStringLiteral("Close"));

  auto* tools = new QHBoxLayout;
  for (QPushButton* b :
       {SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5, BitBtn4, BitBtn5, SpeedButton1})
    tools->addWidget(b);
  tools->addWidget(Image3);
  tools->addStretch();
  tools->addWidget(SpeedButton6);
  auto* closing = new QHBoxLayout;
  closing->addWidget(BitBtn3);
  closing->addStretch();
  closing->addWidget(BitBtn1);
  closing->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(RichEdit1, 1);
  layout->addLayout(closing);

  ui::connectGuarded(BitBtn3, &QPushButton::clicked, this, &TTextmemoform::BitBtn3Click);
  ui::connectGuarded(BitBtn4, &QPushButton::clicked, this, &TTextmemoform::BitBtn4Click);
  ui::connectGuarded(BitBtn5, &QPushButton::clicked, this, &TTextmemoform::BitBtn5Click);
  ui::connectGuarded(SpeedButton1, &QPushButton::clicked, this, &TTextmemoform::SpeedButton1Click);
  ui::connectGuarded(Image3, &ui::ImageControl::mouseUp, this, &TTextmemoform::Image3MouseUp);
  ui::connectGuarded(SpeedButton2, &QPushButton::clicked, this, &TTextmemoform::SpeedButton2Click);
  ui::connectGuarded(SpeedButton3, &QPushButton::clicked, this, &TTextmemoform::SpeedButton3Click);
  ui::connectGuarded(SpeedButton4, &QPushButton::clicked, this, &TTextmemoform::SpeedButton4Click);
  ui::connectGuarded(SpeedButton5, &QPushButton::clicked, this, &TTextmemoform::SpeedButton5Click);
  ui::connectGuarded(SpeedButton6, &QPushButton::clicked, this, &TTextmemoform::SpeedButton6Click);
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, [this] { close(); });
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, [this] { close(); });

  RichEdit1->setModified(false);
}

// ----- files -----------------------------------------------------------------------

bool TTextmemoform::dosaveas(const QString& name) {
  ui::FileDialogOptions options;
  options.title = QStringLiteral("Save the text");
  options.filter = kFilter;
  options.fileName = name;
  options.defaultExt = QStringLiteral("rtf");
  const std::optional<QString> chosen = ui::dialogs().saveFile(options);
  if (!chosen || chosen->isEmpty()) return true;
  const QString& path = *chosen;
  if (QFileInfo::exists(path) &&
      ui::dialogs().message(QStringLiteral("OK to overwrite %1").arg(path),
                            QStringLiteral("Confirm"), ui::MsgButtons::YesNoCancel,
                            ui::MsgIcon::Confirmation) != ui::MsgResult::Yes)
    return false;
  RichEdit1->setPlainTextMode(savesAsPlainText(path));
  try {
    RichEdit1->saveToFile(path);
  } catch (const std::runtime_error& e) {
    // The old file (if any) is untouched and the text stays as it is.
    ui::dialogs().error(QString::fromStdString(e.what()));
    return false;
  }
  setWindowTitle(path);
  RichEdit1->setModified(false);
  return true;
}

bool TTextmemoform::CheckSave() {
  const QString caption = windowTitle();
  if (!RichEdit1->modified() || caption == kNoFile) return true;
  switch (ui::dialogs().confirm(QStringLiteral("Save changes to %1?").arg(caption))) {
    case ui::MsgResult::Cancel:
      return false;
    case ui::MsgResult::Yes:
      return dosaveas(caption);
    default:
      return true;
  }
}

void TTextmemoform::SpeedButton2Click() {
  if (!CheckSave()) return;
  ui::FileDialogOptions options;
  options.title = QStringLiteral("Open a text");
  options.filter = kFilter;
  const std::optional<QString> path = ui::dialogs().openFile(options);
  if (!path || path->isEmpty()) return;
  QFile file(*path);
  if (!file.open(QIODevice::ReadOnly)) {
    ui::dialogs().error(
        QStringLiteral("Cannot open file \"%1\". %2").arg(*path, file.errorString()));
    return;
  }
  if (!tools::looksLikeText(file.read(tools::kTextCheckBytes))) {
    ui::dialogs().error(QStringLiteral("\"%1\" is not a text file.").arg(*path));
    return;
  }
  file.close();
  try {
    RichEdit1->setPlainTextMode(false);  // an RTF file is read as rich text
    RichEdit1->loadFromFile(*path);
  } catch (const std::runtime_error& e) {
    ui::dialogs().error(QString::fromStdString(e.what()));
    return;
  }
  setWindowTitle(*path);
}

void TTextmemoform::SpeedButton3Click() {
  const QString caption = windowTitle();
  dosaveas(caption == kNoFile ? QString() : caption);
}

void TTextmemoform::takeLines(const QStringList& lines, const QString& caption) {
  show();
  raise();
  RichEdit1->clear();
  for (const QString& line : lines) RichEdit1->addLine(line);
  RichEdit1->setPlainTextMode(true);
  setWindowTitle(caption.isEmpty() ? kNoFile : caption);
}

// ----- printing, clipboard, help ----------------------------------------------------

void TTextmemoform::SpeedButton4Click() {
  ui::Printer& printer = ui::printer();
  if (!printer.printDialog()) return;
  try {
    RichEdit1->print(windowTitle());
  } catch (const ui::PrintError& e) {
    ui::dialogs().error(QString::fromStdString(e.what()));
  }
}

void TTextmemoform::SpeedButton5Click() { RichEdit1->paste(); }

void TTextmemoform::BitBtn4Click() {
  if (!RichEdit1->textCursor().hasSelection()) {
    ui::dialogs().message(QStringLiteral("No lines selected"), QStringLiteral("Information"),
                          ui::MsgButtons::Ok, ui::MsgIcon::Information);
    return;
  }
  RichEdit1->copy();
}

void TTextmemoform::SpeedButton6Click() {
  app::MainWindow& main = app::mainWindow();
  main.showPage(app::Page::GettingStarted);
  main.dohelp(QStringLiteral("Web Pages.RTF"));
}

void TTextmemoform::BitBtn3Click() {
  ui::BusyCursor busy;
  if (RichEdit1->lineCount() == 0) return;
  gdi::Bitmap picture;
  try {
    picture = tools::renderRichText(RichEdit1->richDocument(), RichEdit1->defaultFont(),
                                    RichEdit1->width());
  } catch (const tools::TooManyLinesError& e) {
    ui::dialogs().error(QString::fromStdString(e.what()));
    return;
  }
  if (picture.empty()) return;
  if (!document::putBitmapOnClipboard(picture)) {
    app::showClipboardMessage();
    return;
  }
  app::mainWindow().clipOnClipboard();
}

// ----- font and colour ----------------------------------------------------------------

void TTextmemoform::BitBtn5Click() {
  QTextCursor cursor = RichEdit1->textCursor();
  const bool selection = cursor.hasSelection();
  const gdi::Font current =
      selection ? RichEdit1->fontAt(cursor.selectionStart()) : RichEdit1->defaultFont();
  const std::optional<gdi::Font> chosen = ui::dialogs().chooseFont(current);
  if (!chosen) return;
  if (selection)
    cursor.mergeCharFormat(formatOf(*chosen));
  else
    RichEdit1->setDefaultFont(*chosen);
}

void TTextmemoform::SpeedButton1Click() {
  QTextCursor cursor = RichEdit1->textCursor();
  const gdi::Font current =
      cursor.hasSelection() ? RichEdit1->fontAt(cursor.selectionStart()) : RichEdit1->defaultFont();
  if (const std::optional<gdi::TColor> c = ui::dialogs().chooseColor(current.color)) applyColor(*c);
}

void TTextmemoform::Image3MouseUp(ui::MouseButton, ui::ShiftState, int x, int y) {
  const gdi::TColor c = Image3->bitmap().pixel(x, y);
  if (c >= 0) applyColor(c);
}

void TTextmemoform::applyColor(gdi::TColor c) {
  QTextCursor cursor = RichEdit1->textCursor();
  if (cursor.hasSelection()) {
    const gdi::TColor rgb = gdi::colorToRGB(c);
    QTextCharFormat f;
    f.setForeground(QColor(gdi::GetRValue(rgb), gdi::GetGValue(rgb), gdi::GetBValue(rgb)));
    cursor.mergeCharFormat(f);
    return;
  }
  gdi::Font font = RichEdit1->defaultFont();
  font.color = c;
  RichEdit1->setDefaultFont(font);
}
