#include "support/scripted_dialogs.h"

#include <algorithm>

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

ui::Answer ScriptedDialogs::askOrCancel(QWidget* owner, const QString& caption,
                                        const QString& text) {
    if (cancels_ > 0) {
        --cancels_;
        boxes.push_back({ui::BoxKind::Question, caption, text});
        return ui::Answer::Cancel;
    }
    return ask(owner, caption, text) ? ui::Answer::Yes : ui::Answer::No;
}

int ScriptedDialogs::choose(QWidget*, const QString& caption, const QString& label,
                            const QStringList& items) {
    boxes.push_back({ui::BoxKind::Choice, caption, label});
    offered = items;
    return picks_.isEmpty() ? -1 : static_cast<int>(items.indexOf(picks_.takeFirst()));
}

std::optional<int> ScriptedDialogs::askNumber(QWidget*, const QString& caption,
                                              const QString& label, int value, int minimum,
                                              int maximum) {
    boxes.push_back({ui::BoxKind::Number, caption, label});
    numberStart = value;
    if (numbers_.isEmpty()) return std::nullopt;
    return std::clamp(numbers_.takeFirst(), minimum, maximum);
}

std::optional<QString> ScriptedDialogs::askText(QWidget*, const QString& caption,
                                                const QString& label, const QString&) {
    boxes.push_back({ui::BoxKind::Number, caption, label});
    if (texts_.isEmpty()) return std::nullopt;
    return texts_.takeFirst();
}

void ScriptedDialogs::message(QWidget*, const QString& caption, const QString& text) {
    boxes.push_back({ui::BoxKind::Message, caption, text});
}

void ScriptedDialogs::standardError(QWidget*, const QString& text) {
    boxes.push_back(
        {ui::BoxKind::StandardError, ui::applicationTitle(), ui::standardErrorText(text)});
}

QString ScriptedDialogs::transcript() const {
    QStringList lines;
    for (const Box& b : boxes) lines << b.caption + QStringLiteral(": ") + b.text;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace testing
