// The print window driven as a user drives it: shown from the main window's menu, rows
// ticked and counts typed, "Drukuj" pressed; what is printed is recorded by a print service
// that draws nothing, or written into a PDF file when no printer is installed.

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

#include <memory>

#include "db/sql_connection.h"
#include "print/recording_print_service.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "support/ui_input.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"
#include "ui/modal.h"
#include "ui/print_list.h"
#include "ui/print_options_dialog.h"
#include "ui/print_row.h"
#include "ui/print_rows.h"
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
    ui::PrintRowsModel& model() { return window().rows(); }
    ui::PrintList& list() { return window().list(); }
    // The header row and the waybills: row 0 is the header, rows 1..N the waybills.
    std::size_t rows() { return std::size_t(model().rowCount()) + 1; }
    QStringList texts(std::size_t i) {
        QStringList t;
        if (i == 0) {
            for (const QLabel* caption : window().header().captions()) t << caption->text();
            return t;
        }
        for (int c = ui::PrintRowsModel::Load; c <= ui::PrintRowsModel::Count; ++c) {
            t << model().index(int(i) - 1, c).data().toString();
        }
        return t;
    }
    bool ticked(std::size_t i) { return model().ticked(int(i) - 1); }
    QString count(std::size_t i) { return model().count(int(i) - 1); }
    // The cell of a waybill row in the window's coordinates.
    QRect cell(std::size_t i, int column) {
        const QRect r = list().visualRect(model().index(int(i) - 1, column));
        return r.translated(list().viewport()->mapTo(&window(), QPoint(0, 0)));
    }
    QRect line(std::size_t i) { return cell(i, 0).united(cell(i, ui::PrintRowsModel::Count)); }
    template <typename T>
    T* widget(const char* name) {
        T* w = window().findChild<T*>(QLatin1String(name));
        if (!w) qFatal("no widget %s", name);
        return w;
    }
    void drukuj() { QTest::mouseClick(widget<QPushButton>("Button1"), Qt::LeftButton); }
    // Clicks into the count, types over it and confirms with Enter.
    void setCount(std::size_t i, const QString& text) {
        const QModelIndex index = model().index(int(i) - 1, ui::PrintRowsModel::Count);
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().visualRect(index).center());
        auto* editor = qobject_cast<QLineEdit*>(list().indexWidget(index));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(!list().indexWidget(index));  // the edit ends once events are handled
    }
    void tick(std::size_t i) {
        const QRect r = list().visualRect(model().index(int(i) - 1, ui::PrintRowsModel::Tick));
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {},
                          r.topLeft() + QPoint(10 + 7, 5 + 7));
    }
};

// Every column distinct, so that a field read from the wrong position shows.
const char* kThree =
    "insert into listy values(2,'StNad1','Nad1','Wag1','Lad1','Odb1','StOdb1');"
    "insert into listy values(3,'StNad2','Nad2','Wag2','Lad2','Odb2','StOdb2');"
    "insert into listy values(4,'StNad3','Nad3','Wag3','Lad3','Odb3','StOdb3');"
    "insert into stacje values(1,'StOdb1','clred');";

QString waybillRows(int n) {
    QString sql;
    for (int i = 1; i <= n; ++i)
        sql += QStringLiteral("insert into listy values(%1,'a','b','c','d','e','f');").arg(i);
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
    void keyboardAndAccessibility();
    void failedQueryShowsTheHeaderAlone();
    void selectingManyRowsAtOnce();
    void printOptionsAreKeptAndPrinted();
};

