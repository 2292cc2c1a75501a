#pragma once
// Every handler of every window is connected through connectHandler(): the one place where
// an error becomes a message. No exception ever leaves a Qt slot; the silent abort passes
// silently, every other error reaches the standard error box.

#include <QObject>
#include <QWidget>
#include <functional>

namespace ui {

// Runs `handler`, showing any error in the standard error box owned by `owner`.
void runHandler(QWidget* owner, const std::function<void()>& handler);

// Connects `signal` of `sender` to the member handler `method` of `window`.
template <typename Sender, typename Signal, typename Window>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Window* window,
                                       void (Window::*method)()) {
    return QObject::connect(sender, signal, window,
                            [window, method] { runHandler(window, [&] { (window->*method)(); }); });
}

// Connects `signal` of `sender` to a handler written in place (it gets the signal's
// arguments).
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, QWidget* window,
                                       Handler handler) {
    return QObject::connect(sender, signal, window, [window, handler](auto&&... args) {
        runHandler(window, [&] { handler(args...); });
    });
}

}  // namespace ui
