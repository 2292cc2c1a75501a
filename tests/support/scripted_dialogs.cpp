#include "support/scripted_dialogs.h"

#include "db/sinks.h"

namespace testing {

ScriptedDialogs::ScriptedDialogs() {
    ui::Dialogs::install(this);
    db::setMessageSink([this](const std::string& text) {
        message(nullptr, ui::applicationTitle(), QString::fromStdString(text));
    });
}

ScriptedDialogs::~ScriptedDialogs() {
    ui::Dialogs::install(nullptr);
    db::setMessageSink(nullptr);
}

bool ScriptedDialogs::ask(QWidget*, const QString& caption, const QString& text) {
    boxes.push_back({ui::BoxKind::Question, caption, text});
    return answers_.isEmpty() ? false : answers_.takeFirst();
}

void ScriptedDialogs::message(QWidget*, const QString& caption, const QString& text) {
    boxes.push_back({ui::BoxKind::Message, caption, text});
}

void ScriptedDialogs::standardError(QWidget*, const QString& text) {
    boxes.push_back({ui::BoxKind::StandardError, ui::applicationTitle(),
                     ui::standardErrorText(text)});
}

QString ScriptedDialogs::transcript() const {
    QStringList lines;
    for (const Box& b : boxes) lines << b.caption + QStringLiteral(": ") + b.text;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace testing
