#include "ui/handlers.h"

#include "db/errors.h"
#include "ui/dialogs.h"

namespace ui {

void runHandler(QWidget* owner, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const db::Abort&) {
        // the silent abort: its own message, if any, was shown where it was raised
    } catch (const std::exception& e) {
        Dialogs::instance().standardError(owner, QString::fromUtf8(e.what()));
    } catch (...) {
        Dialogs::instance().standardError(owner, QStringLiteral("Unknown error"));
    }
}

}  // namespace ui
