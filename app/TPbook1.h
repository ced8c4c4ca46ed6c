#pragma once
// The main window: owns the picture (the bitmap of `ptbox1`) and its companion
// images, carries the menus, the tool bar, the side panel and the nine pages,
// and opens every other window. Other windows read and write its controls and
// state directly, so they are public members named as the program names them.
//
// The class is split by concern:
//   TPbook1_layout.cpp    building the controls, menus and tool bar
//   TPbook1_start.cpp     start-up, page set-up, show, close, resize, status bar
//   TPbook1_help.cpp      the help pages on "Getting Started"
//   TPbook1_commands.cpp  the menu and tool bar commands
//   TPbook1_window.cpp    roll up / down, widths, scroll bars, stay-on-top
//   TPbook1_drop.cpp      files dropped from the desktop, images dropped on "Drag To"
//   TPbook1_file.cpp      close check and save as
//   TPbook1_canvas.cpp    the canvas tools on ptbox1
//   TPbook1_keys.cpp      Escape, the arrow keys and Delete on the picture
//   TPbook1_bezier.cpp    the curve tool, its handles and the polygon vertices
//   TPbook1_capture.cpp   captures, colour replacement inside an outline, the clip hand-over
//   TPbook1_zoom.cpp      the zoom view, its panel and capture frame, zoomed editing
//   TPbook1_resize.cpp    the picture resize
//   TPbook1_pending.cpp   routines whose work comes with later parts of the studio
//   TPbook1_paste.cpp     the floating clip: paste, redraw, drag, OK, template capture
//   TPbook1_pastepanel.cpp  the paste panel's controls and the "Drag From Main" image
//   TPbook1_rotate.cpp    "Rotate Clip" and the picture's rotation set-up
//   TPbook1_clipeffects.cpp  the paste panel's effect buttons
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "app/interface/MainWindow.h"
#include "clips/engine/FloatingClip.h"
#include "clips/engine/Progress.h"
#include "controls/TZoomImage.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Geometry.h"
#include "platform/ui/DialogTypes.h"
#include "platform/ui/MouseTypes.h"
#include "tools/engine/BezierCurve.h"
#include "tools/engine/PolyPoints.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTabWidget;
class QVBoxLayout;
class QTimer;
class QToolBar;
class QToolButton;

namespace gdi {
class Canvas;
}  // namespace gdi

namespace ui {
class ImageControl;
class RichEdit;
class ShapeControl;
class SpinButton;
class SpinEdit;
}  // namespace ui

class TPbook1 final : public QMainWindow, public app::MainWindow {
  Q_OBJECT
 public:
  explicit TPbook1(QWidget* parent = nullptr);
  ~TPbook1() override;

  // ===== what the other windows use (app/interface/MainWindow.h) ===============
  QWidget& widget() override { return *this; }
  // The picture is ptbox1's bitmap, the undo copy image2's.
  gdi::Bitmap& picture() override;
  gdi::Bitmap& undoCopy() override;
  void takeUndoCopy() override;
  void pictureChanged() override;
  bool loadPicture(const gdi::Bitmap& picture, const QString& caption) override;
  bool isModified() const override { return Modified; }
  // Also after a save: the close check asks about every change.
  void markModified() override { Modified = true; }
  QString caption() const override;
  void setCaption(const QString& caption) override;
  void showProgress() override;
  app::ProgressStep progressStep() override;
  void setProgress(int position) override;
  void hideProgress() override;
  void showPage(app::Page page) override;
  void dohelp(const QString& fileName) override;
  void showHelp(const QString& fileName, const QStringList& missingLines) override;
  void clipOnClipboard() override;
  void doapaste() override;
  bool paste_it() override;
  void pastecap() override;
  void endcappingpaste() override;
  bool templatePasteOpen() const override { return TemplateCapture; }
  app::ZoomStage zoomStage() const override;
  void zmbutoffClick() override;
  void endZoomedEditing() override;
  void zoomToPage() override;
  void dropZoomView() override;
  void beginTool(int tool) override;
  void resetOutline() override;
  void setSprayMixing(bool mixing) override { SprayMixing = mixing; }
  void setPixelMoverBlock(int side) override;
  void clearit() override;
  void doblend() override;
  void doblend2() override;
  void doblend3(int lighten) override;
  void prepareRotation() override;
  void takeRotationSquare(const gdi::Bitmap& square) override;

