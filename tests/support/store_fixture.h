#pragma once
// A fresh database made by the start-up sequence in a fresh working directory, with a
// command query on its connection: the fixture of the tests that drive store's commands.

#include <QString>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "store/schema.h"
#include "support/work_dir.h"

namespace testing {

struct StoreDatabase {
    WorkDir dir;
    db::SqlConnection baza{"baza"};
    db::SqlQuery list{"sql1"};
    db::SqlQuery command{"sqlt"};

    StoreDatabase() {
        list.setConnection(&baza);
        command.setConnection(&baza);
        store::openDatabase(baza, list);
    }
    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
};

}  // namespace testing
