#include "config/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "config/settings.h"
#include "model/messages.h"

namespace config {
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

model::Language exchangeLanguage() {
    return model::languageFromCode(current().toStdString()).value_or(model::Language::Polish);
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
    model::setMessageTranslator(
        own ? model::MessageTranslator([](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        })
            : model::MessageTranslator(),
        exchangeLanguage());
    // Qt's first, so that installing the program's own tells the windows last.
    replace(qtTranslator(), qt);
    replace(ownTranslator(), own);
    return true;
}

QString savedLanguage() {
    const QString code = read(kLanguage);
    return isLanguageCode(code) ? code : QStringLiteral("pl");
}

void saveLanguage(const QString& code) {
    write(kLanguage, code);
}

}  // namespace config
