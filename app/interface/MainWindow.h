#pragma once
// What the other windows may do with the main window. A window includes this
// header, never the main window's class: the main window's controls and state
// stay its own, and everything a window needs from it is here, in the spirit
// of a paint program's tool environment.
//
//   app::MainWindow& main = app::mainWindow();
//   main.takeUndoCopy();
//   effect(main.picture());
//   main.markModified();
//   main.pictureChanged();
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace gdi {
class Bitmap;
}  // namespace gdi

namespace app {

// The main window's pages, numbered as its tab sheets TabSheet1..TabSheet9.
enum class Page {
  Main = 1,
  ViewUndo,
  ViewZoom,
  DragFromMain,
  DragTo,
  GettingStarted,
  Sheet7,
  Sheet8,
  Sheet9,
};

// Where the zoom session stands. "Zoom Image Larger" goes from Off (or
// SourceKept) to Viewing, a paint tool picked then goes on to Applied, and
// "Normal Size" comes back to Off (from Applied, with the edit merged) or
// SourceKept (from Viewing).
enum class ZoomStage {
  Off,         // no zoom and no stored copy of the picture
  SourceKept,  // no zoom, but the full picture is still in the zoom backup and view
  Viewing,     // the zoom panel is in use; the full picture is stored
  Applied,     // the picture holds the view's rectangle enlarged: zoomed editing
};

// Steps the progress bar by one; handed to engine passes (clips::ProgressStep).
using ProgressStep = std::function<void()>;

class MainWindow {
 public:
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // ----- the window ----------------------------------------------------------------
  // The window itself: to place a window beside it, hide it or show it.
  virtual QWidget& widget() = 0;

  // ----- the picture and its undo copy -------------------------------------------
  // The picture: the bitmap being edited (ptbox1's).
  virtual gdi::Bitmap& picture() = 0;
  // The undo copy (image2's bitmap): the picture as it was before the last change.
  virtual gdi::Bitmap& undoCopy() = 0;
  // The undo copy takes the picture.
  virtual void takeUndoCopy() = 0;
  // Repaints the picture and the undo copy after a window changed their pixels.
  virtual void pictureChanged() = 0;
  // Makes `picture` the picture, as a load does: the view goes to the top
  // left, a zoomed edit of the old picture ends without being merged into the
  // new one, the companion images are refitted, "Main" is shown with
  // `caption`, and the window is shown. An empty `picture` changes nothing
  // but the view's scrolling and answers false.
  virtual bool loadPicture(const gdi::Bitmap& picture, const QString& caption) = 0;

  // ----- the modified flag and the caption ---------------------------------------
  virtual bool isModified() const = 0;
  // Every change of the picture's pixels or size: the close check asks about it.
  virtual void markModified() = 0;
  // The caption is the name of the picture's file ("TEMP.BMP" for a new one).
  virtual QString caption() const = 0;
  virtual void setCaption(const QString& caption) = 0;

  // ----- the progress bar ---------------------------------------------------------
  // The bar at 1 and shown.
  virtual void showProgress() = 0;
  // One step of the bar per call.
  virtual ProgressStep progressStep() = 0;
  // The bar at `position` (1 to 100).
  virtual void setProgress(int position) = 0;
  virtual void hideProgress() = 0;

  // ----- pages and help documents -------------------------------------------------
  virtual void showPage(Page page) = 0;
  // The help document `fileName` of the program folder on "Getting Started";
  // a missing document is reported in a message box.
  virtual void dohelp(const QString& fileName) = 0;
  // The same for the quiet help links: a missing document puts
  // `missingLines` on the page instead.
  virtual void showHelp(const QString& fileName, const QStringList& missingLines) = 0;

  // ----- handing a clip to the paste ----------------------------------------------
  // A clip was put on the clipboard: "Paste" and "Paste To File" can take it.
  virtual void clipOnClipboard() = 0;
  // Starts a paste of the clipboard's bitmap: the paste panel and the clip
  // floating over the picture.
  virtual void doapaste() = 0;
  // Floats the clipboard's bitmap again, after a window changed the clip;
  // false when there is none.
  virtual bool paste_it() = 0;
  // A template paste: started, and finished by capturing what lies under it.
  virtual void pastecap() = 0;
  virtual void endcappingpaste() = 0;
  // Whether a template paste is under way.
  virtual bool templatePasteOpen() const = 0;

  // ----- the zoom session ---------------------------------------------------------
  virtual ZoomStage zoomStage() const = 0;
  // "Normal Size": the zoom ends, a zoomed edit is merged into the full picture.
  virtual void zmbutoffClick() = 0;
  // Zoomed editing ends as "Normal Size" ends it; nothing when no zoom is on.
  virtual void endZoomedEditing() = 0;
  // While Viewing: the picture, the undo copy and the zoom backup take the
  // page's size, the zoom view showing the stored picture over them.
  virtual void zoomToPage() = 0;
  // While the zoom is on: the picture takes back the stored one (merged with
  // a zoomed edit), the zoom panel and view go.
  virtual void dropZoomView() = 0;

  // ----- the tool palette's choices -------------------------------------------------
  // A tool was picked (the palette's do_tool, after it set the current tool):
  // a paste in progress ends, a curve under edit or an open outline goes, the
  // zoom is applied when it is on, and the undo copy takes the picture.
  virtual void beginTool(int tool) = 0;
  // The next press starts a new outline or polygon.
  virtual void resetOutline() = 0;
  // Whether the spray inverts what it sprays over ("Mixing ").
  virtual void setSprayMixing(bool mixing) = 0;
  // The block the pixel movers shift: `side` x `side`, in the picture's palette.
  virtual void setPixelMoverBlock(int side) = 0;
  // "Clear Image": the undo copy takes the picture, then the picture is
  // filled with the background colour.
  virtual void clearit() = 0;
  // The tone filters over the picture: heavy soft focus, soften light, and
  // darken (0) or lighten (1).
  virtual void doblend() = 0;
  virtual void doblend2() = 0;
  virtual void doblend3(int lighten) = 0;

  // ----- rotation -------------------------------------------------------------------
  // Before "Rotate Image" turns the undo copy into the picture: zoomed editing
  // ends, a floating clip stays as drawn, the undo copy takes the picture.
  virtual void prepareRotation() = 0;
  // The picture, the undo copy and the zoom backup become `square` (the
  // undo copy enlarged so a turn loses no corner); the window grows to show it.
  virtual void takeRotationSquare(const gdi::Bitmap& square) = 0;

 protected:
  MainWindow() = default;
  ~MainWindow() = default;
};

// The studio's main window. Throws std::logic_error while there is none
// (before start-up, and while the windows are being destroyed), so a
// handler that runs then ends in the error report rather than a crash.
MainWindow& mainWindow();
// The same, or null.
MainWindow* findMainWindow();

// What every window does when the clipboard offers or takes no bitmap: the
// message window with "Clipboard Not Available or Empty", not modal.
void showClipboardMessage();

}  // namespace app
