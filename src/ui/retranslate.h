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

// For windows built from layouts: `control` (a label, button or tick box) shows `text`, a
// Polish text of `context` (the window class's name, as its tr() has it), in the chosen
// language now, and again each time retranslateMarked() runs on its window.
void markText(QWidget* control, const char* context, const char* text);
void retranslateMarked(QWidget& window);

}  // namespace ui
