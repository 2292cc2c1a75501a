#include "ui/handlers.h"

#include <QCoreApplication>

#include "session/failures.h"
#include "ui/dialogs.h"

namespace ui {

void runHandler(QWidget* owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const session::Abort&) {
        // the silent abort: its own message, if any, was shown where it was raised
    } catch (const std::exception& e) {
        Dialogs::instance().standardError(owner, QString::fromUtf8(e.what()));
    } catch (...) {
        Dialogs::instance().standardError(
            owner, QCoreApplication::translate("listy", session::kUnknownError));
    }
}

}  // namespace ui
