// The print window driven as a user drives it: shown from the main window's menu, rows
// ticked and counts typed, "Drukuj" pressed; what is printed is recorded by a print service
// that draws nothing, or written into a PDF file when no printer is installed.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include <memory>

#include "print/recording_print_service.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"
#include "support/ui_input.h"
#include "ui/app_windows.h"
#include "ui/modal.h"
#include "ui/print_row.h"
#include "ui/print_window.h"

using testing::execFile;

namespace {

struct Program {
    testing::WorkDir dir;
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<ui::AppWindows> windows;

    explicit Program(const QString& setupSql = {}) {
        if (!setupSql.isEmpty()) {
            std::make_unique<ui::AppWindows>().reset();  // the schema first
            execFile(file(), setupSql);
        }
        windows = std::make_unique<ui::AppWindows>();
        windows->main->show();
    }
    ~Program() {
        ui::setModalHook(nullptr);
        ui::PrintWindow::setPdfFileChooser(nullptr);
    }

    QString file() const { return dir.file(QStringLiteral("listy.sdb")); }
    ui::PrintWindow& window() { return *windows->print; }
    // Shows the window afresh, as the menu does.
    void reopen() {
        window().hide();
        window().show();
    }
    ui::PrintRow& row(std::size_t i) { return *window().wiersze().at(i); }
    std::size_t rows() { return window().wiersze().size(); }
    QStringList texts(std::size_t i) {
        const ui::PrintRow& r = row(i);
        return {r.ladunek->text(), r.st_odb->text(), r.odb->text(), r.wagon->text(),
                r.nad->text(),     r.st_nad->text(), r.ilosc->text()};
    }
    template <typename T>
    T* widget(const char* name) {
        T* w = window().findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    void drukuj() { QTest::mouseClick(widget<QPushButton>("Button1"), Qt::LeftButton); }
    void setCount(std::size_t i, const QString& text) {
        QLineEdit* e = row(i).ilosc;
        e->selectAll();
        QTest::keyClicks(e, text);
    }
    void tick(std::size_t i) { QTest::mouseClick(row(i).check, Qt::LeftButton, {}, QPoint(7, 7)); }
};

// Every column distinct, so that a field read from the wrong position shows.
const char* kThree =
    "insert into listy values(2,'StNad1','Nad1','Wag1','Lad1','Odb1','StOdb1');"
    "insert into listy values(3,'StNad2','Nad2','Wag2','Lad2','Odb2','StOdb2');"
    "insert into listy values(4,'StNad3','Nad3','Wag3','Lad3','Odb3','StOdb3');"
    "insert into stacje values(1,'StOdb1','clred');";

QString waybillRows(int n) {
    QString sql;
    for (int i = 1; i <= n; ++i) sql += QStringLiteral("insert into listy values(%1,'a','b','c','d','e','f');").arg(i);
    return sql;
}

}  // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowLayout();
    void rowsAreRebuiltOnEveryShowing();
    void manyWaybillsScrollVertically_data();
    void manyWaybillsScrollVertically();
    void headerRowCannotBeTickedOrEdited();
    void drukujPrintsTheTickedRows();
    void badCountIsShownAndRowsStay();
    void noPrinterPrintsIntoAPdfFile();
    void failedQueryKeepsThePreviousRows();
};

void PrintWindowTest::windowLayout() {
    Program p;
    ui::PrintWindow& w = p.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Wydruk"));
    QCOMPARE(w.size(), QSize(538, 408));
    QCOMPARE(p.widget<QLabel>("Label1")->text(), QStringLiteral("Wybór drukarki"));
    QCOMPARE(p.widget<QComboBox>("ComboBox1")->geometry(), QRect(104, 16, 329, 21));
    QCOMPARE(p.widget<QPushButton>("Button1")->geometry(), QRect(440, 16, 75, 25));
    QCOMPARE(p.widget<QPushButton>("Button1")->text(), QStringLiteral("Drukuj"));
    // Tab order: the printer list, then "Drukuj".
    QCOMPARE(testing::nextTabStop(p.widget<QComboBox>("ComboBox1")), p.widget<QPushButton>("Button1"));
    // The printer list is the platform's, in its order, with nothing selected.
    auto* box = p.widget<QComboBox>("ComboBox1");
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    QCOMPARE(items, QPrinterInfo::availablePrinterNames());
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QString());
    QCOMPARE(w.sql1().connection(), &p.windows->main->connection());
    QCOMPARE(w.sql2().connection(), &p.windows->main->connection());
}