  // ===== the picture and its companion images ================================
  ui::ImageControl* ptbox1 = nullptr;
  ui::ImageControl* mask1 = nullptr;     // mask of the clip (hidden)
  ui::ImageControl* clpmap1 = nullptr;   // the clip; its position is the clip offset (hidden)
  ui::ImageControl* maskback = nullptr;  // copy of the mask (hidden)
  ui::ImageControl* image2 = nullptr;    // the undo copy, on "View Undo"
  ui::ImageControl* zmbk = nullptr;      // zoom backup (hidden)
  ui::ImageControl* im2back = nullptr;   // spare copy of the undo copy (hidden)
  ui::ImageControl* redo = nullptr;      // the redo copy (hidden)
  TZoomImage* zm1 = nullptr;             // the zoom view, on "View Zoom"
  // Bezier handles over the picture (hidden).
  ui::ShapeControl* s1 = nullptr;
  ui::ShapeControl* s2 = nullptr;
  ui::ShapeControl* s3 = nullptr;
  ui::ShapeControl* s4 = nullptr;

  // ===== side panel ===========================================================
  QFrame* CoolBar1 = nullptr;
  QWidget* Panel1 = nullptr;
  QToolButton* undoptb1 = nullptr;
  QToolButton* redoptb1 = nullptr;
  QToolButton* zmbuton = nullptr;
  QToolButton* zmbutoff = nullptr;
  QToolButton* SpeedButton2 = nullptr;  // help on the paste panel
  QToolButton* SpeedButton8 = nullptr;  // width 640
  QToolButton* SpeedButton9 = nullptr;  // width 380
  QLabel* coord1 = nullptr;
  QFrame* zmpanel1 = nullptr;           // zoom panel (hidden at first)
  ui::SpinEdit* zm1spin = nullptr;      // "Zoom %"
  ui::SpinEdit* spinedit1 = nullptr;    // "Left/Right"
  ui::SpinEdit* spinedit4 = nullptr;    // "Up/Down"
  ui::SpinEdit* spbox1 = nullptr;       // "Pan L/R": capture frame left
  ui::SpinEdit* spbox2 = nullptr;       // "Pan U/D": capture frame top
  ui::SpinEdit* zsnum = nullptr;        // "Move Step"
  QCheckBox* chk1 = nullptr;            // zoomed editing
  QFrame* pastepanel1 = nullptr;        // paste panel (hidden at first)
  ui::ShapeControl* Shape13 = nullptr;  // strip shown while window scroll bars are on

  // ===== tool bar =============================================================
  QWidget* CoolBar2 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolButton* ToolButton14 = nullptr;  // New Image
  QToolButton* ToolButton11 = nullptr;  // Load Image
  QToolButton* ToolButton12 = nullptr;  // Save
  QToolButton* ToolButton13 = nullptr;  // Save As
  QToolButton* ToolButton1 = nullptr;   // Paint Tools
  QToolButton* pbrotbut1 = nullptr;
  QToolButton* pblassoobut1 = nullptr;
  QToolButton* pbcapbxbut1 = nullptr;
  QToolButton* pbpastebut1 = nullptr;
  QToolButton* ToolButton7 = nullptr;  // Copy Entire Image
  QToolButton* resizebut1 = nullptr;
  QToolButton* pbpastrefrombut1 = nullptr;
  QToolButton* pbpastetobut1 = nullptr;
  QToolButton* ToolButton3 = nullptr;   // Morf Paste Clip
  QToolButton* ToolButton4 = nullptr;   // Rotated and 3D text
  QToolButton* ToolButton5 = nullptr;   // Multiple Line Text
  QToolButton* ToolButton6 = nullptr;   // print window
  QToolButton* ToolButton15 = nullptr;  // Animation Manager
  QToolButton* ToolButton16 = nullptr;  // Stationery Designer
  QToolButton* ToolButton17 = nullptr;  // Multimedia Player
  QToolButton* ToolButton8 = nullptr;   // roll up
  QToolButton* ToolButton9 = nullptr;   // roll down

