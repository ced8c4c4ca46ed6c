// Morphing a picture into a shape: the capture hand-over pours the picture
// held in morfimage1 into the shape of the new clip and pastes the result.
// The options window, "Morf Shapes" and the morph paste window start it.
#include <QProgressBar>

#include "app/TPbook1.h"
#include "app/Tclpform1.h"
#include "app/Windows.h"
#include "clips/engine/Morph.h"
#include "clips/windows/Tshapeform.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/Services.h"
#include "platform/ui/UserDialogs.h"
#include "tools/windows/TForm3.h"

const gdi::Bitmap& TPbook1::clip() const { return clpmap1->bitmap(); }

bool TPbook1::morphInto(const gdi::Bitmap& content, gdi::Bitmap& shape) {
  const bool shown = bg1->isVisible();
  showProgress();
  const auto step = [this](int position) {
    bg1->setValue(position);
    return true;
  };
  const clips::MorphResult result = clips::morph(content, shape, step);
  if (!shown) bg1->hide();
  if (result == clips::MorphResult::TooWide)
    ui::dialogs().message(
        QStringLiteral("Pictures wider than %1 pixels cannot be morphed. The clip is pasted as it "
                       "is.")
            .arg(clips::kMorphMaxWidth),
        QStringLiteral("Error"));
  return result == clips::MorphResult::Done;
}

bool TPbook1::morphPaste(const gdi::Bitmap& content, const gdi::Bitmap& shape) {
  if (!content.empty()) morfimage1->setBitmap(content);
  if (morfimage1->bitmap().empty() || shape.empty()) return false;
  clpmap1->setBitmap(shape);
  clpmap1->resize(shape.width(), shape.height());
  SizeDelta = WidthDelta = HeightDelta = 0;
  ClipSized = false;
  FirstRubber = true;
  PolyCount = 1;
  PolyActive = false;
  app::windows().Form3->CurTool = 109;
  MorphPending = true;
  minirepcolor();
  MorphPending = false;
  return true;
}

void TPbook1::endAreaOptions(bool outlineNext, bool morphNext) {
  Panel3->hide();
  if (outlineNext) {
    FirstRubber = true;
    PolyCount = 1;
    PolyActive = false;
  }
  MorphPending = morphNext;
}

void TPbook1::morfpaste() {
  ui::Clipboard& clipboard = ui::clipboard();
  if (!clipboard.hasBitmap()) clipboard.claimFormat();
  // A format claimed without data holds no picture either.
  gdi::Bitmap picture = clipboard.hasBitmap() ? clipboard.bitmap() : gdi::Bitmap();
  if (picture.empty()) {
    app::showClipboardMessage();
    return;
  }
  morfimage1->setBitmap(std::move(picture));
  if (Tshapeform* shapes = app::windows().shapeform) {
    // Shown already, it takes the clipboard's picture all the same.
    const bool shown = shapes->isVisible();
    shapes->show();
    if (shown) shapes->FormShow();
  }
}
