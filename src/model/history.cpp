#include "model/history.h"

#include <algorithm>
#include <cctype>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/text.h"
#include "model/messages.h"
#include "model/sql_text.h"
#include "model/stored_rows.h"
#include "model/transaction.h"

namespace model {
namespace {

bool isCounterKey(const db::Row& row) {
    if (row.empty() || row[0].kind != db::RowValue::Text) return false;
    const std::string_view key = row[0].bytes;
    return key == "nr_listu" || key == "nr_stacji" || key == "nr_punktu" || key == "nr_relacji";
}

// A counter row that the command changed (not added nor removed): written apart, by the
// larger value.
bool isCounterChange(const db::RowChange& c) {
    return c.table == "admin" && c.before && c.after && isCounterKey(*c.before) &&
           isCounterKey(*c.after) && c.before->size() >= 2 && c.after->size() >= 2;
}

long long numberOf(const db::RowValue& v) {
    if (v.kind == db::RowValue::Integer) return v.integer;
    try {
        return db::toInteger(v.bytes);
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

void History::push(HistoryStep step) {
    redo_.clear();
    undo_.push_back(std::move(step));
    while (undo_.size() > kSteps) undo_.pop_front();
}

void History::undone() {
    if (undo_.empty()) return;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
}

void History::redone() {
    if (redo_.empty()) return;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
}

void History::end() {
    undo_.clear();
    redo_.clear();
}

long deletedRows(const db::RowChanges& changes, std::string_view table) {
    return static_cast<long>(std::count_if(changes.rows.begin(), changes.rows.end(), [&](auto& c) {
        return c.table == table && c.before && !c.after;
    }));
}

long insertedRows(const db::RowChanges& changes, std::string_view table) {
    long n =
        static_cast<long>(std::count_if(changes.rows.begin(), changes.rows.end(), [&](auto& c) {
            return c.table == table && !c.before && c.after;
        }));
    for (const db::InsertedRows& block : changes.inserted)
        if (block.table == table) n += static_cast<long>(block.size());
    return n;
}

Message countOf(long n, const char* one, const char* many) {
    return Message::joined("%1 %2", {std::to_string(n), Message("listy", n == 1 ? one : many)});
}

void applyStep(db::SqlConnection& connection, const HistoryStep& step, bool backwards) {
    try {
        db::applyRowChanges(connection, step.changes, backwards, &isCounterChange);
    } catch (const db::RowsChangedError& e) {
        throw HistoryRefused(message(
            "listy",
            backwards ? QT_TRANSLATE_NOOP("listy",
                                          "Nie można cofnąć: %1.\nInny program zmienił od tej "
                                          "pory te wiersze (tabela %2, wiersz %3). Nic nie "
                                          "zostało zmienione.")
                      : QT_TRANSLATE_NOOP("listy",
                                          "Nie można ponowić: %1.\nInny program zmienił od tej "
                                          "pory te wiersze (tabela %2, wiersz %3). Nic nie "
                                          "zostało zmienione."),
            {step.what.text(), e.table(), std::to_string(e.rowid())}));
    }
    for (const db::RowChange& c : step.changes.rows) {
        if (!isCounterChange(c)) continue;
        const db::Row& target = backwards ? *c.before : *c.after;
        const std::string rowid = std::to_string(c.rowid);
        const auto present =
            readStoredRows(connection, "select value from admin where rowid=" + rowid + ";");
        long long value = numberOf(target[1]);
        if (!present.empty() && !present[0].empty() && present[0][0]) {
            db::RowValue now;
            now.kind = db::RowValue::Text;
            now.bytes = *present[0][0];
            value = std::max(value, numberOf(now));
        }
        runStatement(connection, "update admin set value='" + std::to_string(value) +
                                     "' where rowid=" + rowid + ";");
    }
}

}  // namespace model
