#pragma once
// Dialogs: the one way the application asks, informs and shows errors. The real one uses
// QMessageBox; tests install a scripted one (tests/support) that records every box and
// answers from a script.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace ui {

enum class BoxKind { Question, Information, Error, Message, StandardError, Choice, Number };

// The answer to a question that can also be put off.
enum class Answer { Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A question with the buttons Yes and No, no icon; true only for Yes.
    virtual bool ask(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A question with Yes, No and "Anuluj"; Escape and the close box answer "Anuluj".
    virtual Answer askOrCancel(QWidget* owner, const QString& caption, const QString& text) = 0;
    // A box with an OK button and no icon.
    virtual void message(QWidget* owner, const QString& caption, const QString& text) = 0;
    // The application's standard error box: caption the application's title, the text with
    // the closing "." rule, a stop icon and an OK button.
    virtual void standardError(QWidget* owner, const QString& text) = 0;
    // One of `items` picked from a list (typing its first letters finds it), with OK and
    // "Anuluj"; the picked item's position, or -1 when cancelled.
    virtual int choose(QWidget* owner, const QString& caption, const QString& label,
                       const QStringList& items) = 0;
    // A whole number from `minimum` to `maximum`, starting at `value`, with OK and
    // "Anuluj"; nothing when cancelled.
    virtual std::optional<int> askNumber(QWidget* owner, const QString& caption,
                                         const QString& label, int value, int minimum,
                                         int maximum) = 0;
    // A line of text, starting at `value`, with OK and "Anuluj"; nothing when cancelled.
    virtual std::optional<QString> askText(QWidget* owner, const QString& caption,
                                           const QString& label, const QString& value) = 0;

    // "Informacja" and "BŁĄD" boxes with an OK button and no icon.
    void inform(QWidget* owner, const QString& text);
    void error(QWidget* owner, const QString& text);

    // The dialogs in use; the real ones unless a test installed others.
    static Dialogs& instance();
    static void install(Dialogs* dialogs);  // null restores the real ones
};

// The boxes on screen.
class MessageBoxDialogs : public Dialogs {
public:
    bool ask(QWidget* owner, const QString& caption, const QString& text) override;
    Answer askOrCancel(QWidget* owner, const QString& caption, const QString& text) override;
    void message(QWidget* owner, const QString& caption, const QString& text) override;
    void standardError(QWidget* owner, const QString& text) override;
    int choose(QWidget* owner, const QString& caption, const QString& label,
               const QStringList& items) override;
    std::optional<int> askNumber(QWidget* owner, const QString& caption, const QString& label,
                                 int value, int minimum, int maximum) override;
    std::optional<QString> askText(QWidget* owner, const QString& caption, const QString& label,
                                   const QString& value) override;
};

// The application's title: the program file's name without its directory and without
// everything from its first "." on, every letter after the first in lower case.
QString applicationTitle();
QString applicationTitle(const QString& programPath);
// An error text as the standard error box shows it: "." appended when the last character's
// code is above that of ".".
QString standardErrorText(const QString& message);

}  // namespace ui
