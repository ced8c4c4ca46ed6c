#include "tools/windows/TTextMakerForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "clips/engine/ClipColorReplace.h"
#include "controls/TMyLabelRotate.h"
#include "document/windows/ClipboardBitmap.h"
#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"
#include "tools/engine/ToolPaletteImages.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/TTextmemoform.h"

namespace {

// The sample label: room for a long caption turned to any angle.
constexpr QSize kLabelSize{440, 260};
constexpr QSize kPickSize{72, 48};

// RadioGroup1's items in order, and the effect each one stands for.
constexpr controls::T3DEffectShort kEffectOfItem[] = {controls::A3dNormal, controls::A3dRaised,
                                                      controls::A3dResit, controls::A3dShadowed};

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& hint = {}) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  if (!hint.isEmpty()) b->setToolTip(hint);
  return b;
}

ui::ImageControl* pickImage(QWidget* parent, const char* name, const QString& hint) {
  auto* image = new ui::ImageControl(parent);
  image->setObjectName(name);
  image->setFixedSize(kPickSize);
  image->setStretch(true);
  image->setCursor(Qt::CrossCursor);
  image->setToolTip(hint);
  gdi::Bitmap chart(kPickSize.width(), kPickSize.height());
  tools::paintPickStrip(chart);
  image->setBitmap(std::move(chart));
  return image;
}

QWidget* captioned(QWidget* parent, const QString& caption, QWidget* control) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(new QLabel(caption, box));
  layout->addWidget(control);
  return box;
}

// The colour of the pixel under the mouse, or -1 outside the picture.
gdi::TColor pickedColor(const ui::ImageControl& image, int x, int y) {
  return image.bitmap().pixel(x, y);
}

}  // namespace

