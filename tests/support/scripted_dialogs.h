#pragma once
// Dialogs for tests: every box is recorded, questions are answered from a script, and no
// box ever waits for a person. Installing one replaces the real boxes until it is destroyed.

#include <QList>
#include <QString>

#include "ui/dialogs.h"

namespace testing {

struct Box {
    ui::BoxKind kind;
    QString caption;
    QString text;
};

class ScriptedDialogs : public ui::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Answers for the next questions, in order; a question with no answer left gets No.
    void answer(std::initializer_list<bool> answers) { answers_ += QList<bool>(answers); }

    bool ask(QWidget* owner, const QString& caption, const QString& text) override;
    void message(QWidget* owner, const QString& caption, const QString& text) override;
    void standardError(QWidget* owner, const QString& text) override;

    QList<Box> boxes;
    void clear() { boxes.clear(); }
    // The text of every box shown, one per line, as "<caption>: <text>".
    QString transcript() const;

private:
    QList<bool> answers_;
};

}  // namespace testing
