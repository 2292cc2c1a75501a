// The dataset's options beside opening and browsing, against a real engine: parameters as
// the engine receives them, the filter, Locate, master/detail links, blob streams and the
// editing entry points.

#include <sqlite3.h>

#include <QtTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "db/errors.h"
#include "db/sinks.h"
#include "db/sql_blob_stream.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "db/sql_update_sql.h"
#include "support/db_helpers.h"

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

using Messages = testing::MessageLines;

// Values of every row, fields joined with "|"; the cursor ends past the last row.
QStringList rows(db::SqlDataset& ds) {
    return testing::datasetRows(ds);
}

QString currentRow(const db::SqlDataset& ds) {
    QStringList fields;
    for (int i = 0; i < ds.fieldCount(); ++i) fields << q(ds.fields(i).asString());
    return fields.join('|');
}

}  // namespace

class TestDatasetOptions : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<db::SqlConnection> conn_;

    void exec(const std::string& sql) { testing::execDirect(*conn_, sql); }
    std::unique_ptr<db::SqlQuery> query(const std::string& sql, const char* name = "Query1") {
        return testing::makeQuery(*conn_, sql, name);
    }

private slots:
    void init() {
        conn_ = std::make_unique<db::SqlConnection>("baza");
        conn_->setDatabase(":memory:");
        conn_->open();
        exec(
            "create table listy(id integer[5], st_nad varchar[20], nadawca varchar[30], "
            "rodz_wag varchar[20], ladunek varchar[20], odbiorca varchar[30], st_odb varchar[20]);"
            "insert into listy values(1, 'Gdańsk', 'Stocznia', 'Eaos', 'węgiel', 'Huta', 'Ełk');"
            "insert into listy values(2, 'Kraków', 'Młyn', 'Tads', 'zboże', 'Piekarnia', 'Żywiec');"
            "insert into listy values(3, 'Kraków', 'ŚLĄZAK', 'Tads', 'blacha', '', 'Ełk');"
            "create table stacje(nr integer, nazwa varchar[20]);"
            "insert into stacje values(1, 'Kraków'); insert into stacje values(2, 'O''Brien');"
            "insert into stacje values(3, 'Ełk'); insert into stacje values(4, 'Gdańsk');"
            "create table punkty(nazwa varchar[20], stacja varchar[20], nr_st integer);"
            "insert into punkty values('Młyn', 'Kraków', 1); insert into punkty values('Huta', "
            "'Ełk', 3);"
            "insert into punkty values('Browar', 'Kraków', 1); insert into punkty values('Pub', "
            "'O''Brien', 2);");
    }
    void cleanup() { conn_.reset(); }

    // --- parameters -------------------------------------------------------------------

    void parametersReachTheEngine_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("row");
        QTest::newRow("colon outside quotes is NULL") << "select :x is null as n, 'a:b' as t"
                                                      << "select NULL is null as n, 'a:b' as t"
                                                      << "1|a:b";
        QTest::newRow("colon inside every quote kind")
            << "select 'a:b' as \"c:d\", `e:f`.nazwa from stacje as `e:f` where nr=1"
            << "select 'a:b' as \"c:d\", `e:f`.nazwa from stacje as `e:f` where nr=1"
            << "a:b|Kraków";
        QTest::newRow("double colon becomes one") << "select ::abc is null as n"
                                                  << "select :abc is null as n"
                                                  << "1";
        QTest::newRow("parameter after a double quote inside apostrophes")
            << "select 'x\"y' as t, :p is null as n"
            << "select 'x\"y' as t, NULL is null as n"
            << "x\"y|1";
    }
    void parametersReachTheEngine() {
        QFETCH(QString, sql);
        QFETCH(QString, statement);
        QFETCH(QString, row);
        auto qy = query(sql.toStdString());
        qy->open();
        QCOMPARE(q(qy->statement()), statement);
        QCOMPARE(rows(*qy), QStringList{row});
    }

    void parameterValues() {
        auto qy =
            query("select nadawca from listy where st_nad = :st and nadawca <> :NAD order by id");
        QCOMPARE(qy->params().size(), std::size_t(2));
        QCOMPARE(q(qy->params()[1].name), QString("NAD"));
        qy->setParamValue("ST", "Kraków");
        qy->setParamValue("nad", "Młyn");
        qy->open();
        QCOMPARE(rows(*qy), QStringList{"ŚLĄZAK"});
        QCOMPARE(q(qy->statement()), QString("select nadawca from listy where st_nad = 'Kraków' "
                                             "and nadawca <> 'Młyn' order by id"));
        // Values with quotes, "?" and ":" arrive exactly.
        auto echo = query("select :a as a, :b as b, '?' as c");
        echo->setParamValue("a", "O'Brien? \"x:y\"");
        echo->setParamValue("b", "?");
        echo->open();
        QCOMPARE(rows(*echo), QStringList{"O'Brien? \"x:y\"|?|?"});
        echo->close();
        echo->setParamNull("a");
        echo->open();
        QCOMPARE(rows(*echo), QStringList{"|?|?"});
        QCOMPARE(q(echo->statement()), QString("select NULL as a, '?' as b, '?' as c"));
        try {
            echo->setParamValue("zz", "1");
            QFAIL("unknown parameter set");
        } catch (const db::DatabaseError& e) {
            QCOMPARE(QString(e.what()), QString("Query1: Parameter 'zz' not found"));
        }
        // A new text brings a new list; raw text has none and reaches the engine as typed
        // (the engine itself takes an unbound ":p" as NULL).
        echo->setSql("select ::x is null as n");
        QCOMPARE(echo->params().size(), std::size_t(0));
        echo->setRawSql(true);
        QCOMPARE(q(echo->parsedText()), QString("select ::x is null as n"));
        echo->setSql("select 'a' as t, :p is null as p");
        QVERIFY(echo->params().empty());
        echo->open();
        QCOMPARE(q(echo->statement()), QString("select 'a' as t, :p is null as p"));
        QCOMPARE(rows(*echo), QStringList{"a|1"});
        echo->setRawSql(false);
        QCOMPARE(echo->params().size(), std::size_t(1));
        QVERIFY(!echo->active());
    }

    void waybillWithQuotesAndColonsIsStoredExactly() {
        const QStringList texts{"Skład \"Ślązak", "a:b 'c", "x::y",
                                ":nad",           "`q:",    "O'Brien \"x\" :y"};
        // Each text quoted as the store's quoting helper does: "'" doubled.
        std::string sql = "insert into listy values(7";
        for (const QString& t : texts)
            sql += ", '" + QString(t).replace("'", "''").toStdString() + "'";
        sql += ")";
        auto ins = query(sql);
        QVERIFY(ins->params().empty());
        QCOMPARE(q(ins->parsedText()), q(sql));
        ins->execSql();
        auto back = query(
            "select st_nad, nadawca, rodz_wag, ladunek, odbiorca, st_odb from listy where id=7");
        back->open();
        QCOMPARE(rows(*back), QStringList{texts.join('|')});
    }

    // --- filter -----------------------------------------------------------------------

    void filterCondition_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("no where") << "select id from listy"
                                  << "select id from listy where st_nad='Kraków'"
                                  << QStringList{"2", "3"};
        QTest::newRow("where") << "select id from listy where id>2"
                               << "select id from listy where id>2 and st_nad='Kraków'"
                               << QStringList{"3"};
        QTest::newRow("upper-case WHERE")
            << "select id from listy WHERE id<3"
            << "select id from listy WHERE id<3 and st_nad='Kraków'" << QStringList{"2"};
    }
    void filterCondition() {
        QFETCH(QString, sql);
        QFETCH(QString, statement);
        QFETCH(QStringList, rows);
        auto qy = query(sql.toStdString());
        qy->open();
        qy->setFilter("st_nad='Kraków'");
        QVERIFY(!qy->active());  // setting the text closes
        qy->setFiltered(true);   // setting the flag opens
        QVERIFY(qy->active());
        QCOMPARE(q(qy->statement()), statement);
        QCOMPARE(::rows(*qy), rows);
        qy->setFiltered(false);
        QVERIFY(qy->active());
        QCOMPARE(q(qy->statement()), sql);
    }

    void filterFailures_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("message");
        // "where" inside a longer word still counts: " and " is appended, which the engine
        // refuses here.
        QTest::newRow("where inside a word")
            << "select st_nad as nowhere from listy"
            << "id=1"
            << "Filter error: near \"and\": syntax error\nselect st_nad as nowhere from listy";
        QTest::newRow("where inside a literal")
            << "select 'somewhere' from listy"
            << "id=1"
            << "Filter error: near \"and\": syntax error\nselect 'somewhere' from listy";
        QTest::newRow("unknown column")
            << "select id from listy"
            << "nic=1"
            << "Filter error: no such column: nic\nselect id from listy";
    }
    void filterFailures() {
        QFETCH(QString, sql);
        QFETCH(QString, filter);
        QFETCH(QString, message);
        auto qy = query(sql.toStdString());
        qy->setFilter(filter.toStdString());
        try {
            qy->setFiltered(true);
            QFAIL("filtered open succeeded");
        } catch (const db::SqlConfigError& e) {
            QCOMPARE(QString(e.what()), message);
        }
        QVERIFY(!qy->filtered());
        QVERIFY(!qy->active());
        // Unfiltered, the same text opens.
        qy->open();
        QVERIFY(qy->active());
    }

    void filteredOpenWithoutTextAbortsQuietly() {
        Messages messages;
        auto qy = query("  ");
        qy->setFilter("id=1");
        QVERIFY_THROWS_EXCEPTION(db::Abort, qy->setFiltered(true));
        QCOMPARE(messages.texts, QStringList{"no query specified"});
        QVERIFY(!qy->filtered());
    }

    // --- Locate -----------------------------------------------------------------------

    void locate_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("caseInsensitive");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("recNo");
        QTest::newRow("one key") << "st_nad" << QStringList{"Kraków"} << false << true << 2;
        QTest::newRow("two keys") << "st_nad; rodz_wag ;st_odb"
                                  << QStringList{"Kraków", "Tads", "Ełk"} << false << true << 3;
        QTest::newRow("exact case misses")
            << "nadawca" << QStringList{"ślązak"} << false << false << 3;
        QTest::newRow("any case finds") << "NADAWCA" << QStringList{"ślązak"} << true << true << 3;
        QTest::newRow("no match") << "st_nad" << QStringList{"Kraków "} << true << false << 3;
        QTest::newRow("second key misses")
            << "st_nad;rodz_wag" << QStringList{"Gdańsk", "Tads"} << false << false << 3;
        QTest::newRow("number as text") << "id" << QStringList{"1"} << false << true << 1;
        QTest::newRow("empty text") << "odbiorca" << QStringList{""} << false << true << 3;
    }
    void locate() {
        QFETCH(QString, keys);
        QFETCH(QStringList, values);
        QFETCH(bool, caseInsensitive);
        QFETCH(bool, found);
        QFETCH(int, recNo);
        auto qy = query("select * from listy order by id");
        qy->open();
        qy->next();
        std::vector<std::string> v;
        for (const QString& s : values) v.push_back(s.toStdString());
        int moves = 0;
        qy->subscribe([&](db::DatasetEvent e) { moves += e == db::DatasetEvent::CurrentChanged; });
        QCOMPARE(qy->locate(keys.toStdString(), v, db::LocateOptions{caseInsensitive}), found);
        QCOMPARE(qy->recNo(), recNo);
        QCOMPARE(moves, 1);  // one move, not one per row searched
        QVERIFY(!qy->eof());
    }

    void locateErrorsAndEmptyResult() {
        auto qy = query("select * from listy where id > 10");
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, qy->locate("id", "1"));  // closed
        qy->open();
        QVERIFY(!qy->locate("id", "1"));
        QVERIFY(qy->eof());
        QCOMPARE(qy->currentIndex(), -1);
        auto all = query("select * from listy");
        all->open();
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, all->locate("nic", "1"));
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                                 all->locate("id;st_nad", std::vector<std::string>{"1"}));
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, all->locate(" ; ", std::vector<std::string>{}));
        QVERIFY(all->locate("st_nad", "kraków", db::LocateOptions{true}));
        QCOMPARE(all->recNo(), 2);  // the first of two matches
    }

    // --- master/detail ----------------------------------------------------------------

    void masterMoveRefiltersDetail() {
        auto master = query("select nr, nazwa from stacje order by nr", "Master");
        // The condition goes at the very end of the statement, so a detail has no "order by".
        auto detail = query("select nazwa from punkty", "Detail");
        detail->setMasterSource(master.get());
        detail->setMasterFields(" stacja = nazwa ");
        master->open();
        detail->open();
        // Opened after its master, the detail shows the master's current row at once.
        QCOMPARE(rows(*detail), QStringList({"Młyn", "Browar"}));
        QCOMPARE(master->details(), std::vector<db::SqlDataset*>{detail.get()});
        QVERIFY(detail->filtered());

        master->next();  // O'Brien: the text value is quoted
        QCOMPARE(q(detail->statement()),
                 QString("select nazwa from punkty where stacja='O''Brien'"));
        QCOMPARE(rows(*detail), QStringList({"Pub"}));
        master->setCurrentIndex(2);  // Ełk
        QCOMPARE(rows(*detail), QStringList({"Huta"}));
        master->next();  // Gdańsk: no points
        QVERIFY(detail->active());
        QCOMPARE(detail->recordCount(), 0);
        master->first();
        QCOMPARE(detail->recordCount(), 2);
        QVERIFY(master->locate("nazwa", "o'brien", db::LocateOptions{true}));
        QCOMPARE(rows(*detail), QStringList({"Pub"}));
    }

    void numericMasterFieldAndDetailWithWhere() {
        auto master = query("select nr from stacje", "Master");
        auto detail = query("select nazwa from punkty where nazwa <> ''", "Detail");
        detail->setMasterSource(master.get());
        detail->setMasterFields("nr_st=nr");
        master->open();
        QCOMPARE(master->fields(0).dataType(), db::FieldKind::Integer);
        detail->open();
        QCOMPARE(q(detail->statement()),
                 QString("select nazwa from punkty where nazwa <> '' and nr_st=1"));
        master->last();
        QCOMPARE(q(detail->statement()),
                 QString("select nazwa from punkty where nazwa <> '' and nr_st=4"));
        QCOMPARE(detail->recordCount(), 0);
    }

    void masterLinkChecks() {
        Messages messages;
        auto a = query("select nr, nazwa from stacje", "A");
        auto b = query("select nazwa from punkty", "B");
        auto c = query("select nazwa from punkty", "C");
        b->setMasterSource(a.get());
        c->setMasterSource(b.get());
        for (auto [ds, master] : {std::pair{a.get(), c.get()}, std::pair{a.get(), a.get()}}) {
            try {
                ds->setMasterSource(master);
                QFAIL("circular link accepted");
            } catch (const db::DatabaseError& e) {
                QCOMPARE(QString(e.what()), QString("A: circular references are not allowed"));
            }
            QCOMPARE(ds->masterSource(), nullptr);
        }
        // A pair without "=": the message, and the detail opens no rows.
        b->setMasterFields("stacja=nazwa; nr_st");
        a->open();
        QVERIFY_THROWS_EXCEPTION(db::Abort, b->open());
        QCOMPARE(messages.texts,
                 QStringList{"Syntax error: Masterfields not build of a=b;... pairs"});
        QVERIFY(!b->active());
        // Registered all the same: a master move shows the message again and leaves it closed.
        a->next();
        QCOMPARE(messages.texts.size(), 2);
        QVERIFY(!b->active());
        // A master field the master does not have.
        b->setMasterFields("stacja=miasto");
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError, b->open());
        // A detail whose statement then fails: the master's move reports it, and the
        // detail is left unfiltered and closed while the master has moved.
        b->setMasterFields("brak=nazwa");
        QVERIFY_THROWS_EXCEPTION(db::SqlConfigError, a->next());
        QCOMPARE(a->recNo(), 3);
        QVERIFY(!b->filtered());
        QVERIFY(!b->active());
    }

    void destroyedMasterOrDetailIsForgotten() {
        auto master = query("select nr, nazwa from stacje", "Master");
        auto detail = query("select nazwa from punkty", "Detail");
        auto other = query("select nazwa from punkty", "Other");
        detail->setMasterSource(master.get());
        detail->setMasterFields("stacja=nazwa");
        other->setMasterSource(master.get());
        other->setMasterFields("stacja=nazwa");
        master->open();
        detail->open();
        other->open();
        QCOMPARE(master->details().size(), std::size_t(2));
        detail.reset();
        QCOMPARE(master->details(), std::vector<db::SqlDataset*>{other.get()});
        master->next();  // must not reach the destroyed detail
        QCOMPARE(rows(*other), QStringList{"Pub"});
        // Changing the master leaves the old one's list.
        other->setMasterSource(nullptr);
        QVERIFY(master->details().empty());
        other->setMasterSource(master.get());
        other->close();
        other->open();
        master.reset();
        QCOMPARE(other->masterSource(), nullptr);
        other->close();
        other->open();  // no master any more: nothing to register with
        QVERIFY(other->active());
    }

    // --- blob streams -----------------------------------------------------------------

    void blobStreamsCopyBackOnDestruction() {
        exec(
            "create table pliki(nazwa varchar(20), dane blob, opis memo, obraz graphic);"
            "insert into pliki values('a', 'AAAA', 'opis a', 'gA');"
            "insert into pliki values('b', 'BBBBBB', 'opis b', NULL);");
        auto qy = query("select * from pliki");
        qy->open();
        QCOMPARE(qy->fields(1).dataType(), db::FieldKind::Blob);
        QCOMPARE(qy->fields(2).dataType(), db::FieldKind::Memo);
        QCOMPARE(qy->fields(3).dataType(), db::FieldKind::Graphic);
        using Origin = db::SqlBlobStream::Origin;
        qy->next();
        {
            auto s = qy->createBlobStream(qy->fields(1), db::BlobMode::ReadWrite);
            QCOMPARE(q(s->data()), QString("BBBBBB"));
            char buf[8] = {};
            QCOMPARE(s->read(buf, 4), std::size_t(4));
            QCOMPARE(QByteArray(buf, 4), QByteArray("BBBB"));
            QCOMPARE(s->seek(-1, Origin::Current), std::size_t(3));
            QCOMPARE(s->write("xyz!", 4), std::size_t(4));  // overwrites two, grows by two
            QCOMPARE(s->size(), std::size_t(7));
            QCOMPARE(s->seek(100, Origin::Begin), std::size_t(7));
            QCOMPARE(s->seek(-100, Origin::End), std::size_t(0));
            QCOMPARE(s->seek(INT64_MIN, Origin::End), std::size_t(0));
            QCOMPARE(s->seek(INT64_MAX, Origin::Current), std::size_t(7));
            QCOMPARE(s->read(buf, 8), std::size_t(0));
            // Until the stream goes, the row keeps its old content.
            QCOMPARE(q(qy->fields(1).asString()), QString("BBBBBB"));
            qy->first();  // moving away does not redirect the copy-back
        }
        QCOMPARE(rows(*qy), QStringList({"a|AAAA|opis a|gA", "b|BBBxyz!|opis b|"}));
        qy->first();
        {
            // Write-only starts empty; a read-only stream refuses writes and changes nothing.
            auto w = qy->createBlobStream(qy->fields(2), db::BlobMode::Write);
            QCOMPARE(w->size(), std::size_t(0));
            w->write("nowy ", 5);
            w->write("opis", 4);
            auto r = qy->createBlobStream(qy->fields(3), db::BlobMode::Read);
            QVERIFY_THROWS_EXCEPTION(db::DatabaseError, r->write("x", 1));
            QVERIFY_THROWS_EXCEPTION(db::DatabaseError, r->setSize(0));
            QVERIFY(!r->modified());
            auto shrink = qy->createBlobStream(qy->fields(1), db::BlobMode::ReadWrite);
            shrink->setSize(1);
        }
        QCOMPARE(currentRow(*qy), QString("a|A|nowy opis|gA"));
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                                 qy->createBlobStream(qy->fields(0), db::BlobMode::Read));
        // A stream that outlives the open result keeps its content to itself.
        auto late = qy->createBlobStream(qy->fields(1), db::BlobMode::ReadWrite);
        late->write("zzz", 3);
        qy->close();
        QVERIFY(!late->attached());
        qy->open();
        late.reset();
        QCOMPARE(rows(*qy), QStringList({"a|AAAA|opis a|gA", "b|BBBBBB|opis b|"}));
        // No current row: no stream.
        auto empty = query("select * from pliki where 0");
        empty->open();
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                                 empty->createBlobStream(empty->fields(1), db::BlobMode::Read));
        // A field of another dataset is refused.
        QVERIFY_THROWS_EXCEPTION(db::DatabaseError,
                                 empty->createBlobStream(qy->fields(1), db::BlobMode::Read));
    }

    // --- editing entry points ---------------------------------------------------------

    void editingNeedsAnUpdateSqlComponent() {
        auto qy = query("select * from stacje");
        qy->open();
        const std::vector<std::function<void()>> entries{[&] { qy->insertRecord(); },
                                                         [&] { qy->edit(); }, [&] { qy->post(); },
                                                         [&] { qy->deleteRecord(); }};
        for (const auto& entry : entries) {
            try {
                entry();
                QFAIL("editing without a component succeeded");
            } catch (const db::SqlConfigError& e) {
                QCOMPARE(QString(e.what()), QString("Missing SqlUpdateSql component"));
            }
        }
        auto component = std::make_unique<db::SqlUpdateSql>("UpdateSql1");
        std::vector<std::string> lines{"insert into stacje values(:nr, :nazwa)"};
        component->setInsertSql(lines);
        lines[0] = "changed";
        QCOMPARE(q(component->insertSql().at(0)),
                 QString("insert into stacje values(:nr, :nazwa)"));
        component->setUpdateSql({"update stacje set nazwa=:nazwa where nr=:nr"});
        component->setDeleteSql({"delete from stacje", "where nr=:nr"});
        QCOMPARE(component->deleteSql().size(), std::size_t(2));
        qy->setUpdateSql(component.get());
        QCOMPARE(qy->updateSql(), component.get());
        // With a component the error says that editing is not provided, not that one is missing.
        try {
            qy->edit();
            QFAIL("edit succeeded");
        } catch (const db::SqlConfigError& e) {
            QVERIFY(QString(e.what()) != "Missing SqlUpdateSql component");
        }
        component.reset();
        QCOMPARE(qy->updateSql(), nullptr);
        QVERIFY_THROWS_EXCEPTION(db::SqlConfigError, qy->deleteRecord());
    }
};

QTEST_GUILESS_MAIN(TestDatasetOptions)
#include "test_dataset_options.moc"
