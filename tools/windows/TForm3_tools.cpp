// The palette's tool buttons: which code each sets, what it does besides
// do_tool, where it sits, and the buttons that open other windows.
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolButton>

#include "animation/windows/TAnimCap1.h"
#include "app/Toptions1.h"
#include "app/Windows.h"
#include "app/interface/MainWindow.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/RadioGroup.h"
#include "tools/engine/ToolCodes.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/TTextMakerForm.h"
#include "tools/windows/TTextmemoform.h"
#include "tools/windows/Tgradform1.h"
#include "tools/windows/Tstation1.h"

struct TForm3::ToolDef {
  const char* name;
  int code;
  const char* hint;
  const char* glyph;
};

const std::vector<TForm3::ToolDef>& TForm3::toolDefs() {
  static const std::vector<ToolDef> defs = {
      {"BitBtn13", 1, "Eraser", "eraser"},
      {"BitBtn5", 2, "Paint Brush", "paint-brush"},
      {"BitBtn3", 3, "Pencil", "pencil"},
      {"BitBtn4", 4, "Pen", "pen"},
      {"BitBtn2", 5, "Rectangle", "rectangle"},
      {"BitBtn6", 6, "Filled Rectangle", "filled-rectangle"},
      {"BitBtn12", 7, "Polygon", "polygon"},
      {"BitBtn14", 8, "Filled Polygon", "filled-polygon"},
      {"BitBtn7", 9, "Rounded Rectangle", "rounded-rectangle"},
      {"BitBtn9", 10, "Filled Round Rectangle", "filled-round-rectangle"},
      {"BitBtn15", 11, "Line", "line"},
      {"BitBtn16", 12, "Bezier Curve", "bezier-curve"},
      {"BitBtn10", 13, "Circle", "circle"},
      {"BitBtn11", 14, "Filled Circle", "filled-circle"},
      {"mixbut1", 15, "Special Spray Paint", "spray-mixing"},
      {"plainbut1", 15, "Solid Color Spray", "spray-plain"},
      {"BitBtn18", 16, "Flood Fill", "flood-fill"},
      {"BitBtn29", 17, "Color Sampler", "color-sampler"},
      {"BitBtn30", 18, "Color Replacer", "color-replacer"},
      {"BitBtn31", 19, "Color Replacer Polygon", "color-replacer-polygon"},
      {"BitBtn32", 20, "Lime Green Marker", "lime-green-marker"},
      {"BitBtn19", 21, "Lasso Outline", "lasso-outline"},
      {"BitBtn20", 22, "Rectangle Outline", "rectangle-outline"},
      {"BitBtn21", 23, "Cut", "cut"},
      {"BitBtn28", 24, "Capture Circular Area", "capture-circular-area"},
      {"BitBtn34", 25, "Special Outline Circlular Area", "special-outline-circular-area"},
      {"pm1", 101, "Move Pixels Right", "move-pixels-right"},
      {"pm2", 102, "Move Pixels Left", "move-pixels-left"},
      {"pm3", 103, "Move Pixels Up", "move-pixels-up"},
      {"pm4", 104, "Move Pixels Down", "move-pixels-down"},
      {"pm5", 105, "Move Pixels Down Left", "move-pixels-down-left"},
      {"pm6", 106, "Move Pixels Down RIght", "move-pixels-down-right"},
      {"pm7", 107, "Move Pixels Up Left", "move-pixels-up-left"},
      {"pm8", 108, "Move Pixels Up Right", "move-pixels-up-right"},
      {"BitBtn8", 109, "Special Outline an Area", "special-outline-area"},
      {"gradbut1", 151, "", "shape-stamp"},
      {"gradbut2", 152, "Gradient Globe", "gradient-globe"},
      {"gradbut3", 153, "Horizontal Gradient Fill", "horizontal-gradient-fill"},
      {"gradbut8", 154, "Vertical Gradient Fill", "vertical-gradient-fill"},
      {"gradbut5", 155, "Horizontal Gradient Rectangle", "horizontal-gradient-rectangle"},
      {"gradbut6", 156, "Vertical Gradient Rectangle", "vertical-gradient-rectangle"},
      {"gradbut4", 157, "Gradient Frame", "gradient-frame"},
      {"gradbut7", 158, "", "gradient-tube"},
      {"gradbut9", 159, "", "shape-stamp-two-colour"},
      {"gradbut10", 160, "", "gradient-strip"},
      {"SpeedButton6", 161, "Heavy Soft Focus Filter", "heavy-soft-focus"},
      {"SpeedButton7", 162, "Soften Light", "soften-light"},
      {"SpeedButton8", 162, "Darken Image", "darken-image"},
      {"SpeedButton9", 162, "Lighten Image", "lighten-image"},
      {"BitBtn23", 217, "Replace a color with clipboard", "replace-color-with-clipboard"},
      {"BitBtn25", 229, "Special Rectangle ", "special-rectangle"},
  };
  return defs;
}

