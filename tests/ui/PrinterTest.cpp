// Printing to PDF, and the print dialogs through the scripted dialogs.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTextDocument>

#include "platform/ui/Printer.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/Services.h"
#include "support/PixelGrid.h"
#include "support/ui/TestUi.h"

namespace {

bool isPdf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  return f.size() > 500 && f.read(5) == "%PDF-";
}

}  // namespace

TEST(Printer, BitmapWidgetAndDocumentPrintToPdf) {
  testing_support::TestUi t;
  ui::printer().printBitmap(testing_support::noiseBitmap(300, 200, 7));
  EXPECT_TRUE(isPdf(t.pdfPath()));

  QFile::remove(t.pdfPath());
  ui::printer().printBitmap(testing_support::noiseBitmap(30, 20, 7), QRect(10, 10, 500, 400));
  EXPECT_TRUE(isPdf(t.pdfPath()));

  QFile::remove(t.pdfPath());
  QLabel label("Print and FAX");
  label.resize(200, 50);
  ui::printer().printWidget(label);
  EXPECT_TRUE(isPdf(t.pdfPath()));

  QFile::remove(t.pdfPath());
  ui::RichEdit edit;
  edit.addLine("Notepad");
  edit.print("Notepad");
  EXPECT_TRUE(isPdf(t.pdfPath()));
}

TEST(Printer, DialogsGoThroughUserDialogs) {
  testing_support::TestUi t;
  t.dialogs().answerPrint(false);
  t.dialogs().answerPrinterSetup(true);
  EXPECT_FALSE(ui::printer().printDialog({1, 1, true, true}));
  EXPECT_TRUE(ui::printer().setupDialog());
  const auto& q = t.dialogs().questions();
  ASSERT_EQ(q.size(), 2u);
  EXPECT_EQ(q[0].kind, ui::QuestionKind::Print);
  EXPECT_EQ(q[0].print.maxPage, 1);
  EXPECT_TRUE(q[0].print.allowSelection);
  EXPECT_EQ(q[1].kind, ui::QuestionKind::PrinterSetup);
}

TEST(Printer, FitToPageKeepsProportions) {
  EXPECT_EQ(ui::fitToPage({400, 200}, {0, 0, 1000, 1000}), QRect(0, 0, 1000, 500));
  EXPECT_EQ(ui::fitToPage({100, 400}, {0, 0, 1000, 1000}), QRect(0, 0, 250, 1000));
  EXPECT_EQ(ui::fitToPage({0, 10}, {0, 0, 100, 100}), QRect());
  EXPECT_EQ(ui::fitToPage({1, 100000}, {0, 0, 100, 100}).width(), 1);
}