void PrintWindowTest::rowsAreRebuiltOnEveryShowing() {
    Program p(kThree);
    // Shown through the main window's menu.
    int shown = 0;
    ui::setModalHook([&](QDialog& window) {
        QCOMPARE(&window, static_cast<QDialog*>(&p.window()));
        window.show();
        ++shown;
        QCOMPARE(p.rows(), std::size_t(4));
        p.tick(1);
        p.setCount(2, "7");
        window.hide();
    });
    p.windows->main->findChild<QAction*>("Wydruklistw1")->trigger();
    QCOMPARE(shown, 1);
    QCOMPARE(p.texts(0), QStringList({"Ładunek", "Stacja odb.", "Odbiorca", "Wagon", "Nadawca", "Stacja nad.", "Ilosc"}));
    QCOMPARE(p.texts(1), QStringList({"Lad1", "StOdb1", "Odb1", "Wag1", "Nad1", "StNad1", "2"}));
    QCOMPARE(p.texts(3), QStringList({"Lad3", "StOdb3", "Odb3", "Wag3", "Nad3", "StNad3", "2"}));
    QVERIFY(p.row(1).check->isChecked());
    QCOMPARE(p.row(2).ilosc->text(), QStringLiteral("7"));
    for (std::size_t i = 0; i < p.rows(); ++i) QCOMPARE(p.row(i).pos(), QPoint(30, 50 + 28 * int(i)));

    // Reopened after changes to the table: every row afresh, unticked, "2".
    execFile(p.file(), "delete from listy where id=2; insert into listy values(9,'N','S','W','L','O','R');");
    QPointer<ui::PrintRow> old = &p.row(1);
    p.reopen();
    QVERIFY(old.isNull());  // the previous rows are gone
    QCOMPARE(p.rows(), std::size_t(4));
    QCOMPARE(p.texts(1), QStringList({"Lad2", "StOdb2", "Odb2", "Wag2", "Nad2", "StNad2", "2"}));
    QCOMPARE(p.texts(3), QStringList({"L", "R", "O", "W", "S", "N", "2"}));
    for (std::size_t i = 1; i < p.rows(); ++i) QVERIFY(!p.row(i).check->isChecked());
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void PrintWindowTest::manyWaybillsScrollVertically_data() {
    QTest::addColumn<int>("waybills");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("none") << 0 << false;
    QTest::newRow("eleven fit") << 11 << false;
    QTest::newRow("twelve reach below") << 12 << true;
    QTest::newRow("thirty") << 30 << true;
}

void PrintWindowTest::manyWaybillsScrollVertically() {
    QFETCH(int, waybills);
    QFETCH(bool, scrolls);
    Program p(waybillRows(waybills));
    p.window().show();
    QCOMPARE(p.rows(), std::size_t(waybills + 1));
    QCOMPARE(p.row(p.rows() - 1).y(), 50 + 28 * waybills);
    auto* scroll = p.widget<QScrollArea>("scroll");
    QCOMPARE(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->verticalScrollBar()->maximum() > 0, scrolls);
    if (scrolls) {
        // The last row is reached with the scroll bar, and the rows are never wider than the view.
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        const QRect last(p.row(p.rows() - 1).mapTo(scroll->viewport(), QPoint(0, 0)), p.row(p.rows() - 1).size());
        QVERIFY(scroll->viewport()->rect().contains(last));
        QVERIFY(scroll->widget()->width() <= scroll->viewport()->width());
        // The next showing starts at the top again.
        p.reopen();
        QCOMPARE(scroll->verticalScrollBar()->value(), 0);
    }
}

void PrintWindowTest::headerRowCannotBeTickedOrEdited() {
    Program p(kThree);
    p.window().show();
    ui::PrintRow& header = p.row(0);
    QVERIFY(!header.isEnabled());
    QVERIFY(header.check->isHidden());
    QCOMPARE(header.wagon->x(), 245);
    QCOMPARE(p.row(1).wagon->x(), 255);
    QVERIFY(!header.ilosc->hasFrame());
    QVERIFY(p.row(1).ilosc->hasFrame());
    QTest::mouseClick(header.check, Qt::LeftButton, {}, QPoint(7, 7));
    QTest::mouseClick(header.ilosc, Qt::LeftButton);
    QTest::keyClicks(header.ilosc, "12");
    QVERIFY(!header.check->isChecked());
    QCOMPARE(header.ilosc->text(), QStringLiteral("Ilosc"));
    // A waybill row takes any text as its count.
    p.setCount(1, "dwa");
    QCOMPARE(p.row(1).ilosc->text(), QStringLiteral("dwa"));
}

void PrintWindowTest::drukujPrintsTheTickedRows() {
    Program p(kThree);
    testing::RecordingPrintService service;
    p.window().setPrintService(&service);
    p.window().show();
    p.tick(1);
    p.tick(3);
    p.setCount(3, " 3");
    p.setCount(2, "5");  // unticked: read, not printed
    p.drukuj();
    QVERIFY2(p.dialogs.boxes.isEmpty(), qPrintable(p.dialogs.transcript()));
    QCOMPARE(service.calls.first(), QStringLiteral("select -1"));
    QCOMPARE(service.calls.last(), QStringLiteral("end"));
    QStringList bold;  // the receiving station of each card, in print order
    for (int i = 1; i < service.calls.size(); ++i) {
        if (service.calls[i - 1] == "font 11") bold << service.calls[i].section(' ', 2);
    }
    QCOMPARE(bold, QStringList({"StOdb1", "StOdb1", "StOdb3", "StOdb3", "StOdb3"}));
    QVERIFY(service.calls.contains("text 512,1009 Lad1"));
    QCOMPARE(p.window().skala(), 6600 / 297.0);
    // The top band of the first card in StOdb1's colour, of the third in white (no station).
    QCOMPARE(service.calls.indexOf("rect 456,456,1367,644") - 1, service.calls.indexOf("fill 255,0,0"));

    // The rows are unchanged, so "Drukuj" prints the same again; a chosen printer's index
    // is passed on, and text typed into the list that names no printer selects none.
    auto* box = p.widget<QComboBox>("ComboBox1");
    box->addItems({"Pierwsza", "Druga"});
    box->setCurrentIndex(1);
    service.calls.clear();
    p.drukuj();
    QCOMPARE(service.calls.first(), QStringLiteral("select 1"));
    QCOMPARE(service.calls.count("style bold"), 5);
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "Druga X");
    QCOMPARE(box->currentIndex(), -1);
    service.calls.clear();
    p.drukuj();
    QCOMPARE(service.calls.first(), QStringLiteral("select -1"));
}