namespace {

constexpr int kCell = 28;
constexpr int kPitch = 30;
constexpr int kGridLeft = 7;
constexpr QRect kBackButton{8, 258, 116, 28};

QRect cell(int col, int y) { return {kGridLeft + col * kPitch, y, kCell, kCell}; }

void separator(QWidget* parent, int y) {
  auto* line = new QFrame(parent);
  line->setGeometry(8, y, 116, 1);
  line->setStyleSheet("background: #D0D6DE;");
}

QLabel* note(QWidget* parent, const QString& text, const QRect& r) {
  auto* label = new QLabel(text, parent);
  label->setObjectName("paletteNote");
  label->setWordWrap(true);
  label->setGeometry(r);
  return label;
}

}  // namespace

// ---------------------------------------------------------------------------
// Building

namespace {

// The palette's tool-button members by name.
QToolButton** toolSlot(TForm3& f, const QString& name) {
  static const std::pair<const char*, QToolButton * TForm3::*> members[] = {
      {"BitBtn13", &TForm3::BitBtn13},         {"BitBtn5", &TForm3::BitBtn5},
      {"BitBtn3", &TForm3::BitBtn3},           {"BitBtn4", &TForm3::BitBtn4},
      {"BitBtn2", &TForm3::BitBtn2},           {"BitBtn6", &TForm3::BitBtn6},
      {"BitBtn12", &TForm3::BitBtn12},         {"BitBtn14", &TForm3::BitBtn14},
      {"BitBtn7", &TForm3::BitBtn7},           {"BitBtn9", &TForm3::BitBtn9},
      {"BitBtn15", &TForm3::BitBtn15},         {"BitBtn16", &TForm3::BitBtn16},
      {"BitBtn10", &TForm3::BitBtn10},         {"BitBtn11", &TForm3::BitBtn11},
      {"mixbut1", &TForm3::mixbut1},           {"plainbut1", &TForm3::plainbut1},
      {"BitBtn18", &TForm3::BitBtn18},         {"BitBtn29", &TForm3::BitBtn29},
      {"BitBtn30", &TForm3::BitBtn30},         {"BitBtn31", &TForm3::BitBtn31},
      {"BitBtn32", &TForm3::BitBtn32},         {"BitBtn19", &TForm3::BitBtn19},
      {"BitBtn20", &TForm3::BitBtn20},         {"BitBtn21", &TForm3::BitBtn21},
      {"BitBtn28", &TForm3::BitBtn28},         {"BitBtn34", &TForm3::BitBtn34},
      {"BitBtn8", &TForm3::BitBtn8},           {"SpeedButton6", &TForm3::SpeedButton6},
      {"SpeedButton7", &TForm3::SpeedButton7}, {"SpeedButton8", &TForm3::SpeedButton8},
      {"SpeedButton9", &TForm3::SpeedButton9}, {"BitBtn23", &TForm3::BitBtn23},
      {"BitBtn25", &TForm3::BitBtn25},
  };
  for (const auto& [n, member] : members)
    if (name == QLatin1String(n)) return &(f.*member);
  if (name.startsWith(QLatin1String("pm"))) return &f.pm.at(std::size_t(name.mid(2).toInt() - 1));
  if (name.startsWith(QLatin1String("gradbut")))
    return &f.gradbut.at(std::size_t(name.mid(7).toInt() - 1));
  return nullptr;
}

}  // namespace

