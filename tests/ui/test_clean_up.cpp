// The organiser's clean-up driven as a user drives it: Ctrl+Z in a reference window after
// a delete, duplicates joined through "Edycja → Połącz duplikaty…", and a load renamed
// from the context menu of its list.

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "support/program.h"
#include "support/sql_helpers.h"
#include "support/ui_input.h"
#include "ui/app_windows.h"
#include "ui/data_grid.h"
#include "ui/loads_window.h"
#include "ui/main_window.h"
#include "ui/name_fixes.h"
#include "ui/stations_window.h"
#include "widgets/color_string_grid.h"

using testing::rowsOf;

namespace {

const char* kFile =
    "insert into stacje values(2,'Gliwice','clred');"
    "insert into stacje values(3,'Zwönitz','clblue');"
    "insert into stacje values(4,'Zwoenitz','clgreen');"
    "update admin set value='4' where key='nr_stacji';"
    "insert into listy values(2,'Gliwice','Huta','EAOS','Węgiel','Kopalnia','Zwönitz');"
    "insert into listy values(3,'Zwoenitz','Kopalnia','FALS','Koks','Huta','Gliwice');"
    "insert into listy values(4,'Gliwice','Huta','EAOS','Węgiel','Kopalnia','Zwoenitz');"
    "update admin set value='4' where key='nr_listu';"
    "insert into punkty values(2,'Huta','Gliwice','');"
    "insert into ladunki values('Węgiel','EAOS');";

}  // namespace

class CleanUpTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlZInTheStationsWindowBringsTheStationBack();
    void duplicatesJoinedFromTheEditMenu();
    void loadRenamedFromItsList();
};

// Keyboard alone: the name typed, Tab to "Usuń", Space, the question answered, Ctrl+Z.
void CleanUpTest::ctrlZInTheStationsWindowBringsTheStationBack() {
    testing::Program p(kFile);
    ui::StationsWindow& w = *p.windows->stations;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString before = testing::exactDumpOf(p.file());
    auto* edit = testing::Program::find<QWidget>(w, "Edit1");
    edit->setFocus();
    testing::typeText(edit, QStringLiteral("Gliwice"));
    auto* remove = testing::Program::find<QPushButton>(w, "Button3");
    remove->setFocus();
    p.dialogs.answer({true});
    QTest::keyClick(remove, Qt::Key_Space);
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({"0"}));
    QCOMPARE(p.main().waybills().recordCount(), 0);

    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(testing::exactDumpOf(p.file()), before);
    auto* grid = testing::Program::find<widgets::ColorStringGrid>(w, "grid");
    QCOMPARE(grid->rowCount(), 4);
    QCOMPARE(grid->cells(0, 1), QStringLiteral("Gliwice"));
    QCOMPARE(p.main().waybills().recordCount(), 3);
    // And Ctrl+Y does it again.
    QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(grid->rowCount(), 3);
}

// The two writings of one station are proposed as one group; the user keeps the second.
void CleanUpTest::duplicatesJoinedFromTheEditMenu() {
    testing::Program p(kFile);
    auto* join = p.main().findChild<QAction*>(QStringLiteral("PolaczDuplikaty1"));
    QVERIFY(join);
    int groups = -1;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ui::DuplicatesDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        groups = dialog->groupCount();
        dialog->setKept(0, 1);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("join")), Qt::LeftButton);
    });
    join->trigger();
    QCOMPARE(groups, 1);
    QCOMPARE(rowsOf(p.file(), "select nazwa || ':' || kolor from stacje order by rowid"),
             QStringList({"Gliwice:clred", "Zwoenitz:clgreen"}));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy where 'Zwoenitz' in (st_nad, st_odb)"),
             QStringList({"3"}));
    QVERIFY2(p.dialogs.transcript().contains("stacja Zwönitz (clblue)"),
             qPrintable(p.dialogs.transcript()));
    auto* undo = p.main().findChild<QAction*>(QStringLiteral("Cofnij1"));
    QCOMPARE(undo->text(), QStringLiteral("Cofnij: połączenie duplikatów (1)"));
}

// Right-click on the loads list, "Popraw nazwę…": the load and its waybills renamed.
void CleanUpTest::loadRenamedFromItsList() {
    testing::Program p(kFile);
    ui::LoadsWindow& w = *p.windows->loads;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* grid = testing::Program::find<QWidget>(w, "DBGrid1");
    QCOMPARE(grid->contextMenuPolicy(), Qt::ActionsContextMenu);
    p.dialogs.text({QStringLiteral("Węgiel kamienny"), QStringLiteral("eaos")});
    grid->findChild<QAction*>(QStringLiteral("PoprawNazwe"))->trigger();
    QCOMPARE(rowsOf(p.file(), "select nazwa || '|' || rodz_wag from ladunki"),
             QStringList({"Węgiel kamienny|EAOS"}));
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy where ladunek='Węgiel kamienny'"),
             QStringList({"2"}));
}

QTEST_MAIN(CleanUpTest)
#include "test_clean_up.moc"
