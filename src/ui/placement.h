#pragma once
// Placing controls at their fixed positions, and windows in the middle of the screen.

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSize>
#include <QWidget>
#include <type_traits>

namespace ui {

// Names the control (its objectName, by which tests find it) and sets its geometry; a
// label is widened to its text when the font needs more room.
template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, top, width, height);
    if constexpr (std::is_same_v<W, QLabel>) {
        widget->resize(qMax(width, widget->sizeHint().width()), height);
    }
    return widget;
}

// Every window's inside is its outer size less this allowance for the frame and the title
// bar: the same rule for all, and room for every control whole.
inline constexpr QSize kFrameAllowance{8, 27};

inline QSize insideOf(QSize outer) {
    return outer - kFrameAllowance;
}

// Moves a window of the given outer size to the middle of the screen's free area.
inline void centreOnScreen(QWidget& window, QSize outer) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
    }
}

}  // namespace ui
