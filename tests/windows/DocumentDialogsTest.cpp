// "New Image Size" and "Jpeg Save Options".
#include <QPushButton>
#include <QSlider>

#include "DocumentWindows.h"
#include "document/windows/TBtnRightDlg.h"
#include "document/windows/Tjpop1.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpinEdit.h"

using namespace document_windows_test;

namespace {

class NewImageSize : public DocumentWindows {
 protected:
  TBtnRightDlg& dlg() { return *app::windows().BtnRightDlg; }
  std::pair<int, int> spins() { return {dlg().SpinEdit1->value(), dlg().SpinEdit2->value()}; }
};

}  // namespace

TEST_F(NewImageSize, StartsAt640By480WithTheSvgaItem) {
  EXPECT_EQ(dlg().windowTitle(), "New Image Size");
  EXPECT_EQ(spins(), std::make_pair(640, 480));
  EXPECT_EQ(dlg().RadioButton1->itemIndex(), 5);
  EXPECT_EQ(dlg().RadioButton1->title(), "Standard Image and Movie Frame Sizes");
  EXPECT_EQ(dlg().RadioButton1->items().at(4), "468x60  Standard Web Ad Banner Size");
  EXPECT_EQ(dlg().SpinEdit1->increment(), 10);
  EXPECT_EQ(dlg().SpinEdit1->maxValue(), 4000);
}

TEST_F(NewImageSize, ItemsSetTheSpinsAndShowingAppliesThemAgainWithTwoExceptions) {
  dlg().RadioButton1->setItemIndex(0);
  EXPECT_EQ(spins(), std::make_pair(176, 144));
  dlg().RadioButton1->setItemIndex(4);
  EXPECT_EQ(spins(), std::make_pair(468, 60));
  dlg().FormShow();
  EXPECT_EQ(spins(), std::make_pair(460, 55));

  dlg().RadioButton1->setItemIndex(8);
  EXPECT_EQ(spins(), std::make_pair(850, 1100));
  dlg().SpinEdit1->setValue(123);
  dlg().FormShow();
  EXPECT_EQ(spins(), std::make_pair(123, 1100));

  dlg().RadioButton1->setItemIndex(7);
  dlg().SpinEdit1->setValue(5);
  dlg().FormShow();
  EXPECT_EQ(spins(), std::make_pair(1024, 768));
}

TEST_F(NewImageSize, OkLimitsBothSides) {
  dlg().SpinEdit1->setText("5000");
  dlg().SpinEdit2->setText("3");
  dlg().OKBtn->click();
  EXPECT_EQ(spins(), std::make_pair(4000, 10));
  EXPECT_EQ(dlg().result(), QDialog::Accepted);
}

TEST_F(NewImageSize, TheJpegOptionsKeepTheirQuality) {
  Tjpop1& options = *app::windows().jpop1;
  EXPECT_EQ(options.windowTitle(), "Jpeg Save Options");
  EXPECT_EQ(options.quality(), 100);
  options.TrackBar1->setValue(5);
  EXPECT_EQ(options.quality(), 10);
  options.show();
  options.BitBtn1->click();
  EXPECT_FALSE(options.isVisible());
  EXPECT_EQ(options.quality(), 10);
}
