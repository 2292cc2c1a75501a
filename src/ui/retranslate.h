#pragma once
// Every window sets its texts in one function, run when it is built and again whenever the
// language changes (QEvent::LanguageChange), so an open window speaks the new language at
// once.

#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace ui {

// Runs `retranslate` now and on every language change of `window`.
void followLanguage(QWidget& window, std::function<void()> retranslate);

// Sets the text of the control, action or menu named `name` (its objectName) under `root`:
// a label's or button's text, a group box's title, an action's text, a menu's title.
void setTextOf(QObject& root, const char* name, const QString& text);

// For windows whose controls are placed by hand: after a change of language, every label,
// button and tick box of `window` whose caption needs more room than its designed width gets
// it from the free room on its right (up to the next control on its line, or the window's
// edge); whenever the caption fits, and for the buttons and tick boxes in Polish, each keeps
// its designed width exactly.
// Growth keeps the fitted widths when the window is resized.
void fitCaptions(QWidget& window);

// For windows built from layouts: `control` (a label, button or tick box) shows `text`, a
// Polish text of `context` (the window class's name, as its tr() has it), in the chosen
// language now, and again each time retranslateMarked() runs on its window.
void markText(QWidget* control, const char* context, const char* text);
void retranslateMarked(QWidget& window);

}  // namespace ui
