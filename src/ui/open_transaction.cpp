#include "ui/open_transaction.h"

#include <QCoreApplication>

#include <QString>

#include "session/session.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"

namespace ui {

bool settleOpenTransaction(QWidget* owner, session::Session& session) {
    if (!session.inTransaction()) return true;
    const Answer answer = Dialogs::instance().askOrCancel(
        owner, QCoreApplication::translate("ui::Dialogs", "Pytanie"),
        QCoreApplication::translate("ui::Dialogs", "Transakcja jest otwarta. Zatwierdzić zmiany?"));
    // "Anuluj", Escape or the close box: the window stays open with the transaction.
    if (answer == Answer::Cancel) return false;
    runHandler(owner, [&] {
        if (answer == Answer::Yes) {
            session.commit();
        } else {
            session.rollBack();
        }
    });
    return !session.inTransaction();
}

}  // namespace ui
