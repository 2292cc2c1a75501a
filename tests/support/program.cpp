#include "support/program.h"

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "files/database_location.h"
#include "model/schema.h"
#include "session/startup.h"
#include "support/sql_helpers.h"
#include "ui/modal.h"

namespace testing {

void makeDatabase(const QString& file, const QString& setupSql) {
    {
        db::SqlConnection connection("baza");
        db::SqlQuery list("sql1");
        list.setConnection(&connection);
        session::openDatabase(connection, list, files::DatabaseLocation::file(file.toStdString()));
    }
    if (!setupSql.isEmpty()) execFile(file, setupSql);
}

Program::Program(const QString& setupSql) {
    if (!setupSql.isEmpty()) makeDatabase(file(), setupSql);
    windows = std::make_unique<ui::AppWindows>();
    windows->main->show();
}

Program::~Program() {
    ui::setModalHook(nullptr);
}

}  // namespace testing