  // ===== menus ================================================================
  QMenu* File1 = nullptr;
  QMenu* Edit1 = nullptr;
  QMenu* Tools1 = nullptr;
  QMenu* Activity1 = nullptr;
  QMenu* Window1 = nullptr;
  QMenu* HElp1 = nullptr;
  QAction* New1 = nullptr;
  QAction* Browser1 = nullptr;
  QAction* FileDialog1 = nullptr;
  QAction* SaveMenuItem = nullptr;    // the tool bar's Save, with its shortcut
  QAction* SaveAsMenuItem = nullptr;  // the tool bar's Save As
  QAction* JpegSaveOptions1 = nullptr;
  QAction* PrintOptions1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* PrintSetup1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* UndoMenuItem = nullptr;
  QAction* RedoMenuItem = nullptr;
  QAction* Cut1 = nullptr;
  QAction* CopyImageMenuItem = nullptr;  // the tool bar's Copy Entire Image
  QAction* PasteMenuItem = nullptr;      // the tool bar's Paste
  QAction* Copy2 = nullptr;
  QAction* Save2 = nullptr;
  QAction* Rotate1 = nullptr;
  QAction* Resize1 = nullptr;
  QAction* PixelAnimatorsers1 = nullptr;
  QAction* GradientTools1 = nullptr;
  QAction* FancyText1 = nullptr;
  QAction* Text1 = nullptr;
  QAction* AnimationManager1 = nullptr;
  QAction* MultimediaPlayer1 = nullptr;
  QAction* ImageMap1 = nullptr;
  QAction* Animation1 = nullptr;
  QAction* Movies1 = nullptr;
  QAction* PlayMusic1 = nullptr;
  QAction* CreateStationeryackground1 = nullptr;
  QAction* Toolbar3 = nullptr;
  QAction* HorizontalScrollBars1 = nullptr;
  QAction* VerticalScrollBArs1 = nullptr;
  QAction* NoneStayonTop1 = nullptr;
  QAction* HelpFiles1 = nullptr;
  QAction* GeneralHelp1 = nullptr;
  QAction* PastePanel2 = nullptr;
  QAction* AnimationMagic1 = nullptr;
  QAction* AnimationWizard1 = nullptr;
  QAction* MovieWizard1 = nullptr;
  QAction* MultimediaPlayer2 = nullptr;
  QAction* SupportServices1 = nullptr;
  QAction* WebPages1 = nullptr;
  QAction* About1 = nullptr;

  // ===== status bar ===========================================================
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusText = nullptr;  // the status bar's simple text
  QProgressBar* bg1 = nullptr;

  // ===== pages ================================================================
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // "Main"
  QWidget* TabSheet2 = nullptr;  // "View Undo"
  QWidget* TabSheet3 = nullptr;  // "View Zoom"
  QWidget* TabSheet4 = nullptr;  // "Drag From Main"
  QWidget* TabSheet5 = nullptr;  // "Drag To"
  QWidget* TabSheet6 = nullptr;  // "Getting Started"
  QWidget* TabSheet7 = nullptr;
  QWidget* TabSheet8 = nullptr;
  QWidget* TabSheet9 = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QScrollArea* ScrollBox2 = nullptr;
  QScrollArea* ScrollBox3 = nullptr;  // holds the zoom view
  QMenu* PopupMenu1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Save1 = nullptr;
  ui::ImageControl* Image1 = nullptr;  // "Drag To" image
  ui::RichEdit* RichEdit1 = nullptr;
  QFrame* Panel6 = nullptr;
  ui::ImageControl* Image5 = nullptr;
  QLabel* Label16 = nullptr;
  QPushButton* getsbut1 = nullptr;
  QPushButton* BitBtn1 = nullptr;  // Movie Wizard
  QPushButton* BitBtn2 = nullptr;  // Animation Wizard
  QPushButton* BitBtn9 = nullptr;  // help on the zoom page
  // The capture frame on "View Zoom": its size, the four thin edge buttons
  // around it, and the camera's commands.
  ui::SpinEdit* SpinEdit2 = nullptr;  // frame width
  ui::SpinEdit* SpinEdit3 = nullptr;  // frame height
  QPushButton* zrleft = nullptr;
  QPushButton* zrtop = nullptr;
  QPushButton* zrright = nullptr;
  QPushButton* zrbot = nullptr;
  QPushButton* zbrowsebut1 = nullptr;  // choose the frames' folder
  QPushButton* zcambut1 = nullptr;     // take a frame
  QPushButton* zclipbut1 = nullptr;    // frame to the clipboard
  QPushButton* BitBtn15 = nullptr;     // help on web pages

