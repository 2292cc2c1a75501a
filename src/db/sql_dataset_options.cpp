// SqlDataset: the options beside opening and browsing — master/detail links, Locate, blob
// streams and the editing entry points.

#include <algorithm>

#include "db/case_fold.h"
#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_blob_stream.h"
#include "db/sql_dataset.h"
#include "db/sql_params.h"
#include "db/sql_update_sql.h"
#include "db/text.h"
#include "db/value_codec.h"

namespace db {
namespace {

// The parts of `text` between `separator`s, each trimmed of blanks; empty parts dropped.
std::vector<std::string> splitTrimmed(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        std::string part = trimBlanks(text.substr(start, end - start));
        if (!part.empty()) parts.push_back(std::move(part));
        start = end + 1;
    }
    return parts;
}

bool isNumericKind(FieldKind kind) {
    return kind == FieldKind::Integer || kind == FieldKind::Float || kind == FieldKind::Currency;
}

}  // namespace

// --- master/detail -----------------------------------------------------------------------

void SqlDataset::setMasterSource(SqlDataset* master) {
    if (master == masterSource_) return;
    for (const SqlDataset* m = master; m; m = m->masterSource_) {
        if (m == this) throw DatabaseError(name_ + ": circular references are not allowed");
    }
    if (masterSource_) {
        auto& list = masterSource_->details_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    masterSource_ = master;
}

bool SqlDataset::applyMasterLink() {
    if (!masterSource_) return true;
    auto& list = masterSource_->details_;
    if (std::find(list.begin(), list.end(), this) == list.end()) list.push_back(this);
    // A detail opened after its master shows the master's current row's details at once,
    // not every row until the master first moves.
    if (!masterSource_->active() || trimBlanks(masterFields_).empty()) return true;
    std::optional<std::string> condition = masterFilter();
    if (!condition) return false;
    filter_ = std::move(*condition);
    if (!filter_.empty()) filtered_ = true;
    return true;
}

std::optional<std::string> SqlDataset::masterFilter() const {
    std::string condition;
    for (const std::string& pair : splitTrimmed(masterFields_, ';')) {
        const std::size_t eq = pair.find('=');
        const std::string detailName =
            eq == std::string::npos ? "" : trimBlanks(pair.substr(0, eq));
        const std::string masterName =
            eq == std::string::npos ? "" : trimBlanks(pair.substr(eq + 1));
        if (detailName.empty() || masterName.empty()) {
            showMessage(
                QT_TRANSLATE_NOOP("db", "Syntax error: Masterfields not build of a=b;... pairs"));
            return std::nullopt;
        }
        const Field& field = masterSource_->fieldByName(masterName);
        // Text values are quoted: an unquoted text would be read as a column name or fail.
        std::string value;
        if (!isNumericKind(field.dataType())) {
            value = quoteValue(field.asString());
        } else if (field.isNull()) {
            value = "NULL";
        } else {
            value = field.asString();
        }
        if (!condition.empty()) condition += " and ";
        condition += detailName + "=" + value;
    }
    return condition;
}

// --- editing -----------------------------------------------------------------------------

void SqlDataset::setUpdateSql(SqlUpdateSql* component) {
    if (component == updateSql_) return;
    if (updateSql_) {
        auto& users = updateSql_->users_;
        users.erase(std::remove(users.begin(), users.end(), this), users.end());
    }
    updateSql_ = component;
    if (updateSql_) updateSql_->users_.push_back(this);
}

void SqlDataset::requireUpdateSql() const {
    if (!updateSql_) throw SqlConfigError("Missing SqlUpdateSql component");
    throw SqlConfigError(name_ + ": editing rows through the dataset is not provided");
}

void SqlDataset::insertRecord() {
    requireUpdateSql();
}
void SqlDataset::edit() {
    requireUpdateSql();
}
void SqlDataset::post() {
    requireUpdateSql();
}
void SqlDataset::deleteRecord() {
    requireUpdateSql();
}

// --- Locate ------------------------------------------------------------------------------

bool SqlDataset::locate(std::string_view keyFields, const std::vector<std::string>& values,
                        LocateOptions options) {
    requireActive();
    std::vector<int> keys;
    for (const std::string& name : splitTrimmed(keyFields, ';'))
        keys.push_back(fieldByName(name).index());
    if (keys.empty() || keys.size() != values.size()) {
        throw DatabaseError(name_ + ": Locate needs one value for each of its " +
                            std::to_string(keys.size()) + " key fields, got " +
                            std::to_string(values.size()));
    }
    std::vector<std::string> wanted = values;
    if (options.caseInsensitive) {
        for (auto& v : wanted) v = foldCase(v);
    }
    const int n = recordCount();
    for (int row = 0; row < n; ++row) {
        bool match = true;
        for (std::size_t k = 0; k < keys.size() && match; ++k) {
            const std::string value = text(row, keys[k]);
            match = options.caseInsensitive ? foldCase(value) == wanted[k] : value == wanted[k];
        }
        if (match) {
            current_ = row;
            bof_ = eof_ = false;
            notify(DatasetEvent::CurrentChanged);
            return true;
        }
    }
    last();
    return false;
}

bool SqlDataset::locate(std::string_view keyField, std::string_view value, LocateOptions options) {
    return locate(keyField, std::vector<std::string>{std::string(value)}, options);
}

// --- blob streams ------------------------------------------------------------------------

std::unique_ptr<SqlBlobStream> SqlDataset::createBlobStream(Field& field, BlobMode mode) {
    if (&field.dataset() != this) {
        throw DatabaseError(name_ + ": Field '" + field.fieldName() +
                            "' belongs to another dataset");
    }
    return std::make_unique<SqlBlobStream>(field, mode);
}

bool SqlDataset::replaceField(std::int32_t bookmark, int field, std::string_view bytes) {
    if (!store_ || field < 0 || field >= static_cast<int>(defs_.size())) return false;
    const long index = store_->indexOfBookmark(bookmark);
    if (index < 0) return false;
    const auto row = store_->data(static_cast<std::size_t>(index));
    if (!row) return false;
    std::string rebuilt;
    rebuilt.reserve(row->size() + bytes.size());
    for (int f = 0; f < static_cast<int>(defs_.size()); ++f) {
        ResultStore::appendField(rebuilt, f == field ? bytes : ResultStore::field(*row, f));
    }
    store_->replace(static_cast<std::size_t>(index), rebuilt);
    return true;
}

void SqlDataset::detachBlobStreams() {
    for (SqlBlobStream* stream : blobStreams_) stream->detach();
    blobStreams_.clear();
}

}  // namespace db