void TForm3::buildMainTools() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(0, 30, kDesignWidth, 292);
  toolGroup_ = new QButtonGroup(this);
  toolGroup_->setExclusive(true);

  // Every button that sets a tool code, placed on its panel later.
  for (const ToolDef& def : toolDefs()) {
    const QString name = QString::fromLatin1(def.name);
    QToolButton* b = makeButton(this, def.name, QString::fromLatin1(def.hint), def.glyph,
                                QRect(0, 0, kCell, kCell));
    b->setCheckable(true);
    b->setProperty("toolCode", def.code);
    b->hide();
    toolGroup_->addButton(b);
    *toolSlot(*this, name) = b;
    if (name == QLatin1String("BitBtn13"))
      ui::connectGuarded(b, &QToolButton::clicked, this, &TForm3::BitBtn_1Click);
    else if (name == QLatin1String("BitBtn21"))
      ui::connectGuarded(b, &QToolButton::clicked, this, &TForm3::cutout);
    else
      ui::connectGuarded(b, &QToolButton::clicked, this, [this, &def, b] { chooseTool(def, b); });
  }

  // Commands that set no tool.
  struct Command {
    QToolButton** member;
    const char* name;
    const char* hint;
    const char* glyph;
  };
  const Command commands[] = {
      {&BitBtn17, "BitBtn17", "Spray Paint", "spray-paint"},
      {&SpeedButton2, "SpeedButton2", "Rotated and 3D Text", "rotated-3d-text"},
      {&BitBtn35, "BitBtn35", "Multiple Lines of Text", "multi-line-text"},
      {&SpeedButton10, "SpeedButton10", "Stationery Designer", "stationery-designer"},
      {&BitBtn37, "BitBtn37", "Capture from Template File", "capture-from-template"},
      {&BitBtn1, "BitBtn1", "Animation Previewer", "animation-previewer"},
      {&animcapbut1, "animcapbut1", "Animation Frame Manager", "animation-frame-manager"},
      {&BitBtn26, "BitBtn26", "Clear Image", "clear-image"},
      {&SpeedButton5, "SpeedButton5", "Help", "help"},
  };
  for (const Command& c : commands)
    *c.member =
        makeButton(Panel1, c.name, QString::fromLatin1(c.hint), c.glyph, QRect(0, 0, kCell, kCell));

  // Four groups: painting, shapes, capture and masks, other windows.
  const std::vector<std::vector<QToolButton*>> groups = {
      {BitBtn5, BitBtn3, BitBtn4, BitBtn13, BitBtn32, BitBtn17, BitBtn18, BitBtn29},
      {BitBtn15, BitBtn16, BitBtn12, BitBtn14, BitBtn2, BitBtn6, BitBtn7, BitBtn9, BitBtn10,
       BitBtn11, BitBtn30, BitBtn23},
      {BitBtn20, BitBtn19, BitBtn28, BitBtn21, BitBtn25, BitBtn8, BitBtn34, BitBtn31},
      {SpeedButton2, BitBtn35, SpeedButton10, BitBtn37, BitBtn1, animcapbut1, BitBtn26,
       SpeedButton5},
  };
  int y = 4;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (g > 0) {
      separator(Panel1, y + 1);
      y += 5;
    }
    const auto& group = groups[g];
    for (std::size_t i = 0; i < group.size(); ++i) {
      QToolButton* b = group[i];
      b->setParent(Panel1);
      b->setGeometry(cell(int(i % 4), y + int(i / 4) * kPitch));
      b->show();
    }
    y += int((group.size() + 3) / 4) * kPitch;
  }

  ui::connectGuarded(BitBtn17, &QToolButton::clicked, this, [this] { openPanel(Panel8); });
  ui::connectGuarded(SpeedButton2, &QToolButton::clicked, this,
                     [] { app::windows().TextMakerForm->show(); });
  ui::connectGuarded(BitBtn35, &QToolButton::clicked, this,
                     [] { app::windows().Textmemoform->show(); });
  ui::connectGuarded(SpeedButton10, &QToolButton::clicked, this,
                     [] { app::windows().station1->show(); });
  ui::connectGuarded(BitBtn1, &QToolButton::clicked, this, [] { app::windows().AnimCap1->show(); });
  ui::connectGuarded(animcapbut1, &QToolButton::clicked, this,
                     [] { app::mainWindow().doapaste(); });
  ui::connectGuarded(BitBtn26, &QToolButton::clicked, this, [] { app::mainWindow().clearit(); });
  ui::connectGuarded(SpeedButton5, &QToolButton::clicked, this,
                     [] { app::mainWindow().dohelp(QStringLiteral("PAINTHELP.RTF")); });
  ui::connectGuarded(BitBtn37, &QToolButton::clicked, this, &TForm3::BitBtn37Click);
}

