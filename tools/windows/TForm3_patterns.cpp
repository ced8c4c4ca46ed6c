// Fills: the pattern images, the current pattern and its swatch, and the
// hatch-style buttons of Panel3.
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>

#include "platform/codecs/Bmp.h"
#include "platform/codecs/PictureError.h"
#include "platform/ui/FileLookup.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/ShapeControl.h"
#include "tools/engine/PaletteDrawing.h"
#include "tools/windows/TForm3.h"

namespace {

constexpr int kPatternSide = 24;
constexpr int kPatternPitch = 28;

// The pattern file's bitmap, or nothing when it cannot be read.
std::optional<gdi::Bitmap> readPattern(const QString& path, QString* error = nullptr) {
  try {
    return codecs::readBmpFile(path.toStdString());
  } catch (const codecs::PictureError& e) {
    if (error) *error = QString::fromStdString(e.what());
  } catch (const gdi::ResourceError& e) {
    if (error) *error = QString::fromStdString(e.what());
  }
  return std::nullopt;
}

}  // namespace

void TForm3::buildPatternPanel() {
  Panel3 = makeOverlay("Panel3", QStringLiteral("Patterns"));
  for (int i = 0; i < 16; ++i) {
    auto* image = new ui::ImageControl(Panel3);
    image->setObjectName(QStringLiteral("Bp%1").arg(i + 1));
    image->setGeometry(12 + (i % 4) * kPatternPitch, 22 + (i / 4) * kPatternPitch, kPatternSide,
                       kPatternSide);
    image->setBitmap(gdi::Bitmap(kPatternSide, kPatternSide));
    image->setCursor(Qt::PointingHandCursor);
    Bp[std::size_t(i)] = image;
    ui::connectGuarded(image, &ui::ImageControl::clicked, this, [this, i] { BpClick(i + 1); });
  }
  Shape1 = new ui::ShapeControl(Panel3);
  Shape1->setObjectName("Shape1");
  gdi::Pen framePen;
  framePen.color = gdi::RGB(0x2F, 0x7F, 0xD8);
  framePen.width = 2;
  Shape1->setPen(framePen);
  Shape1->setBrushStyle(gdi::BrushStyle::Clear);
  Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
  Shape1->setGeometry(Bp[0]->x() - 2, Bp[0]->y() - 2, kPatternSide + 4, kPatternSide + 4);

  const int y = 22 + 4 * kPatternPitch + 2;
  patbox1 = new ui::ImageControl(Panel3);
  patbox1->setObjectName("patbox1");
  patbox1->setToolTip(QStringLiteral("Current Pattern"));
  patbox1->setGeometry(12, y, 32, 32);
  SpeedButton3 = makeButton(Panel3, "SpeedButton3", QStringLiteral("About patterns"), "help",
                            QRect(50, y + 4, 24, 24));
  ui::connectGuarded(SpeedButton3, &QToolButton::clicked, this, &TForm3::SpeedButton3Click);

  struct Style {
    QToolButton** member;
    const char* name;
    const char* hint;
    const char* glyph;
    gdi::BrushStyle style;
  };
  const Style styles[] = {
      {&BitBtn33, "BitBtn33", "Replace Pattern", "fill-replace-pattern", gdi::BrushStyle::Solid},
      {&SpeedButton30, "SpeedButton30", "Normal Solid Fill", "fill-solid", gdi::BrushStyle::Solid},
      {&SpeedButton17, "SpeedButton17", "Empty FIll", "fill-empty", gdi::BrushStyle::Clear},
      {&SpeedButton23, "SpeedButton23", "Horizontal Fill", "fill-horizontal",
       gdi::BrushStyle::Horizontal},
      {&SpeedButton25, "SpeedButton25", "Vertical Fill", "fill-vertical",
       gdi::BrushStyle::Vertical},
      {&SpeedButton27, "SpeedButton27", "Left Diagonal Fill", "fill-left-diagonal",
       gdi::BrushStyle::FDiagonal},
      {&SpeedButton20, "SpeedButton20", "Diagonal Hatch Fill", "fill-diagonal-hatch",
       gdi::BrushStyle::BDiagonal},
      {&SpeedButton18, "SpeedButton18", "Cross Hatch Fill", "fill-cross-hatch",
       gdi::BrushStyle::Cross},
      {&SpeedButton21, "SpeedButton21", "Right Diagonal Fill", "fill-right-diagonal",
       gdi::BrushStyle::DiagCross},
  };
  auto* title = new QLabel(QStringLiteral("Fill Style"), Panel3);
  title->setObjectName("paletteTitle");
  title->setGeometry(8, y + 36, 116, 16);
  for (int i = 0; i < 9; ++i) {
    const Style& s = styles[i];
    // "Normal" sits with the current pattern; the hatch styles form a grid.
    const QRect r = i == 0 ? QRect(78, y + 4, 46, 24)
                           : QRect(7 + ((i - 1) % 4) * 30, y + 54 + ((i - 1) / 4) * 30, 28, 28);
    *s.member = makeButton(Panel3, s.name, QString::fromLatin1(s.hint), s.glyph, r);
    const gdi::BrushStyle style = s.style;
    ui::connectGuarded(*s.member, &QToolButton::clicked, this,
                       [this, style] { brushStyleClick(style); });
  }
  BitBtn33->setText(QStringLiteral("Normal"));
  BitBtn33->setToolButtonStyle(Qt::ToolButtonTextOnly);
  // "Normal" as wide as its caption at the palette's right edge; the help
  // button and the current pattern give way to its left.
  const int normalWidth = std::max(BitBtn33->width(), BitBtn33->sizeHint().width());
  BitBtn33->setGeometry(kDesignWidth - 5 - normalWidth, BitBtn33->y(), normalWidth,
                        BitBtn33->height());
  SpeedButton3->move(std::min(SpeedButton3->x(), BitBtn33->x() - 2 - SpeedButton3->width()),
                     SpeedButton3->y());
  patbox1->move(std::min(patbox1->x(), SpeedButton3->x() - 2 - patbox1->width()), patbox1->y());

  backpatbut1 =
      makeButton(Panel3, "backpatbut1", QStringLiteral("Back"), "back", QRect(8, 258, 116, 28));
  backpatbut1->setText(QStringLiteral("Back"));
  backpatbut1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ui::connectGuarded(backpatbut1, &QToolButton::clicked, Panel3, &QWidget::hide);
}

