#include "app/Windows.h"

#include "animation/windows/TAnimCap1.h"
#include "animation/windows/TScreentest1.h"
#include "animation/windows/Tanwizfrm1.h"
#include "animation/windows/Tfolderdlg1.h"
#include "animation/windows/Tmovwizfrm1.h"
#include "animation/windows/Torightdlg.h"
#include "animation/windows/Twizwiz1.h"
#include "app/TPbook1.h"
#include "app/Taboutfrm1.h"
#include "app/Tactivityfrm.h"
#include "app/Tclpform1.h"
#include "app/Toptions1.h"
#include "clips/windows/TRotateform.h"
#include "clips/windows/Tcapformdlg.h"
#include "clips/windows/Tmorfshapeform.h"
#include "clips/windows/Tshapeform.h"
#include "document/windows/TBtnRightDlg.h"
#include "document/windows/TPrinfrm.h"
#include "document/windows/TResizeForm.h"
#include "document/windows/Tjpop1.h"
#include "document/windows/Tpicform1.h"
#include "media/windows/TALmaker.h"
#include "media/windows/TAVICAP.h"
#include "media/windows/Taviwin.h"
#include "media/windows/Tmediaform1.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/TTextMakerForm.h"
#include "tools/windows/TTextmemoform.h"
#include "tools/windows/Tgradform1.h"
#include "tools/windows/Tstation1.h"

namespace app {

Windows& windows() {
  static Windows registry;
  return registry;
}

std::vector<QWidget*> Windows::all() const {
  return {Pbook1,        Form3,        picform1,  Rotateform,    clpform1,   gradform1,
          TextMakerForm, Textmemoform, shapeform, morfshapeform, AnimCap1,   Screentest1,
          ResizeForm,    BtnRightDlg,  aboutfrm1, options1,      ALmaker,    mediaform1,
          station1,      jpop1,        orightdlg, folderdlg1,    capformdlg, wizwiz1,
          movwizfrm1,    anwizfrm1,    aviwin,    activityfrm,   Prinfrm,    AVICAP};
}

void createWindows() {
  Windows& w = windows();
  w.Pbook1 = new TPbook1;
  w.Form3 = new TForm3;
  w.picform1 = new Tpicform1;
  w.Rotateform = new TRotateform;
  w.clpform1 = new Tclpform1;
  w.gradform1 = new Tgradform1;
  w.TextMakerForm = new TTextMakerForm;
  w.Textmemoform = new TTextmemoform;
  w.shapeform = new Tshapeform;
  w.morfshapeform = new Tmorfshapeform;
  w.AnimCap1 = new TAnimCap1;
  w.Screentest1 = new TScreentest1;
  w.ResizeForm = new TResizeForm;
  w.BtnRightDlg = new TBtnRightDlg;
  w.aboutfrm1 = new Taboutfrm1;
  w.options1 = new Toptions1;
  w.ALmaker = new TALmaker;
  w.mediaform1 = new Tmediaform1;
  w.station1 = new Tstation1;
  w.jpop1 = new Tjpop1;
  w.orightdlg = new Torightdlg;
  w.folderdlg1 = new Tfolderdlg1;
  w.capformdlg = new Tcapformdlg;
  w.wizwiz1 = new Twizwiz1;
  w.movwizfrm1 = new Tmovwizfrm1;
  w.anwizfrm1 = new Tanwizfrm1;
  w.aviwin = new Taviwin;
  w.activityfrm = new Tactivityfrm;
  w.Prinfrm = new TPrinfrm;
  w.AVICAP = new TAVICAP;
}

void destroyWindows() {
  Windows& w = windows();
  std::vector<QWidget*> list = w.all();
  for (auto it = list.rbegin(); it != list.rend(); ++it) delete *it;
  w = Windows{};
}

}  // namespace app
