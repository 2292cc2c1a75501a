#include "ui/open_transaction.h"

#include <QString>

#include "db/sql_connection.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"

namespace ui {

bool settleOpenTransaction(QWidget* owner, db::SqlConnection& connection) {
    if (!connection.inTransaction()) return true;
    const bool commit =
        Dialogs::instance().ask(owner, QStringLiteral("Pytanie"),
                                QStringLiteral("Transakcja jest otwarta. Zatwierdzić zmiany?"));
    runHandler(owner, [&] {
        if (commit) {
            connection.commit();
        } else {
            connection.rollBack();
        }
    });
    return !connection.inTransaction();
}

}  // namespace ui
