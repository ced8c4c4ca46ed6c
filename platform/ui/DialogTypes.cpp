#include "platform/ui/DialogTypes.h"

namespace ui {

bool offers(MsgButtons buttons, MsgResult r) {
  switch (buttons) {
    case MsgButtons::Ok:
      return r == MsgResult::Ok;
    case MsgButtons::OkCancel:
      return r == MsgResult::Ok || r == MsgResult::Cancel;
    case MsgButtons::YesNo:
      return r == MsgResult::Yes || r == MsgResult::No;
    case MsgButtons::YesNoCancel:
      return r != MsgResult::Ok;
  }
  return false;
}

MsgResult dismissResult(MsgButtons buttons) {
  if (offers(buttons, MsgResult::Cancel)) return MsgResult::Cancel;
  if (offers(buttons, MsgResult::No)) return MsgResult::No;
  return MsgResult::Ok;
}

QString toString(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return QStringLiteral("OK");
    case MsgButtons::OkCancel:
      return QStringLiteral("OK/Cancel");
    case MsgButtons::YesNo:
      return QStringLiteral("Yes/No");
    case MsgButtons::YesNoCancel:
      return QStringLiteral("Yes/No/Cancel");
  }
  return {};
}

QString toString(MsgResult r) {
  switch (r) {
    case MsgResult::Ok:
      return QStringLiteral("OK");
    case MsgResult::Cancel:
      return QStringLiteral("Cancel");
    case MsgResult::Yes:
      return QStringLiteral("Yes");
    case MsgResult::No:
      return QStringLiteral("No");
  }
  return {};
}

}  // namespace ui
