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

    // The next question that can be put off is answered "Anuluj" (Escape), once per call.
    void cancelNext() { ++cancels_; }

    // Answers for the next lists: the item to pick by its text (an item not offered, or no
    // answer left, cancels).
    void pick(std::initializer_list<QString> items) { picks_ += QStringList(items); }
    // Answers for the next number questions; no answer left cancels.
    void number(std::initializer_list<int> values) { numbers_ += QList<int>(values); }
    // Answers for the next text questions; no answer left cancels.
    void text(std::initializer_list<QString> values) { texts_ += QStringList(values); }

    bool ask(QWidget* owner, const QString& caption, const QString& text) override;
    ui::Answer askOrCancel(QWidget* owner, const QString& caption, const QString& text) override;
    int choose(QWidget* owner, const QString& caption, const QString& label,
               const QStringList& items) override;
    std::optional<int> askNumber(QWidget* owner, const QString& caption, const QString& label,
                                 int value, int minimum, int maximum) override;
    std::optional<QString> askText(QWidget* owner, const QString& caption, const QString& label,
                                   const QString& value) override;
    void message(QWidget* owner, const QString& caption, const QString& text) override;
    void standardError(QWidget* owner, const QString& text) override;

    QList<Box> boxes;
    // The items of the last list offered, and the start value of the last number asked.
    QStringList offered;
    int numberStart = 0;
    void clear() { boxes.clear(); }
    // The text of every box shown, one per line, as "<caption>: <text>".
    QString transcript() const;

private:
    QList<bool> answers_;
    QStringList picks_;
    QList<int> numbers_;
    QStringList texts_;
    int cancels_ = 0;
};

}  // namespace testing
