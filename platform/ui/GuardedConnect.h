#pragma once
// The one way the program's windows connect their handlers: an exception a
// handler throws reaches the application's error report (a message box, and
// the program goes on) instead of unwinding through Qt's signal machinery,
// which does not allow it.
//
//   ui::connectGuarded(button, &QPushButton::clicked, this, &TForm3::BitBtn37Click);
//   ui::connectGuarded(spin, &SpinEdit::valueChanged, this, [this] { zm1spinChange(); });
#include <QObject>
#include <QTimer>
#include <concepts>
#include <functional>
#include <type_traits>
#include <utility>

#include "platform/ui/ErrorReport.h"

namespace ui {

// Connects `signal` of `sender` to `slot` in `receiver`'s thread and
// lifetime. `slot` is a member function of `receiver` or a callable; either
// may take fewer arguments than the signal carries.
template <class Sender, class Signal, class Receiver, class Slot>
QMetaObject::Connection connectGuarded(const Sender* sender, Signal signal,
                                       const Receiver* receiver, Slot slot,
                                       Qt::ConnectionType type = Qt::AutoConnection) {
  if constexpr (std::is_member_function_pointer_v<Slot>) {
    auto* target = const_cast<Receiver*>(receiver);
    // Constrained, so Qt can work out how many of the signal's arguments to pass.
    auto call = [ target, slot ](
        auto&&... args) -> void requires std::invocable<Slot, Receiver*, decltype(args)...> {
      std::invoke(slot, target, std::forward<decltype(args)>(args)...);
    };
    return QObject::connect(sender, signal, receiver, guarded(std::move(call)), type);
  } else {
    return QObject::connect(sender, signal, receiver, guarded(std::move(slot)), type);
  }
}

// Runs `fn` once the events queued now have run (after `ms` milliseconds),
// unless `context` is gone by then; what it throws is reported.
template <class Context, class F>
void singleShotGuarded(int ms, const Context* context, F fn) {
  QTimer::singleShot(ms, context, [fn = std::move(fn)]() mutable { runGuarded(fn); });
}

}  // namespace ui