void TForm3::buildSprayPanel() {
  Panel8 = makeOverlay("Panel8", QStringLiteral("Spray Paint"));
  struct Kind {
    QToolButton* button;
    const char* caption;
    int y;
  };
  for (const Kind& k : {Kind{mixbut1, "Mixing ", 22}, Kind{plainbut1, "Plain", 56}}) {
    k.button->setParent(Panel8);
    k.button->setText(QString::fromLatin1(k.caption));
    k.button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    k.button->setGeometry(8, k.y, 116, 30);
    k.button->show();
  }
  note(Panel8,
       QStringLiteral("The spray is at least 10 pixels wide. Mixing inverts what it "
                      "sprays over."),
       QRect(8, 94, 116, 80));
  Bitbtn27 = makeButton(Panel8, "Bitbtn27", QStringLiteral("Back"), "back", kBackButton);
  Bitbtn27->setText(QStringLiteral("Back"));
  Bitbtn27->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ui::connectGuarded(Bitbtn27, &QToolButton::clicked, Panel8, &QWidget::hide);
}

void TForm3::buildPixelPanel() {
  pmoverpanel1 = makeOverlay("pmoverpanel1", QStringLiteral("Move Pixels"));
  // A compass: each button sits on the side it moves towards.
  const QPoint at[8] = {{2, 1}, {0, 1}, {1, 0}, {1, 2}, {0, 2}, {2, 2}, {0, 0}, {2, 0}};
  for (int i = 0; i < 8; ++i) {
    pm[std::size_t(i)]->setParent(pmoverpanel1);
    pm[std::size_t(i)]->setGeometry(21 + at[i].x() * kPitch, 24 + at[i].y() * kPitch, kCell, kCell);
    pm[std::size_t(i)]->show();
  }
  note(pmoverpanel1,
       QStringLiteral("Click on the picture to move a block of five times the "
                      "line width by one pixel."),
       QRect(8, 120, 116, 90));
  BitBtn44 = makeButton(pmoverpanel1, "BitBtn44", QStringLiteral("Back"), "back", kBackButton);
  BitBtn44->setText(QStringLiteral("Back"));
  BitBtn44->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ui::connectGuarded(BitBtn44, &QToolButton::clicked, pmoverpanel1, &QWidget::hide);
}

