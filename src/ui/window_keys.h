#pragma once
// Keys every window answers to beyond its designed layout, and their names as users read
// them: Escape closes any dialog window wherever the focus is in it, and a key is named as
// a Polish keyboard labels it ("Ctrl+Home", not a translated "Ctrl+Katalog domowy").

#include <QKeySequence>
#include <QList>
#include <QString>

class QDialog;

namespace ui {

// The keys as written on a Polish keyboard: "Ctrl+PgDn", "Enter", "Spacja", "Ctrl+,".
QString keyText(const QKeySequence& keys);
// Several, joined by ", ".
QString keyText(const QList<QKeySequence>& keys);

// Escape rejects `dialog` (as its close button does) wherever the focus is inside it.
void closeOnEscape(QDialog& dialog);

}  // namespace ui
