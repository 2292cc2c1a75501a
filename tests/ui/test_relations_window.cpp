// The relations window and the generator driven as a user drives them: "Ruch → Relacje…"
// from the menu bar, a relation added through the waybill form's pickers, changed, sorted,
// filtered, marked when its load is deleted, places kept; the generator's preview writing
// nothing until "Generuj", and the same seed giving the same stack from the command line.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <sstream>
#include <tuple>

#include "cli/command_line.h"
#include "config/language.h"
#include "support/program.h"
#include "support/sql_helpers.h"
#include "ui/data_grid.h"
#include "ui/generate_dialog.h"
#include "ui/language.h"
#include "ui/modal.h"

using testing::rowsOf;

namespace {

struct Program : testing::Program {
    Program() {
        session::Session& s = windows->session;
        s.addStation("Gliwice", "clred");
        s.addStation("Opole", "clblue");
        s.addParty("Huta", "Gliwice");
        s.addParty("Młyn", "Opole");
        s.addLoad("Koks", "Fals");
        s.addLoad("Mąka", "Gbs");
        s.addRelation({0, {0, "Opole", "Młyn", "Gbs", "Mąka", "Huta", "Gliwice"}, 3, ""});
    }
    ui::RelationsWindow& window() { return *windows->relations; }
    template <typename T = QWidget>
    T* widget(const char* name) {
        return find<T>(window(), name);
    }
    void click(const char* name) { QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton); }
    QStringList column(int c) {
        QStringList out;
        const QAbstractItemModel* m = widget<ui::DataGrid>("grid")->model();
        for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, c).data().toString();
        return out;
    }
};

}  // namespace

class RelationsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void relationsThroughTheWindow();
    void generatorPreviewsThenWrites();
};

void RelationsWindowTest::relationsThroughTheWindow() {
    Program p;
    QStringList traffic;
    for (QAction* a : p.main().findChild<QMenu*>("Ruch1")->actions()) traffic << a->text();
    QCOMPARE(traffic, QStringList({"Wagony…", "Relacje…", "Generuj listy…"}));

    bool shown = false;
    int pickRow = 0;  // the row the picker takes when it is shown
    ui::setModalHook([&](QDialog& w) {
        if (&w == p.windows->picker.get()) {
            w.show();
            p.windows->picker->rows().setCurrentIndex(pickRow);
            p.windows->picker->gridClicked();
            return;
        }
        shown = &w == &p.window();
        w.show();
        QCOMPARE(p.column(1), QStringList{"Młyn"});
        pickRow = 0;                                                    // Huta, at Gliwice
        p.widget<QComboBox>("sendingStation")->setEditText(QString());  // every station's
        p.click("pickShipper");
        QCOMPARE(p.widget<QComboBox>("sendingStation")->currentText(), QStringLiteral("Gliwice"));
        pickRow = 0;  // Koks (Fals)
        p.click("pickLoad");
        QCOMPARE(p.widget<QLineEdit>("wagonType")->text(), QStringLiteral("Fals"));
        pickRow = 1;  // Młyn, at Opole
        p.widget<QComboBox>("receivingStation")->setEditText(QString());
        p.click("pickReceiver");
        p.widget<QSpinBox>("perWeek")->setValue(7);
        p.click("add");
        QCOMPARE(p.column(0), QStringList({"Gliwice", "Opole"}));
        p.widget<ui::DataGrid>("grid")->horizontalHeader()->sectionClicked(6);  // per week
        p.widget<ui::DataGrid>("grid")->horizontalHeader()->sectionClicked(6);  // descending
        QCOMPARE(p.column(6), QStringList({"7", "3"}));
        QCOMPARE(p.widget<QLineEdit>("shipper")->text(), QStringLiteral("Huta"));
        p.widget<QLineEdit>("note")->setText("wt, czw");
        p.click("change");
        p.dialogs.number({1});
        p.click("receiverPlaces");
        QVERIFY(p.widget<QLabel>("places")->text().contains("odbiorca: 1"));

        p.widget<QComboBox>("stationFilter")->setCurrentText("Gliwice");
        QCOMPARE(p.column(1).size(), 2);  // both touch Gliwice
        p.widget<QCheckBox>("availableOnly")->setChecked(true);
        QCOMPARE(p.column(1).size(), 0);  // no wagon list yet
        p.windows->session.addWagon({"1", "FALS", "", "", "", model::SpeedMark::None, ""});
        p.widget<QCheckBox>("availableOnly")->setChecked(false);
        p.widget<QCheckBox>("availableOnly")->setChecked(true);
        QCOMPARE(p.column(2), QStringList{"Fals"});  // the class matched in any case
        p.windows->session.deleteLoad(0, {"Koks", "Fals"});
        QCOMPARE(p.column(8), QStringList{"brak ładunku"});
        // A change of language reaches the column titles, the marks and the filter.
        auto title = [&p] {
            return p.widget<ui::DataGrid>("grid")->model()->headerData(0, Qt::Horizontal);
        };
        for (const auto& [code, heading, mark, all] :
             {std::tuple{"de", "Versandbahnhof", "Ladegut fehlt", "(alle)"},
              std::tuple{"pl", "Stacja nadania", "brak ładunku", "(wszystkie)"}}) {
            QVERIFY(config::setLanguage(QString::fromLatin1(code)));
            QCoreApplication::sendPostedEvents();
            QCOMPARE(title().toString(), QString::fromUtf8(heading));
            QCOMPARE(p.column(8), QStringList{QString::fromUtf8(mark)});
            QCOMPARE(p.widget<QComboBox>("stationFilter")->itemText(0), QString::fromUtf8(all));
        }
        p.dialogs.answer({true});
        p.click("delete");
        w.reject();
    });
    p.main().findChild<QAction*>("Relacje1")->trigger();
    ui::setModalHook(nullptr);
    QVERIFY(shown);
    QCOMPARE(rowsOf(p.file(), "select nadawca, odbiorca, na_tydzien from relacje"),
             QStringList{"Młyn|Huta|3"});
    QCOMPARE(rowsOf(p.file(), "select nazwa, stacja, miejsca from miejsca"),
             QStringList{"Młyn|Opole|1"});
}

