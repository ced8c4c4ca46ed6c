#pragma once
// The studio started for the tool palette's tests, with ways to drive the
// palette as a user would: buttons by objectName, mouse clicks and moves on
// controls, and pattern files in a folder of the test's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QToolButton>
#include <memory>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "platform/codecs/Bmp.h"
#include "support/windows/StudioFixture.h"
#include "tools/windows/TForm3.h"

namespace testing_support {

class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override { studio_ = std::make_unique<Studio>(); }
  void TearDown() override { studio_.reset(); }

  Studio& studio() { return *studio_; }
  TestUi& testUi() { return studio_->ui(); }
  TForm3& palette() { return *app::windows().Form3; }
  TPbook1& mainWindow() { return studio_->main(); }

  template <class W = QWidget>
  W* control(const QString& name) {
    W* w = palette().findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
  }
  void click(const QString& name) {
    if (QToolButton* b = control<QToolButton>(name)) b->click();
  }

  static void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                    Qt::MouseButtons held) {
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  static void clickAt(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    mouse(w, QEvent::MouseButtonPress, at, button, button);
    mouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
  }
  static void moveTo(QWidget* w, QPoint at) {
    mouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
  }
  // Lets queued work (the palette's redraw after a tool choice) run.
  static void settle() { QApplication::processEvents(); }

  // Pattern files come from the test's own folder from now on.
  void usePatternFolder() { palette().AppFolder = testUi().tempPath() + QDir::separator(); }
  // Writes bin/b<n>.bmp in the test's folder.
  void writePattern(int n, const gdi::Bitmap& tile) {
    QDir(testUi().tempPath()).mkpath("bin");
    codecs::writeBmpFile(testUi().tempPath(QStringLiteral("bin/b%1.bmp").arg(n)).toStdString(),
                         tile);
  }

 private:
  std::unique_ptr<Studio> studio_;
};

}  // namespace testing_support