  // ===== dialogs, scratch list, timer ========================================
  ui::FileDialogOptions OpenPictureDialog1;
  ui::FileDialogOptions OpenPictureDialog2;
  ui::FileDialogOptions SavePictureDialog1;
  QStringList ListBox1;
  QTimer* Timer1 = nullptr;

  // ===== state ================================================================
  bool Modified = false;          // the picture changed since the last save
  bool PagesReady = false;        // initpages works only once start-up ran
  bool ZoomOn = false;            // the zoom panel is in use
  bool ZoomApplied = false;       // the picture holds the enlarged rectangle
  bool ZoomSourceStored = false;  // the full picture is in zmbk and the zoom view
  bool ToolPending = false;       // a tool was picked since the zoom panel opened
  bool BoxesShowing = false;      // a Bezier curve is on screen with its handles
  bool MoveBox = false;           // a pixel-moving box is drawn
  int OutlineWidth = 1;           // pen width of capture outlines and colour replacement

  // Stroke state of the canvas tools.
  gdi::Point DownPoint;
  bool MouseIsDown = false;
  bool StrokeOn = false;
  bool FirstRubber = true;
  gdi::Rect RubberRect;
  gdi::Rect LastRubberRect;
  tools::PolyPointArray PolyPoints;  // numbered 1..500
  int PolyCount = 1;
  bool PolyActive = false;
  bool SprayMixing = false;

  // Bezier curve under edit.
  gdi::Point BezStart, BezEnd, BezCtl1, BezCtl2;
  tools::BezierPoints BezShown{};  // the curve as last drawn, to erase it
  bool BezEditing = false;
  std::array<bool, 4> HandleDrag{};
  bool AnyHandleDrag = false;
  bool BezOnPicture = false;  // the not-xor curve is drawn on the picture

  // Clip being pasted (the clip offset is clpmap1's position).
  bool ClipSized = false;
  int SizeDelta = 0;
  int WidthDelta = 0;
  int HeightDelta = 0;
  int TargetWidth = 0;
  int TargetHeight = 0;
  bool ClipDragging = false;
  gdi::Point DragLast;
  bool TemplateCapture = false;
  // ===== the clip paste (TPbook1_paste.cpp, TPbook1_pastepanel.cpp,
  // TPbook1_rotate.cpp, TPbook1_clipeffects.cpp) ===============================
  // Paste panel controls.
  QToolButton* SpeedButton3 = nullptr;       // "OK"
  QToolButton* SpeedButton4 = nullptr;       // "1/2"
  QToolButton* SpeedButton5 = nullptr;       // "x2"
  QToolButton* SpeedButton1 = nullptr;       // "Normal"
  ui::SpinButton* pastezoomedit1 = nullptr;  // size of the clip, both sides
  ui::SpinButton* pwedit1 = nullptr;         // width of the clip
  ui::SpinButton* phedit1 = nullptr;         // height of the clip
  QToolButton* paste1left = nullptr;
  QToolButton* paste1right = nullptr;
  QToolButton* paste1up = nullptr;
  QToolButton* paste1dn = nullptr;
  ui::SpinButton* LRedit1 = nullptr;      // left / right by 10
  ui::SpinButton* UDedit1 = nullptr;      // up / down by 10
  QCheckBox* dragbox1 = nullptr;          // keep earlier copies while moving with the buttons
  ui::SpinEdit* pasterotedit1 = nullptr;  // degrees for "Rotate Clip"
  QToolButton* SpeedButton18 = nullptr;   // "Rotate Clip"
  QToolButton* flpmirbut = nullptr;       // "Mirror Clip Image"
  QToolButton* SpeedButton6 = nullptr;    // "Dark Imprint Clip on Surface"
  QToolButton* SpeedButton7 = nullptr;    // "Light Imprint Clip on Surface"
  QToolButton* BitBtn19 = nullptr;        // "Emboss"
  QToolButton* BitBtn14 = nullptr;        // "Drop Shadow"
  // "Drag From Main": dragged onto the Animation Manager's drop site.
  ui::ImageControl* dragimage1 = nullptr;

  // Where the picture differs from the backdrop while a clip floats.
  clips::FloatingClip floatingClip;

  // The picture point at the top left of the visible part of the picture;
  // the clip offset (clpmap1's place in the scroll box) counts from it, so a
  // floating clip stays over the same picture pixels while the picture
  // scrolls.
  gdi::Point PasteAnchor() const;
  gdi::Point clipOffset() const;
  // Moves clpmap1 and mask1 to the offset.
  void setClipOffset(gdi::Point offset);
  // Where and how big the clip is drawn now: PasteAnchor + offset.
  clips::ClipPlacement clipPlacement() const;

