#pragma once
// Errors of a window's handlers, one way: whatever a controller throws from a call a
// button, a key or a list makes is shown as a warning that names the window's procedure,
// and the window goes on. No exception reaches Qt's event loop.
//
//   connect(button, &QPushButton::clicked, this, ui::guarded(this, [this] { m_c.print(); }));
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <utility>

namespace ksiega::ui {

// The text shown for an error of a procedure: "PROCEDURE: message".
QString procedureErrorText(const QString& procedure, const QString& message);

// The procedure an object works for: the object name of the window it belongs to.
QString procedureOf(const QObject* object);

// Runs the handler; an exception is shown (Dialogs::warning) and swallowed. False when
// the handler failed.
bool runGuarded(const QString& procedure, const std::function<void()>& handler);

namespace detail {
template <class F, class C, class R, class... A>
auto guardedAs(QPointer<const QObject> window, F f, R (C::*)(A...) const) {
    return [window, f = std::move(f)](A... args) {
        runGuarded(procedureOf(window), [&] { f(std::forward<A>(args)...); });
    };
}
} // namespace detail

// A slot that runs the handler (a lambda) through runGuarded with the name of the
// procedure the object works for. The slot takes the handler's own arguments.
template <class F>
auto guarded(const QObject* owner, F handler) {
    return detail::guardedAs(QPointer<const QObject>(owner), std::move(handler), &F::operator());
}

} // namespace ksiega::ui
