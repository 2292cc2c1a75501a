// Field kinds: what a declared column type becomes, how typed values are converted on open
// and read back, TypeLess, and the two date-time readings.

#include <sqlite3.h>

#include <QDate>
#include <QtTest>
#include <cmath>
#include <memory>
#include <string>

#include "db/errors.h"
#include "db/field.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "support/db_helpers.h"

Q_DECLARE_METATYPE(db::FieldKind)

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Days since 1 January of year 1, plus one, computed with Qt's calendar.
double dayNumber(int y, int m, int d) {
    return QDate(1, 1, 1).daysTo(QDate(y, m, d)) + 1.0;
}
constexpr double kDayMs = 86400000.0;

}  // namespace

class TestFieldKinds : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<db::SqlConnection> conn_;

    void exec(const std::string& sql) { testing::execDirect(*conn_, sql); }

private slots:
    void init() {
        conn_ = std::make_unique<db::SqlConnection>();
        conn_->setDatabase(":memory:");
        conn_->open();
    }
    void cleanup() { conn_.reset(); }

    void declaredTypes_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<db::FieldKind>("kind");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("precision");
        using K = db::FieldKind;
        QTest::newRow("square brackets") << "varchar[20]" << K::String << 255 << 0;
        QTest::newRow("integer with brackets") << "integer[5]" << K::String << 255 << 0;
        QTest::newRow("varchar") << "varchar(20)" << K::String << 20 << 0;
        QTest::newRow("upper case") << "VARCHAR(7)" << K::String << 7 << 0;
        QTest::newRow("char") << "char(3)" << K::String << 3 << 0;
        QTest::newRow("varchar2") << "Varchar2(40)" << K::String << 40 << 0;
        QTest::newRow("numeric comma") << "numeric(10,2)" << K::Float << 10 << 2;
        QTest::newRow("numeric point") << "numeric(8.3)" << K::Float << 8 << 3;
        QTest::newRow("numeric two digits") << "numeric(12,25)" << K::Float << 12 << 25;
        QTest::newRow("numeric size only") << "NUMERIC(6)" << K::Float << 6 << 0;
        QTest::newRow("other prefix") << "decimal(10,2)" << K::String << 255 << 0;
        QTest::newRow("space before parenthesis") << "varchar (9)" << K::String << 255 << 0;
        QTest::newRow("no closing parenthesis") << "varchar(20" << K::String << 256 << 0;
        QTest::newRow("numeric unclosed") << "numeric(10,2" << K::String << 256 << 0;
        QTest::newRow("date") << "date" << K::Date << 10 << 0;
        QTest::newRow("DATE") << "DATE" << K::Date << 10 << 0;
        QTest::newRow("datetime") << "datetime" << K::DateTime << 24 << 0;
        QTest::newRow("time") << "time" << K::Time << 12 << 0;
        QTest::newRow("integer") << "INTEGER" << K::Integer << 12 << 0;
        QTest::newRow("int is not integer") << "INT" << K::String << 255 << 0;
        QTest::newRow("float") << "float" << K::Float << 12 << 0;
        QTest::newRow("real") << "REAL" << K::Float << 12 << 0;
        QTest::newRow("boolean") << "boolean" << K::Boolean << 2 << 0;
        QTest::newRow("logical") << "logical" << K::Boolean << 2 << 0;
        QTest::newRow("text") << "text" << K::String << 255 << 0;
        QTest::newRow("string") << "string" << K::String << 255 << 0;
        QTest::newRow("currency") << "currency" << K::Currency << 10 << 0;
        QTest::newRow("financial") << "financial" << K::Currency << 10 << 0;
        QTest::newRow("money") << "money" << K::Currency << 10 << 0;
        QTest::newRow("blob") << "blob" << K::Blob << 4 << 0;
        QTest::newRow("graphic") << "graphic" << K::Graphic << 4 << 0;
        QTest::newRow("clob") << "clob" << K::Memo << 4 << 0;
        QTest::newRow("memo") << "memo" << K::Memo << 4 << 0;
        QTest::newRow("longtext") << "longtext" << K::Memo << 4 << 0;
        QTest::newRow("empty") << "" << K::String << 255 << 0;
        QTest::newRow("date with blank") << "date " << K::String << 255 << 0;
    }
    void declaredTypes() {
        QFETCH(QString, type);
        QFETCH(db::FieldKind, kind);
        QFETCH(int, size);
        QFETCH(int, precision);
        const db::FieldInfo info = db::getFieldInfo(type.toStdString());
        QCOMPARE(info.kind, kind);
        QCOMPARE(info.size, size);
        QCOMPARE(info.precision, precision);
    }

    void typedValues_data() {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("literal");  // as written into the insert
        QTest::addColumn<bool>("sqliteDateFormat");
        QTest::addColumn<QString>("text");   // asString(); "!" + message: the open fails
        QTest::addColumn<double>("number");  // asFloat(); NaN: not checked

        const double nan = std::nan("");
        const double mar5 = dayNumber(2024, 3, 5);
        const double at = ((14 * 60 + 30) * 60 + 15) * 1000.0;
        QTest::newRow("integer") << "integer"
                                 << "42" << false << "42" << 42.0;
        QTest::newRow("integer negative") << "integer"
                                          << "-17" << false << "-17" << -17.0;
        QTest::newRow("integer from text")
            << "integer"
            << "'abc'" << false << "!'abc' is not a valid integer value" << nan;
        QTest::newRow("integer holding a real")
            << "integer"
            << "12.5" << false << "!'12.5' is not a valid integer value" << nan;
        QTest::newRow("numeric") << "numeric(10,2)"
                                 << "12.5" << false << "12.5" << 12.5;
        QTest::newRow("numeric negative") << "numeric(10,2)"
                                          << "'-0.25'" << false << "-0.25" << -0.25;
        QTest::newRow("numeric from text")
            << "numeric(10,2)"
            << "'x'" << false << "!'x' is not a valid floating point value" << nan;
        QTest::newRow("real") << "real"
                              << "1e3" << false << "1000" << 1000.0;
        QTest::newRow("money") << "money"
                               << "'12.34'" << false << "12.34" << 12.34;
        QTest::newRow("date") << "date"
                              << "'2024-03-05'" << false << "2024-03-05" << mar5;
        QTest::newRow("date year 1") << "date"
                                     << "'0001-01-01'" << false << "0001-01-01" << 1.0;
        QTest::newRow("date leap day")
            << "date"
            << "'2024-02-29'" << false << "2024-02-29" << dayNumber(2024, 2, 29);
        QTest::newRow("date no such day")
            << "date"
            << "'2023-02-29'" << false << "!'2023-02-29' is not a valid date" << nan;
        QTest::newRow("date 31 April")
            << "date"
            << "'2024-04-31'" << false << "!'2024-04-31' is not a valid date" << nan;
        QTest::newRow("date other layout")
            << "date"
            << "'05.03.2024'" << false << "!'05.03.2024' is not a valid date" << nan;
        QTest::newRow("date empty") << "date"
                                    << "''" << false << "" << 0.0;
        QTest::newRow("time") << "time"
                              << "'14:30:15'" << false << "14:30:15" << at;
        QTest::newRow("time bad hour")
            << "time"
            << "'25:00'" << false << "!'25:00' is not a valid time" << nan;
        QTest::newRow("datetime full") << "datetime"
                                       << "'2024-03-05 14:30:15.250'" << false
                                       << "2024-03-05 14:30:15.250" << mar5 * kDayMs + at + 250;
        QTest::newRow("datetime full, engine layout")
            << "datetime"
            << "'2024-03-05 14:30:15.250'" << true << "2024-03-05 14:30:15.250"
            << mar5 * kDayMs + at + 250;
        QTest::newRow("datetime minutes") << "datetime"
                                          << "'2024-03-05 14:30'" << false << "2024-03-05 14:30:00"
                                          << mar5 * kDayMs + (14 * 60 + 30) * 60000.0;
        QTest::newRow("datetime date only, engine layout")
            << "datetime"
            << "'2024-03-05'" << true << "2024-03-05 00:00:00" << mar5 * kDayMs;
        // Fixed positions: any separator is accepted in the engine layout only.
        QTest::newRow("datetime T, engine layout")
            << "datetime"
            << "'2024-03-05T14:30:15'" << true << "2024-03-05 14:30:15" << mar5 * kDayMs + at;
        QTest::newRow("datetime T") << "datetime"
                                    << "'2024-03-05T14:30:15'" << false
                                    << "!'2024-03-05T14:30:15' is not a valid date and time" << nan;
        QTest::newRow("datetime no such day, engine layout")
            << "datetime"
            << "'2023-02-30 10:00:00'" << true
            << "!'2023-02-30 10:00:00' is not a valid date and time" << nan;
        QTest::newRow("datetime short, engine layout") << "datetime"
                                                       << "'2024-03'" << true << "" << 0.0;
        QTest::newRow("boolean true") << "boolean"
                                      << "1" << false << "True" << nan;
        QTest::newRow("boolean false") << "boolean"
                                       << "0" << false << "False" << nan;
        QTest::newRow("memo") << "memo"
                              << "'długi tekst'" << false << "długi tekst" << nan;
        QTest::newRow("text as number") << "varchar(10)"
                                        << "' 2.5'" << false << " 2.5" << 2.5;
    }
    void typedValues() {
        QFETCH(QString, type);
        QFETCH(QString, literal);
        QFETCH(bool, sqliteDateFormat);
        QFETCH(QString, text);
        QFETCH(double, number);
        exec("create table v(x " + type.toStdString() + ")");
        exec("insert into v values(" + literal.toStdString() + ")");
        db::SqlQuery qy("Typed");
        qy.setConnection(conn_.get());
        qy.setSqliteDateFormat(sqliteDateFormat);
        qy.setSql("select x from v");
        if (text.startsWith("!")) {
            try {
                qy.open();
                QFAIL("a value that does not convert was accepted");
            } catch (const db::ConvertError& e) {
                QCOMPARE(QString::fromUtf8(e.what()), text.mid(1));
            }
            QVERIFY(!qy.active());
            // The statement the conversion interrupted was finalized, not leaked.
            QVERIFY(sqlite3_next_stmt(conn_->handle(), nullptr) == nullptr);
            return;
        }
        qy.open();
        QCOMPARE(qy.recordCount(), 1);
        QCOMPARE(q(qy.fields(0).asString()), text);
        if (!std::isnan(number)) QCOMPARE(qy.fields(0).asFloat(), number);
    }

    void typeLess() {
        exec("create table t(n integer, d date, p numeric(10,2), s varchar(3))");
        exec(
            "insert into t values(1234567890123, '2024-03-05 (Tuesday)', 'not a number', "
            "'długi')");
        db::SqlQuery qy("Loose");
        qy.setConnection(conn_.get());
        qy.setTypeLess(true);
        qy.setSql("select * from t");
        qy.open();
        const int sizes[] = {12, 10, 10, 3};
        const char* texts[] = {"123456789012", "2024-03-05", "not a numb", "dłu"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(qy.fields(i).dataType(), db::FieldKind::String);
            QCOMPARE(qy.fields(i).size(), sizes[i]);
            QCOMPARE(qy.fields(i).precision(), 0);
            QCOMPARE(q(qy.fields(i).asString()), QString::fromUtf8(texts[i]));
        }
        // Cut to twelve digits, the text is still too large for a 32-bit integer.
        try {
            qy.fields(0).asInteger();
            QFAIL("read a twelve-digit text as a 32-bit integer");
        } catch (const db::ConvertError& e) {
            QCOMPARE(QString(e.what()), QString("'123456789012' is not a valid integer value"));
        }
    }

    void recordLayout() {
        // Record size: text by its size, most kinds 12, date-time 20; the stored row
        // size is the record size + 5.
        exec("create table r(a varchar(20), b integer, c datetime, d numeric(5,2), e text)");
        db::SqlQuery qy;
        qy.setConnection(conn_.get());
        qy.setSql("select * from r");
        qy.open();
        QCOMPARE(qy.recordSize(), 20 + 12 + 20 + 12 + 255);
        QVERIFY(qy.resultStore() != nullptr);
        QCOMPARE(qy.resultStore()->bufSize(), std::size_t(20 + 12 + 20 + 12 + 255 + 5));
        QCOMPARE(qy.fields(3).precision(), 2);
    }
};

QTEST_GUILESS_MAIN(TestFieldKinds)
#include "test_field_kinds.moc"