  // Loads the clip (from the clipboard unless a morph is pending) and floats
  // it over the picture; false when there is no clip to paste.
  void put_paste();
  void updateclipsize();
  void sizepaste();
  // The canvas handlers send the mouse here while MaskMode is on.
  void mask1MDown(int X, int Y);
  void mask1MMove(int X, int Y);
  void mask1MUp();
  void clipreplace(gdi::TColor color);  // 217: the clicked colour replaced by the clipboard
  void SpeedButton3Click();             // "OK"
  // Ends a paste as "OK" and a tool choice do: the clip stays where it is
  // drawn, the panel goes, and so does the frame that showed the clip.
  void leavePaste();
  void SpeedButton4Click();  // "1/2"
  void SpeedButton5Click();  // "x2"
  void SpeedButton1Click();  // "Normal"
  void pastezoomedit1UpClick();
  void pastezoomedit1DownClick();
  void pwedit1UpClick();
  void pwedit1DownClick();
  void phedit1UpClick();
  void phedit1DownClick();
  void paste1leftClick();
  void paste1rightClick();
  void paste1upClick();
  void paste1dnClick();
  void LRedit1UpClick();
  void LRedit1DownClick();
  void UDedit1UpClick();
  void UDedit1DownClick();
  void SpeedButton18Click();  // "Rotate Clip"
  void dragimage1DragDrop(QWidget* source);
  // The panel's clip effects.
  void SpeedButton6Click();  // dark imprint
  void SpeedButton7Click();  // light imprint
  void BitBtn19Click();      // emboss
  void shadowit();           // drop shadow (BitBtn14)
  void flpmirbutClick();     // mirror

  // ===== start-up, pages, window =============================================
  void FormCreate();
  void dostart();
  bool initpages();
  void FormShow();
  // Asked when the window is about to close (title bar, Exit, close()):
  // the close check; false (the window stays) when it answered Cancel.
  bool FormClose();
  void FormResize();
  void StatusBar1Resize();
  // "Width:" w " Height:" h of the picture on the status bar.
  void showPictureSize();
  QString statusText() const;

  void rollupbook();
  void rolldownbook();
  void ToolButton8Click() { rollupbook(); }
  void ToolButton9Click() { rolldownbook(); }
  void SpeedButton8Click();
  void SpeedButton9Click();
  void Toolbar3Click();
  void ToolBar1Click();
  void HorizontalScrollBars1Click();
  void VerticalScrollBArs1Click();
  void NoneStayonTop1Click();
  // Whether the window's own scroll bars are shown.
  bool verticalScrollBarShown() const;
  bool horizontalScrollBarShown() const;

  // ===== help pages ============================================================
  void getsbut1Click();
  void Panel6Click();
  void Label16Click();
  void SpeedButton2Click();
  void Image5Click();
  void notifygif();

  // ===== drops =================================================================
  // A file dropped from the desktop (the first of those dropped).
  void dropFile(const QString& path);
  // An image control dropped on the "Drag To" image.
  void Image1DragDrop(QWidget* source);

  // ===== the document ==========================================================
  // The close check: false when the picture must stay (Cancel, or a save
  // that was cancelled or failed).
  bool checktosave();
  // Save as, through the save dialog: true when the file was written.
  bool domysave();
  // Writes the picture as a progressive JPEG at the JPEG options' quality.
  // Throws codecs::PictureError naming the file when it cannot be written.
  void saveJPG(const QString& fileName);
  // The same for the clip, at the JPEG library's default quality.
  void saveclipJPG(const QString& fileName);
  // Quality of JPEG files: the "Jpeg Save Options" window's track bar.
  int jpegQuality() const;
  // Repaints the picture after undo or redo replaced it.
  void pictureReplaced();

