// "Rotated and 3D Text": the controls drive the sample label, the label's
// own painting goes to the clipboard (never what covers it on screen) and is
// handed to the main window's paste; the clip buttons load, recolour and
// hand over a clip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <climits>

#include "app/Tactivityfrm.h"
#include "app/Tclpform1.h"
#include "controls/TMyLabelRotate.h"
#include "platform/codecs/Bmp.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/SpinEdit.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"
#include "tools/windows/TTextMakerForm.h"
#include "tools/windows/TTextmemoform.h"

using testing_support::Studio;

namespace {

TTextMakerForm& shownForm() {
  TTextMakerForm& form = *app::windows().TextMakerForm;
  form.show();
  QApplication::processEvents();
  return form;
}

// The smallest row and column holding a pixel that is not white.
QPoint inkCorner(const gdi::Bitmap& b) {
  int top = INT_MAX, left = INT_MAX;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.pixel(x, y) != gdi::clWhite) {
        top = std::min(top, y);
        left = std::min(left, x);
      }
  return {left, top};
}

int countColor(const gdi::Bitmap& b, gdi::TColor c) {
  int n = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) == c;
  return n;
}

// A click on the picture point (x, y) of a stretched image control.
void clickPicturePoint(ui::ImageControl* image, int x, int y) {
  const QSize shown = image->size();
  const gdi::Bitmap& b = image->bitmap();
  Studio::leftClick(image, QPoint(x * shown.width() / b.width(), y * shown.height() / b.height()));
}

}  // namespace

TEST(TextMaker, RendersTheLabelsOwnPaintingEvenUnderAnotherWindow) {
  Studio studio;
  TTextMakerForm& form = shownForm();
  form.Edit1->setText("Quill 3D");
  form.SpinEdit1->setValue(30);
  studio.main().pbpastebut1->setEnabled(false);

  // A red window over the sample: a copy of the screen would take it in.
  QWidget cover;
  cover.setWindowFlag(Qt::WindowStaysOnTopHint);
  cover.setAutoFillBackground(true);
  QPalette red = cover.palette();
  red.setColor(QPalette::Window, Qt::red);
  cover.setPalette(red);
  cover.setGeometry(QRect(form.rlabel1->mapToGlobal(QPoint(40, 40)), QSize(300, 150)));
  cover.show();
  QApplication::processEvents();

  form.BitBtn4->click();
  const gdi::Bitmap clip = studio.clipboard().bitmap();
  ASSERT_FALSE(clip.empty());
  EXPECT_EQ(clip, form.rlabel1->clipboardBitmap());
  EXPECT_EQ(clip.width(), form.rlabel1->width() + 1);
  EXPECT_EQ(clip.height(), form.rlabel1->height() + 1);
  EXPECT_EQ(clip.pixel(5, 5), gdi::clWhite);
  EXPECT_EQ(inkCorner(clip), QPoint(20, 20));
  EXPECT_EQ(countColor(clip, gdi::clRed), 0);
  EXPECT_GT(countColor(clip, gdi::clBlack), 100);  // the text and its dark shade
  EXPECT_TRUE(studio.main().pbpastebut1->isEnabled());

  // The hand-over: the main window's paste floats exactly that picture.
  studio.main().pbpastebut1->click();
  EXPECT_TRUE(studio.main().pastepanel1->isVisible());
  EXPECT_EQ(studio.main().clpmap1->bitmap(), clip);
}

TEST(TextMaker, NoClipboardShowsTheMessageAndEnablesNoPaste) {
  Studio studio;
  TTextMakerForm& form = shownForm();
  studio.main().pbpastebut1->setEnabled(false);
  studio.clipboard().setAvailable(false);
  form.BitBtn4->click();
  EXPECT_TRUE(app::windows().clpform1->isVisible());
  EXPECT_EQ(app::windows().clpform1->Label1->text(), "Clipboard Not Available or Empty");
  EXPECT_FALSE(studio.main().pbpastebut1->isEnabled());
}