void PrintWindowTest::badCountIsShownAndRowsStay() {
    Program p(kThree);
    testing::RecordingPrintService service;
    p.window().setPrintService(&service);
    p.window().show();
    p.tick(1);
    p.setCount(2, "abc");  // an unticked row: still converted
    p.drukuj();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QCOMPARE(p.dialogs.boxes[0].text, QStringLiteral("'abc' is not a valid integer value."));
    QCOMPARE(service.calls.count("style bold"), 2);  // row 1's two cards
    QCOMPARE(service.calls.last(), QStringLiteral("abort"));
    QVERIFY(p.row(1).check->isChecked());
    QCOMPARE(p.row(2).ilosc->text(), QStringLiteral("abc"));
    // Mended, the run goes through.
    p.setCount(2, "0");
    service.calls.clear();
    p.drukuj();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(service.calls.last(), QStringLiteral("end"));
}

void PrintWindowTest::noPrinterPrintsIntoAPdfFile() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) QSKIP("this machine has a printer installed");
    Program p(kThree);
    p.window().show();
    p.tick(1);
    QWidget* owner = nullptr;
    QString answer;
    ui::PrintWindow::setPdfFileChooser([&](QWidget* w) {
        owner = w;
        return answer;
    });
    // Cancelled: nothing printed, nothing shown.
    p.drukuj();
    QCOMPARE(owner, static_cast<QWidget*>(&p.window()));
    QVERIFY(p.dialogs.boxes.isEmpty());
    QCOMPARE(QDir(p.dir.path()).entryList({"*.pdf"}), QStringList());

    answer = p.dir.file("karty.pdf");
    p.drukuj();
    QVERIFY2(p.dialogs.boxes.isEmpty(), qPrintable(p.dialogs.transcript()));
    QFile pdf(answer);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(p.window().skala() > 23.0 && p.window().skala() < 24.0);  // A4 at 600 dpi

    // A file that cannot be written is an error, not a silent success.
    answer = p.dir.file("missing/dir/karty.pdf");
    p.drukuj();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QVERIFY(p.dialogs.boxes[0].text.startsWith("Nie można rozpocząć wydruku"));
}

void PrintWindowTest::failedQueryKeepsThePreviousRows() {
    Program p(kThree);
    p.window().show();
    QCOMPARE(p.rows(), std::size_t(4));
    execFile(p.file(), "drop table listy;");
    p.reopen();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QCOMPARE(p.rows(), std::size_t(4));
    QCOMPARE(p.texts(1).first(), QStringLiteral("Lad1"));
}

QTEST_MAIN(PrintWindowTest)
#include "test_print_window.moc"
