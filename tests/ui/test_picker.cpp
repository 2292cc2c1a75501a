// The picker as the waybill editor uses it: the three "..." buttons of the main window open
// it, a row is clicked inside the modal showing (or "Anuluj", or the close box), and the
// fields of the waybill being edited take what it hands back.

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "support/program.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"
#include "ui/data_grid.h"
#include "ui/modal.h"

using testing::execFile;
using testing::rowsOf;

namespace {

const char* kReferenceData =
    "insert into stacje values(2,'Gdynia','clred');"
    "insert into stacje values(3,'Zabrze','clblue');"
    "insert into punkty values(2,'Port','Gdynia','');"
    "insert into punkty values(3,'Huta','Zabrze','');"
    "insert into punkty values(4,'Kopalnia','Zabrze','');"
    "insert into punkty values(5,'Skład O''Neill','Kędzierzyn O''Hara','');"
    "insert into ladunki values('Węgiel','EAOS');"
    "insert into ladunki values('Zboże','TADS');";

// What the picker showed during one showing.
struct Seen {
    QString title;
    QStringList rows;  // column 0 of every row
    QString column0Title;
    bool column1Hidden = false;
};

struct Program : testing::Program {
    using testing::Program::Program;

    ui::PickerDialog& picker() { return *windows->picker; }
    template <typename T = QWidget>
    T* widget(const char* name) {
        return find<T>(main(), name);
    }
    void click(int n) { clickButton(main(), n); }
    QString text(const char* name) {
        if (auto* box = qobject_cast<QComboBox*>(widget(name))) return box->currentText();
        return widget<QLineEdit>(name)->text();
    }
    void setText(const char* name, const QString& text) {
        if (auto* box = qobject_cast<QComboBox*>(widget(name)))
            box->setEditText(text);
        else
            widget<QLineEdit>(name)->setText(text);
    }

