#pragma once
// A fresh database in a fresh working directory, its schema made as a new file gets it at
// start-up (the nine creation statements), the waybill list open, with a command query on
// its connection: the fixture of the tests that drive the model's commands and the print
// run without the session.

#include <QDir>
#include <QString>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/schema.h"
#include "model/transaction.h"
#include "support/work_dir.h"

namespace testing {

// Opens listy.sdb in the working directory as a new file is opened at start-up: the schema
// made, `list` open on the waybill list.
inline void openNewDatabase(db::SqlConnection& baza, db::SqlQuery& list) {
    baza.setDefaultDir(QDir::currentPath().toStdString() + "/");
    baza.setDatabase("listy.sdb");
    baza.open();
    model::createSchema(list);
    model::openQuery(list, model::kWaybillListSql);
}

struct TestDatabase {
    WorkDir dir;
    db::SqlConnection baza{"baza"};
    db::SqlQuery list{"sql1"};
    db::SqlQuery command{"sqlt"};

    TestDatabase() {
        list.setConnection(&baza);
        command.setConnection(&baza);
        openNewDatabase(baza, list);
    }
    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
};

}  // namespace testing
