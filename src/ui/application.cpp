#include "ui/application.h"
#include "config/language.h"

#include <QFont>
#include <QIcon>
#include <QLoggingCategory>

#include "session/output.h"
#include "ui/dialogs.h"
#include "ui/language.h"
#include "ui/window_habits.h"

Q_LOGGING_CATEGORY(listySql, "listy.sql", QtInfoMsg)

namespace ui {

void setUpLookAndText(QApplication& app) {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    app.setFont(font);
    // The language chosen last (Polish when none was), with Qt's own texts in it.
    config::setLanguage(config::savedLanguage());
}

void routeAccessLayerOutput() {
    session::setDebugOutput([](std::string_view line) {
        qCDebug(listySql).noquote() << QString::fromUtf8(line.data(), qsizetype(line.size()));
    });
    session::setMessageOutput([](const std::string& text) {
        // The access layer names its messages by their texts, in context "db".
        Dialogs::instance().message(QApplication::activeWindow(), applicationTitle(),
                                    QCoreApplication::translate("db", text.c_str()));
    });
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setWindowIcon(applicationIcon());
    setUpLookAndText(*this);
    routeAccessLayerOutput();
}

Application::~Application() {
    session::setDebugOutput(nullptr);
    session::setMessageOutput(nullptr);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        Dialogs::instance().standardError(activeWindow(), QString::fromUtf8(e.what()));
    } catch (...) {
        Dialogs::instance().standardError(
            activeWindow(), QCoreApplication::translate("ui::Application", "Unknown error"));
    }
    return false;
}

}  // namespace ui