void PrintWindowTest::windowLayout() {
    Program p;
    ui::PrintWindow& w = p.window();
    QCOMPARE(w.windowTitle(), QStringLiteral("Wydruk"));
    QCOMPARE(w.size(), QSize(546, 420));
    QCOMPARE(p.widget<QLabel>("Label1")->text(), QStringLiteral("Wybór drukarki"));
    QCOMPARE(p.widget<QComboBox>("ComboBox1")->geometry(), QRect(104, 16, 329, 21));
    QCOMPARE(p.widget<QPushButton>("Button1")->geometry(), QRect(440, 16, 75, 25));
    QCOMPARE(p.widget<QPushButton>("Button1")->text(), QStringLiteral("Drukuj"));
    // Tab order: the printer list, then "Drukuj".
    QCOMPARE(testing::nextTabStop(p.widget<QComboBox>("ComboBox1")),
             p.widget<QPushButton>("Button1"));
    // The printer list is the platform's, in its order, with nothing selected.
    auto* box = p.widget<QComboBox>("ComboBox1");
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    QCOMPARE(items, QPrinterInfo::availablePrinterNames());
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QString());
    QCOMPARE(w.waybills().connection(), &p.windows->main->session().connection());
    QCOMPARE(w.colourQuery().connection(), &p.windows->main->session().connection());
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
        QCOMPARE(p.texts(0), QStringList({"Ładunek", "Stacja odb.", "Odbiorca", "Wagon", "Nadawca",
                                          "Stacja nad.", "Ilosc"}));
        QCOMPARE(p.texts(1),
                 QStringList({"Lad1", "StOdb1", "Odb1", "Wag1", "Nad1", "StNad1", "2"}));
        QCOMPARE(p.texts(3),
                 QStringList({"Lad3", "StOdb3", "Odb3", "Wag3", "Nad3", "StNad3", "2"}));
        QVERIFY(p.ticked(1));
        QCOMPARE(p.count(2), QStringLiteral("7"));
        // Rows of 470 x 30, 28 apart under the header row: the last one's bottom border shows.
        QCOMPARE(p.window().header().geometry(), QRect(30, 50, 470, 30));
        for (std::size_t i = 1; i < p.rows(); ++i) {
            QCOMPARE(p.line(i), QRect(30, 50 + 28 * int(i), 470, i + 1 < p.rows() ? 28 : 30));
        }
        window.hide();
    });
    p.windows->main->findChild<QAction*>("Wydruklistw1")->trigger();
    QCOMPARE(shown, 1);
    // Closed, the window holds no rows.
    QCOMPARE(p.model().rowCount(), 0);
    QVERIFY(!p.window().waybills().active());

    // Reopened after changes to the table: every row afresh, unticked, "2".
    execFile(p.file(),
             "delete from listy where id=2; insert into listy values(9,'N','S','W','L','O','R');");
    p.reopen();
    QCOMPARE(p.rows(), std::size_t(4));
    QCOMPARE(p.texts(1), QStringList({"Lad2", "StOdb2", "Odb2", "Wag2", "Nad2", "StNad2", "2"}));
    QCOMPARE(p.texts(3), QStringList({"L", "R", "O", "W", "S", "N", "2"}));
    for (std::size_t i = 1; i < p.rows(); ++i) QVERIFY(!p.ticked(i));
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void PrintWindowTest::manyWaybillsScrollVertically_data() {
    QTest::addColumn<int>("waybills");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("none") << 0 << false;
    QTest::newRow("twelve fit") << 12 << false;
    QTest::newRow("thirteen reach below") << 13 << true;
    QTest::newRow("thirty") << 30 << true;
}

