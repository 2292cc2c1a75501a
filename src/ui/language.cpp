#include "ui/language.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTranslator>

#include "store/messages.h"
#include "ui/handlers.h"

namespace ui {
namespace {

QString& current() {
    static QString code = QStringLiteral("pl");
    return code;
}

// The translators installed now: the program's own (none for Polish, the sources' language)
// and Qt's.
QTranslator*& ownTranslator() {
    static QTranslator* t = nullptr;
    return t;
}
QTranslator*& qtTranslator() {
    static QTranslator* t = nullptr;
    return t;
}

QSettings settings() {
    return QSettings(QStringLiteral("Listy"), QStringLiteral("Listy"));
}

const char* const kSettingsKey = "jezyk";

void replace(QTranslator*& slot, QTranslator* next) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    slot = next;
    if (slot) QCoreApplication::installTranslator(slot);
}

}  // namespace

QStringList languageCodes() {
    return {QStringLiteral("pl"), QStringLiteral("de"), QStringLiteral("en")};
}

bool isLanguageCode(const QString& code) {
    return languageCodes().contains(code);
}

QString currentLanguage() {
    return current();
}

store::Language exchangeLanguage() {
    return store::languageFromCode(current().toStdString()).value_or(store::Language::Polish);
}

bool setLanguage(const QString& code) {
    if (!isLanguageCode(code) || !QCoreApplication::instance()) return false;
    QTranslator* own = nullptr;
    if (code != QStringLiteral("pl")) {
        own = new QTranslator(QCoreApplication::instance());
        if (!own->load(QStringLiteral(":/i18n/listy_%1.qm").arg(code))) {
            delete own;
            return false;
        }
    }
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        qt = nullptr;
    }
    current() = code;
    // The messages that store composes follow the program's translation.
    store::setMessageTranslator(
        own ? store::MessageTranslator([](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        })
            : store::MessageTranslator(),
        exchangeLanguage());
    // Qt's first, so that installing the program's own tells the windows last.
    replace(qtTranslator(), qt);
    replace(ownTranslator(), own);
    return true;
}

QString savedLanguage() {
    const QString code = settings().value(QLatin1String(kSettingsKey)).toString();
    return isLanguageCode(code) ? code : QStringLiteral("pl");
}

void saveLanguage(const QString& code) {
    settings().setValue(QLatin1String(kSettingsKey), code);
}

void addLanguageMenu(QMainWindow& window) {
    // Its title and items are the same in every language: whoever cannot read the present
    // one still finds their own.
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Język / Sprache / Language"));
    menu->setObjectName(QStringLiteral("Jezyk1"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const QStringList names{QStringLiteral("Polski"), QStringLiteral("Deutsch"),
                            QStringLiteral("English")};
    const QStringList codes = languageCodes();
    for (qsizetype i = 0; i < codes.size(); ++i) {
        QAction* item = menu->addAction(names[i]);
        item->setObjectName(QStringLiteral("Jezyk_") + codes[i]);
        item->setCheckable(true);
        group->addAction(item);
        const QString code = codes[i];
        connectHandler(item, &QAction::triggered, &window, [code](bool) {
            saveLanguage(code);
            setLanguage(code);
        });
    }
    // The tick follows whatever switched the language (the menu, the command line, a test).
    auto tick = [menu, codes] {
        for (QAction* item : menu->actions()) {
            item->setChecked(item->objectName() == QStringLiteral("Jezyk_") + current());
        }
    };
    tick();
    QObject::connect(menu, &QMenu::aboutToShow, menu, tick);
}

}  // namespace ui