  // ===== commands ==============================================================
  void ToolButton14Click();
  void New1Click();
  void ToolButton11Click();
  void Browser1Click();
  void FileDialog1Click();
  void ToolButton12Click();
  void ToolButton13Click();
  void Save2Click();
  void Copy2Click();
  void Copy1Click();
  void Save1Click();
  void undoptb1Click();
  void redoptb1Click();
  void zmbutonClick();
  void zm1spinChange();
  void spinedit1Change();
  void spinedit4Change();
  void ToolButton1Click();
  void PixelAnimatorsers1Click();
  void GradientTools1Click();
  void pbrotbut1Click();
  void Rotate1Click() { pbrotbut1Click(); }
  void pblassoobut1Click();
  void pbcapbxbut1Click();
  void pbpastebut1Click();
  void ToolButton7Click();
  void Cut1Click();
  void resizebut1Click();
  void Resize1Click() { resizebut1Click(); }
  void pbpastrefrombut1Click();
  void pbpastetobut1Click();
  void ToolButton3Click();
  void ToolButton4Click();
  void FancyText1Click() { ToolButton4Click(); }
  void ToolButton5Click();
  void Text1Click() { ToolButton5Click(); }
  void ToolButton6Click();
  void PrintOptions1Click() { ToolButton6Click(); }
  void Print1Click();
  void PrintSetup1Click();
  void ToolButton15Click();
  void AnimationManager1Click() { ToolButton15Click(); }
  void ToolButton16Click();
  void ToolButton17Click();
  void MultimediaPlayer1Click() { ToolButton17Click(); }
  void BitBtn1Click();
  void BitBtn2Click();
  void JpegSaveOptions1Click();
  void ImageMap1Click();
  void Animation1Click();
  void Movies1Click();
  void PlayMusic1Click();
  void CreateStationeryackground1Click();
  void About1Click();
  void Exit1Click();

  // ===== canvas tools (TPbook1_canvas.cpp) ======================================
  // The three handlers of ptbox1 route every mouse event by the palette's
  // current tool code; the tools' own routines follow.
  void ptbox1MouseDown(ui::MouseButton Button, ui::ShiftState Shift, int X, int Y);
  void ptbox1MouseMove(ui::ShiftState Shift, int X, int Y);
  void ptbox1MouseUp(ui::MouseButton Button, ui::ShiftState Shift, int X, int Y);
  // Polygon, line, spray, flood fill, pixel movers, area gradients, stamps, tubes.
  void pDown(ui::MouseButton Button, int X, int Y);
  void pve(int X, int Y);
  void pUp(ui::MouseButton Button, int X, int Y);
  // The colour replacer brush.
  void pDownco(int X, int Y);
  void pveCo(int X, int Y);
  void pUpCo();
  void do_spray(int X, int Y);
  void set_t(int tool);  // pen and brush set-up per tool
  void set_itback();     // the real pen and the fill brush of the drawing state
  // Re-applies set_t for the current tool. The timer does not run on its
  // own: the handlers call this at every press and release, and a set-up in
  // the middle of a drag would start a new rubber band and leave the old one
  // on the picture.
  void Timer1Timer();
  void put_back();  // after the pixel movers and undo
  // Gradient fills with the palette's gradient list.
  void Hdogradfill(int X, int Y);
  void Vdogradfill(int X, int Y);
  void Hdogradboxfill(int x1, int y1, int x2, int y2);
  void Vdogradboxfill(int x1, int y1, int x2, int y2);
  void Hdogradrectfill(int x1, int y1, int x2, int y2);
  void globe(int x1, int y1, int x2, int y2);
  void dogradtubes(gdi::Point from, int X, int Y);

  // ===== keys on the picture (TPbook1_keys.cpp) =================================
  // A key pressed while the picture has the focus; false when it is not ours.
  bool ptbox1KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // Escape during a rubber-band drag: the band goes, no figure is drawn, and
  // the drag's release does nothing. False when no such drag is under way.
  bool cancelDrag();
  bool DragCancelled = false;
  // Delete after a capture box: the box becomes the background colour, as
  // "Cut" leaves it, without touching the clipboard.
  bool clearCapturedBox();
  // The box the capture box tool last captured (empty once another tool is
  // chosen or the picture replaced).
  gdi::Rect CapturedBox;
  // The box filled with the background colour.
  void clearBox(const gdi::Rect& box);