    // Runs the main window's button `n`; inside the picker's modal showing, `act` runs on
    // the shown picker after what it lists has been noted.
    Seen pick(int n, const std::function<void(ui::PickerDialog&, ui::DataGrid&)>& act) {
        Seen seen;
        bool shown = false;
        ui::setModalHook([&](QDialog& window) {
            shown = true;
            window.show();
            auto* grid = window.findChild<ui::DataGrid*>("DBGrid1");
            seen.title = window.windowTitle();
            for (int r = 0; r < grid->model()->rowCount(); ++r) {
                seen.rows << grid->model()->index(r, 0).data().toString();
            }
            seen.column0Title = grid->model()->headerData(0, Qt::Horizontal).toString();
            seen.column1Hidden = grid->isColumnHidden(1);
            act(static_cast<ui::PickerDialog&>(window), *grid);
            if (window.isVisible()) qFatal("the picker is still open");
        });
        click(n);
        ui::setModalHook(nullptr);
        if (!shown) qFatal("the picker was not shown");
        return seen;
    }
};

void clickRow(ui::DataGrid& grid, int row) {
    const QRect rect = grid.visualRect(grid.model()->index(row, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rect.center());
}

auto clickingRow(int row) {
    return [row](ui::PickerDialog&, ui::DataGrid& grid) { clickRow(grid, row); };
}

void cancel(ui::PickerDialog& picker, ui::DataGrid&) {
    QTest::mouseClick(picker.findChild<QPushButton*>("Button2"), Qt::LeftButton);
}

void closeBox(ui::PickerDialog& picker, ui::DataGrid&) {
    picker.close();
}

}  // namespace

class PickerTest : public QObject {
    Q_OBJECT
private slots:
    void looksAsDesigned();
    void shipperListsTheSendingStationsParties_data();
    void shipperListsTheSendingStationsParties();
    void receiverBringsItsStation();
    void loadListsEveryLoadWithItsCode();
    void cancelEmptiesWhatTheCallerFills_data();
    void cancelEmptiesWhatTheCallerFills();
    void closeBoxKeepsThePreviousPick();
    void listErrorIsShownAndNothingPicked();
};

void PickerTest::looksAsDesigned() {
    Program p(kReferenceData);
    ui::PickerDialog& picker = p.picker();
    auto* grid = picker.findChild<ui::DataGrid*>("DBGrid1");
    auto* cancelButton = picker.findChild<QPushButton*>("Button2");
    QVERIFY(grid && cancelButton);
    QCOMPARE(picker.windowTitle(), QStringLiteral("Form5"));
    QCOMPARE(grid->geometry(), QRect(0, 0, 321, 120));
    QCOMPARE(cancelButton->geometry(), QRect(248, 128, 75, 25));
    QCOMPARE(cancelButton->text(), QStringLiteral("Anuluj"));
    for (QWidget* w : {static_cast<QWidget*>(grid), static_cast<QWidget*>(cancelButton)}) {
        QVERIFY2(picker.rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
    QCOMPARE(grid->columnWidth(0), 300);
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    QVERIFY(!picker.rows().active());
    QCOMPARE(QString::fromStdString(picker.rows().sql()), QStringLiteral("select * from punkty;"));
}

void PickerTest::shipperListsTheSendingStationsParties_data() {
    QTest::addColumn<QString>("station");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("no station: all")
        << "" << QStringList({"Port", "Huta", "Kopalnia", "Skład O'Neill"});
    QTest::newRow("one station") << "Zabrze" << QStringList({"Huta", "Kopalnia"});
    QTest::newRow("apostrophe") << "Kędzierzyn O'Hara" << QStringList({"Skład O'Neill"});
    QTest::newRow("exact text only") << "Zabrze " << QStringList();
    QTest::newRow("station without parties") << "Gdańsk" << QStringList();
}

void PickerTest::shipperListsTheSendingStationsParties() {
    QFETCH(QString, station);
    QFETCH(QStringList, listed);
    Program p(kReferenceData);
    p.click(8);
    p.setText("stn", station);
    if (listed.isEmpty()) {
        const Seen seen = p.pick(1, cancel);
        QCOMPARE(seen.rows, listed);
        return;
    }
    const Seen seen = p.pick(1, clickingRow(listed.size() - 1));
    QCOMPARE(seen.title, QStringLiteral("Nadawcy/odbiorcy"));
    QCOMPARE(seen.rows, listed);
    QCOMPARE(seen.column0Title, QStringLiteral("Nadawca/odbiorca"));
    QVERIFY(seen.column1Hidden);
    QCOMPARE(p.text("nad"), listed.last());
    QCOMPARE(p.text("stn"), station);  // the shipper's station is not copied back
    QCOMPARE(p.text("sto"), QString());
    QCOMPARE(p.main().focusWidget(), p.widget("lad"));
    QVERIFY(!p.picker().rows().active());
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void PickerTest::receiverBringsItsStation() {
    Program p(kReferenceData);
    p.click(8);
    // No receiving station yet: every party, and the picked one's station comes back.
    Seen seen = p.pick(3, clickingRow(0));
    QCOMPARE(seen.rows.size(), 4);
    QCOMPARE(p.text("odb"), QStringLiteral("Port"));
    QCOMPARE(p.text("sto"), QStringLiteral("Gdynia"));
    // Now the receiving station filters the list.
    p.setText("sto", "Zabrze");
    seen = p.pick(3, clickingRow(1));
    QCOMPARE(seen.rows, QStringList({"Huta", "Kopalnia"}));
    QCOMPARE(p.text("odb"), QStringLiteral("Kopalnia"));
    QCOMPARE(p.text("sto"), QStringLiteral("Zabrze"));
    // What is confirmed is what was picked.
    p.setText("stn", "Gdynia");
    p.click(11);
    QCOMPARE(rowsOf(p.dir.file("listy.sdb"), "select st_nad, odbiorca, st_odb from listy"),
             QStringList({"Gdynia|Kopalnia|Zabrze"}));
}

void PickerTest::loadListsEveryLoadWithItsCode() {
    Program p(kReferenceData);
    p.click(8);
    p.setText("sto", "Zabrze");
    p.pick(3, clickingRow(0));  // leaves the picker's station text at "Zabrze"
    QCOMPARE(p.picker().pickedInfo, QStringLiteral("Zabrze"));
    const Seen seen = p.pick(2, clickingRow(1));
    QCOMPARE(seen.title, QStringLiteral("Ładunki"));
    QCOMPARE(seen.rows, QStringList({"Węgiel", "Zboże"}));
    QCOMPARE(seen.column0Title, QStringLiteral("Nadawca/odbiorca"));
    QCOMPARE(p.text("lad"), QStringLiteral("Zboże"));
    QCOMPARE(p.text("rwa"), QStringLiteral("TADS"));
    QCOMPARE(p.main().focusWidget(), p.widget("rwa"));
    // The shipper list afterwards lists parties again, with their stations; by keyboard,
    // Down and Enter pick as a click does.
    p.setText("stn", "");
    p.pick(1, [](ui::PickerDialog&, ui::DataGrid& grid) {
        QTest::keyClick(&grid, Qt::Key_Down);
        QTest::keyClick(&grid, Qt::Key_Return);
    });
    QCOMPARE(p.picker().pickedInfo, QStringLiteral("Zabrze"));
    QCOMPARE(p.text("nad"), QStringLiteral("Huta"));
}

void PickerTest::cancelEmptiesWhatTheCallerFills_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("shown");  // stn|nad|lad|rwa|odb|sto afterwards
    QTest::newRow("shipper") << 1 << "Zabrze||L|W|O|Gdynia";
    QTest::newRow("load") << 2 << "Zabrze|N|||O|Gdynia";
    QTest::newRow("receiver") << 3 << "Zabrze|N|L|W||";
}

void PickerTest::cancelEmptiesWhatTheCallerFills() {
    QFETCH(int, button);
    QFETCH(QString, shown);
    Program p(kReferenceData);
    p.click(8);
    const char* fields[] = {"stn", "nad", "lad", "rwa", "odb", "sto"};
    const QStringList start = {"Zabrze", "N", "L", "W", "O", "Gdynia"};
    for (int i = 0; i < 6; ++i) p.setText(fields[i], start[i]);
    p.pick(button, cancel);
    QStringList now;
    for (const char* f : fields) now << p.text(f);
    QCOMPARE(now.join('|'), shown);
    QCOMPARE(p.picker().pickSource, QString());
    QVERIFY(!p.picker().rows().active());
}

void PickerTest::closeBoxKeepsThePreviousPick() {
    Program p(kReferenceData);
    p.click(8);
    p.pick(2, clickingRow(0));  // Węgiel, EAOS
    // The close box: the load fields take the previous pick again.
    p.setText("lad", "typed");
    p.setText("rwa", "typed");
    p.pick(2, closeBox);
    QCOMPARE(p.text("lad"), QStringLiteral("Węgiel"));
    QCOMPARE(p.text("rwa"), QStringLiteral("EAOS"));
    QVERIFY(!p.picker().rows().active());
    // For the receiver: the previous name, and the station the caller put in itself.
    p.setText("sto", "Zabrze");
    p.pick(3, closeBox);
    QCOMPARE(p.text("odb"), QStringLiteral("Węgiel"));
    QCOMPARE(p.text("sto"), QStringLiteral("Zabrze"));
    // After "Anuluj" the close box hands back empty texts.
    p.pick(1, cancel);
    p.setText("nad", "typed");
    p.pick(1, closeBox);
    QCOMPARE(p.text("nad"), QString());
}

void PickerTest::listErrorIsShownAndNothingPicked() {
    Program p(kReferenceData);
    p.click(8);
    p.setText("stn", "Zabrze");
    p.pick(1, clickingRow(0));
    execFile(p.dir.file("listy.sdb"), "alter table punkty rename to gone;");
    p.setText("nad", "typed");
    p.pick(1, closeBox);
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QVERIFY2(p.dialogs.boxes[0].text.startsWith(
                 "no such table: punkty\nselect * from punkty where stacja='Zabrze';"),
             qPrintable(p.dialogs.boxes[0].text));
    QCOMPARE(p.text("nad"), QStringLiteral("Huta"));
}

QTEST_MAIN(PickerTest)
#include "test_picker.moc"
