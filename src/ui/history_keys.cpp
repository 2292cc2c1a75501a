#include "ui/history_keys.h"

#include <QShortcut>

#include "ui/handlers.h"

namespace ui {

QList<QKeySequence> undoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

QList<QKeySequence> redoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
}

void addHistoryKeys(QWidget& window, session::Session& session) {
    session::Session* s = &session;
    for (const QKeySequence& key : undoKeys()) {
        auto* shortcut = new QShortcut(key, &window);
        connectHandler(shortcut, &QShortcut::activated, &window, [s] { s->undo(); });
    }
    for (const QKeySequence& key : redoKeys()) {
        auto* shortcut = new QShortcut(key, &window);
        connectHandler(shortcut, &QShortcut::activated, &window, [s] { s->redo(); });
    }
}

}  // namespace ui
