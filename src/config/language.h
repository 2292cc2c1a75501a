#pragma once
// The language of the program's texts: Polish (the texts of the sources, and the language at
// the default), German or English. A choice installs the program's own translation (built
// into the program) and Qt's for its standard buttons, so every open window is told to set
// its texts again; the menu "Język / Sprache / Language" keeps the choice (config::kLanguage),
// the command line's --language overrides it for one run.

#include <QString>
#include <QStringList>

#include "model/language.h"

namespace config {

// "pl", "de" and "en", in the menu's order.
QStringList languageCodes();
bool isLanguageCode(const QString& code);
// The language the texts are in now ("pl" until another is chosen).
QString currentLanguage();
// Switches every text of the program to `code` (one of languageCodes()); needs a
// QCoreApplication. False for an unknown code, which changes nothing.
bool setLanguage(const QString& code);
// The current language as store names it: the headers the exports write.
model::Language exchangeLanguage();
// The language kept in the settings; "pl" when none was chosen.
QString savedLanguage();
void saveLanguage(const QString& code);

}  // namespace config
