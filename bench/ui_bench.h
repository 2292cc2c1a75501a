#pragma once
// Shared by the window benchmarks: a database in a temporary working directory filled
// through sqlite3 directly, CPU time of this thread, the heap in use, and an offscreen
// QApplication.

#include <malloc.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/schema.h"
#include "session/session.h"

namespace bench {

inline double threadSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Bytes of heap in use once freed memory has been handed back.
inline double heapInUse() {
    malloc_trim(0);
    return static_cast<double>(mallinfo2().uordblks);
}

// Every pending event handled, paints included.
inline void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's objects must not outlive it at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// listy.sdb with the schema in a fresh working directory, and the command layer on it.
struct Database {
    std::string dir;
    session::Session session;
    db::SqlConnection& baza = session.connection();

    explicit Database(const std::function<void(sqlite3*)>& fill) {
        char tmpl[] = "/tmp/listy-bench-XXXXXX";
        dir = mkdtemp(tmpl);
        QDir::setCurrent(QString::fromStdString(dir));
        // The program's settings (the print options) start empty here, whatever the user chose.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir));
        session.open();
        sqlite3* db = nullptr;
        sqlite3_open((dir + "/listy.sdb").c_str(), &db);
        sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
        fill(db);
        sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ~Database() {
        baza.close();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

// Runs `statement` (with ?1 .. ?n) once per call of `bind`.
inline void insertRows(sqlite3* db, const char* statement, int rows,
                       const std::function<void(sqlite3_stmt*, int)>& bind) {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, statement, -1, &st, nullptr);
    for (int i = 1; i <= rows; ++i) {
        bind(st, i);
        sqlite3_step(st);
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
}

inline void bindText(sqlite3_stmt* st, int column, const std::string& text) {
    sqlite3_bind_text(st, column, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

}  // namespace bench
