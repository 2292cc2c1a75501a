#include "ui/help_menu.h"

#include <sqlite3.h>

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <utility>

#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/retranslate.h"
#include "ui/window_keys.h"

#ifndef LISTY_VERSION
#define LISTY_VERSION "0.1"
#endif
#ifndef LISTY_SOURCE_GUIDE
#define LISTY_SOURCE_GUIDE ""
#endif

namespace ui {
namespace {

UrlOpener& opener() {
    static UrlOpener installed;
    return installed;
}

}  // namespace

UrlOpener setUrlOpener(UrlOpener o) {
    return std::exchange(opener(), std::move(o));
}

QString guidePath() {
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/doc/listy/podrecznik.md"));
    if (QFileInfo::exists(installed)) return QDir::cleanPath(installed);
    const QString source = QString::fromUtf8(LISTY_SOURCE_GUIDE);
    if (!source.isEmpty() && QFileInfo::exists(source)) return source;
    return {};
}

QString shortcutsText(QMainWindow& window) {
    auto lines = [](const QList<QAction*>& actions) {
        QString text;
        for (QAction* a : actions) {
            if (a->shortcuts().isEmpty() || a->text().isEmpty()) continue;
            text += QStringLiteral("  %1 – %2\n")
                        .arg(keyText(a->shortcuts()), QString(a->text()).remove(QLatin1Char('&')));
        }
        return text;
    };
    QList<QAction*> main = window.actions();
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->menu()) main += menu->menu()->actions();
    }
    QString text =
        QStringLiteral("%1:\n").arg(window.windowTitle()) + lines(main) +
        QCoreApplication::translate("ui::HelpMenu", "  Alt+podkreślona litera – otwiera menu\n");
    // The other windows are the main window's dialogs.
    for (QDialog* dialog : window.findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString keys = lines(dialog->actions());
        if (!keys.isEmpty()) text += QStringLiteral("\n%1:\n").arg(dialog->windowTitle()) + keys;
    }
    return text +
           QCoreApplication::translate("ui::HelpMenu", "\nEsc zamyka każde okno oprócz głównego.");
}

QString aboutText(const QString& databasePath) {
    return QCoreApplication::translate(
               "ui::HelpMenu",
               "Listy przewozowe %1\n"
               "Wagonowe listy przewozowe na sesje ruchowe kolei modelowej.\n\n"
               "SQLite %2, Qt %3\n"
               "Plik bazy: %4")
        .arg(QStringLiteral(LISTY_VERSION), QString::fromLatin1(sqlite3_libversion()),
             QString::fromLatin1(qVersion()), QDir::toNativeSeparators(databasePath));
}

void addHelpMenu(QMainWindow& window, std::function<QString()> databasePath) {
    QMenu* menu = window.menuBar()->addMenu(QString());
    menu->setObjectName(QStringLiteral("Pomoc1"));
    auto item = [menu](const char* name) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QAction* guide = item("Podrecznik1");
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    connectHandler(guide, &QAction::triggered, &window, [&window](bool) {
        const QString path = guidePath();
        if (path.isEmpty()) {
            Dialogs::instance().error(
                &window, QCoreApplication::translate("ui::HelpMenu",
                                                     "Nie znaleziono podręcznika "
                                                     "(podrecznik.md) przy programie."));
            return;
        }
        const QUrl url = QUrl::fromLocalFile(path);
        const bool opened = opener() ? opener()(url) : QDesktopServices::openUrl(url);
        if (!opened) {
            Dialogs::instance().error(
                &window,
                QCoreApplication::translate("ui::HelpMenu",
                                            "Nie udało się otworzyć podręcznika %1 w przeglądarce.")
                    .arg(QDir::toNativeSeparators(path)));
        }
    });
    connectHandler(item("Skroty1"), &QAction::triggered, &window, [&window](bool) {
        Dialogs::instance().message(
            &window, QCoreApplication::translate("ui::HelpMenu", "Skróty klawiszowe"),
            shortcutsText(window));
    });
    connectHandler(
        item("Oprogramie1"), &QAction::triggered, &window, [&window, databasePath](bool) {
            Dialogs::instance().message(&window,
                                        QCoreApplication::translate("ui::HelpMenu", "O programie"),
                                        aboutText(databasePath()));
        });
    followLanguage(window, [&window] {
        setTextOf(window, "Pomoc1", QCoreApplication::translate("ui::HelpMenu", "Pomo&c"));
        setTextOf(window, "Podrecznik1",
                  QCoreApplication::translate("ui::HelpMenu", "Podręcznik użytkownika"));
        setTextOf(window, "Skroty1",
                  QCoreApplication::translate("ui::HelpMenu", "Skróty klawiszowe"));
        setTextOf(window, "Oprogramie1",
                  QCoreApplication::translate("ui::HelpMenu", "O programie"));
    });
}

}  // namespace ui
