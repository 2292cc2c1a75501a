// The parameter scan and substitution on their own: which ":" become parameters, what the
// engine receives for each parameter, and that quoted literals come through untouched.
// Also the case-insensitive comparison that Locate uses.

#include <QtTest>
#include <string>
#include <vector>

#include "db/case_fold.h"
#include "db/sql_params.h"

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString names(const db::ParsedSql& parsed) {
    QStringList out;
    for (const auto& p : parsed.params) out << q(p.name);
    return out.join('|');
}

}  // namespace

class TestSqlParams : public QObject {
    Q_OBJECT

private slots:
    void scan_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("parsed");
        QTest::addColumn<QString>("params");

        QTest::newRow("no colon") << "select * from listy"
                                  << "select * from listy"
                                  << "";
        QTest::newRow("named") << "select * from t where a=:a and b = :bb"
                               << "select * from t where a=? and b = ?"
                               << "a|bb";
        QTest::newRow("name ends at each delimiter") << "values(:a,:b;:c):d\n:e\r:f g"
                                                     << "values(?,?;?)?\n?\r? g"
                                                     << "a|b|c|d|e|f";
        QTest::newRow("name runs over other characters") << "x=:a.b+1 "
                                                         << "x=? "
                                                         << "a.b+1";
        QTest::newRow("colon at the end") << "select :"
                                          << "select ?"
                                          << "";
        QTest::newRow("same name twice") << ":a = :A"
                                         << "? = ?"
                                         << "a|A";
        QTest::newRow("double colon") << "select 1::text"
                                      << "select 1:text"
                                      << "";
        QTest::newRow("triple colon") << "a:::b c"
                                      << "a:? c"
                                      << "b";
        QTest::newRow("in apostrophes") << "select 'a:b', ':c'"
                                        << "select 'a:b', ':c'"
                                        << "";
        QTest::newRow("in double quotes") << "select \"a:b\""
                                          << "select \"a:b\""
                                          << "";
        QTest::newRow("in backquotes") << "select `a:b`"
                                       << "select `a:b`"
                                       << "";
        QTest::newRow("double colon in quotes") << "select 'a::b'"
                                                << "select 'a::b'"
                                                << "";
        // A literal ends only at its own quote: the " inside '...' does not end it, so the
        // ":" after it is text.
        QTest::newRow("double quote inside apostrophes") << "values('Skład \"Ślązak', 'a:b')"
                                                         << "values('Skład \"Ślązak', 'a:b')"
                                                         << "";
        QTest::newRow("apostrophe inside double quotes") << "select \"O'Brien\", :x"
                                                         << "select \"O'Brien\", ?"
                                                         << "x";
        QTest::newRow("backquote inside apostrophes") << "values('`', 'a:b')"
                                                      << "values('`', 'a:b')"
                                                      << "";
        QTest::newRow("doubled apostrophe stays inside") << "values('it''s :x', :y)"
                                                         << "values('it''s :x', ?)"
                                                         << "y";
        QTest::newRow("doubled double quote stays inside") << "select \"a\"\":b\" from t where c=:c"
                                                           << "select \"a\"\":b\" from t where c=?"
                                                           << "c";
        QTest::newRow("unterminated literal") << "select 'abc :x"
                                              << "select 'abc :x"
                                              << "";
        QTest::newRow("after a closed literal") << "select '':x"
                                                << "select ''?"
                                                << "x";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void scan() {
        QFETCH(QString, sql);
        QFETCH(QString, parsed);
        QFETCH(QString, params);
        const db::ParsedSql result = db::scanParams(sql.toStdString());
        QCOMPARE(q(result.text), parsed);
        QCOMPARE(names(result), params);
        QCOMPARE(result.placeholders.size(), result.params.size());
        for (std::size_t offset : result.placeholders) QCOMPARE(result.text.at(offset), '?');
        for (const auto& p : result.params) {
            QVERIFY(p.isNull);
            QVERIFY(p.value.empty());
        }
    }

    void substitute_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("values");  // "<null>" leaves the parameter null
        QTest::addColumn<QString>("statement");

