#pragma once
// A fresh database in a fresh working directory opened by a session, as the program opens
// it: the fixture of the tests that drive the commands through the session's door. `baza` is
// the session's connection, for reading back what the commands wrote.

#include <QString>

#include "session/session.h"
#include "support/work_dir.h"

namespace testing {

struct TestSession {
    WorkDir dir;
    session::Session session;
    db::SqlConnection& baza;

    TestSession() : baza(session.connection()) { session.open(); }
    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
};

}  // namespace testing
