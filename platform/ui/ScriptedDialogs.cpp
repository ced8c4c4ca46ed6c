#include "platform/ui/ScriptedDialogs.h"

#include <QDialog>

#include "platform/ui/FileFilter.h"

namespace ui {

QString toString(QuestionKind kind) {
  switch (kind) {
    case QuestionKind::Message:
      return QStringLiteral("message box");
    case QuestionKind::OpenFile:
      return QStringLiteral("open dialog");
    case QuestionKind::OpenFiles:
      return QStringLiteral("multiple open dialog");
    case QuestionKind::SaveFile:
      return QStringLiteral("save dialog");
    case QuestionKind::Color:
      return QStringLiteral("colour dialog");
    case QuestionKind::Font:
      return QStringLiteral("font dialog");
    case QuestionKind::Print:
      return QStringLiteral("print dialog");
    case QuestionKind::PrinterSetup:
      return QStringLiteral("printer set-up dialog");
    case QuestionKind::Form:
      return QStringLiteral("modal form");
  }
  return {};
}

namespace {

QString describe(const Question& q) {
  QString s = toString(q.kind);
  if (q.kind == QuestionKind::Message)
    s += QStringLiteral(" \"%1\" (caption \"%2\", %3)").arg(q.text, q.caption, toString(q.buttons));
  else if (!q.text.isEmpty())
    s += QStringLiteral(" \"%1\"").arg(q.text);
  return s;
}

}  // namespace

QString ScriptedDialogs::Answer::describe() const {
  QString s = toString(kind);
  if (expectedText) s += QStringLiteral(" \"%1\"").arg(*expectedText);
  if (kind == QuestionKind::Message) s += QStringLiteral(" answered %1").arg(toString(result));
  return s;
}

void ScriptedDialogs::answerMessage(MsgResult result) {
  script_.push_back({QuestionKind::Message, std::nullopt, result, {}, {}, {}, false, {}});
}

void ScriptedDialogs::answerMessage(const QString& expectedText, MsgResult result) {
  script_.push_back({QuestionKind::Message, expectedText, result, {}, {}, {}, false, {}});
}

void ScriptedDialogs::answerOpen(const QString& path) {
  script_.push_back({QuestionKind::OpenFile, std::nullopt, {}, {path}, {}, {}, true, {}});
}

void ScriptedDialogs::answerOpenFiles(const QStringList& paths) {
  script_.push_back({QuestionKind::OpenFiles, std::nullopt, {}, paths, {}, {}, true, {}});
}

void ScriptedDialogs::cancelOpen() {
  script_.push_back({QuestionKind::OpenFile, std::nullopt, {}, {}, {}, {}, false, {}});
}

void ScriptedDialogs::answerSave(const QString& path) {
  script_.push_back({QuestionKind::SaveFile, std::nullopt, {}, {path}, {}, {}, true, {}});
}

void ScriptedDialogs::cancelSave() {
  script_.push_back({QuestionKind::SaveFile, std::nullopt, {}, {}, {}, {}, false, {}});
}

void ScriptedDialogs::answerColor(std::optional<gdi::TColor> color) {
  script_.push_back({QuestionKind::Color, std::nullopt, {}, {}, color, {}, false, {}});
}

void ScriptedDialogs::answerFont(std::optional<gdi::Font> font) {
  script_.push_back({QuestionKind::Font, std::nullopt, {}, {}, {}, std::move(font), false, {}});
}

void ScriptedDialogs::answerPrint(bool ok) {
  script_.push_back({QuestionKind::Print, std::nullopt, {}, {}, {}, {}, ok, {}});
}

void ScriptedDialogs::answerPrinterSetup(bool ok) {
  script_.push_back({QuestionKind::PrinterSetup, std::nullopt, {}, {}, {}, {}, ok, {}});
}

void ScriptedDialogs::answerForm(const QString& objectName, FormFiller fill) {
  script_.push_back({QuestionKind::Form, objectName, {}, {}, {}, {}, false, std::move(fill)});
}

std::vector<Question> ScriptedDialogs::messages() const {
  std::vector<Question> result;
  for (const Question& q : asked_)
    if (q.kind == QuestionKind::Message) result.push_back(q);
  return result;
}

QStringList ScriptedDialogs::pendingDescriptions() const {
  QStringList list;
  for (const Answer& a : script_) list << a.describe();
  return list;
}

void ScriptedDialogs::reset() {
  script_.clear();
  asked_.clear();
  failures_.clear();
}

void ScriptedDialogs::fail(const QString& description) {
  failures_ << description;
  if (hook_) {
    hook_(description);
    return;
  }
  throw UnscriptedQuestion(description.toStdString());
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::take(Question q) {
  asked_.push_back(q);
  if (script_.empty()) {
    asked_.back().answered = false;
    fail(QStringLiteral("Unscripted %1").arg(describe(q)));
    return std::nullopt;
  }
  const Answer& next = script_.front();
  QString problem;
  if (next.kind != q.kind)
    problem = QStringLiteral("expected %1").arg(next.describe());
  else if (next.expectedText && *next.expectedText != q.text)
    problem = QStringLiteral("expected the text \"%1\"").arg(*next.expectedText);
  else if (q.kind == QuestionKind::Message && !offers(q.buttons, next.result))
    problem =
        QStringLiteral("scripted answer %1 is not one of its buttons").arg(toString(next.result));
  if (!problem.isEmpty()) {
    asked_.back().answered = false;
    fail(QStringLiteral("Asked %1, but %2").arg(describe(q), problem));
    return std::nullopt;
  }
  Answer a = script_.front();
  script_.pop_front();
  return a;
}

MsgResult ScriptedDialogs::message(const MessageBoxRequest& request) {
  Question q;
  q.kind = QuestionKind::Message;
  q.text = request.text;
  q.caption = request.caption;
  q.buttons = request.buttons;
  q.icon = request.icon;
  const auto a = take(q);
  return a ? a->result : dismissResult(request.buttons);
}

std::optional<QString> ScriptedDialogs::askOpenFile(const FileDialogOptions& options) {
  Question q;
  q.kind = QuestionKind::OpenFile;
  q.text = options.title;
  q.file = options;
  const auto a = take(q);
  if (!a || a->files.isEmpty()) return std::nullopt;
  return withDefaultExtension(a->files.front(), options.defaultExt);
}

QStringList ScriptedDialogs::askOpenFiles(const FileDialogOptions& options) {
  Question q;
  q.kind = QuestionKind::OpenFiles;
  q.text = options.title;
  q.file = options;
  const auto a = take(q);
  if (!a) return {};
  QStringList files = a->files;
  for (QString& f : files) f = withDefaultExtension(f, options.defaultExt);
  return files;
}

std::optional<QString> ScriptedDialogs::askSaveFile(const FileDialogOptions& options) {
  Question q;
  q.kind = QuestionKind::SaveFile;
  q.text = options.title;
  q.file = options;
  const auto a = take(q);
  if (!a || a->files.isEmpty()) return std::nullopt;
  return withDefaultExtension(a->files.front(), options.defaultExt);
}

std::optional<gdi::TColor> ScriptedDialogs::chooseColor(gdi::TColor initial) {
  Question q;
  q.kind = QuestionKind::Color;
  q.initialColor = initial;
  const auto a = take(q);
  return a ? a->color : std::nullopt;
}

std::optional<gdi::Font> ScriptedDialogs::chooseFont(const gdi::Font& initial) {
  Question q;
  q.kind = QuestionKind::Font;
  q.initialFont = initial;
  const auto a = take(q);
  return a ? a->font : std::nullopt;
}

bool ScriptedDialogs::print(QPrinter&, const PrintOptions& options) {
  Question q;
  q.kind = QuestionKind::Print;
  q.print = options;
  const auto a = take(q);
  return a && a->ok;
}

bool ScriptedDialogs::printerSetup(QPrinter&) {
  Question q;
  q.kind = QuestionKind::PrinterSetup;
  const auto a = take(q);
  return a && a->ok;
}

int ScriptedDialogs::runModal(QDialog& form) {
  Question q;
  q.kind = QuestionKind::Form;
  q.text = form.objectName();
  q.caption = form.windowTitle();
  const auto a = take(q);
  if (!a || !a->fill) return QDialog::Rejected;
  const int result = a->fill(form);
  form.setResult(result);
  return result;
}

}  // namespace ui
