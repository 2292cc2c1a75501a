#pragma once
// The keys of "Cofnij" and "Ponów" (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z) in a window other than
// the main one: the reference-data windows are shown modally, so the main window's menu
// cannot hear them there.

#include <QWidget>

#include "session/session.h"

namespace ui {

// The keys' sequences, as the menu shows them too.
QList<QKeySequence> undoKeys();
QList<QKeySequence> redoKeys();

void addHistoryKeys(QWidget& window, session::Session& session);

}  // namespace ui
