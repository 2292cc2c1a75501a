#include "ui/typing_limit.h"

#include <QComboBox>
#include <QLineEdit>

namespace ui {
namespace {

// Keeps the last text so that a user's edit can be compared with what it replaced. The
// line edit reports a user's edit (textEdited) before it reports the change (textChanged);
// a text mended while the edit is reported is followed by the edit's own, stale report, so
// the text kept is always read from the box itself.
class TypingLimit : public QObject {
public:
    TypingLimit(QLineEdit* edit, int maxChars) : QObject(edit), edit_(edit), max_(maxChars) {
        last_ = edit->text().toUcs4();
        connect(edit, &QLineEdit::textEdited, this, &TypingLimit::edited);
        connect(edit, &QLineEdit::textChanged, this, [this] { last_ = edit_->text().toUcs4(); });
    }

private:
    void edited(const QString& text) {
        const QList<uint> now = text.toUcs4();
        // Within the limit anything goes; past it, only a change that inserts nothing (a
        // deletion from a longer text the program put there). Text that replaces a selection
        // is cut like any other insertion, so no edit ends past the limit.
        if (now.size() <= max_) return;
        // The inserted part lies between the common prefix and the common suffix.
        qsizetype prefix = 0;
        while (prefix < now.size() && prefix < last_.size() && now[prefix] == last_[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < now.size() - prefix && suffix < last_.size() - prefix &&
               now[now.size() - 1 - suffix] == last_[last_.size() - 1 - suffix]) {
            ++suffix;
        }
        const qsizetype remainingOld = prefix + suffix;
        const qsizetype allowed = qMax<qsizetype>(0, max_ - remainingOld);
        const qsizetype inserted = now.size() - prefix - suffix;
        if (inserted <= 0) return;
        const qsizetype take = qMin(inserted, allowed);
        QList<uint> result = now.mid(0, prefix + take);
        result += now.mid(now.size() - suffix);
        const QString fixed =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(result.data()), result.size());
        edit_->setText(fixed);
        edit_->setCursorPosition(
            QString::fromUcs4(reinterpret_cast<const char32_t*>(result.data()), prefix + take)
                .size());
    }

    QLineEdit* edit_;
    int max_;
    QList<uint> last_;
};

}  // namespace

void limitTyping(QLineEdit* edit, int maxChars) {
    new TypingLimit(edit, maxChars);
}

void limitTyping(QComboBox* combo, int maxChars) {
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);  // typed text is kept as typed, never completed to an item
    if (combo->lineEdit()) limitTyping(combo->lineEdit(), maxChars);
}

}  // namespace ui
