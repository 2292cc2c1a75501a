#pragma once
// The menu "Język / Sprache / Language": its items named in their own language, the current
// one ticked; a choice switches every text of the program (config/language.h) and is kept.

class QMainWindow;

namespace ui {

// Adds "Język / Sprache / Language" to `window`'s menu bar, its items named in their own
// language, the current one ticked; choosing one switches and remembers it.
void addLanguageMenu(QMainWindow& window);

}  // namespace ui
