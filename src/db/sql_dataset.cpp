#include "db/sql_dataset.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_update_sql.h"
#include "db/text.h"
#include "db/value_codec.h"

namespace db {

SqlDataset::SqlDataset(std::string name) : name_(std::move(name)) {
    debugOut("SqlDataset created");
}

SqlDataset::~SqlDataset() {
    observers_.clear();
    if (active_) internalClose();
    detachBlobStreams();
    if (connection_) connection_->unregisterDataset(this);
    for (SqlDataset* detail : details_) detail->masterSource_ = nullptr;
    setMasterSource(nullptr);
    setUpdateSql(nullptr);
}

void SqlDataset::setConnection(SqlConnection* connection) {
    if (connection == connection_) return;
    close();
    if (connection_) connection_->unregisterDataset(this);
    connection_ = connection;
    if (connection_) connection_->registerDataset(this);
}

void SqlDataset::connectionDestroyed(SqlConnection* connection) {
    if (connection != connection_) return;
    close();
    connection_ = nullptr;
}

void SqlDataset::setFilter(std::string text) {
    close();
    filter_ = std::move(text);
}

void SqlDataset::setFiltered(bool on) {
    filtered_ = on;
    close();
    try {
        open();
    } catch (const Abort&) {
        filtered_ = false;
        throw;
    } catch (const std::exception& e) {
        filtered_ = false;
        throw SqlConfigError(std::string("Filter error: ") + e.what());
    }
}

void SqlDataset::appendFilter(std::string& statement) const {
    if (!filtered_ || filter_.empty()) return;
    statement += lowerAscii(statement).find("where") != std::string::npos ? " and " : " where ";
    statement += filter_;
}

void SqlDataset::open() {
    if (active_) return;
    try {
        internalOpen();
    } catch (...) {
        store_.reset();
        fields_.clear();
        defs_.clear();
        current_ = -1;
        throw;
    }
    current_ = -1;
    for (std::size_t i = 0; i < defs_.size(); ++i) {
        fields_.push_back(std::make_unique<Field>(*this, defs_[i], static_cast<int>(i)));
    }
    active_ = true;
    notify(DatasetEvent::Opened);
    first();
}

void SqlDataset::internalClose() {
    detachBlobStreams();
    statement_.clear();
    store_.reset();
    fields_.clear();
    defs_.clear();
    current_ = -1;
}

void SqlDataset::close() {
    if (!active_) return;
    internalClose();
    active_ = false;
    eof_ = bof_ = true;
    notify(DatasetEvent::Closed);
}

void SqlDataset::requireActive() const {
    if (!active_)
        throw DatabaseError(name_ + ": Cannot perform this operation on a closed dataset");
}

int SqlDataset::recordCount() const {
    return store_ ? static_cast<int>(store_->count()) : 0;
}

void SqlDataset::first() {
    requireActive();
    const int n = recordCount();
    current_ = n > 0 ? 0 : -1;
    bof_ = true;
    eof_ = n == 0;
    notify(DatasetEvent::CurrentChanged);
}

void SqlDataset::next() {
    requireActive();
    const int n = recordCount();
    if (current_ < n - 1) {
        ++current_;
        bof_ = false;
        eof_ = false;
    } else {
        eof_ = true;
    }
    notify(DatasetEvent::CurrentChanged);
}

void SqlDataset::prior() {
    requireActive();
    if (current_ > 0) {
        --current_;
        bof_ = false;
        eof_ = false;
    } else {
        bof_ = true;
    }
    notify(DatasetEvent::CurrentChanged);
}

void SqlDataset::last() {
    requireActive();
    const int n = recordCount();
    current_ = n - 1;
    eof_ = n == 0;
    bof_ = n == 0;
    notify(DatasetEvent::CurrentChanged);
}

int SqlDataset::recNo() const {
    if (current_ == -1 && recordCount() > 0) return 1;
    return current_ + 1;
}

void SqlDataset::setRecNo(int value) {
    const int n = recordCount();
    if (!active_ || value < 0 || value > n + 1 || n == 0) return;
    // The view is refreshed on the nearest stored row.
    current_ = std::clamp(value - 1, 0, n - 1);
    bof_ = eof_ = false;
    notify(DatasetEvent::CurrentChanged);
}

bool SqlDataset::setCurrentIndex(int index) {
    if (!active_ || index < 0 || index >= recordCount()) return false;
    if (index != current_) {
        current_ = index;
        bof_ = eof_ = false;
        notify(DatasetEvent::CurrentChanged);
    }
    return true;
}

std::int32_t SqlDataset::bookmark() const {
    return store_ && current_ >= 0 ? store_->bookmark(static_cast<std::size_t>(current_)) : -1;
}

void SqlDataset::gotoBookmark(std::int32_t bookmark) {
    const long index = store_ ? store_->indexOfBookmark(bookmark) : -1;
    if (index < 0) throw DatabaseError("Bookmark not found");
    current_ = static_cast<int>(index);
    bof_ = eof_ = false;
    notify(DatasetEvent::CurrentChanged);
}

std::int64_t SqlDataset::rowId() const {
    return store_ && current_ >= 0 ? store_->rowId(static_cast<std::size_t>(current_)) : -1;
}

Field& SqlDataset::fields(int index) const {
    if (index < 0 || index >= fieldCount()) {
        throw DatabaseError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return *fields_[static_cast<std::size_t>(index)];
}

Field* SqlDataset::findField(std::string_view name) const {
    for (const auto& f : fields_) {
        if (equalsNoCase(f->fieldName(), name)) return f.get();
    }
    return nullptr;
}

Field& SqlDataset::fieldByName(std::string_view name) const {
    if (Field* f = findField(name)) return *f;
    throw DatabaseError(name_ + ": Field '" + std::string(name) + "' not found");
}

std::string_view SqlDataset::rowBytes(int row, int field) const {
    if (!store_) return {};
    const auto data = store_->data(static_cast<std::size_t>(row));
    return data ? ResultStore::field(*data, field) : std::string_view();
}

std::string_view SqlDataset::currentBytes(int field) const {
    return current_ < 0 ? std::string_view() : rowBytes(current_, field);
}

std::string SqlDataset::text(int row, int field) const {
    if (field < 0 || field >= static_cast<int>(defs_.size())) return {};
    return valueText(defs_[static_cast<std::size_t>(field)].kind, rowBytes(row, field));
}

int SqlDataset::subscribe(Observer observer) {
    observers_.emplace_back(nextObserverId_, std::move(observer));
    return nextObserverId_++;
}

void SqlDataset::unsubscribe(int id) {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [id](const auto& o) { return o.first == id; }),
                     observers_.end());
}

