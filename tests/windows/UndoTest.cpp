// Undo and redo on the main window, and the undo copy's pop-up menu.
#include <QAction>
#include <QFile>
#include <QToolButton>

#include "DocumentWindows.h"
#include "PictureForms.h"
#include "app/Tclpform1.h"
#include "document/engine/UndoRedo.h"
#include "platform/codecs/Bmp.h"
#include "platform/gdi/Canvas.h"
#include "platform/ui/ImageControl.h"

using namespace document_windows_test;

namespace {

class Undo : public DocumentWindows {
 protected:
  gdi::Bitmap& picture() { return main().picture(); }
  // Picking a tool takes the undo copy; strokes follow.
  void pickTool() { document::takeUndoCopy(picture(), main().image2->bitmap()); }
  void stroke(int y) {
    gdi::Canvas& c = picture().canvas();
    c.pen.width = 3;
    c.moveTo(10, y);
    c.lineTo(300, y);
    main().ptbox1->refresh();
  }
};

}  // namespace

TEST_F(Undo, UndoAfterThreeStrokesAndRedoTwice) {
  const gdi::Bitmap blank = picture();
  pickTool();
  stroke(50);
  stroke(100);
  stroke(150);
  const gdi::Bitmap drawn = picture();
  main().markModified();

  main().undoptb1->click();
  EXPECT_TRUE(picture() == blank);
  EXPECT_TRUE(main().redoptb1->isEnabled());
  EXPECT_TRUE(main().isModified());

  main().redoptb1->click();
  EXPECT_TRUE(picture() == drawn);
  EXPECT_FALSE(main().redoptb1->isEnabled());
  EXPECT_TRUE(main().undoptb1->isEnabled());
  // The redo copy is kept: a second Redo gives the same picture.
  main().redoptb1Click();
  EXPECT_TRUE(picture() == drawn);
}

TEST_F(Undo, UndoTwiceMakesRedoGiveTheUndoneState) {
  const gdi::Bitmap blank = picture();
  pickTool();
  stroke(60);
  main().undoptb1->click();
  main().undoptb1->click();
  main().redoptb1->click();
  EXPECT_TRUE(picture() == blank);
}

TEST_F(Undo, RedoBeforeAnyUndoKeepsThePicture) {
  pickTool();
  stroke(70);
  const gdi::Bitmap drawn = picture();
  ASSERT_TRUE(main().redoptb1->isEnabled());  // enabled by the page set-up
  main().redoptb1->click();
  EXPECT_TRUE(picture() == drawn);
}

TEST_F(Undo, TheUndoCopyCanBeCopiedAndSaved) {
  pickTool();
  stroke(80);
  main().Copy1->trigger();
  EXPECT_TRUE(clipboard().bitmap() == main().image2->bitmap());

  // The file holds the undo copy, not the picture: the window keeps its
  // name and the question about the picture's own changes.
  main().markModified();
  const QString file = path("undo.bmp");
  dialogs().answerSave(file);
  main().Save1->trigger();
  EXPECT_TRUE(codecs::readBmpFile(file.toStdString()) == main().image2->bitmap());
  EXPECT_EQ(main().windowTitle(), "TEMP.BMP");
  EXPECT_TRUE(main().isModified());
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::Cancel);
  EXPECT_FALSE(main().checktosave());

  clipboard().setAvailable(false);
  main().Copy1->trigger();
  EXPECT_TRUE(app::windows().clpform1->isVisible());
}

TEST_F(Undo, ANewOrLoadedPictureStartsWithNothingToRedo) {
  pickTool();
  stroke(90);
  main().undoptb1->click();
  dialogs().answerMessage("Save changes to TEMP.BMP?", ui::MsgResult::No);
  testing_support::answerNewImage(dialogs(), "200", "100");
  main().ToolButton14->click();
  const gdi::Bitmap blank = picture();
  ASSERT_EQ(blank.width(), 200);
  main().redoptb1->click();
  EXPECT_TRUE(picture() == blank);

  pickTool();
  stroke(40);
  main().undoptb1->click();
  dialogs().answerSave(path("before.bmp"));
  main().ToolButton13->click();  // saved: opening asks nothing
  const QString file = path("loaded.bmp");
  writeBmp(file, quadrants(120, 80));
  dialogs().answerOpen(file);
  main().FileDialog1->trigger();
  ASSERT_TRUE(picture() == quadrants(120, 80));
  main().redoptb1->click();
  EXPECT_TRUE(picture() == quadrants(120, 80));
}
