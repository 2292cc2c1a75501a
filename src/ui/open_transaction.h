#pragma once
// A transaction the user opened in the SQL browser ("begin transaction") is never lost
// silently: closing the browser, or the program, with one open asks what to do with it.

namespace session {
class Session;
}

class QWidget;

namespace ui {

// When `session` holds an open transaction, asks "Transakcja jest otwarta. Zatwierdzić
// zmiany?": Tak commits it, Nie rolls it back, "Anuluj" (Escape, the close box) leaves it
// open. True when no transaction is open afterwards; false when it was put off, or the
// commit or rollback failed (its error was shown), and it is still open.
bool settleOpenTransaction(QWidget* owner, session::Session& session);

}  // namespace ui
