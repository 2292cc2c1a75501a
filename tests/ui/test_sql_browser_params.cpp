// The SQL browser hands typed text to the engine through the parameter scan: a ":" typed
// outside quotes becomes a parameter without value and reaches the engine as NULL; inside
// quotes of any kind it is text, and "::" is one ":".

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "db/sql_connection.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"
#include "ui/data_grid.h"
#include "ui/modal.h"

using testing::rowsOf;

namespace {

struct Browser {
    testing::WorkDir dir;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<ui::AppWindows> windows = std::make_unique<ui::AppWindows>();
    QLineEdit* edit = windows->browser->findChild<QLineEdit*>("Edit1");
    QPushButton* open = windows->browser->findChild<QPushButton*>("Button1");
    QPushButton* exec = windows->browser->findChild<QPushButton*>("Button2");
    ui::DataGrid* grid = windows->browser->findChild<ui::DataGrid*>("DBGrid1");

    ~Browser() { ui::setModalHook(nullptr); }
    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
    void run(QPushButton* button, const QString& text) {
        edit->setText(text);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The grid's rows, cells joined with "|".
    QStringList shown() const {
        QStringList out;
        const QAbstractItemModel* m = grid->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < m->columnCount(); ++c) cells << m->index(r, c).data().toString();
            out << cells.join('|');
        }
        return out;
    }
};

}  // namespace

class SqlBrowserParamsTest : public QObject {
    Q_OBJECT
private slots:
    void openTurnsATypedColonIntoNull_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("outside quotes")
            << "select :x is null, value from admin where key='wersja'" << QStringList{"1|2"};
        QTest::newRow("compared with a column")
            << "select count(*) from admin where value = :v" << QStringList{"0"};
        QTest::newRow("inside apostrophes")
            << "select 'a:b', ':c' from admin where key='wersja'" << QStringList{"a:b|:c"};
        QTest::newRow("after a double quote inside apostrophes")
            << "select 'Skład \"Ślązak', 'x:y' from admin where key='wersja'"
            << QStringList{"Skład \"Ślązak|x:y"};
        QTest::newRow("double colon")
            << "select ::p is null from admin where key='wersja'" << QStringList{"1"};
    }
    void openTurnsATypedColonIntoNull() {
        QFETCH(QString, sql);
        QFETCH(QStringList, rows);
        Browser b;
        b.run(b.open, sql);
        QCOMPARE(b.dialogs.transcript(), QString());
        QCOMPARE(b.shown(), rows);
    }

    void execStoresNullForATypedColonAndQuotedTextExactly() {
        Browser b;
        b.run(b.exec,
              "update admin set value=:v where key='nr_listu'; "
              "insert into admin values('k:1', 'Skład \"Ślązak: a::b ''c''')");
        QCOMPARE(b.dialogs.transcript(), QString());
        QCOMPARE(rowsOf(b.file(), "select value from admin where key='nr_listu'"),
                 QStringList{"<null>"});
        QCOMPARE(rowsOf(b.file(), "select key, value from admin where key like 'k%'"),
                 QStringList{"k:1|Skład \"Ślązak: a::b 'c'"});
        // Exec leaves no rows in the grid; Open of the same table shows the new row.
        QCOMPARE(b.grid->model()->rowCount(), 0);
        b.run(b.open, "select value from admin where key = 'k:1'");
        QCOMPARE(b.shown(), QStringList{"Skład \"Ślązak: a::b 'c'"});
    }

    // Two columns of one name each show their own value, and a long pasted script runs whole.
    void sameNamedColumnsAndLongScripts() {
        Browser b;
        b.run(b.open, "select 1 as a, 2 as a");
        QCOMPARE(b.shown(), QStringList{"1|2"});
        QString script;
        for (int i = 0; i < 1000; ++i)
            script += QStringLiteral("insert into ladunki values('ładunek %1','x'); ").arg(i);
        QVERIFY(script.size() > 32767);
        b.run(b.exec, script);
        QCOMPARE(rowsOf(b.file(), "select count(*) from ladunki"), QStringList{"1000"});
    }

    // A "begin transaction" typed in the browser is never lost silently: closing the
    // browser asks; Escape keeps the window and the transaction, Nie rolls it back; the
    // program's close asks too, Tak commits.
    void closingWithAnOpenTransactionAsks() {
        Browser b;
        b.run(b.exec, "begin transaction; insert into ladunki values('a','b')");
        b.windows->browser->show();
        b.dialogs.cancelNext();
        b.windows->browser->reject();
        QVERIFY(b.windows->browser->isVisible());
        QVERIFY(b.windows->main->session().inTransaction());
        b.dialogs.clear();
        b.dialogs.answer({false});
        b.windows->browser->reject();
        QCOMPARE(b.dialogs.transcript(),
                 QStringLiteral("Pytanie: Transakcja jest otwarta. Zatwierdzić zmiany?"));
        QVERIFY(!b.windows->main->session().connection().inTransaction());
        QCOMPARE(rowsOf(b.file(), "select count(*) from ladunki"), QStringList{"0"});

        b.dialogs.clear();
        b.run(b.exec, "begin transaction; insert into ladunki values('c','d')");
        b.dialogs.answer({true});
        b.windows->main->close();
        QCOMPARE(b.dialogs.boxes.size(), 1);
        QCOMPARE(rowsOf(b.file(), "select nazwa from ladunki"), QStringList{"c"});
    }
};

QTEST_MAIN(SqlBrowserParamsTest)
#include "test_sql_browser_params.moc"
