#include "app/TPbook1.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "platform/ui/ErrorReport.h"
#include "platform/ui/GuardedConnect.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/ShapeControl.h"
#include "platform/ui/SpinEdit.h"

TPbook1::TPbook1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TPbook1");
  setWindowTitle("TEMP.BMP");
  setAcceptDrops(true);
  // Hints also while the palette or another window has the focus.
  setAttribute(Qt::WA_AlwaysShowToolTips);
  // Small enough for a rolled-up window and the narrowest width start-up
  // gives; the layout would otherwise hold the window at its full minimum.
  setMinimumSize(200, 100);
  buildLayout();
  wireCommands();
  wireCanvas();
  FormCreate();
}

TPbook1::~TPbook1() = default;

gdi::Bitmap& TPbook1::picture() { return ptbox1->bitmap(); }
gdi::Bitmap& TPbook1::undoCopy() { return image2->bitmap(); }
void TPbook1::pictureChanged() { ptbox1->refresh(); }

std::function<void()>& TPbook1::companionCopyHook() {
  static std::function<void()> hook;
  return hook;
}

QString TPbook1::caption() const { return windowTitle(); }
void TPbook1::setCaption(const QString& caption) { setWindowTitle(caption); }

bool TPbook1::eventFilter(QObject* watched, QEvent* event) {
  const bool release = event->type() == QEvent::MouseButtonRelease &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  if (watched == StatusBar1 && event->type() == QEvent::Resize) {
    StatusBar1Resize();
  } else if (watched == ptbox1 && event->type() == QEvent::Resize) {
    // The scroll box's content grows and shrinks with the picture.
    if (QWidget* content = ptbox1->parentWidget())
      content->resize(ptbox1->geometry().bottomRight().x() + 1,
                      ptbox1->geometry().bottomRight().y() + 1);
  } else if (watched == ptbox1 && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    bool used = false;
    ui::runGuarded([&] { used = ptbox1KeyDown(key->key(), key->modifiers()); });
    if (used) return true;
  } else if (release && watched == ToolBar1) {
    ui::runGuarded([this] { ToolBar1Click(); });
    return true;
  } else if (release && watched == Panel6) {
    ui::runGuarded([this] { Panel6Click(); });
    return true;
  } else if (release && watched == Label16) {
    ui::runGuarded([this] { Label16Click(); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TPbook1::wireCommands() {
  auto onClick = [this](QAbstractButton* button, void (TPbook1::*handler)()) {
    ui::connectGuarded(button, &QAbstractButton::clicked, this,
                       [this, handler] { (this->*handler)(); });
  };
  auto onTrigger = [this](QAction* action, void (TPbook1::*handler)()) {
    ui::connectGuarded(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  };
  auto clicks = [this](QAction* action, QAbstractButton* button) {
    ui::connectGuarded(action, &QAction::triggered, button, [button] { button->click(); });
  };

  // The curve's handles: pressed, the curve's point follows the mouse until
  // the next click on the picture, or to where a drag with the button held ends.
  ui::ShapeControl* handles[] = {s1, s2, s3, s4};
  for (int i = 0; i < 4; ++i) {
    ui::connectGuarded(
        handles[i], &ui::ShapeControl::mouseDown, this,
        [this, i](ui::MouseButton, ui::ShiftState, int x, int y) { handleMouseDown(i, x, y); });
    ui::connectGuarded(handles[i], &ui::ShapeControl::mouseMove, this,
                       [this, i](ui::ShiftState s, int x, int y) { handleMouseMove(i, s, x, y); });
    ui::connectGuarded(handles[i], &ui::ShapeControl::mouseUp, this,
                       [this, i](ui::MouseButton b, ui::ShiftState s, int x, int y) {
                         handleMouseUp(i, b, s, x, y);
                       });
  }

  // Tool bar.
  onClick(ToolButton14, &TPbook1::ToolButton14Click);
  onClick(ToolButton11, &TPbook1::ToolButton11Click);
  onClick(ToolButton12, &TPbook1::ToolButton12Click);
  onClick(ToolButton13, &TPbook1::ToolButton13Click);
  onClick(ToolButton6, &TPbook1::ToolButton6Click);
  onClick(ToolButton1, &TPbook1::ToolButton1Click);
  onClick(pbrotbut1, &TPbook1::pbrotbut1Click);
  onClick(resizebut1, &TPbook1::resizebut1Click);
  onClick(pblassoobut1, &TPbook1::pblassoobut1Click);
  onClick(pbcapbxbut1, &TPbook1::pbcapbxbut1Click);
  onClick(ToolButton7, &TPbook1::ToolButton7Click);
  onClick(pbpastebut1, &TPbook1::pbpastebut1Click);
  onClick(pbpastrefrombut1, &TPbook1::pbpastrefrombut1Click);
  onClick(pbpastetobut1, &TPbook1::pbpastetobut1Click);
  onClick(ToolButton3, &TPbook1::ToolButton3Click);
  onClick(ToolButton4, &TPbook1::ToolButton4Click);
  onClick(ToolButton5, &TPbook1::ToolButton5Click);
  onClick(ToolButton16, &TPbook1::ToolButton16Click);
  onClick(ToolButton15, &TPbook1::ToolButton15Click);
  onClick(ToolButton17, &TPbook1::ToolButton17Click);
  onClick(ToolButton8, &TPbook1::ToolButton8Click);
  onClick(ToolButton9, &TPbook1::ToolButton9Click);

  // Side panel.
  onClick(undoptb1, &TPbook1::undoptb1Click);
  onClick(redoptb1, &TPbook1::redoptb1Click);
  onClick(zmbuton, &TPbook1::zmbutonClick);
  onClick(zmbutoff, &TPbook1::zmbutoffClick);
  auto onChange = [this](ui::SpinEdit* spin, void (TPbook1::*handler)()) {
    ui::connectGuarded(spin, &ui::SpinEdit::changed, this, [this, handler] { (this->*handler)(); });
  };
  onChange(zm1spin, &TPbook1::zm1spinChange);
  onChange(spinedit1, &TPbook1::spinedit1Change);
  onChange(spinedit4, &TPbook1::spinedit4Change);
  onClick(SpeedButton8, &TPbook1::SpeedButton8Click);
  onClick(SpeedButton9, &TPbook1::SpeedButton9Click);
  onClick(SpeedButton2, &TPbook1::SpeedButton2Click);

  // Pages.
  onClick(getsbut1, &TPbook1::getsbut1Click);
  onClick(BitBtn1, &TPbook1::BitBtn1Click);
  onClick(BitBtn2, &TPbook1::BitBtn2Click);
  ui::connectGuarded(BitBtn9, &QPushButton::clicked, this,
                     [this] { dohelp(QStringLiteral("Zoom and Camera.RTF")); });
  ui::connectGuarded(BitBtn15, &QPushButton::clicked, this,
                     [this] { dohelp(QStringLiteral("Web Pages.RTF")); });
  ui::connectGuarded(Image5, &ui::ImageControl::clicked, this, [this] { Image5Click(); });
  ui::connectGuarded(Image1, &ui::ImageControl::dropped, this,
                     [this](QWidget* source, int, int) { Image1DragDrop(source); });
  // The capture frame: a new size centres it, a new position moves it there.
  for (ui::SpinEdit* size : {SpinEdit2, SpinEdit3})
    ui::connectGuarded(size, &ui::SpinEdit::changed, this, [this] { zposbox(false); });
  for (ui::SpinEdit* position : {spbox1, spbox2})
    ui::connectGuarded(position, &ui::SpinEdit::changed, this, [this] { zposbox(true); });
  onTrigger(Copy1, &TPbook1::Copy1Click);
  onTrigger(Save1, &TPbook1::Save1Click);
  ui::connectGuarded(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

  // Menus.
  onTrigger(New1, &TPbook1::New1Click);
  onTrigger(Browser1, &TPbook1::Browser1Click);
  onTrigger(FileDialog1, &TPbook1::FileDialog1Click);
  clicks(SaveMenuItem, ToolButton12);
  clicks(SaveAsMenuItem, ToolButton13);
  onTrigger(JpegSaveOptions1, &TPbook1::JpegSaveOptions1Click);
  onTrigger(Print1, &TPbook1::Print1Click);
  onTrigger(PrintOptions1, &TPbook1::PrintOptions1Click);
  onTrigger(PrintSetup1, &TPbook1::PrintSetup1Click);
  onTrigger(Exit1, &TPbook1::Exit1Click);
  clicks(UndoMenuItem, undoptb1);
  clicks(RedoMenuItem, redoptb1);
  onTrigger(Cut1, &TPbook1::Cut1Click);
  clicks(CopyImageMenuItem, ToolButton7);
  clicks(PasteMenuItem, pbpastebut1);
  onTrigger(Copy2, &TPbook1::Copy2Click);
  onTrigger(Save2, &TPbook1::Save2Click);
  clicks(Rotate1, pbrotbut1);
  clicks(Resize1, resizebut1);
  onTrigger(PixelAnimatorsers1, &TPbook1::PixelAnimatorsers1Click);
  onTrigger(GradientTools1, &TPbook1::GradientTools1Click);
  onTrigger(FancyText1, &TPbook1::FancyText1Click);
  onTrigger(Text1, &TPbook1::Text1Click);
  onTrigger(AnimationManager1, &TPbook1::AnimationManager1Click);
  onTrigger(MultimediaPlayer1, &TPbook1::MultimediaPlayer1Click);
  onTrigger(ImageMap1, &TPbook1::ImageMap1Click);
  onTrigger(Animation1, &TPbook1::Animation1Click);
  onTrigger(Movies1, &TPbook1::Movies1Click);
  onTrigger(PlayMusic1, &TPbook1::PlayMusic1Click);
  onTrigger(CreateStationeryackground1, &TPbook1::CreateStationeryackground1Click);
  onTrigger(Toolbar3, &TPbook1::Toolbar3Click);
  onTrigger(HorizontalScrollBars1, &TPbook1::HorizontalScrollBars1Click);
  onTrigger(VerticalScrollBArs1, &TPbook1::VerticalScrollBArs1Click);
  onTrigger(NoneStayonTop1, &TPbook1::NoneStayonTop1Click);
  onTrigger(About1, &TPbook1::About1Click);

  const std::pair<QAction*, const char*> help[] = {{HelpFiles1, "Getting Started.RTF"},
                                                   {GeneralHelp1, "PAINTHELP.RTF"},
                                                   {PastePanel2, "Paste Panel.RTF"},
                                                   {AnimationMagic1, "Animation Magic.RTF"},
                                                   {AnimationWizard1, "Animation Wizard.RTF"},
                                                   {MovieWizard1, "Movie Wizard.RTF"},
                                                   {MultimediaPlayer2, "Multimedia Player.RTF"},
                                                   {SupportServices1, "Support.RTF"},
                                                   {WebPages1, "Web Pages.RTF"}};
  for (const auto& [action, file] : help) {
    const QString name = QString::fromLatin1(file);
    ui::connectGuarded(action, &QAction::triggered, this, [this, name] { dohelp(name); });
  }
}
