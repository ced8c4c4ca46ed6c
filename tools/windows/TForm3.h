#pragma once
// The tool palette "Tools": a small stay-on-top window that owns the drawing
// state (the public members inherited from tools::DrawingState) and chooses
// tools, colours, line width, fills, patterns and gradient colours. The main
// window's canvas handlers read the state at every mouse event.
//
// Layout: a tool bar of panel switches at the top; the main tool grid
// (Panel1) with the overlays Panel3 (patterns and fill styles), pmoverpanel1
// (pixel movers), Panel7 (gradients and filters), Panel8 (spray kinds) and
// Panel9 (help memo, hidden by standing at Left 144 or more) on top of it;
// below it the colour grid, colour box, width preview and spin, the colour
// pick strip (Image3 in Panel4) and the gradient preview (Image4 in Panel6);
// the status bar at the bottom edge.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

#include "platform/ui/MouseTypes.h"
#include "tools/engine/DrawingState.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QToolButton;

namespace ui {
class ColorGrid;
class ImageControl;
class ShapeControl;
class SpinEdit;
}  // namespace ui

class TForm3 : public QWidget, public tools::DrawingState {
  Q_OBJECT
 public:
  // Design size of the palette.
  static constexpr int kDesignWidth = 132;
  static constexpr int kDesignHeight = 543;
  // Panel9 stands out of sight at this Left or more.
  static constexpr int kPanel9HiddenLeft = 144;

  explicit TForm3(QWidget* parent = nullptr);

  // Puts the palette beside `window`'s frame: to its right when the screen
  // has room there, else to its left, else at the screen's right edge.
  void placeBeside(const QWidget& window);

  // Folder of the program file with a trailing separator: base of the pattern files.
  QString AppFolder;
  // The first pattern file.
  QString PatternPath;
  // The gradient list: one decimal colour value per line, in order.
  QStringList ListBox1;
  // The gradient list as colours (entries that are not numbers read as 0).
  std::vector<gdi::TColor> gradientColors() const;

  // --- controls ---------------------------------------------------------------
  QWidget* ToolBar1 = nullptr;
  QToolButton* ToolButton1 = nullptr;  // "Gradient Tools"
  QToolButton* ToolButton2 = nullptr;  // "Animation Tools"
  QToolButton* ToolButton3 = nullptr;  // "Patterns"
  QToolButton* ToolButton4 = nullptr;  // "Roll Up"
  QToolButton* ToolButton5 = nullptr;  // "Roll Down"

  QWidget* Panel1 = nullptr;
  QWidget* Panel3 = nullptr;
  QWidget* pmoverpanel1 = nullptr;
  QWidget* Panel7 = nullptr;
  QWidget* Panel8 = nullptr;
  QWidget* Panel9 = nullptr;

