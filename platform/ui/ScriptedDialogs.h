#pragma once
// UserDialogs for tests: answers come from a queue the test fills in advance,
// and every question asked is recorded so the test can check its exact text.
//
//   auto& d = ...;                                  // installed with ui::setDialogs
//   d.answerMessage("OK to resize all marked files?", ui::MsgResult::Yes);
//   d.answerSave("/tmp/frame.bmp");
//   window.BitBtn14Click();
//   EXPECT_EQ(d.questions()[0].caption, "Confirm");
//
// A question the script does not answer (queue empty, another kind of
// dialog next, a different expected text, or a button the box does not
// offer) is a failure: it is recorded in failures() and passed to the
// failure hook. The default hook throws UnscriptedQuestion; test support
// installs one that reports a test failure and lets the program go on with
// the dismiss answer (Cancel, No, nothing chosen).
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "platform/ui/UserDialogs.h"

namespace ui {

enum class QuestionKind {
  Message,
  OpenFile,
  OpenFiles,
  SaveFile,
  Color,
  Font,
  Print,
  PrinterSetup,
  Form
};
QString toString(QuestionKind kind);

// One question as asked.
struct Question {
  QuestionKind kind = QuestionKind::Message;
  QString text;     // message text; dialog title; the form's objectName
  QString caption;  // message caption; the form's window title
  MsgButtons buttons = MsgButtons::Ok;
  MsgIcon icon = MsgIcon::None;
  FileDialogOptions file;  // file dialogs
  PrintOptions print;      // print dialog
  gdi::TColor initialColor = 0;
  gdi::Font initialFont;
  bool answered = true;  // false when the script had no answer for it
};

class UnscriptedQuestion : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class ScriptedDialogs : public UserDialogs {
 public:
  using FormFiller = std::function<int(QDialog&)>;
  using FailureHook = std::function<void(const QString& description)>;

  // --- the script, answered in order ---------------------------------------
  void answerMessage(MsgResult result);
  // The next question must be a message box with exactly this text.
  void answerMessage(const QString& expectedText, MsgResult result);
  void answerOpen(const QString& path);
  void answerOpenFiles(const QStringList& paths);
  void cancelOpen();
  void answerSave(const QString& path);
  void cancelSave();
  void answerColor(std::optional<gdi::TColor> color);
  void answerFont(std::optional<gdi::Font> font);
  void answerPrint(bool ok);
  void answerPrinterSetup(bool ok);
  // The next question must be the modal run of the form with this objectName;
  // `fill` sets its controls and returns the result (QDialog::Accepted...).
  void answerForm(const QString& objectName, FormFiller fill);

  // --- what happened ----------------------------------------------------------
  const std::vector<Question>& questions() const { return asked_; }
  // The message boxes only, in order.
  std::vector<Question> messages() const;
  const QStringList& failures() const { return failures_; }
  // Answers scripted but never asked for.
  std::size_t pendingAnswers() const { return script_.size(); }
  QStringList pendingDescriptions() const;
  void reset();

  void setFailureHook(FailureHook hook) { hook_ = std::move(hook); }

  // --- UserDialogs ------------------------------------------------------------
  using UserDialogs::message;
  MsgResult message(const MessageBoxRequest& request) override;
  std::optional<gdi::TColor> chooseColor(gdi::TColor initial) override;
  std::optional<gdi::Font> chooseFont(const gdi::Font& initial) override;
  bool print(QPrinter& printer, const PrintOptions& options) override;
  bool printerSetup(QPrinter& printer) override;
  int runModal(QDialog& form) override;

 protected:
  std::optional<QString> askOpenFile(const FileDialogOptions& options) override;
  QStringList askOpenFiles(const FileDialogOptions& options) override;
  std::optional<QString> askSaveFile(const FileDialogOptions& options) override;

 private:
  struct Answer {
    QuestionKind kind;
    std::optional<QString> expectedText;
    MsgResult result = MsgResult::Ok;
    QStringList files;  // empty = cancelled
    std::optional<gdi::TColor> color;
    std::optional<gdi::Font> font;
    bool ok = false;
    FormFiller fill;
    QString describe() const;
  };

  // The answer for `q`, or nothing after reporting a failure.
  std::optional<Answer> take(Question q);
  void fail(const QString& description);

  std::deque<Answer> script_;
  std::vector<Question> asked_;
  QStringList failures_;
  FailureHook hook_;
};

}  // namespace ui
