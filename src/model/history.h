#pragma once
// The history of the session's commands, for "Cofnij" and "Ponów". Each command that
// changed the file leaves one step: its name for the menu ("usunięcie stacji Gliwice i
// 12 listów", kept as a message, so it is shown in the language of the moment) and the rows it
// changed, by rowid, with their texts before and after. An undo puts the rows before back in one
// transaction, a redo the rows after; both first check that the rows still hold what the step left
// there, and refuse (HistoryRefused, nothing written) when another program changed them. The
// counters never go back: a counter is written as the larger of its present and its recorded value.

#include <cstddef>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>

#include "db/row_changes.h"
#include "model/messages.h"

namespace model {

struct HistoryStep {
    Message what;
    db::RowChanges changes;
};

class History {
public:
    // At least 100 steps are kept; older ones are forgotten.
    static constexpr std::size_t kSteps = 200;

    // A new step; the steps that could be redone are gone.
    void push(HistoryStep step);
    const HistoryStep* nextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    const HistoryStep* nextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }
    void undone();  // the next undo step moves to the redo side
    void redone();
    // Nothing can be undone or redone any more (a statement typed in the SQL browser).
    void end();

private:
    std::deque<HistoryStep> undo_;
    std::deque<HistoryStep> redo_;
};

// An undo or redo that cannot be done: the message says why; nothing was written.
class HistoryRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How many rows of `table` the changes deleted, inserted or changed.
long deletedRows(const db::RowChanges& changes, std::string_view table);
long insertedRows(const db::RowChanges& changes, std::string_view table);

// "5 listów", "1 listu" (the counted noun in the genitive after "usunięcie … i"); `one`
// and `many` are messages of context "listy".
Message countOf(long n, const char* one, const char* many);

// Puts the rows of `step` back (`backwards`: the state before the command) inside the
// caller's transaction: the counters only ever grow.
void applyStep(db::SqlConnection& connection, const HistoryStep& step, bool backwards);

}  // namespace model
