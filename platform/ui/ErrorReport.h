#pragma once
// The application-level error report: an exception that escapes an event
// handler is shown to the user in a message box (caption "Error", one OK
// button) through ui::dialogs(), and the program goes on, as the original
// platform's default handler did.
#include <QString>
#include <concepts>
#include <exception>
#include <utility>

namespace ui {

// The message a user sees for `e`: its text, with a full stop added when it
// ends in a letter or digit; "Unknown error." for exceptions without text.
QString errorText(std::exception_ptr e);

// Shows the exception being handled (call from a catch block). Never throws.
void reportCurrentException() noexcept;
void reportError(const QString& text) noexcept;

// Runs fn, reporting anything it throws.
template <class F>
void runGuarded(F&& fn) noexcept {
  try {
    std::forward<F>(fn)();
  } catch (...) {
    reportCurrentException();
  }
}

// A handler that reports what `fn` throws instead of letting it reach the
// event loop: connect(button, &QPushButton::clicked, ui::guarded([this] {...})).
template <class F>
auto guarded(F fn) {
  // Constrained so Qt's connect can work out how many signal arguments to pass.
  return [fn = std::move(fn)](auto&&... args) mutable noexcept
         -> void requires std::invocable<F&, decltype(args)...> {
    try {
      fn(std::forward<decltype(args)>(args)...);
    } catch (...) {
      reportCurrentException();
    }
  };
}

}  // namespace ui
