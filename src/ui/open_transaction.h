#pragma once
// A transaction the user opened in the SQL browser ("begin transaction") is never lost
// silently: closing the browser, or the program, with one open asks what to do with it.

#include "db/forward.h"

class QWidget;

namespace ui {

// When `connection` holds an open transaction, asks "Transakcja jest otwarta. Zatwierdzić
// zmiany?": Tak commits it, Nie rolls it back. True when no transaction is open afterwards;
// false when the commit or rollback failed (its error was shown) and it is still open.
bool settleOpenTransaction(QWidget* owner, db::SqlConnection& connection);

}  // namespace ui