void PrintWindowTest::manyWaybillsScrollVertically() {
    QFETCH(int, waybills);
    QFETCH(bool, scrolls);
    Program p(waybillRows(waybills));
    p.window().show();
    QCOMPARE(p.rows(), std::size_t(waybills + 1));
    auto* scroll = p.widget<QScrollBar>("scroll");
    QCOMPARE(p.list().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(p.list().horizontalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->maximum() > 0, scrolls);
    QCOMPARE(scroll->isVisible(), scrolls);
    if (waybills > 0) QCOMPARE(p.line(p.rows() - 1).top(), 50 + 28 * waybills);
    if (scrolls) {
        // The last row is reached with the scroll bar, and everything scrolls with it.
        scroll->setValue(scroll->maximum());
        const QRect last = p.line(p.rows() - 1);
        QCOMPARE(last.bottom(), p.window().height() - 1);
        QCOMPARE(last.top(), 50 + 28 * waybills - scroll->maximum());
        QCOMPARE(p.widget<QPushButton>("Button1")->y(), 16 - scroll->maximum());
        QVERIFY(last.right() < scroll->x());
        // The wheel over the list scrolls the window.
        scroll->setValue(0);
        QWheelEvent wheel(QPointF(100, 200), p.list().viewport()->mapToGlobal(QPointF(100, 200)),
                          {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(p.list().viewport(), &wheel);
        QVERIFY(scroll->value() > 0);
        QCOMPARE(p.line(1).top(), 78 - scroll->value());
        // The next showing starts at the top again.
        p.reopen();
        QCOMPARE(scroll->value(), 0);
        QCOMPARE(p.line(1).top(), 78);
    }
}

void PrintWindowTest::headerRowCannotBeTickedOrEdited() {
    Program p(kThree);
    p.window().show();
    ui::PrintHeaderRow& header = p.window().header();
    // Captions only: nothing to tick or type into, drawn in the normal text colour and
    // each as wide as its text.
    QVERIFY(header.findChildren<QCheckBox*>().isEmpty());
    QVERIFY(header.findChildren<QLineEdit*>().isEmpty());
    QVERIFY(header.isEnabled());
    for (const QLabel* caption : header.captions()) {
        QVERIFY2(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()),
                 qPrintable(caption->text()));
        QCOMPARE(caption->palette().color(caption->foregroundRole()),
                 p.window().palette().color(QPalette::Active, QPalette::WindowText));
    }
    QCOMPARE(header.findChild<QLabel*>("wagon")->x(), 245);
    QCOMPARE(p.cell(1, ui::PrintRowsModel::WagonType).x() - 30, 255);
    QTest::mouseClick(&header, Qt::LeftButton, {}, QPoint(17, 12));
    QTest::keyClicks(&header, "12");
    for (std::size_t i = 1; i < p.rows(); ++i) QVERIFY(!p.ticked(i));
    QCOMPARE(p.texts(0).last(), QStringLiteral("Ilosc"));
    // A waybill row takes any text as its count.
    p.setCount(1, "dwa");
    QCOMPARE(p.count(1), QStringLiteral("dwa"));
}

void PrintWindowTest::keyboardAndAccessibility() {
    Program p(kThree);
    p.window().show();
    ui::PrintList& list = p.list();
    p.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.window()));
    list.setFocus();
    list.setCurrentIndex(p.model().index(1, ui::PrintRowsModel::Receiver));
    // Space ticks the current row, digits become its count, Tab leaves the list.
    QTest::keyClick(&list, Qt::Key_Space);
    QVERIFY(p.ticked(2));
    QVERIFY(!p.ticked(1) && !p.ticked(3));
    QTest::keyClick(&list, Qt::Key_Space);
    QVERIFY(!p.ticked(2));
    QTest::keyClick(&list, Qt::Key_Space);
    QTest::keyClick(&list, '1');
    QTest::keyClick(QApplication::focusWidget(), '5');  // into the edit box the first digit opened
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor->parentWidget() == list.viewport());
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(p.count(2), QStringLiteral("15"));
    QCOMPARE(p.count(1), QStringLiteral("2"));
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), '4');
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(p.count(3), QStringLiteral("4"));
    QVERIFY(QApplication::focusWidget() != &list &&
            !list.isAncestorOf(QApplication::focusWidget()));
    // No edit box stays once no row is being edited.
    QTRY_COMPARE(list.viewport()->findChildren<QLineEdit*>().size(), 0);

    // Each row's tick box and count are cells that accessibility reports.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&list);
    QVERIFY(table && table->tableInterface());
    QCOMPARE(table->tableInterface()->rowCount(), 3);
    QAccessibleInterface* tick = table->tableInterface()->cellAt(1, ui::PrintRowsModel::Tick);
    QAccessibleInterface* count = table->tableInterface()->cellAt(1, ui::PrintRowsModel::Count);
    QVERIFY(tick->state().checkable && tick->state().checked);
    QCOMPARE(count->text(QAccessible::Name), QStringLiteral("15"));
    // The count takes a text through accessibility; the tick box and the texts take none.
    count->setText(QAccessible::Name, QStringLiteral("3"));
    QCOMPARE(p.count(2), QStringLiteral("3"));
    table->tableInterface()->cellAt(1, ui::PrintRowsModel::Load)->setText(QAccessible::Name, "x");
    QCOMPARE(p.texts(2).first(), QStringLiteral("Lad2"));
    QCOMPARE(table->tableInterface()->cellAt(2, ui::PrintRowsModel::Load)->text(QAccessible::Name),
             QStringLiteral("Lad3"));
    QVERIFY(!table->tableInterface()->cellAt(0, ui::PrintRowsModel::Tick)->state().checked);
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
    QCOMPARE(p.window().scale(), 6600 / 297.0);
    // The top band of the first card in StOdb1's colour, of the third in white (no station).
    QCOMPARE(service.calls.indexOf("rect 456,456,1367,644") - 1,
             service.calls.indexOf("fill 255,0,0"));

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
    QVERIFY(p.ticked(1));
    QCOMPARE(p.count(2), QStringLiteral("abc"));
    // Mended, the run goes through.
    p.setCount(2, "0");
    service.calls.clear();
    p.drukuj();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(service.calls.last(), QStringLiteral("end"));
}

