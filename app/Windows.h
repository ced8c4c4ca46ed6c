#pragma once
// The studio's windows: every window class exists once for the whole run,
// created hidden at start-up in a fixed order and reached through this registry
// (for example app::windows().Form3->CurTool). The registry owns them: only
// destroyWindows ends them, and a slot is empty before its window goes, so
// nothing running during the teardown is handed a window half destroyed.
// Windows reach the main window through app/interface/MainWindow.h.
#include <QWidget>
#include <vector>

class TPbook1;
class TForm3;
class Tpicform1;
class TRotateform;
class Tclpform1;
class Tgradform1;
class TTextMakerForm;
class TTextmemoform;
class Tshapeform;
class Tmorfshapeform;
class TAnimCap1;
class TScreentest1;
class TResizeForm;
class TBtnRightDlg;
class Taboutfrm1;
class Toptions1;
class TALmaker;
class Tmediaform1;
class Tstation1;
class Tjpop1;
class Torightdlg;
class Tfolderdlg1;
class Tcapformdlg;
class Twizwiz1;
class Tmovwizfrm1;
class Tanwizfrm1;
class Taviwin;
class Tactivityfrm;
class TPrinfrm;
class TAVICAP;

namespace app {

struct Windows {
  TPbook1* Pbook1 = nullptr;
  TForm3* Form3 = nullptr;
  Tpicform1* picform1 = nullptr;
  TRotateform* Rotateform = nullptr;
  Tclpform1* clpform1 = nullptr;
  Tgradform1* gradform1 = nullptr;
  TTextMakerForm* TextMakerForm = nullptr;
  TTextmemoform* Textmemoform = nullptr;
  Tshapeform* shapeform = nullptr;
  Tmorfshapeform* morfshapeform = nullptr;
  TAnimCap1* AnimCap1 = nullptr;
  TScreentest1* Screentest1 = nullptr;
  TResizeForm* ResizeForm = nullptr;
  TBtnRightDlg* BtnRightDlg = nullptr;
  Taboutfrm1* aboutfrm1 = nullptr;
  Toptions1* options1 = nullptr;
  TALmaker* ALmaker = nullptr;
  Tmediaform1* mediaform1 = nullptr;
  Tstation1* station1 = nullptr;
  Tjpop1* jpop1 = nullptr;
  Torightdlg* orightdlg = nullptr;
  Tfolderdlg1* folderdlg1 = nullptr;
  Tcapformdlg* capformdlg = nullptr;
  Twizwiz1* wizwiz1 = nullptr;
  Tmovwizfrm1* movwizfrm1 = nullptr;
  Tanwizfrm1* anwizfrm1 = nullptr;
  Taviwin* aviwin = nullptr;
  Tactivityfrm* activityfrm = nullptr;
  TPrinfrm* Prinfrm = nullptr;
  TAVICAP* AVICAP = nullptr;

  // Every window in creation order (null where there is none).
  std::vector<QWidget*> all() const;
};

Windows& windows();

// Creates every window, hidden, in creation order; the main window first.
// Throws std::logic_error when they exist already.
void createWindows();
// Destroys them in reverse order (end of the run, or of a test), emptying
// each slot before its window goes.
void destroyWindows();

}  // namespace app
