// "Replace a color with clipboard" (tool 217): a click shows the clipboard
// picture through every pixel of the clicked colour, aligned at the
// picture's top left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QToolButton>

#include "PasteSupport.h"
#include "platform/ui/ScriptedDialogs.h"

using namespace paste_test;
using testing_support::Studio;

namespace {

// A white picture with a blue block over (10, 10) .. (89, 59).
gdi::Bitmap blockPicture() {
  gdi::Bitmap b(120, 80);
  for (int y = 10; y < 60; ++y)
    for (int x = 10; x < 90; ++x) b.setPixel(x, y, gdi::clBlue);
  return b;
}

void pickClipReplace(Studio& studio) {
  auto* button = studio.find<QToolButton>("BitBtn23");
  ASSERT_NE(button, nullptr);
  button->click();
  QApplication::processEvents();
  ASSERT_EQ(app::windows().Form3->CurTool, 217);
}

}  // namespace

TEST(ClipReplace, TheClickedColourShowsTheClipboardPictureAtTheSamePlace) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = blockPicture();
  setPicture(m, before);
  const gdi::Bitmap clip = coordinatePicture(50, 40);  // smaller than the block
  studio.clipboard().setBitmap(clip);
  pickClipReplace(studio);
  press(m, 30, 30);
  release(m, 30, 30);

  gdi::Bitmap expected = before;
  for (int y = 10; y < 40; ++y)
    for (int x = 10; x < 50; ++x) expected.setPixel(x, y, clip.pixel(x, y));
  EXPECT_EQ(m.picture(), expected);       // the block beyond the clip stays blue
  EXPECT_EQ(m.image2->bitmap(), before);  // undo takes it back
  EXPECT_EQ(m.clpmap1->bitmap(), clip);
  EXPECT_FALSE(m.bg1->isVisible());

  // White was clicked: the clip's pixels land only where the picture is white.
  press(m, 5, 5);
  release(m, 5, 5);
  EXPECT_EQ(m.picture().pixel(5, 5), clip.pixel(5, 5));
  EXPECT_EQ(m.picture().pixel(60, 5), gdi::clWhite);  // outside the clip's width
  EXPECT_EQ(m.picture().pixel(20, 20), clip.pixel(20, 20));
}

TEST(ClipReplace, AnEmptyClipboardIsReportedAndChangesNothing) {
  Studio studio;
  TPbook1& m = studio.main();
  const gdi::Bitmap before = blockPicture();
  setPicture(m, before);
  studio.clipboard().clear();
  pickClipReplace(studio);
  studio.dialogs().answerMessage(QStringLiteral("Clipboard not available"), ui::MsgResult::Ok);
  press(m, 30, 30);
  release(m, 30, 30);
  const auto messages = studio.dialogs().messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Clipboard not available");
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_EQ(m.picture(), before);
}
