#pragma once
// Driving and checking windows in tests: typing as a keyboard does, and the fixed places
// and tab order of a window's controls.

#include <QRect>
#include <QString>
#include <initializer_list>

class QWidget;

namespace testing {

// One key press per character, as a keyboard with Polish letters sends them; a combo box
// gets the keys in its edit field.
void typeText(QWidget* widget, const QString& text);

// A control of a window: its objectName, its geometry and, for a button, its caption.
struct ControlPlace {
    const char* name;
    QRect geometry;
    QString caption;
};
// Checks every control's geometry, each button's caption and, unless `mayOverhang`, that
// the control lies inside the window.
void checkPlaces(QWidget& window, std::initializer_list<ControlPlace> controls,
                 bool mayOverhang = false);

// The next widget after `from` that takes the focus by Tab, passing over `from`'s own
// children (the edit field inside a combo box).
QWidget* nextTabStop(QWidget* from);

}  // namespace testing