  // Tool buttons (Panel1 unless noted).
  QToolButton* BitBtn13 = nullptr;  // 1 "Eraser"
  QToolButton* BitBtn5 = nullptr;   // 2 "Paint Brush"
  QToolButton* BitBtn3 = nullptr;   // 3 "Pencil"
  QToolButton* BitBtn4 = nullptr;   // 4 "Pen"
  QToolButton* BitBtn2 = nullptr;   // 5 "Rectangle"
  QToolButton* BitBtn6 = nullptr;   // 6 "Filled Rectangle"
  QToolButton* BitBtn12 = nullptr;  // 7 "Polygon"
  QToolButton* BitBtn14 = nullptr;  // 8 "Filled Polygon"
  QToolButton* BitBtn7 = nullptr;   // 9 "Rounded Rectangle"
  QToolButton* BitBtn9 = nullptr;   // 10 "Filled Round Rectangle"
  QToolButton* BitBtn15 = nullptr;  // 11 "Line"
  QToolButton* BitBtn16 = nullptr;  // 12 "Bezier Curve"
  QToolButton* BitBtn10 = nullptr;  // 13 "Circle"
  QToolButton* BitBtn11 = nullptr;  // 14 "Filled Circle"
  QToolButton* BitBtn17 = nullptr;  // opens Panel8 "Spray Paint"
  QToolButton* mixbut1 = nullptr;   // 15 on Panel8, "Mixing "
  QToolButton* plainbut1 = nullptr; // 15 on Panel8, "Plain"
  QToolButton* BitBtn18 = nullptr;  // 16 "Flood Fill"
  QToolButton* BitBtn29 = nullptr;  // 17 "Color Sampler"
  QToolButton* BitBtn30 = nullptr;  // 18 "Color Replacer"
  QToolButton* BitBtn31 = nullptr;  // 19 "Color Replacer Polygon"
  QToolButton* BitBtn32 = nullptr;  // 20 "Lime Green Marker"
  QToolButton* BitBtn19 = nullptr;  // 21 "Lasso Outline"
  QToolButton* BitBtn20 = nullptr;  // 22 "Rectangle Outline"
  QToolButton* BitBtn21 = nullptr;  // 23 "Cut"
  QToolButton* BitBtn28 = nullptr;  // 24 "Capture Circular Area"
  QToolButton* BitBtn34 = nullptr;  // 25 "Special Outline Circlular Area"
  std::array<QToolButton*, 8> pm{};  // pm1..pm8 (101..108) on pmoverpanel1
  QToolButton* BitBtn8 = nullptr;   // 109 "Special Outline an Area"
  // Gradient tools on Panel7; gradbut1, 7, 9 and 10 are not placed.
  std::array<QToolButton*, 10> gradbut{};  // gradbut1..gradbut10
  QToolButton* SpeedButton6 = nullptr;  // 161 "Heavy Soft Focus Filter"
  QToolButton* SpeedButton7 = nullptr;  // 162 "Soften Light"
  QToolButton* SpeedButton8 = nullptr;  // 162 "Darken Image"
  QToolButton* SpeedButton9 = nullptr;  // 162 "Lighten Image"
  QToolButton* BitBtn23 = nullptr;  // 217 "Replace a color with clipboard"
  QToolButton* BitBtn25 = nullptr;  // 229 "Special Rectangle "

  // Buttons that open windows or run main-window commands.
  QToolButton* SpeedButton2 = nullptr;   // "Rotated and 3D Text"
  QToolButton* BitBtn35 = nullptr;       // "Multiple Lines of Text"
  QToolButton* SpeedButton10 = nullptr;  // "Stationery Designer"
  QToolButton* BitBtn1 = nullptr;        // "Animation Previewer"
  QToolButton* animcapbut1 = nullptr;    // "Animation Frame Manager"
  QToolButton* BitBtn26 = nullptr;       // "Clear Image"
  QToolButton* SpeedButton5 = nullptr;   // "Help"
  QToolButton* BitBtn37 = nullptr;       // "Capture from Template File"

  // "Back" buttons of Panel3, pmoverpanel1, Panel7, Panel8.
  QToolButton* backpatbut1 = nullptr;
  QToolButton* BitBtn44 = nullptr;
  QToolButton* BitBtn22 = nullptr;
  QToolButton* Bitbtn27 = nullptr;

  // Patterns and fill styles (Panel3).
  std::array<ui::ImageControl*, 16> Bp{};  // Bp1..Bp16
  ui::ShapeControl* Shape1 = nullptr;
  ui::ImageControl* patbox1 = nullptr;
  QToolButton* SpeedButton3 = nullptr;   // shows the pattern help (Panel9)
  QToolButton* SpeedButton30 = nullptr;  // "Normal Solid Fill"
  QToolButton* BitBtn33 = nullptr;       // "Normal" / "Replace Pattern"
  QToolButton* SpeedButton17 = nullptr;  // "Empty FIll"
  QToolButton* SpeedButton23 = nullptr;  // "Horizontal Fill"
  QToolButton* SpeedButton25 = nullptr;  // "Vertical Fill"
  QToolButton* SpeedButton27 = nullptr;  // "Left Diagonal Fill"
  QToolButton* SpeedButton20 = nullptr;  // "Diagonal Hatch Fill"
  QToolButton* SpeedButton18 = nullptr;  // "Cross Hatch Fill"
  QToolButton* SpeedButton21 = nullptr;  // "Right Diagonal Fill"

  // Help memo (Panel9).
  QPlainTextEdit* Memo1 = nullptr;
  QToolButton* BitBtn24 = nullptr;

