#include "app/Windows.h"

#include <QCoreApplication>
#include <functional>
#include <stdexcept>
#include <type_traits>
#include <utility>

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
#include "platform/ui/GuardedConnect.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/TTextMakerForm.h"
#include "tools/windows/TTextmemoform.h"
#include "tools/windows/Tgradform1.h"
#include "tools/windows/Tstation1.h"

namespace app {

namespace {

// Calls `f` with every window's slot in the registry, in creation order.
template <class Registry, class F>
void forEachSlot(Registry& w, F&& f) {
  f(w.Pbook1);
  f(w.Form3);
  f(w.picform1);
  f(w.Rotateform);
  f(w.clpform1);
  f(w.gradform1);
  f(w.TextMakerForm);
  f(w.Textmemoform);
  f(w.shapeform);
  f(w.morfshapeform);
  f(w.AnimCap1);
  f(w.Screentest1);
  f(w.ResizeForm);
  f(w.BtnRightDlg);
  f(w.aboutfrm1);
  f(w.options1);
  f(w.ALmaker);
  f(w.mediaform1);
  f(w.station1);
  f(w.jpop1);
  f(w.orightdlg);
  f(w.folderdlg1);
  f(w.capformdlg);
  f(w.wizwiz1);
  f(w.movwizfrm1);
  f(w.anwizfrm1);
  f(w.aviwin);
  f(w.activityfrm);
  f(w.Prinfrm);
  f(w.AVICAP);
}

}  // namespace

Windows& windows() {
  static Windows registry;
  return registry;
}

std::vector<QWidget*> Windows::all() const {
  std::vector<QWidget*> list;
  forEachSlot(*this, [&](QWidget* window) { list.push_back(window); });
  return list;
}

void createWindows() {
  Windows& w = windows();
  if (w.Pbook1) throw std::logic_error("The studio's windows exist already");
  forEachSlot(w, [](auto*& slot) {
    using Window = std::remove_pointer_t<std::remove_reference_t<decltype(slot)>>;
    slot = new Window;
    // A window destroyed by anyone but destroyWindows leaves no dangling
    // pointer behind.
    ui::connectGuarded(slot, &QObject::destroyed, QCoreApplication::instance(),
                       [&slot] { slot = nullptr; });
  });
}

void destroyWindows() {
  // Each slot is emptied before its window goes, so what runs while a window
  // is destroyed finds it gone rather than half destroyed.
  std::vector<std::function<void()>> destroyers;
  forEachSlot(windows(), [&](auto*& slot) {
    destroyers.emplace_back([&slot] { delete std::exchange(slot, nullptr); });
  });
  for (auto it = destroyers.rbegin(); it != destroyers.rend(); ++it) (*it)();
}

MainWindow* findMainWindow() { return windows().Pbook1; }

MainWindow& mainWindow() {
  MainWindow* main = findMainWindow();
  if (!main) throw std::logic_error("The main window is not open");
  return *main;
}

}  // namespace app