TTextMakerForm::TTextMakerForm(QWidget* parent) : QWidget(parent) {
  setObjectName("TTextMakerForm");
  setWindowTitle("Rotated and 3D Text");
  setWindowFlag(Qt::Window);

  // The sample sits on a plain frame: what shows round the text is the
  // window's colour, which the render turns white.
  auto* sample = new QFrame(this);
  sample->setObjectName("SamplePanel");
  sample->setFrameShape(QFrame::StyledPanel);
  auto* sampleLayout = new QVBoxLayout(sample);
  sampleLayout->setContentsMargins(2, 2, 2, 2);
  rlabel1 = new TMyLabelRotate(sample);
  rlabel1->setObjectName("rlabel1");
  rlabel1->setFixedSize(kLabelSize);
  gdi::Font font = rlabel1->Font();
  font.setSize(28);
  rlabel1->setFont(font);
  rlabel1->setCaption(QStringLiteral("Your Text"));
  rlabel1->LabelStyle().setAShadeLeftTop(gdi::clWhite);
  rlabel1->LabelStyle().setAShadeRightBottom(gdi::clBlack);
  sampleLayout->addWidget(rlabel1);

  Edit1 = new QLineEdit(rlabel1->Caption(), this);
  Edit1->setObjectName("Edit1");
  Edit1->setToolTip(QStringLiteral("The text"));

  BitBtn1 = button(this, "BitBtn1", QStringLiteral("Font..."), QStringLiteral("Choose a font"));

  SpinEdit1 = new ui::SpinEdit(this);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setMinValue(0);
  SpinEdit1->setMaxValue(359);
  SpinEdit1->setValue(0);
  SpinEdit1->setToolTip(QStringLiteral("Angle in degrees, counter-clockwise (0 to 359)"));
  SpinEdit2 = new ui::SpinEdit(this);
  SpinEdit2->setObjectName("SpinEdit2");
  SpinEdit2->setMinValue(-50);
  SpinEdit2->setMaxValue(50);
  SpinEdit2->setValue(rlabel1->LabelStyle().AHShadeOffSet());
  SpinEdit2->setToolTip(QStringLiteral("How far right the drop shadow falls"));

  RadioGroup1 = new ui::RadioGroup(QStringLiteral("3D Effect"),
                                   {QStringLiteral("Normal"), QStringLiteral("Raised"),
                                    QStringLiteral("Lowered"), QStringLiteral("Shadowed")},
                                   this);
  RadioGroup1->setObjectName("RadioGroup1");
  RadioGroup1->setItemIndex(1);  // the label starts raised

  CheckBox1 = new QCheckBox(QStringLiteral("White highlight"), this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox2 = new QCheckBox(QStringLiteral("Transparent"), this);
  CheckBox2->setObjectName("CheckBox2");
  CheckBox2->setChecked(rlabel1->MyTransparent());
  CheckBox2->setToolTip(QStringLiteral("Off: the text stands on a box in the label colour"));

  Image1 = pickImage(this, "Image1", QStringLiteral("Click a colour for the highlight"));
  Image2 = pickImage(this, "Image2", QStringLiteral("Click a colour for the shadow"));
  Image3 = pickImage(this, "Image3", QStringLiteral("Click a colour for the text"));
  Image4 = pickImage(this, "Image4", QStringLiteral("Click a colour for the box under the text"));

  BitBtn4 = button(this, "BitBtn4", QStringLiteral("Copy to Clipboard"),
                   QStringLiteral("Put the text on the clipboard, ready to paste"));
  BitBtn5 = button(this, "BitBtn5", QStringLiteral("Multiple Lines..."),
                   QStringLiteral("Multiple Lines of Text"));
  SpeedButton1 = button(this, "SpeedButton1", QStringLiteral("Help"));
  BitBtn2 = button(this, "BitBtn2", QStringLiteral("OK"));
  BitBtn3 = button(this, "BitBtn3", QStringLiteral("Close"));
  BitBtn6 = button(this, "BitBtn6", QStringLiteral("Clip from Clipboard"),
                   QStringLiteral("Show the clipboard's picture in the highlight image to pick "
                                  "colours from it"));
  BitBtn7 = button(this, "BitBtn7", QStringLiteral("Clip from File..."),
                   QStringLiteral("Show a bitmap file in the highlight image to pick colours "
                                  "from it"));
  BitBtn8 = button(this, "BitBtn8", QStringLiteral("Replace Color"),
                   QStringLiteral("In the clip, the foreground colour becomes the background "
                                  "colour"));
  BitBtn9 = button(this, "BitBtn9", QStringLiteral("Clip to Clipboard"),
                   QStringLiteral("Put the clip on the clipboard, ready to paste"));

  // Right of the sample: text, font, angle, effect.
  auto* settings = new QGridLayout;
  settings->addWidget(new QLabel(QStringLiteral("Angle"), this), 0, 0);
  settings->addWidget(SpinEdit1, 0, 1);
  settings->addWidget(new QLabel(QStringLiteral("Shadow offset"), this), 1, 0);
  settings->addWidget(SpinEdit2, 1, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(BitBtn1);
  side->addLayout(settings);
  side->addWidget(RadioGroup1);
  side->addWidget(CheckBox1);
  side->addWidget(CheckBox2);
  side->addStretch();

  auto* top = new QHBoxLayout;
  top->addWidget(sample);
  top->addLayout(side);

  auto* colours = new QHBoxLayout;
  colours->addWidget(captioned(this, QStringLiteral("Highlight"), Image1));
  colours->addWidget(captioned(this, QStringLiteral("Shadow"), Image2));
  colours->addWidget(captioned(this, QStringLiteral("Text"), Image3));
  colours->addWidget(captioned(this, QStringLiteral("Box"), Image4));
  auto* clipButtons = new QGridLayout;
  clipButtons->addWidget(BitBtn6, 0, 0);
  clipButtons->addWidget(BitBtn7, 0, 1);
  clipButtons->addWidget(BitBtn8, 1, 0);
  clipButtons->addWidget(BitBtn9, 1, 1);
  colours->addSpacing(12);
  colours->addLayout(clipButtons);
  colours->addStretch();

  auto* closing = new QHBoxLayout;
  closing->addWidget(BitBtn4);
  closing->addWidget(BitBtn5);
  closing->addWidget(SpeedButton1);
  closing->addStretch();
  closing->addWidget(BitBtn2);
  closing->addWidget(BitBtn3);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Edit1);
  layout->addLayout(colours);
  layout->addLayout(closing);

  ui::connectGuarded(Edit1, &QLineEdit::textChanged, this, &TTextMakerForm::Edit1Change);
  ui::connectGuarded(BitBtn1, &QPushButton::clicked, this, &TTextMakerForm::BitBtn1Click);
  ui::connectGuarded(SpinEdit1, &ui::SpinEdit::changed, this, &TTextMakerForm::SpinEdit1Change);
  ui::connectGuarded(SpinEdit2, &ui::SpinEdit::changed, this, &TTextMakerForm::SpinEdit2Change);
  ui::connectGuarded(RadioGroup1, &ui::RadioGroup::clicked, this,
                     &TTextMakerForm::RadioGroup1Click);
  ui::connectGuarded(CheckBox1, &QCheckBox::toggled, this, &TTextMakerForm::CheckBox1Click);
  ui::connectGuarded(CheckBox2, &QCheckBox::toggled, this, &TTextMakerForm::CheckBox2Click);
  ui::connectGuarded(Image1, &ui::ImageControl::mouseDown, this, &TTextMakerForm::Image1Pick);
  ui::connectGuarded(Image1, &ui::ImageControl::mouseUp, this, &TTextMakerForm::Image1Pick);
  ui::connectGuarded(Image2, &ui::ImageControl::mouseDown, this, &TTextMakerForm::Image2Pick);
  ui::connectGuarded(Image2, &ui::ImageControl::mouseUp, this, &TTextMakerForm::Image2Pick);
  ui::connectGuarded(Image3, &ui::ImageControl::mouseDown, this, &TTextMakerForm::Image3Pick);
  ui::connectGuarded(Image3, &ui::ImageControl::mouseUp, this, &TTextMakerForm::Image3Pick);
  ui::connectGuarded(Image4, &ui::ImageControl::mouseDown, this, &TTextMakerForm::Image4MouseDown);
  ui::connectGuarded(BitBtn4, &QPushButton::clicked, this, &TTextMakerForm::BitBtn4Click);
  ui::connectGuarded(BitBtn5, &QPushButton::clicked, this, &TTextMakerForm::BitBtn5Click);
  ui::connectGuarded(SpeedButton1, &QPushButton::clicked, this, &TTextMakerForm::SpeedButton1Click);
  ui::connectGuarded(BitBtn2, &QPushButton::clicked, this, [this] { close(); });
  ui::connectGuarded(BitBtn3, &QPushButton::clicked, this, [this] { close(); });
  ui::connectGuarded(BitBtn6, &QPushButton::clicked, this, &TTextMakerForm::BitBtn6Click);
  ui::connectGuarded(BitBtn7, &QPushButton::clicked, this, &TTextMakerForm::BitBtn7Click);
  ui::connectGuarded(BitBtn8, &QPushButton::clicked, this, &TTextMakerForm::rapcolor);
  ui::connectGuarded(BitBtn9, &QPushButton::clicked, this, &TTextMakerForm::minirepcolor);
}

void TTextMakerForm::Edit1Change() { rlabel1->setCaption(Edit1->text()); }

void TTextMakerForm::BitBtn1Click() {
  if (const std::optional<gdi::Font> chosen = ui::dialogs().chooseFont(rlabel1->Font()))
    rlabel1->setFont(*chosen);
}

void TTextMakerForm::SpinEdit1Change() { rlabel1->LabelStyle().setAngle(SpinEdit1->value()); }

void TTextMakerForm::SpinEdit2Change() {
  rlabel1->LabelStyle().setAHShadeOffSet(SpinEdit2->value());
}

void TTextMakerForm::RadioGroup1Click() {
  const int item = RadioGroup1->itemIndex();
  if (item < 0 || item >= int(std::size(kEffectOfItem))) return;
  rlabel1->LabelStyle().setAStyle3D(kEffectOfItem[item]);
}

void TTextMakerForm::CheckBox1Click() {
  rlabel1->LabelStyle().setAShadeLTSet(CheckBox1->isChecked());
}

void TTextMakerForm::CheckBox2Click() { rlabel1->setMyTransparent(CheckBox2->isChecked()); }

void TTextMakerForm::Image1Pick(ui::MouseButton, ui::ShiftState, int x, int y) {
  const gdi::TColor c = pickedColor(*Image1, x, y);
  if (c >= 0) rlabel1->LabelStyle().setAShadeLeftTop(c);
}

void TTextMakerForm::Image2Pick(ui::MouseButton, ui::ShiftState, int x, int y) {
  const gdi::TColor c = pickedColor(*Image2, x, y);
  if (c >= 0) rlabel1->LabelStyle().setAShadeRightBottom(c);
}

void TTextMakerForm::Image3Pick(ui::MouseButton, ui::ShiftState, int x, int y) {
  const gdi::TColor c = pickedColor(*Image3, x, y);
  if (c < 0) return;
  gdi::Font font = rlabel1->Font();
  font.color = c;
  rlabel1->setFont(font);
}

void TTextMakerForm::Image4MouseDown(ui::MouseButton, ui::ShiftState, int x, int y) {
  const gdi::TColor c = pickedColor(*Image4, x, y);
  if (c >= 0) rlabel1->setColor(c);
}

void TTextMakerForm::BitBtn4Click() {
  ui::BusyCursor busy;
  // The label paints itself into the bitmap: whatever lies over it on the
  // screen (another window, the palette) stays out of the picture.
  if (!document::putBitmapOnClipboard(rlabel1->clipboardBitmap())) {
    app::showClipboardMessage();
    return;
  }
  app::mainWindow().clipOnClipboard();
}

void TTextMakerForm::BitBtn5Click() {
  if (TTextmemoform* memo = app::windows().Textmemoform) {
    memo->show();
    memo->raise();
  }
}

void TTextMakerForm::SpeedButton1Click() {
  app::MainWindow& main = app::mainWindow();
  main.widget().show();
  main.dohelp(QStringLiteral("PAINTHELP.RTF"));
}

void TTextMakerForm::showClip(const gdi::Bitmap& clip) {
  Image1->setBitmap(clip);
  Image1->setToolTip(QStringLiteral("The clip: click a colour for the highlight"));
  clipLoaded_ = true;
}

void TTextMakerForm::BitBtn6Click() {
  ui::Clipboard& clipboard = ui::clipboard();
  const gdi::Bitmap clip = clipboard.hasBitmap() ? clipboard.bitmap() : gdi::Bitmap();
  if (clip.empty()) {
    ui::dialogs().error(QStringLiteral("Clip not available"), QStringLiteral("error"));
    return;
  }
  showClip(clip);
}

void TTextMakerForm::BitBtn7Click() {
  ui::FileDialogOptions options;
  options.title = QStringLiteral("Load a clip");
  options.filter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");
  options.fileName = QStringLiteral("*.bmp");
  options.defaultExt = QStringLiteral("bmp");
  const std::optional<QString> path = ui::dialogs().openFile(options);
  if (!path || path->isEmpty()) return;
  gdi::Bitmap clip;
  try {
    clip = codecs::readBmpFile(std::filesystem::path(path->toStdString()));
  } catch (const codecs::PictureError& e) {
    ui::dialogs().error(
        e.invalidPicture()
            ? QStringLiteral("%1 is not a bitmap this program can read.").arg(*path)
            : QStringLiteral("Cannot read %1. %2").arg(*path, QString::fromStdString(e.what())));
    return;
  }
  showClip(clip);
}

bool TTextMakerForm::requireClip() {
  if (clipLoaded_ && !Image1->bitmap().empty()) return true;
  ui::dialogs().error(QStringLiteral("Clip not available"), QStringLiteral("error"));
  return false;
}

void TTextMakerForm::rapcolor() {
  if (!requireClip()) return;
  const TForm3* palette = app::windows().Form3;
  const gdi::TColor fore = palette ? palette->ForeColor : gdi::clBlack;
  const gdi::TColor back = palette ? palette->BackColor : gdi::clWhite;
  if (clips::replaceClipColor(Image1->bitmap(), fore, back) == clips::ClipReplace::RefusedWhite) {
    ui::dialogs().message(QStringLiteral("Cannot replace with white using this tool."),
                          QStringLiteral("error"));
    return;
  }
  Image1->refresh();
}

void TTextMakerForm::minirepcolor() {
  if (!requireClip()) return;
  if (!document::putBitmapOnClipboard(Image1->bitmap())) {
    app::showClipboardMessage();
    return;
  }
  app::mainWindow().clipOnClipboard();
}