TEST(TextMaker, ControlsSetTheLabelAndItsStyle) {
  Studio studio;
  TTextMakerForm& form = shownForm();
  TMyLabelRotate& label = *form.rlabel1;
  controls::TLabelStyle& style = label.LabelStyle();
  EXPECT_EQ(style.AShadeLeftTop(), gdi::clWhite);
  EXPECT_EQ(style.AShadeRightBottom(), gdi::clBlack);
  EXPECT_EQ(form.RadioGroup1->itemIndex(), 1);
  EXPECT_EQ(style.AStyle3D(), controls::A3dRaised);

  form.Edit1->setText("Banner");
  EXPECT_EQ(label.Caption(), "Banner");

  form.SpinEdit1->setText("45");
  EXPECT_EQ(style.Angle(), 45);
  form.SpinEdit1->setText("360");  // typed past the end: stored as 0
  EXPECT_EQ(style.Angle(), 0);
  form.SpinEdit2->setValue(-7);
  EXPECT_EQ(style.AHShadeOffSet(), -7);

  const std::pair<int, controls::T3DEffectShort> items[] = {{0, controls::A3dNormal},
                                                            {2, controls::A3dResit},
                                                            {3, controls::A3dShadowed},
                                                            {1, controls::A3dRaised}};
  for (auto [item, effect] : items) {
    form.RadioGroup1->setItemIndex(item);
    EXPECT_EQ(style.AStyle3D(), effect) << item;
  }

  // The white highlight switch keeps the colour picked before it.
  clickPicturePoint(form.Image1, 10, 20);
  const gdi::TColor picked = form.Image1->bitmap().pixel(10, 20);
  ASSERT_NE(picked, gdi::clWhite);
  EXPECT_EQ(style.AShadeLeftTop(), picked);
  form.CheckBox1->setChecked(true);
  EXPECT_EQ(style.AShadeLeftTop(), gdi::clWhite);
  clickPicturePoint(form.Image1, 40, 5);  // ignored while white is forced
  form.CheckBox1->setChecked(false);
  EXPECT_EQ(style.AShadeLeftTop(), picked);

  form.CheckBox2->setChecked(false);
  EXPECT_FALSE(label.MyTransparent());

  clickPicturePoint(form.Image2, 30, 30);
  EXPECT_EQ(style.AShadeRightBottom(), form.Image2->bitmap().pixel(30, 30));
  clickPicturePoint(form.Image3, 50, 10);
  EXPECT_EQ(label.Font().color, form.Image3->bitmap().pixel(50, 10));
  clickPicturePoint(form.Image4, 60, 40);
  EXPECT_EQ(label.Color(), form.Image4->bitmap().pixel(60, 40));
}

TEST(TextMaker, FontDialogSetsTheFontAndCancelKeepsIt) {
  Studio studio;
  TTextMakerForm& form = shownForm();
  const gdi::Font before = form.rlabel1->Font();
  studio.dialogs().answerFont(std::nullopt);
  form.BitBtn1->click();
  EXPECT_EQ(form.rlabel1->Font().name, before.name);
  EXPECT_EQ(form.rlabel1->Font().height, before.height);

  gdi::Font courier;
  courier.name = "Courier New";
  courier.setSize(20);
  studio.dialogs().answerFont(courier);
  form.BitBtn1->click();
  EXPECT_EQ(form.rlabel1->Font().name, "Courier New");
  EXPECT_EQ(form.rlabel1->Font().size(), 20);
}