void SqlDataset::notify(DatasetEvent event) {
    const auto observers = observers_;  // an observer may unsubscribe itself
    for (const auto& o : observers) o.second(event);
    if (event != DatasetEvent::CurrentChanged || details_.empty()) return;
    const auto details = details_;  // a detail may leave the list meanwhile
    for (SqlDataset* detail : details) {
        if (std::find(details_.begin(), details_.end(), detail) != details_.end()) {
            detail->sqliteMasterChanged();
        }
    }
}

void SqlDataset::loadQueryData(const std::string& statement, const std::string& shownText) {
    store_ = std::make_unique<ResultStore>();
    defs_.clear();
    recordSize_ = 0;
    statement_ = statement;
    if (!connection_ || !connection_->connected()) return;
    fieldsBuilt_ = false;
    std::string error;
    const int rc = connection_->xExec(statement, &SqlDataset::rowCallback, this, &error);
    lastError_ = error;
    if (!error.empty()) {
        throw DatabaseError(std::string(cutChars(error, 255)) + "\n" + shownText, rc, statement);
    }
}

int SqlDataset::rowCallback(void* arg, const ExecRow& row) {
    return static_cast<SqlDataset*>(arg)->onRow(row);
}

void SqlDataset::encodeValue(const FieldDef& def, const char* value, int length) {
    std::string_view bytes(value ? value : "", value ? static_cast<std::size_t>(length) : 0);
    if (typeLess_ || def.kind == FieldKind::String) {
        // A text value ends at its first zero byte and is cut to the field's size.
        if (const void* zero = std::memchr(bytes.data(), 0, bytes.size())) {
            bytes = bytes.substr(0, static_cast<const char*>(zero) - bytes.data());
        }
        ResultStore::appendField(scratch_, cutChars(bytes, static_cast<std::size_t>(def.size)));
    } else if (!value) {
        ResultStore::appendField(scratch_, {});
    } else {
        ResultStore::appendField(scratch_, db::encodeValue(def.kind, bytes, sqliteDateFormat_));
    }
}

int SqlDataset::onRow(const ExecRow& row) {
    if (execSqlFlag_) return 0;
    scratch_.clear();
    if (!fieldsBuilt_) {
        defs_.clear();
        recordSize_ = 0;
    }
    const int n = row.columnCount;
    bool hasData = false;
    std::int64_t rowId = -1;
    std::size_t field = 0;
    for (int col = 0; col < n; ++col) {
        const bool isRowId = equalsNoCase(row.names[col], "RowId");
        if (!fieldsBuilt_ && !isRowId) {
            FieldInfo info = getFieldInfo(row.names[n + col]);
            FieldDef def{row.names[col], info.kind, info.size, 0};
            if (typeLess_) def.kind = FieldKind::String;
            if (def.kind == FieldKind::Float) def.precision = info.precision;
            recordSize_ += nativeFieldSize(def.kind, def.size, def.name);
            defs_.push_back(std::move(def));
            store_->setBufSize(static_cast<std::size_t>(recordSize_) + 5);
        }
        if (!row.values) continue;
        if (isRowId) {
            std::int64_t id = -1;
            if (row.values[col] &&
                !tryToInteger(row.values[col], id, std::numeric_limits<std::int64_t>::min(),
                              std::numeric_limits<std::int64_t>::max())) {
                toInteger(row.values[col]);  // raises the conversion error
            }
            rowId = id;
            continue;
        }
        if (field < defs_.size()) {
            hasData = true;
            encodeValue(defs_[field], row.values[col], row.lengths[col]);
        }
        ++field;
    }
    // A later statement of the same text may return fewer columns: the rest read empty.
    if (row.values) {
        for (; field < defs_.size(); ++field) ResultStore::appendField(scratch_, {});
    }
    fieldsBuilt_ = true;
    if (hasData) store_->add(scratch_, rowId);
    return 0;
}

}  // namespace db
