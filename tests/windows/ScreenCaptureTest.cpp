// The screen shot: the studio's windows are out of the way while the screen
// is taken, and back afterwards.
#include <QApplication>
#include <QPushButton>

#include "DocumentWindows.h"
#include "clips/windows/Tcapformdlg.h"
#include "platform/ui/ImageControl.h"

using namespace document_windows_test;

namespace {

class ScreenCapture : public DocumentWindows {
 protected:
  ScreenCapture() {
    for (QWidget* w : {static_cast<QWidget*>(&main()), static_cast<QWidget*>(&browser())})
      w->show();
    Tpicform1::screenGrabber() = [this](QScreen*) {
      ++grabs;
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) visibleAtGrab << w->objectName();
      QPixmap shot(300, 200);
      shot.fill(Qt::red);
      return shot;
    };
  }
  int grabs = 0;
  QStringList visibleAtGrab;
};

}  // namespace

TEST_F(ScreenCapture, NoneOfTheStudiosWindowsIsOnScreenWhenTheScreenIsTaken) {
  QStringList visibleWhenAsked;
  dialogs().answerForm("Tcapformdlg", [&](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Capture screen");
    for (QWidget* w : {static_cast<QWidget*>(&main()), static_cast<QWidget*>(&browser())})
      if (w->isVisible()) visibleWhenAsked << w->objectName();
    static_cast<Tcapformdlg&>(d).BitBtn1->click();
    return d.result();
  });
  browser().SpeedButton4->click();

  EXPECT_TRUE(visibleWhenAsked.isEmpty()) << visibleWhenAsked.join(' ').toStdString();
  EXPECT_EQ(grabs, 1);
  EXPECT_TRUE(visibleAtGrab.isEmpty()) << visibleAtGrab.join(' ').toStdString();
  // The preview is the screen's size with the grab at its top left.
  const gdi::Bitmap& shot = browser().Image1->bitmap();
  EXPECT_EQ(shot.width(), 1024);
  EXPECT_EQ(shot.height(), 768);
  EXPECT_EQ(shot.pixel(0, 0), 0x0000FF);
  EXPECT_EQ(shot.pixel(299, 199), 0x0000FF);
  EXPECT_EQ(shot.pixel(300, 199), gdi::clWhite);
  EXPECT_TRUE(main().isVisible());
  EXPECT_TRUE(browser().isVisible());
}

TEST_F(ScreenCapture, CancelShowsTheWindowsAgainAndTakesNothing) {
  browser().Image1->setBitmap(quadrants(20, 20));
  dialogs().answerForm("Tcapformdlg", [](QDialog& d) {
    static_cast<Tcapformdlg&>(d).BitBtn2->click();
    return d.result();
  });
  browser().SpeedButton4Click();
  EXPECT_EQ(grabs, 0);
  const gdi::Bitmap& shot = browser().Image1->bitmap();
  EXPECT_EQ(shot.width(), 1024);
  EXPECT_EQ(shot.pixel(0, 0), 0x000000);  // the old picture, on a screen-sized bitmap
  EXPECT_EQ(shot.pixel(500, 500), gdi::clWhite);
  EXPECT_TRUE(main().isVisible());
  EXPECT_TRUE(browser().isVisible());
}