void PrintWindowTest::noPrinterPrintsIntoAPdfFile() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("this machine has a printer installed");
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
    QVERIFY(p.window().scale() > 23.0 && p.window().scale() < 24.0);  // A4 at 600 dpi

    // A file that cannot be written is an error, not a silent success.
    answer = p.dir.file("missing/dir/karty.pdf");
    p.drukuj();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QVERIFY(p.dialogs.boxes[0].text.startsWith("Nie można rozpocząć wydruku"));
}

// The rows of the previous showing were given back when the window closed: a showing whose
// query fails shows the header row alone.
void PrintWindowTest::failedQueryShowsTheHeaderAlone() {
    Program p(kThree);
    p.window().show();
    QCOMPARE(p.rows(), std::size_t(4));
    execFile(p.file(), "drop table listy;");
    p.reopen();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QCOMPARE(p.rows(), std::size_t(1));
    QVERIFY(p.window().header().isVisible());
}

// The list's commands from the keyboard: each changes every row it concerns in one change
// of the model, whatever the number of rows.
void PrintWindowTest::selectingManyRowsAtOnce() {
    Program p(
        "insert into listy values(1,'Śrem','n','w','l','o','Zabrze');"
        "insert into listy values(2,'Sopot','n','w','l','o','Łódź');"
        "insert into listy values(3,'Śrem','n','w','l','o','Lublin');"
        "insert into listy values(4,'Czersk','n','w','l','o','Zabrze');"
        "insert into listy values(5,'Ćmielów','n','w','l','o','Łódź');");
    p.window().show();
    p.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.window()));
    ui::PrintList& list = p.list();
    list.setFocus();
    QSignalSpy changes(&p.model(), &QAbstractItemModel::dataChanged);
    auto ticks = [&] {
        QString t;
        for (std::size_t i = 1; i < p.rows(); ++i) t += p.ticked(i) ? '1' : '0';
        return t;
    };
    auto counts = [&] {
        QStringList c;
        for (std::size_t i = 1; i < p.rows(); ++i) c << p.count(i);
        return c.join(' ');
    };
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(ticks(), QStringLiteral("11111"));
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(ticks(), QStringLiteral("00000"));
    QCOMPARE(changes.size(), 2);

    // A sending station picked from the stations of the list, in Polish order; the ticks
    // of the other rows stay.
    p.tick(2);
    p.dialogs.pick({"Śrem"});
    QTest::keyClick(&list, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(p.dialogs.offered, QStringList({"Czersk", "Ćmielów", "Sopot", "Śrem"}));
    QCOMPARE(ticks(), QStringLiteral("11100"));
    p.dialogs.pick({"Łódź"});
    QTest::keyClick(&list, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(p.dialogs.offered, QStringList({"Lublin", "Łódź", "Zabrze"}));
    QCOMPARE(ticks(), QStringLiteral("11101"));
    QTest::keyClick(&list, Qt::Key_O, Qt::ControlModifier);  // cancelled
    QCOMPARE(ticks(), QStringLiteral("11101"));

    // The count of every ticked row, starting from the current row's.
    p.setCount(1, "4");
    list.setCurrentIndex(p.model().index(0, ui::PrintRowsModel::Load));
    p.dialogs.number({7});
    changes.clear();
    QTest::keyClick(&list, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(p.dialogs.numberStart, 4);
    QCOMPARE(counts(), QStringLiteral("7 7 7 2 7"));
    QCOMPARE(changes.size(), 1);
    QTest::keyClick(&list, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(ticks(), QStringLiteral("00010"));
    QCOMPARE(changes.size(), 2);

    // With nothing ticked there is nothing to set: said so, nothing asked.
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    p.dialogs.clear();
    QTest::keyClick(&list, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].text, QStringLiteral("Nie zaznaczono żadnego listu."));
    // In the count's edit box Ctrl+A selects its text and ticks nothing.
    list.setCurrentIndex(p.model().index(1, ui::PrintRowsModel::Count));
    auto* editor =
        qobject_cast<QLineEdit*>(list.indexWidget(p.model().index(1, ui::PrintRowsModel::Count)));
    QVERIFY(editor);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor->selectedText(), QStringLiteral("7"));
    QCOMPARE(ticks(), QStringLiteral("00000"));
}

// "Opcje wydruku…" driven by the keyboard; the choice is kept between showings and taken by
// "Drukuj" and the preview alike. A value of the settings that is none of its option's
// values reads as the default.
void PrintWindowTest::printOptionsAreKeptAndPrinted() {
    Program p(kThree);
    testing::RecordingPrintService service;
    p.window().setPrintService(&service);
    p.window().show();
    p.tick(1);
    p.setCount(1, "1");
    QString step;
    ui::setModalHook([&](QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_COMPARE(QApplication::activeWindow(), &dialog);
        // The keys go where the dialog's focus is.
        auto key = [&dialog](Qt::Key k, Qt::KeyboardModifiers m = {}) {
            QTest::keyClick(dialog.focusWidget(), k, m);
        };
        auto* slot = dialog.findChild<QSpinBox*>("firstSlot");
        if (step == "choose") {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Opcje wydruku"));
            QCOMPARE(dialog.focusWidget(), slot);
            key(Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(dialog.focusWidget(), "16");
            key(Qt::Key_Tab);
            key(Qt::Key_Down);  // by sending station
            key(Qt::Key_Tab);
            key(Qt::Key_Space);  // return cards
            key(Qt::Key_Tab);
            key(Qt::Key_Space);  // letter codes
            key(Qt::Key_Return);
        } else if (step == "look and cancel") {
            QCOMPARE(slot->value(), 16);
            QCOMPARE(dialog.findChild<QCheckBox*>("tonerSaver")->isChecked(), false);
            key(Qt::Key_Up);
            key(Qt::Key_Escape);
        } else if (step == "preview") {
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            QVERIFY(preview);
            preview->updatePreview();
            // Slot 16 of the first sheet, then the return card on a second sheet.
            QCOMPARE(preview->pageCount(), 2);
            dialog.reject();
        } else if (step == "defaults") {
            auto* buttons = dialog.findChild<QDialogButtonBox*>("buttons");
            QTest::mouseClick(buttons->button(QDialogButtonBox::RestoreDefaults), Qt::LeftButton);
            QCOMPARE(slot->value(), 1);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        }
        dialog.hide();
    });
    step = "choose";
    p.window().editPrintOptions();
    print::PrintOptions chosen;
    chosen.firstSlot = 16;
    chosen.order = print::CardOrder::BySending;
    chosen.returnCards = true;
    chosen.letterCodes = true;
    QVERIFY(ui::loadPrintOptions() == chosen);
    step = "look and cancel";
    p.window().editPrintOptions();
    QVERIFY(ui::loadPrintOptions() == chosen);

    p.drukuj();
    QVERIFY2(p.dialogs.boxes.isEmpty(), qPrintable(p.dialogs.transcript()));
    QCOMPARE(service.only("clip "),
             QStringList({"clip 3400,4733,4400,6177", "clip 400,400,1400,1844"}));
    QVERIFY(service.calls.contains("text 512,1009 Próżny"));
    QVERIFY(service.calls.contains("text 4174,4799 CZE"));  // StOdb1 is red
    step = "preview";
    p.window().printPreview();

    step = "defaults";
    p.window().editPrintOptions();
    QVERIFY(ui::loadPrintOptions() == print::PrintOptions());
    service.calls.clear();
    p.drukuj();
    QCOMPARE(service.only("clip "), QStringList({"clip 400,400,1400,1844"}));

    QSettings(QStringLiteral("Listy"), QStringLiteral("Listy")).setValue("wydruk/pierwszePole", 17);
    QSettings(QStringLiteral("Listy"), QStringLiteral("Listy"))
        .setValue("wydruk/kolejnosc", "wg stacji");
    QVERIFY(ui::loadPrintOptions() == print::PrintOptions());
}

QTEST_MAIN(PrintWindowTest)
#include "test_print_window.moc"
