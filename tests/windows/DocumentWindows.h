#pragma once
// What the document windows' tests share: the studio's windows with the test
// services in place, settings kept in a scratch folder, and picture files.
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>

#include "app/TPbook1.h"
#include "app/Windows.h"
#include "document/windows/Tpicform1.h"
#include "platform/gdi/Bitmap.h"
#include "support/windows/StudioFixture.h"

namespace document_windows_test {

class DocumentWindows : public ::testing::Test {
 protected:
  DocumentWindows();
  ~DocumentWindows() override;

  ui::ScriptedDialogs& dialogs() { return studio_.dialogs(); }
  ui::MemoryClipboard& clipboard() { return studio_.clipboard(); }
  Tpicform1& browser() { return *app::windows().picform1; }
  TPbook1& main() { return *app::windows().Pbook1; }
  // A file in a fresh folder of this test.
  QString path(const QString& name) const { return studio_.tempPath(name); }
  // Creates a folder of this test and answers its path.
  QString folder(const QString& name) const;
  // Closes and makes the windows again, as the next run of the program would.
  void restartWindows();

  template <class T = QWidget>
  T* find(const QString& name) const {
    return studio_.find<T>(name);
  }

 private:
  // Set up before the studio starts: the settings folder and the browser's seams.
  struct Before {
    Before();
    ~Before();
    QTemporaryDir settings;
    Tpicform1::ScreenGrabber oldGrabber;
  } before_;

 protected:
  testing_support::Studio studio_;
};

// A picture with a different colour in each quadrant.
gdi::Bitmap quadrants(int width, int height);
void writeJpeg(const QString& file, int width, int height, bool progressive = false);
void writeBmp(const QString& file, const gdi::Bitmap& picture);
void writeText(const QString& file, const QByteArray& bytes);
// Copies a committed test file (tests/windows/data) to `to`.
void copyTestFile(const QString& name, const QString& to);

}  // namespace document_windows_test