        QTest::newRow("no value is NULL") << "select :x" << QStringList{"<null>"} << "select NULL";
        QTest::newRow("empty value set is an empty text")
            << "select :x" << QStringList{""} << "select ''";
        QTest::newRow("quoted, apostrophe doubled")
            << "select :x" << QStringList{"O'Brien"} << "select 'O''Brien'";
        QTest::newRow("in order") << "values(:a, :b, :c)" << QStringList{"1", "<null>", "3"}
                                  << "values('1', NULL, '3')";
        // A "?" inside a value or a literal of the text is never taken for a placeholder.
        QTest::newRow("question mark in a value")
            << "values(:a, :b)" << QStringList{"why?", "?"} << "values('why?', '?')";
        QTest::newRow("question mark in a literal")
            << "select 'what?', :a" << QStringList{"x"} << "select 'what?', 'x'";
        QTest::newRow("engine's own placeholder left alone")
            << "select ?, :a" << QStringList{"x"} << "select ?, 'x'";
        QTest::newRow("quotes and colon in a value")
            << "values(:a)" << QStringList{"Skład \"Ślązak: 'x'"}
            << "values('Skład \"Ślązak: ''x''')";
        // CR/LF pairs of the text fold to one blank; inside a value or literal they stay.
        QTest::newRow("crlf outside literals")
            << "select :a,\r\n'x\r\ny'" << QStringList{"p\r\nq"} << "select 'p\r\nq', 'x\r\ny'";
        QTest::newRow("lone cr and lf stay") << "select\r:a\n"
                                             << QStringList{"v"} << "select\r'v'\n";
    }
    void substitute() {
        QFETCH(QString, sql);
        QFETCH(QStringList, values);
        QFETCH(QString, statement);
        db::ParsedSql parsed = db::scanParams(sql.toStdString());
        QCOMPARE(parsed.params.size(), static_cast<std::size_t>(values.size()));
        for (int i = 0; i < values.size(); ++i) {
            if (values[i] == "<null>") continue;
            parsed.params[i].value = values[i].toStdString();
            parsed.params[i].isNull = false;
        }
        QCOMPARE(q(db::substituteParams(parsed.text, parsed.params, parsed.placeholders)),
                 statement);
    }

    void substituteKeepsAppendedTextAndIgnoresStrayOffsets() {
        db::ParsedSql parsed = db::scanParams("select * from t where a=:a");
        parsed.params[0] = db::Param{"a", std::string(1, 'x'), false};
        // A filter appended behind the parsed text keeps the placeholders' offsets valid.
        std::string filtered = parsed.text;
        filtered.append(" and b='?'");
        QCOMPARE(q(db::substituteParams(filtered, parsed.params, parsed.placeholders)),
                 QString("select * from t where a='x' and b='?'"));
        // A null parameter whose value is not empty is a value, not NULL.
        parsed.params[0].isNull = true;
        QCOMPARE(q(db::substituteParams(parsed.text, parsed.params, parsed.placeholders)),
                 QString("select * from t where a='x'"));
        // Offsets that do not point at a "?" outside a literal replace nothing.
        const std::vector<db::Param> one{db::Param{"a", "v", false}};
        QCOMPARE(q(db::substituteParams("ab'?'", one, {3})), QString("ab'?'"));
        QCOMPARE(q(db::substituteParams("abc", one, {1})), QString("abc"));
        QCOMPARE(q(db::substituteParams("a", one, {7})), QString("a"));
    }

    void foldCase_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("ascii") << "Gdynia"
                               << "GDYNIA" << true;
        QTest::newRow("polish") << "ŚLĄZAK ŻÓŁĆ ĘŃŹ"
                                << "ślązak żółć ęńź" << true;
        QTest::newRow("latin-1 and czech") << "ÄÖÜ ŘČŠ"
                                           << "äöü řčš" << true;
        QTest::newRow("cyrillic and greek") << "МОСКВА ΑΘΗΝΑ"
                                            << "москва αθηνα" << true;
        QTest::newRow("different letters") << "Łódź"
                                           << "Lodz" << false;
        QTest::newRow("different length") << "Ełk"
                                          << "Ełka" << false;
        QTest::newRow("sign is not a letter") << "×"
                                              << "÷" << false;
    }
    void foldCase() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, equal);
        QCOMPARE(db::equalsFoldCase(a.toStdString(), b.toStdString()), equal);
        // The same as Qt's own lower case for these letters.
        QCOMPARE(q(db::foldCase(a.toStdString())), a.toLower());
    }
};

QTEST_GUILESS_MAIN(TestSqlParams)
#include "test_sql_params.moc"