void RelationsWindowTest::generatorPreviewsThenWrites() {
    Program p;
    session::Session& s = p.windows->session;
    s.addRelation({0, {0, "Gliwice", "Huta", "Fals", "Koks", "Młyn", "Opole"}, 8, ""});
    ui::GenerateDialog dialog(s);
    testing::Program::find<QSpinBox>(dialog, "weeks")->setValue(2);
    dialog.setSeed(7);
    auto* preview = testing::Program::find<QTableWidget>(dialog, "preview");
    QCOMPARE(testing::Program::find<QLabel>(dialog, "counts")->text(),
             QStringLiteral("Listów: 22 z 2 relacji."));
    QCOMPARE(preview->rowCount(), ui::GenerateDialog::kPreviewRows);
    const QString firstShipper = preview->item(0, 1)->text();
    QTest::mouseClick(testing::Program::find<QPushButton>(dialog, "reseed"), Qt::LeftButton);
    QVERIFY(testing::Program::find<QLineEdit>(dialog, "seed")->text() != "7");
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList{"0"});
    dialog.setSeed(7);
    QTest::mouseClick(testing::Program::find<QPushButton>(dialog, "generate"), Qt::LeftButton);
    QVERIFY(p.dialogs.transcript().contains("Ziarno losowania: 7"));
    QVERIFY(p.dialogs.transcript().contains("Opole: 22 (nadanych 6, odbieranych 16)"));
    QCOMPARE(rowsOf(p.file(), "select nadawca from listy order by id limit 1"),
             QStringList{firstShipper});
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList{"22"});

    // The command line with the same seed on the same file makes the same stack again.
    const QStringList first = rowsOf(p.file(), "select nadawca, ladunek from listy order by id");
    s.undo();
    cli::CommandLine line;
    QString error;
    QVERIFY(cli::parseCommandLine({"listy", "--generate", "2", "--seed", "7"}, line, error));
    QVERIFY(!cli::parseCommandLine({"listy", "--seed", "7"}, line, error));
    QVERIFY(!cli::parseCommandLine({"listy", "--generate", "0"}, line, error));
    QVERIFY(cli::parseCommandLine({"listy", "--generate", "1", "--station", "Opol"}, line, error));
    std::ostringstream none, refused;
    QCOMPARE(cli::runCommands(line, none, refused), cli::kExitRefused);  // no such station
    QVERIFY(cli::parseCommandLine({"listy", "--generate", "2", "--seed", "7"}, line, error));
    std::ostringstream out, err;
    QCOMPARE(cli::runCommands(line, out, err), 0);
    QCOMPARE(rowsOf(p.file(), "select nadawca, ladunek from listy order by id"), first);
    QVERIFY(QString::fromStdString(out.str()).contains("Listów: 22"));
}

QTEST_MAIN(RelationsWindowTest)
#include "test_relations_window.moc"
