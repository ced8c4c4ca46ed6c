#pragma once
// The notepad ("Multiple Line Text"): a small rich-text editor that opens,
// saves and prints its text and puts it on the clipboard as a picture, each
// character drawn in its own font, for the main window to paste. The
// caption is the text's file name; "Notepad" means it has none. The web page
// export writes its pages here for the user to finish and save.
#include <QString>
#include <QStringList>
#include <QWidget>

#include "platform/gdi/Color.h"

class QPushButton;

namespace ui {
class ImageControl;
class RichEdit;
enum class MouseButton;
using ShiftState = unsigned;
}  // namespace ui

class TTextmemoform : public QWidget {
  Q_OBJECT
 public:
  explicit TTextmemoform(QWidget* parent = nullptr);

  ui::RichEdit* RichEdit1 = nullptr;
  QPushButton* BitBtn3 = nullptr;       // render to the clipboard
  QPushButton* BitBtn4 = nullptr;       // copy the selection
  QPushButton* BitBtn5 = nullptr;       // font dialog
  QPushButton* SpeedButton1 = nullptr;  // colour dialog
  ui::ImageControl* Image3 = nullptr;   // colour pick
  QPushButton* SpeedButton2 = nullptr;  // open
  QPushButton* SpeedButton3 = nullptr;  // save
  QPushButton* SpeedButton4 = nullptr;  // print
  QPushButton* SpeedButton5 = nullptr;  // paste
  QPushButton* SpeedButton6 = nullptr;  // help
  QPushButton* BitBtn1 = nullptr;       // close
  QPushButton* BitBtn2 = nullptr;       // close

  // Asks for a file name (proposing `name` when given) and saves the text
  // there: plain text for .TXT, .HTM and .HTML, RTF otherwise. True when the
  // caller may go on: saved, or the dialog cancelled; false when the user
  // would not overwrite the file or the save failed (the text is kept).
  bool dosaveas(const QString& name);
  // Before the text is replaced: a modified text with a file name asks
  // "Save changes to %s?". False when the user cancelled (or the save
  // failed): the caller stops.
  bool CheckSave();

  // Replaces the text with `lines` as plain text, under `caption` (the file
  // the text is meant to be saved as), and shows the window. For windows
  // that write text for the user to finish, such as the web page export.
  void takeLines(const QStringList& lines, const QString& caption);

  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();
  void SpeedButton1Click();
  void Image3MouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();

 private:
  // Font colour `c` for the selection, or for the whole text without one.
  void applyColor(gdi::TColor c);
};
