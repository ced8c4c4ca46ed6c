#pragma once
// Scripted answers to the modal forms that change the picture's size: the
// next run of the form is filled in as a user would and closed.
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QString>

#include "clips/windows/TRotateform.h"
#include "document/windows/TBtnRightDlg.h"
#include "document/windows/TResizeForm.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/SpinEdit.h"

namespace testing_support {

// "New Image Size" with the sides typed in, then OK or Cancel.
inline void answerNewImage(ui::ScriptedDialogs& d, const QString& w, const QString& h,
                           bool ok = true) {
  d.answerForm("TBtnRightDlg", [w, h, ok](QDialog& form) {
    auto& dlg = static_cast<TBtnRightDlg&>(form);
    dlg.SpinEdit1->setText(w);
    dlg.SpinEdit2->setText(h);
    (ok ? dlg.OKBtn : dlg.CancelBtn)->click();
    return dlg.result();
  });
}

// The resize dialog with a size and a method (0 allows the JPEG path, 1
// stretches), then OK.
inline void answerResize(ui::ScriptedDialogs& d, int w, int h, int method = 0) {
  d.answerForm("TResizeForm", [=](QDialog& form) {
    auto& f = static_cast<TResizeForm&>(form);
    f.SpinEdit1->setValue(w);
    f.SpinEdit2->setValue(h);
    f.RadioGroup2->setItemIndex(method);
    f.BitBtn1->click();
    return f.result();
  });
}

// The rotation dialog: degrees, enlarge to the square or not, OK.
inline void answerRotate(ui::ScriptedDialogs& d, int degrees, bool enlarge) {
  d.answerForm("TRotateform", [=](QDialog& form) {
    auto& r = static_cast<TRotateform&>(form);
    r.rotedit1->setValue(degrees);
    r.CheckBox1->setChecked(enlarge);
    r.BitBtn1->click();
    return form.result();
  });
}

}  // namespace testing_support
