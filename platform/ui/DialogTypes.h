#pragma once
// Value types of the questions the program asks the user: message boxes,
// file dialogs and print dialogs.
#include <QString>

namespace ui {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Confirmation, Warning, Error };
enum class MsgResult { Ok, Cancel, Yes, No };

// True when a box with these buttons can return `r`.
bool offers(MsgButtons buttons, MsgResult r);
// What closing a box without choosing means: Cancel where offered, else No, else OK.
MsgResult dismissResult(MsgButtons buttons);
QString toString(MsgButtons buttons);
QString toString(MsgResult r);

struct MessageBoxRequest {
  QString text;
  QString caption;
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
};

// File open and save dialogs.
//
// `filter` is written in the classic style the program's dialogs are
// designed with: description and patterns alternate, separated by '|', and
// one entry may hold several patterns separated by ';':
//   "Bitmaps (*.bmp)|*.bmp|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg"
// A filter without any '|' ("*.jpg") is one entry that is its own
// description. Patterns match file names in any letter case.
struct FileDialogOptions {
  QString title;
  QString filter;
  int filterIndex = 1;  // 1-based entry of `filter` chosen at start
  QString initialDir;
  QString fileName;  // proposed name (may be a bare pattern such as "*.lst")
  // Appended (after a '.') to a chosen name that has no extension, so
  // "frame" becomes "frame.BMP" with "BMP".
  QString defaultExt;
};

struct PrintOptions {
  int minPage = 1;
  int maxPage = 1;
  bool allowPageNumbers = true;
  bool allowSelection = false;
};

}  // namespace ui
