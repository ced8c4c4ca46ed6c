// The picture resize: the resize dialog's size applied to the picture, a
// shrink by 2, 4 or 8 through the JPEG decoder's scaling (read back through
// the image browser, as loading does) and a stretch for whatever is left.
#include <QComboBox>
#include <new>
#include <utility>
#include <vector>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "document/engine/Resize.h"
#include "document/windows/TResizeForm.h"
#include "document/windows/Tpicform1.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Services.h"
#include "platform/ui/SpinEdit.h"

namespace {

// Parks what the image browser shows, and its decoding choices, while the
// scratch file is read through it; everything is put back however the read
// ends. The choices other than the scale go to their defaults, so a browser
// left on grayscale or 256 colours does not change the resized picture.
class ParkedBrowser {
 public:
  explicit ParkedBrowser(Tpicform1& browser) : browser_(browser) {
    image_ = browser.Image1->bitmap();
    shownName_ = browser.shownName;
    title_ = browser.windowTitle();
    for (const char* name : kChoices)
      if (auto* box = browser.findChild<QComboBox*>(QString::fromLatin1(name)))
        choices_.push_back({box, box->currentIndex()});
  }
  ~ParkedBrowser() {
    for (const auto& [box, index] : choices_) box->setCurrentIndex(index);
    browser_.Image1->setBitmap(std::move(image_));
    browser_.shownName = shownName_;
    browser_.setWindowTitle(title_);
  }
  ParkedBrowser(const ParkedBrowser&) = delete;
  ParkedBrowser& operator=(const ParkedBrowser&) = delete;

  // Item `scale` of the scale choice, item 0 of the others.
  void choose(codecs::JpegScale scale) {
    for (const auto& [box, index] : choices_)
      box->setCurrentIndex(box->objectName() == QLatin1String("Scale") ? int(scale) : 0);
  }

 private:
  static constexpr const char* kChoices[] = {"Scale", "PixelFormat", "ColorSpace", "Performance"};
  Tpicform1& browser_;
  gdi::Bitmap image_;
  QString shownName_;
  QString title_;
  std::vector<std::pair<QComboBox*, int>> choices_;
};

// Reads the scratch file through the image browser at a scale. Without a
// browser that offers the scale choice, the engine decodes the file itself.
document::ScaledJpegLoader browserLoader() {
  Tpicform1* browser = app::windows().picform1;
  if (!browser || !browser->findChild<QComboBox*>(QStringLiteral("Scale"))) return {};
  return [browser](const std::filesystem::path& file, codecs::JpegScale scale) {
    ParkedBrowser parked(*browser);
    parked.choose(scale);
    browser->openthefile(QString::fromStdU16String(file.u16string()));
    return browser->Image1->bitmap();
  };
}

}  // namespace

void TPbook1::resize_it() {
  TResizeForm* form = app::windows().ResizeForm;
  if (!form) return;
  // 1. Sides under 10 become 10.
  for (ui::SpinEdit* side : {form->SpinEdit1, form->SpinEdit2})
    if (side->value() < document::kMinResizeSide) side->setValue(document::kMinResizeSide);
  // The whole picture is resized, with a zoomed edit back in its place. (The
  // scratch file has its own quality: the user's JPEG quality stays.)
  endZoomedEditing();

  document::ResizeOptions options;
  options.allowFastPath = form->RadioGroup2->itemIndex() == 0;
  options.programFolder = ui::environment().programFolder().toStdU16String();
  options.loadScaled = browserLoader();
  document::ResizeResult result;
  try {
    result = document::resizePicture(picture(), form->SpinEdit1->value(), form->SpinEdit2->value(),
                                     options);
  } catch (const gdi::ResourceError&) {
    ui::dialogs().error(QStringLiteral("Not enough Resources"));
    return;
  } catch (const std::bad_alloc&) {
    ui::dialogs().error(QStringLiteral("Not enough Resources"));
    return;
  }
  form->resized = result.stretched;
  markModified();
  ptbox1->refresh();
  initpages();
}
