#pragma once
// What users expect of any desktop window, beyond its fixed layout: it can be enlarged (never
// below its designed size), the extra room going to its list; it comes back where the user
// left it; its buttons answer to keyboard shortcuts.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

class QIcon;
class QPushButton;
class QWidget;

class QLabel;

namespace ui {

// Lets `window` grow past `designed`, its inside size at which every control is in its
// designed place (that size becomes the window's minimum). Each registered control keeps its
// place and size at the designed size; past it, its edges follow the extra width and height
// as registered. Owned by the window.
class Growth : public QObject {
public:
    Growth(QWidget& window, QSize designed);

    // The control's right (bottom) edge follows the extra width (height): it grows.
    void stretch(QWidget* control, bool width, bool height);
    // The whole control moves right (down) by the extra width (height).
    void follow(QWidget* control, bool right, bool down);
    // Called with the extra room after the controls were placed.
    std::function<void(QSize extra)> grown;

    QSize extra() const { return extra_; }

    // The window needs `by` pixels more width than designed for the texts of the chosen
    // language: its minimum grows by as much, and a window at its minimum grows with it (or
    // comes back to the designed size with 0). The extra width goes where any extra goes.
    void widenForLanguage(int by);

    // Places every control again: after a change of a fitted width (the property
    // "listyFittedWidth") or of a field's indent ("listyLanguageIndent": the field begins that
    // many pixels further right and keeps its right edge), both set for the chosen language.
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QWidget* control;
        QRect designed;
        bool growWidth, growHeight, moveRight, moveDown;
    };

    QWidget& window_;
    QSize designed_;
    QSize extra_;
    int widened_ = 0;
    std::vector<Placed> placed_;
};

// In German and English, a label of `labels` whose text needs more room than lies before the
// fields (which begin at `fieldsLeft` as designed) moves every field of `fields` right by
// what the widest lacks, the fields keeping their right edge, and takes the room; Polish
// keeps the designed places. Run after fitCaptions, on every change of language.
void indentFieldsForLabels(Growth& growth, int fieldsLeft, std::initializer_list<QLabel*> labels,
                           std::initializer_list<QWidget*> fields);

// The usual growth of a window with one list: the list takes all the extra room, and every
// control below the list moves down with the window's bottom edge.
Growth* growWithList(QWidget& window, QSize designed, QWidget* list);

// The window's size and position are saved in the settings under `key` (config::windowPosition,
// config::windowSize) whenever it is hidden, and restored whenever it is shown: on a screen
// that is present (a place on no present screen is dropped), never larger than that screen,
// never smaller than the window's minimum.
void rememberPlace(QWidget& window, const QString& key);

// The place to show a window of `size` saved at `saved`: `saved` moved and shrunk into the
// free area of the present screen it overlaps most; an invalid rectangle when it overlaps
// none (the window then keeps the place it has).
QRect placeOnScreens(const QRect& saved, const QList<QRect>& screens, QSize minimum);

// Gives `button` keyboard shortcuts that work anywhere in `window` and do exactly what a
// click does, and nothing while the button is disabled (the key then goes to the control
// that has the focus). The button's tooltip names the shortcuts.
void addShortcuts(QWidget& window, QPushButton* button, const QList<QKeySequence>& keys);

// The application's icon: a small waybill card with a coloured band.
QIcon applicationIcon();

}  // namespace ui
