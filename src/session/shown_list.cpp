#include "session/shown_list.h"

#include "db/field.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "session/failures.h"

namespace session {

ShownList::ShownList(Session& session, std::string name, std::string sql,
                     std::optional<model::List> follows)
    : session_(session),
      query_(std::make_unique<db::SqlQuery>(std::move(name))),
      follows_(follows) {
    query_->setConnection(&session_.connection());
    query_->setSql(sql);
    session_.attach(this);
}

ShownList::~ShownList() {
    session_.detach(this);
}

db::SqlDataset& ShownList::dataset() {
    return *query_;
}

const db::SqlDataset& ShownList::dataset() const {
    return *query_;
}

db::SqlConnection* ShownList::connection() const {
    return query_->connection();
}

void ShownList::setSql(const std::string& sql) {
    query_->close();
    query_->setSql(sql);
}

std::string ShownList::sql() const {
    return query_->sql();
}

void ShownList::setAutoCommit(bool on) {
    query_->setAutoCommit(on);
}

void ShownList::open() {
    tellingCause(session_.pathForMessages(), [&] { query_->open(); });
}

void ShownList::close() {
    query_->close();
}

void ShownList::reopen() {
    query_->close();
    if (source_) query_->setSql(source_());
    open();
}

void ShownList::setSqlSource(std::function<std::string()> source) {
    source_ = std::move(source);
}

void ShownList::execSql() {
    query_->execSql();
}

bool ShownList::active() const {
    return query_->active();
}

int ShownList::recordCount() const {
    return query_->recordCount();
}

int ShownList::currentIndex() const {
    return query_->currentIndex();
}

void ShownList::setCurrentIndex(int index) {
    query_->setCurrentIndex(index);
}

void ShownList::first() {
    query_->first();
}
void ShownList::prior() {
    query_->prior();
}
void ShownList::next() {
    query_->next();
}
void ShownList::last() {
    query_->last();
}
bool ShownList::eof() const {
    return query_->eof();
}

std::string ShownList::text(std::string_view name) const {
    return query_->fieldByName(name).asString();
}

int ShownList::integer(std::string_view name) const {
    return query_->fieldByName(name).asInteger();
}

int ShownList::fieldIndex(std::string_view name) const {
    const db::Field* field = query_->findField(name);
    return field ? field->index() : -1;
}

std::string ShownList::textAt(int row, int field) const {
    return query_->text(row, field);
}

model::Waybill ShownList::waybill() const {
    return model::waybillAt(*query_);
}

void ShownList::follow(const Changes& changes) {
    if (!follows_) return;
    const bool reopenNow = reopenAfterNewFile_;
    reopenAfterNewFile_ = false;
    if (changes.newFile) {
        if (reopenNow) query_->open();
        return;
    }
    if (changes.has(*follows_) && query_->active()) reopen();
}

}  // namespace session
