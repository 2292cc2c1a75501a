#include "ui/window_keys.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QStringList>

namespace ui {

QString keyText(const QKeySequence& keys) {
    // Qt's own names (PortableText is English and never translated), then the few a Polish
    // keyboard labels otherwise (and a German one: Strg, Entf, Einfg, Leertaste).
    static const std::pair<const char*, const char*> kLabels[] = {
        {"PgDown", "PgDn"},
        {"Return", "Enter"},
        {"Del", QT_TRANSLATE_NOOP("ui::Keys", "Delete")},
        {"Ins", QT_TRANSLATE_NOOP("ui::Keys", "Insert")},
        {"Space", QT_TRANSLATE_NOOP("ui::Keys", "Spacja")},
        {"Ctrl", QT_TRANSLATE_NOOP("ui::Keys", "Ctrl")},
        {"Meta", "Win"},
        {"Backspace", "Backspace"}};
    QStringList chords;
    for (int i = 0; i < keys.count(); ++i) {
        QStringList parts =
            QKeySequence(keys[i]).toString(QKeySequence::PortableText).split(QLatin1Char('+'));
        // "Ctrl++" splits into an empty last part: the key is "+".
        if (parts.size() > 1 && parts.last().isEmpty()) {
            parts.removeLast();
            parts.last() = QStringLiteral("+");
        }
        for (QString& p : parts) {
            for (const auto& [qt, label] : kLabels) {
                if (p == QLatin1String(qt)) p = QCoreApplication::translate("ui::Keys", label);
            }
        }
        chords << parts.join(QLatin1Char('+'));
    }
    return chords.join(QStringLiteral(", "));
}

QString keyText(const QList<QKeySequence>& keys) {
    QStringList names;
    for (const QKeySequence& k : keys) names << keyText(k);
    return names.join(QStringLiteral(", "));
}

void closeOnEscape(QDialog& dialog) {
    auto* action = new QAction(&dialog);
    action->setObjectName(QStringLiteral("closeOnEscape"));
    action->setShortcut(QKeySequence(Qt::Key_Escape));
    action->setShortcutContext(Qt::WindowShortcut);
    dialog.addAction(action);
    QObject::connect(action, &QAction::triggered, &dialog, &QDialog::reject);
}

}  // namespace ui