  // ===== the curve tool and the polygon vertices (TPbook1_bezier.cpp) ===========
  // The curve tool (12): a chord dragged out, then its four handles moved by
  // click, move, click or dragged with the button held; a right click draws
  // it with the real pen.
  void pDownbez(ui::MouseButton Button, int X, int Y);
  void pvebez(ui::ShiftState Shift, int X, int Y);
  void pUpbez(ui::MouseButton Button, int X, int Y);
  // A handle pressed: its point follows the mouse until the next click.
  void s1MouseDown();
  void s2MouseDown();
  void s3MouseDown();
  void s4MouseDown();
  // A handle dragged with the button held (handle 0..3 = s1..s4, control
  // coordinates): once past the drag distance its moves and its release go
  // to ptbox1MouseMove and ptbox1MouseUp at the same place on the picture, and
  // the handle follows the pointer. A release without a drag leaves the
  // handle waiting for the click on the picture.
  void handleMouseDown(int handle, int x, int y);
  void handleMouseMove(int handle, ui::ShiftState Shift, int x, int y);
  void handleMouseUp(int handle, ui::MouseButton Button, ui::ShiftState Shift, int x, int y);
  // Erases a curve under edit (it is never drawn for good) and hides the handles.
  void remove_boxes();
  // Polygon and filled polygon (7, 8): the vertex added at each release, with
  // the pen already in copy mode, LineWidth and ForeColor; the right button
  // closes the figure.
  void polyvertex(ui::MouseButton Button, int X, int Y);

  // ===== captures (TPbook1_capture.cpp) ==========================================
  void capboxMouseDown(int X, int Y);  // capture box: 22, 23 "Cut", 229
  void capboxMouseMove(int X, int Y);
  void capboxMouseUp(int X, int Y);
  // Outline capture (19, 21, 109): a vertex per click, closed by a right click.
  void polycopyDown(ui::MouseButton Button, int X, int Y);
  void polycopypve(int X, int Y);
  void polycopyUp(ui::MouseButton Button, int X, int Y);
  // 24, 25: the ellipse inscribed in the dragged box.
  void capcircle(int X1, int Y1, int X2, int Y2);
  // The clip of a closed outline (vertices 1..count), or for 19 the colour
  // replacement inside it.
  void repcolor(int count);
  // The clip of the inside of a capture box (vertices 1..count).
  // True when a clip was cut and reached the clipboard.
  bool recrepcolor(int count);
  // Inside the clip, ForeColor becomes BackColor; false when refused
  // (white, with a message).
  bool docoreplace();
  // Hands a finished clip over: morph shaping when one is pending, the
  // clipboard and the paste buttons, and the next step of the special
  // captures (25, 109, 229). False when the clipboard would not take it.
  bool minirepcolor();
  // The whole picture onto the clipboard ("Copy Entire Image", "Cut");
  // false, after telling the user, when the clipboard would not take it.
  bool getcap();
  // The not-xor edges of an outline being collected, as drawn on the
  // picture; taken off again when it closes or another tool is chosen.
  std::vector<tools::PolyEdge> OutlineShown;
  void takeOutlineOff();
  // The box an outline's bounds start from: the zoom view's size.
  gdi::Size zoomViewSize() const;

  // The side panel's morph content preview (shown while a morph is pending).
  QFrame* Panel3 = nullptr;
  ui::ImageControl* morfimage1 = nullptr;
  // Top-left of the last captured area plus one pixel on each axis.
  gdi::Point CaptureOrigin;
  // A morph is pending: the next capture's clip is the shape morfimage1's
  // picture is poured into, and a paste takes the clip already in clpmap1
  // instead of the clipboard's.
  bool MorphPending = false;

  // Seams the morph windows fill in.
  // Pours `content` into the shape of `shape` (its non-white pixels);
  // false leaves `shape` unchanged.
  bool morphInto(const gdi::Bitmap& content, gdi::Bitmap& shape);
  // The options window's choice of what a special capture does next.
  void openAreaOptions();

  // ===== the zoom view (TPbook1_zoom.cpp) ======================================
  // Zoom on: the panel shown, the full picture stored in zmbk and the view.
  void zoom_it();
  // Copies the picture into zmbk and the zoom view (once per zoom session).
  void storeZoomSource();
  // Zoomed editing begins when a paint tool is picked (the palette's
  // do_tool): while the zoom is on and not yet applied, the view's rectangle
  // (from one column left of it) is stretched over the whole picture.
  void apply_zoom();
  // Zoomed editing ends: the picture, shrunk, goes back into zmbk at the
  // rectangle and zmbk becomes the picture. Only while the zoom is applied.
  void mergeZoomedEdit();
  // The full picture with the zoomed edit shrunk into its place, as "Normal
  // Size" would leave it, while the picture itself stays enlarged; nothing
  // when the zoom is not applied. What saves write while zoomed.
  std::optional<gdi::Bitmap> zoomedEditMerged() const;
  // Zoomed editing ends as "Normal Size" ends it, before a command resizes,
  // rotates or replaces the picture: the edit is not lost, and the stored
  // full picture is not mixed with the new one.
  // The capture frame around a SpinEdit2 x SpinEdit3 box on the zoom view,
  // at spbox1/spbox2 when `fromSpins`, else centred; written back to them.
  void zposbox(bool fromSpins);