QString TForm3::patternFile(int n) const {
  return ui::findFileNoCase(AppFolder, QStringLiteral("bin\\b%1.bmp").arg(n));
}

void TForm3::initialPattern() {
  // patbox1 starts with the first pattern, without switching fills to it.
  const QString path = ui::findFileNoCase(AppFolder, QStringLiteral("bin\\b1.bmp"));
  if (path.isEmpty()) return;
  if (auto b = readPattern(path)) {
    patbox1->setBitmap(std::move(*b));
    tools::copyPatternSwatch(patbox1->bitmap(), Image2->bitmap());
    Image2->refresh();
  }
}

void TForm3::show_pats() {
  for (int n = 1; n <= 16; ++n) {
    const QString path = patternFile(n);
    if (path.isEmpty()) continue;
    // An unreadable file leaves its image as it was, as a missing one does.
    if (auto b = readPattern(path)) Bp[std::size_t(n - 1)]->setBitmap(std::move(*b));
  }
  update();
}

void TForm3::BpClick(int n) {
  const ui::ImageControl* image = Bp.at(std::size_t(n - 1));
  Shape1->move(image->x() - 2, image->y() - 2);
  patbox1->bitmap().canvas().brush.setStyle(gdi::BrushStyle::Solid);
  const QString path = patternFile(n);
  if (!path.isEmpty()) {
    QString error;
    if (auto b = readPattern(path, &error))
      patbox1->setBitmap(std::move(*b));
    else
      ui::dialogs().error(QStringLiteral("The pattern file %1 cannot be used: %2")
                              .arg(QDir::toNativeSeparators(path), error));
  }
  draw_patternbox();
  crinit();
  PatternSlot[n] = true;
}

void TForm3::draw_patternbox() {
  tools::copyPatternSwatch(patbox1->bitmap(), Image2->bitmap());
  Image2->refresh();
  PatternFill = true;
  PlainFill = false;
}

void TForm3::brushStyleClick(gdi::BrushStyle style) {
  BrushStyle = style;
  PlainFill = true;
  PatternFill = false;
  showcfcb();
  Panel3->hide();
}

void TForm3::ToolButton3Click() {
  if (height() < Panel3->y() + Panel3->height() + StatusBar1->height()) roll_downtools();
  if (Panel3->isVisibleTo(this)) {
    Panel3->hide();
    PlainFill = true;
    PatternFill = false;
  } else {
    openPanel(Panel3);
    PlainFill = false;
    PatternFill = true;
    show_pats();
  }
}