TEST(TextMaker, ClipButtonsLoadRecolourAndHandOverAClip) {
  Studio studio;
  TTextMakerForm& form = shownForm();
  TForm3& palette = *app::windows().Form3;

  // Nothing loaded yet, nothing on the clipboard.
  studio.clipboard().clear();
  studio.dialogs().answerMessage("Clip not available", ui::MsgResult::Ok);
  form.BitBtn6->click();
  studio.dialogs().answerMessage("Clip not available", ui::MsgResult::Ok);
  form.BitBtn9->click();
  ASSERT_EQ(studio.dialogs().messages().size(), 2u);
  EXPECT_EQ(studio.dialogs().messages()[0].caption, "error");
  EXPECT_FALSE(form.clipLoaded());

  // A clip from a bitmap file: red and white halves.
  gdi::Bitmap clip(60, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 30; ++x) clip.setPixel(x, y, gdi::clRed);
  const QString file = studio.tempPath("clip.bmp");
  codecs::writeBmpFile(file.toStdString(), clip);
  studio.dialogs().answerOpen(file);
  form.BitBtn7->click();
  ASSERT_TRUE(form.clipLoaded());
  EXPECT_TRUE(form.Image1->bitmap().samePixels(clip));
  clickPicturePoint(form.Image1, 5, 5);  // its colours can be picked
  EXPECT_EQ(form.rlabel1->LabelStyle().AShadeLeftTop(), gdi::clRed);

  // A file that is no bitmap: a message, the clip stays.
  const QString junk = studio.tempPath("junk.bmp");
  {
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture at all");
  }
  studio.dialogs().answerOpen(junk);
  studio.dialogs().answerMessage(ui::MsgResult::Ok);
  form.BitBtn7->click();
  EXPECT_TRUE(form.Image1->bitmap().samePixels(clip));

  // Foreground red becomes background blue; white is the clip's outside.
  palette.ForeColor = gdi::clRed;
  palette.BackColor = gdi::clBlue;
  form.BitBtn8->click();
  EXPECT_EQ(countColor(form.Image1->bitmap(), gdi::clBlue), 30 * 40);
  EXPECT_EQ(countColor(form.Image1->bitmap(), gdi::clWhite), 30 * 40);
  palette.ForeColor = gdi::clWhite;
  studio.dialogs().answerMessage("Cannot replace with white using this tool.", ui::MsgResult::Ok);
  form.BitBtn8->click();
  EXPECT_EQ(countColor(form.Image1->bitmap(), gdi::clWhite), 30 * 40);

  // Handed to the paste.
  studio.main().pbpastebut1->setEnabled(false);
  form.BitBtn9->click();
  EXPECT_TRUE(studio.clipboard().bitmap().samePixels(form.Image1->bitmap()));
  EXPECT_TRUE(studio.main().pbpastebut1->isEnabled());

  // From the clipboard.
  gdi::Bitmap green(16, 16);
  green.fill(gdi::clLime);
  studio.clipboard().setBitmap(green);
  form.BitBtn6->click();
  EXPECT_TRUE(form.Image1->bitmap().samePixels(green));
  EXPECT_TRUE(studio.dialogs().failures().isEmpty());
}

TEST(TextMaker, OpensTheNotepadAndTheHelp) {
  Studio studio;
  TTextMakerForm& form = shownForm();
  // For a look at the windows: QM_SCREENSHOT_DIR=/tmp/shots test_windows ...
  if (const QByteArray dir = qgetenv("QM_SCREENSHOT_DIR"); !dir.isEmpty()) {
    form.SpinEdit1->setValue(20);
    app::windows().Textmemoform->show();
    QApplication::processEvents();
    form.grab().save(QString::fromLocal8Bit(dir) + "/textmaker.png");
    app::windows().Textmemoform->grab().save(QString::fromLocal8Bit(dir) + "/notepad.png");
    app::windows().activityfrm->show();
    QApplication::processEvents();
    app::windows().activityfrm->grab().save(QString::fromLocal8Bit(dir) + "/activity.png");
    app::windows().activityfrm->hide();
  }
  form.BitBtn5->click();
  EXPECT_TRUE(app::windows().Textmemoform->isVisible());
  studio.main().hide();
  form.SpeedButton1->click();
  EXPECT_TRUE(studio.main().isVisible());
  EXPECT_TRUE(studio.dialogs().messages().empty());  // the help page was found
  form.BitBtn3->click();
  EXPECT_FALSE(form.isVisible());
}