  // ===== the picture resize (TPbook1_resize.cpp) ================================
  // Scales the picture to the size chosen in TResizeForm (after OK): a
  // shrink by 2, 4 or 8 through the JPEG decoder's scaling when the dialog's
  // method allows it, else (or for what remains) a stretch.
  void resize_it();

  // ===== routines whose work comes with later parts (TPbook1_pending.cpp) =====
  void opeImfile();                 // load through the image browser
  void opdlg();                     // open through the file dialog
  void opeImNew();                  // new picture through "New Image Size"
  void savebutClick();              // quick save as BMP into the current folder
  void pfromfile();                 // Paste From File
  void morfpaste();                 // morph paste of the clip
  void doprint();                   // prepare and show the print window
  void openactivity(int activity);  // the Activity Assistant on one activity

  // ===== for tests =============================================================
  // Runs before the companion copies of initpages; a test makes it throw to
  // see the "Not enough Resources" path.
  static std::function<void()>& companionCopyHook();

 signals:
  // The main window closed: the program ends.
  void closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildLayout();
  void buildMenus();
  void buildToolBar();
  void buildSidePanel();
  void buildPages();
  void buildMainPage();
  void buildUndoPage();
  void buildZoomPage();
  void buildDragPages();
  void buildPastePanel();
  void buildDragImage(QVBoxLayout* page);
  void moveClipBy(int dx, int dy);
  void buildGettingStartedPage();
  void buildFurtherPages();
  void wireCommands();
  // Loads a help page into RichEdit1 and shows it; false when missing.
  bool loadHelpPage(const QString& fileName);
  // Missing-page lines for the quiet help links.
  void showMissingHelp(const QStringList& lines);
  // Steps the window height to `target` through every multiple of `step`.
  void stepHeight(int target, int step);
  void setWindowScrollBars(Qt::Orientation orientation, bool on);
  // The save-as sequence for a bitmap (the picture or the undo copy): the
  // dialog preset to the caption, the overwrite question, JPEG, the GIF
  // notice or BMP by extension. The path chosen when written; a failed write
  // is reported and answers none.
  std::optional<QString> saveAsSequence(const gdi::Bitmap& bitmap);
  // The same from the overwrite question on, for a path already chosen.
  std::optional<QString> writeChosenPath(const QString& path, const gdi::Bitmap& bitmap);
  void writeJPG(const QString& fileName, const gdi::Bitmap& bitmap, std::optional<int> quality);
  // The palette's line width and fill colour for a new picture.
  void applyPaletteToNewPicture();

  // Canvas: the handlers' wiring, and what a mouse event changed.
  void wireCanvas();
  gdi::Canvas& canvas();
  void replaceColourSquare(int X, int Y);
  // A piece of a freehand stroke from the pen position, with the stroke's pen.
  void freehandTo(int X, int Y);
  // Marks the picture as drawn on without touching a pixel.
  void markCanvasChanged(gdi::Point penAt);
  void eraseBand(int tool, const gdi::Rect& band);
  std::vector<gdi::Rect> bandAreas(int tool, const gdi::Rect& band);
  // Runs `draw`, whose changes lie in `areas`; earlier changes keep their
  // dirty rectangle.
  void trackedDraw(const std::vector<gdi::Rect>& areas, const std::function<void()>& draw);
  // Repaints what the event changed.
  void repaintCanvas();
  std::vector<gdi::Rect> repaintAreas_;
  gdi::Rect untracked_;
  // At a release: whether the drag had a rubber band showing, and where.
  bool releaseBandShown_ = false;
  gdi::Rect releaseBand_;
  // A curve handle pressed: where, and whether it is being dragged.
  QPoint handlePress_;
  bool handleDragging_ = false;
  // The picture point under a point of handle `handle`.
  QPoint handleToPicture(int handle, int x, int y) const;

  QScrollArea* formScroll_ = nullptr;  // the window's own scroll bars
  bool closing_ = false;
};