  // Colours and width.
  ui::ColorGrid* ColorGrid1 = nullptr;
  ui::ImageControl* Image1 = nullptr;     // colour box
  ui::ImageControl* Image2 = nullptr;     // pattern swatch
  ui::ImageControl* paintbox1 = nullptr;  // width preview
  ui::SpinEdit* SpinEdit1 = nullptr;
  QToolButton* SpeedButton1 = nullptr;   // width 1
  QToolButton* SpeedButton32 = nullptr;  // width 5
  QToolButton* SpeedButton33 = nullptr;  // width 20
  QToolButton* SpeedButton34 = nullptr;  // width 30
  QWidget* Panel4 = nullptr;
  ui::ImageControl* Image3 = nullptr;  // colour pick strip
  QWidget* Panel6 = nullptr;
  ui::ImageControl* Image4 = nullptr;  // gradient preview
  QStatusBar* StatusBar1 = nullptr;
  // The status bar's text: the hint of the control under the mouse or of the
  // tool just chosen, wrapped onto as many lines as the longest hint needs.
  QLabel* StatusText = nullptr;

  // --- routines ------------------------------------------------------------------
  // The activation step every tool choice runs after setting CurTool.
  void do_tool();
  void showcfcb();
  void drawlinwid();
  void do_colbox() {
    showcfcb();
    drawlinwid();
  }
  void showgrad();
  void show_pats();
  void draw_patternbox();
  void crinit() { PatternSlot.clear(); }
  void roll_uptools();
  void roll_downtools();
  // The palette's height unrolled: its design height, or more when its
  // status bar needs more lines for the hints.
  int fullHeight() const;
  void showHint(const QString& hint);
  void cutout();
  // Zoomed editing from the palette: resize_it enters it (when the main
  // window's chk1 is ticked), dump_it gives the picture back from the zoom view.
  void resize_it();
  void dump_it();
  // Shows one of the overlays over the tool grid (also from the main window's menus).
  void openPanel(QWidget* panel);
  // Panel9 is shown at Left 0 and out of sight at Left 144 or more.
  void setPanel9Left(int left);

  // --- handlers ------------------------------------------------------------------
  void FormShow();
  void FormActivate();
  // Runs after the palette was invalidated: redraws the colour box and preview.
  void FormPaint();
  void BitBtn_1Click();  // eraser
  void SpinEdit1Change();
  void setLineWidthPreset(int width);
  void ColorGrid1Click();
  void ColorGrid1Change() { ColorGrid1Click(); }
  void Image1MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void paintbox1MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void Image3MouseMove(ui::ShiftState shift, int x, int y);
  void Panel4MouseMove();
  void Image3MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void Panel6Click();
  // Bp1Click .. Bp16Click: pattern number n = 1..16.
  void BpClick(int n);
  void brushStyleClick(gdi::BrushStyle style);
  void ToolButton1Click();
  void ToolButton2Click();
  void ToolButton3Click();
  void BitBtntClick() { ToolButton2Click(); }
  void BitBtn24Click();
  void SpeedButton3Click() { setPanel9Left(0); }
  void BitBtn37Click();

  // The help lines of the patterns and of the template capture.
  static const QStringList kPatternHelp;
  static const QStringList kTemplateHelp;

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  struct ToolDef;
  static const std::vector<ToolDef>& toolDefs();

  void buildToolBar();
  void buildMainTools();
  void buildSprayPanel();
  void buildPixelPanel();
  void buildGradientPanel();
  void buildPatternPanel();
  void buildHelpPanel();
  // Grows hand-placed captions to their text and sizes the status bar.
  void fitCaptions();
  void buildColourArea();
  void connectColourArea();
  void initialPattern();
  QToolButton* makeButton(QWidget* parent, const char* name, const QString& hint,
                          const char* glyph, const QRect& geometry);
  QWidget* makeOverlay(const char* name, const QString& title);
  void chooseTool(const ToolDef& tool, QToolButton* button);
  void outlineReset();
  // The main window's mask1 as the block the pixel movers shift: 5 x LineWidth square.
  void sizePixelMoverMask();
  void syncToolButtons();
  void invalidatePalette();
  void setHeightStepped(const std::vector<int>& heights);
  QString patternFile(int n) const;
  gdi::TColor faceColor() const;

  QButtonGroup* toolGroup_ = nullptr;
  bool paintPending_ = false;
};
