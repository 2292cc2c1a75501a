#include "ui/language.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "config/language.h"
#include "ui/handlers.h"

namespace ui {

void addLanguageMenu(QMainWindow& window) {
    // Its title and items are the same in every language: whoever cannot read the present
    // one still finds their own.
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Język / Sprache / Language"));
    menu->setObjectName(QStringLiteral("Jezyk1"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const QStringList names{QStringLiteral("Polski"), QStringLiteral("Deutsch"),
                            QStringLiteral("English")};
    const QStringList codes = config::languageCodes();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        QAction* item = menu->addAction(names[i]);
        item->setObjectName(QStringLiteral("Jezyk_") + codes[i]);
        item->setCheckable(true);
        group->addAction(item);
        const QString code = codes[i];
        connectHandler(item, &QAction::triggered, &window, [code](bool) {
            config::saveLanguage(code);
            config::setLanguage(code);
        });
    }
    // The tick follows whatever switched the language (the menu, the command line, a test).
    auto tick = [menu, codes] {
        for (QAction* item : menu->actions()) {
            item->setChecked(item->objectName() ==
                             QStringLiteral("Jezyk_") + config::currentLanguage());
        }
    };
    tick();
    QObject::connect(menu, &QMenu::aboutToShow, menu, tick);
}

}  // namespace ui
