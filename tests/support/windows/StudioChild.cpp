// The studio as a child process of a test: the real main window, started
// with recovery copies as the program starts it, driven by mouse events and
// answering its questions from the command line, so that a test can kill it
// (SIGKILL) in the middle of work and start it again.
//
//   studio_child --folder <recovery folder> --out <folder for reports>
//                [--answer yes|no]  the answer to a restore offer
//                [--paint]          a detailed picture, a "Save As", a brush stroke
//                [--wait]           stays up (until killed) once its copy is on disk
//                [--close]          closes the main window ("No" to the save question)
//
// Standard output, one line each: "asked: <text>" per message box,
// "caption: ...", "modified: 0|1", "ready" (when --wait, after the copy is
// written), "closed". The picture as shown after start-up is written to
// <out>/shown.bmp; after --paint, the painted picture to <out>/expected.bmp.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>
#include <QToolButton>
#include <cstdio>
#include <memory>

#include "app/Studio.h"
#include "app/TPbook1.h"
#include "app/Windows.h"
#include "document/engine/PictureFiles.h"
#include "platform/ui/Environment.h"
#include "platform/ui/ImageControl.h"
#include "platform/ui/MemoryClipboard.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/Services.h"
#include "tools/windows/TForm3.h"

namespace {

void say(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
  std::fflush(stdout);
}

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

template <class T = QWidget>
T* control(TPbook1& main, const char* name) {
  return main.findChild<T*>(QLatin1String(name));
}

void stroke(TPbook1& main, QPoint from, QPoint to) {
  QWidget* canvas = control(main, "ptbox1");
  mouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  for (int i = 1; i <= 8; ++i)
    mouse(canvas, QEvent::MouseMove, from + (to - from) * i / 8, Qt::NoButton, Qt::LeftButton);
  mouse(canvas, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// A picture with detail in every pixel.
gdi::Bitmap detailed(int w, int h) {
  gdi::Bitmap b(w, h);
  std::uint32_t s = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s = s * 1664525u + 1013904223u;
      b.row(y)[x] = (s >> 8) & 0xFFFFFF;
    }
  return b;
}

// Lets events run until `done`, for at most 30 s.
template <class Done>
bool waitFor(Done done) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > 30000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return true;
}

bool copyWritten(TPbook1& main, int writes) {
  app::RecoveryKeeper* keeper = main.recovery();
  return keeper->store().writes() >= writes && !keeper->writer().busy();
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QCommandLineParser args;
  args.addOptions({{"folder", "recovery folder", "path"},
                   {"out", "report folder", "path"},
                   {"answer", "answer to a restore offer", "yes|no"},
                   {"paint", "paint"},
                   {"wait", "stay up"},
                   {"close", "close"}});
  args.process(application);
  const QDir out(args.value("out"));

  auto dialogs = std::make_unique<ui::ScriptedDialogs>();
  ui::ScriptedDialogs& script = *dialogs;
  script.setFailureHook([](const QString& d) { say(QStringLiteral("unscripted: ") + d); });
  auto environment = std::make_unique<ui::Environment>();
  environment->setScreenSize(QSize(1024, 768));
  environment->setProgramFolder(QStringLiteral(QM_BUILT_PROGRAM_DIR));
  ui::services().setDialogs(std::move(dialogs));
  ui::services().setClipboard(std::make_unique<ui::MemoryClipboard>());
  ui::services().setEnvironment(std::move(environment));

  if (args.isSet("answer"))
    script.answerMessage(args.value("answer") == "yes" ? ui::MsgResult::Yes : ui::MsgResult::No);

  app::StartOptions options;
  options.applyLook = false;
  options.recovery = true;
  options.recoveryFolder = args.value("folder");
  options.recoveryTiming.quiet = std::chrono::milliseconds(200);
  // A damaged copy's note: acknowledged.
  const std::size_t before = script.questions().size();
  script.answerMessage(ui::MsgResult::Ok);
  app::startStudio(options);
  TPbook1& main = *app::windows().Pbook1;
  for (std::size_t i = before; i < script.questions().size(); ++i)
    say(QStringLiteral("asked: ") + script.questions()[i].text);
  script.reset();
  say(QStringLiteral("caption: ") + app::mainWindow().caption());
  say(QStringLiteral("modified: %1").arg(app::mainWindow().isModified() ? 1 : 0));
  document::writeBmp(document::toPath(out.filePath("shown.bmp")), main.picture());

  if (args.isSet("paint")) {
    // A detailed picture dropped on "Drag To", saved as a file...
    ui::ImageControl source;
    source.setBitmap(detailed(640, 480));
    control<ui::ImageControl>(main, "Image1")->dropFrom(&source, QPoint(2, 2));
    if (!waitFor([&] { return copyWritten(main, 1); })) return 3;
    const QString saved = out.filePath("harbour.bmp");
    script.answerSave(saved);
    control<QToolButton>(main, "ToolButton13")->click();  // Save As
    script.reset();
    // ...then painted on with the brush.
    app::windows().Form3->findChild<QToolButton*>("BitBtn5")->click();
    app::windows().Form3->ForeColor = 0x3366CC;
    app::windows().Form3->LineWidth = app::windows().Form3->PenWidth = 9;
    stroke(main, {20, 30}, {300, 200});
    stroke(main, {310, 40}, {90, 400});
    if (!waitFor([&] { return copyWritten(main, 2); })) return 4;
    document::writeBmp(document::toPath(out.filePath("expected.bmp")), main.picture());
  }
  if (args.isSet("wait")) {
    say(QStringLiteral("ready"));
    for (;;) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(10);
    }
  }
  if (args.isSet("close")) {
    if (app::mainWindow().isModified()) script.answerMessage(ui::MsgResult::No);
    main.close();
    for (const ui::Question& q : script.questions()) say(QStringLiteral("asked: ") + q.text);
    if (!main.isVisible()) say(QStringLiteral("closed"));
  }
  app::stopStudio();
  return 0;
}