void TForm3::buildGradientPanel() {
  Panel7 = makeOverlay("Panel7", QStringLiteral("Gradients"));
  const int placed[] = {2, 3, 8, 5, 6, 4};  // gradbutN on the panel, in this order
  for (int i = 0; i < 6; ++i) {
    QToolButton* b = gradbut[std::size_t(placed[i] - 1)];
    b->setParent(Panel7);
    b->setGeometry(cell(i % 4, 22 + (i / 4) * kPitch));
    b->show();
  }
  // Tools with no place on the palette stay hidden on it.
  for (int n : {1, 7, 9, 10}) gradbut[std::size_t(n - 1)]->setParent(Panel7);
  auto* filters = new QLabel(QStringLiteral("Filters"), Panel7);
  filters->setObjectName("paletteTitle");
  filters->setGeometry(8, 88, 116, 16);
  QToolButton* filterButtons[] = {SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9};
  for (int i = 0; i < 4; ++i) {
    filterButtons[i]->setParent(Panel7);
    filterButtons[i]->setGeometry(cell(i, 106));
    filterButtons[i]->show();
  }
  note(Panel7,
       QStringLiteral("The gradient tools paint with the colours of the strip at the "
                      "bottom; click it to choose them."),
       QRect(8, 144, 116, 90));
  BitBtn22 = makeButton(Panel7, "BitBtn22", QStringLiteral("Back"), "back", kBackButton);
  BitBtn22->setText(QStringLiteral("Back"));
  BitBtn22->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ui::connectGuarded(BitBtn22, &QToolButton::clicked, Panel7, &QWidget::hide);
}

// ---------------------------------------------------------------------------
// Choosing a tool

void TForm3::syncToolButtons() {
  // The checked button follows CurTool, also when something else set it.
  QAbstractButton* checked = toolGroup_->checkedButton();
  if (checked && checked->property("toolCode").toInt() == CurTool) return;
  for (QAbstractButton* b : toolGroup_->buttons())
    if (b->property("toolCode").toInt() == CurTool) {
      b->setChecked(true);
      return;
    }
  toolGroup_->setExclusive(false);
  if (checked) checked->setChecked(false);
  toolGroup_->setExclusive(true);
}

void TForm3::BitBtn_1Click() {
  CurTool = tools::kEraser;
  do_tool();
  drawlinwid();
  showHint(BitBtn13->statusTip());
}

// The clipboard keeps what it holds (another program's content, or the
// user's own clip) until a cut replaces it.
void TForm3::cutout() {
  outlineReset();
  CurTool = tools::kCut;
  do_tool();
  showHint(BitBtn21->statusTip());
}

void TForm3::chooseTool(const ToolDef& tool, QToolButton* button) {
  app::MainWindow& main = app::mainWindow();
  const int code = tool.code;
  CurTool = code;
  switch (code) {
    case 7:
    case 8:
    case 21:
    case 22:
    case 24:
    case 25:
    case 109:
    case 229:
      outlineReset();
      break;
    case 15:
      // The spray scatters over a square of the line width: keep it visible.
      LineWidth = std::max(LineWidth, tools::kBroadToolMinWidth);
      break;
    case 19:
      // A colour replacement puts nothing on the clipboard: it keeps its content.
      outlineReset();
      break;
    case 20:
      LineWidth = std::max(LineWidth, tools::kBroadToolMinWidth);
      break;
    default:
      break;
  }
  do_tool();
  if (button == mixbut1) main.setSprayMixing(true);
  if (code == 25 || code == 109) {
    Toptions1* options = app::windows().options1;
    if (options->RadioGroup1->itemIndex() < 2) options->Panel5->hide();
  }
  if (code >= 152 && code <= 158) {
    Tgradform1* grad = app::windows().gradform1;
    grad->show();
    grad->setcolorstretch();
    showgrad();
  }
  if (code == 161) {
    main.doblend();
    CurTool = tools::kNoTool;
  }
  if (code == 162) {
    if (button == SpeedButton7) main.doblend2();
    if (button == SpeedButton8) main.doblend3(0);
    if (button == SpeedButton9) main.doblend3(1);
    CurTool = tools::kNoTool;
  }
  showHint(QString::fromLatin1(tool.hint));
  syncToolButtons();
}
