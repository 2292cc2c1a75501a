// The menu "Wymiana" driven as a user drives it: export, import and merge with their file
// choosers scripted, the backups written before every destructive command, restoring a copy
// through its list, the search bar (Ctrl+F), and the command line. Everything runs in a
// temporary working directory: the backups go to its kopie/.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <sstream>

#include "cli/command_line.h"
#include "files/backups.h"
#include "files/database_location.h"
#include "formats/import_files.h"
#include "support/program.h"
#include "support/scripted_dialogs.h"
#include "support/sql_helpers.h"
#include "ui/app_windows.h"
#include "ui/data_grid.h"
#include "ui/exchange_dialogs.h"
#include "ui/find_dialog.h"
#include "ui/modal.h"
#include "ui/sheet_dialogs.h"

using testing::execFile;
using testing::rowsOf;

namespace {

const char* kWaybills =
    "insert into stacje values(2,'Łódź','clred');"
    "insert into listy values(2,'Łódź','Huta','E','Węgiel','Port','Gdynia');"
    "insert into listy values(3,'Kraków','Żuraw','G','Żwir','Skład','Łowicz');"
    "insert into listy values(4,'Poznań','Młyn','F','Zboże','Piekarnia','ŁÓDŹ Kaliska');"
    "update admin set value='4' where key='nr_listu';"
    "update admin set value=2 where key='nr_stacji';";

struct Program : testing::Program {
    using testing::Program::Program;
    QAction* action(const char* name) {
        auto* a = main().findChild<QAction*>(QLatin1String(name));
        if (!a) qFatal("no action %s", name);
        return a;
    }
    QString field(const char* name) {
        if (auto* box = main().findChild<QComboBox*>(QLatin1String(name)))
            return box->currentText();
        return find<QLineEdit>(main(), name)->text();
    }
    QString shown() {
        QStringList t;
        for (const char* f : {"stn", "nad", "lad", "rwa", "odb", "sto"}) t << field(f);
        return t.join('|');
    }
    QStringList copies() {
        return QDir(dir.file("kopie")).entryList({"listy-*.sdb"}, QDir::Files, QDir::Name);
    }
};

struct Choosers {
    ui::ExchangeChoosers previous;
    explicit Choosers(ui::ExchangeChoosers c) : previous(ui::setExchangeChoosers(std::move(c))) {}
    ~Choosers() { ui::setExchangeChoosers(previous); }
};

struct SheetChoosers {
    ui::SheetChoosers previous;
    explicit SheetChoosers(ui::SheetChoosers c) : previous(ui::setSheetChoosers(std::move(c))) {}
    ~SheetChoosers() { ui::setSheetChoosers(previous); }
};

// "Århus Ø" and "Næstved" as a Danish Excel saves them.
const QByteArray kDanishStations =
    "Nazwa stacji,Kolor\r\n\xC5rhus \xD8,clred\r\nN\xE6stved,clblue\r\n";

struct ModalHook {
    ui::ModalHook previous;
    explicit ModalHook(ui::ModalHook hook) : previous(ui::setModalHook(std::move(hook))) {}
    ~ModalHook() { ui::setModalHook(previous); }
};

QString program() {
    return qEnvironmentVariable("LISTY_PROGRAM");
}

}  // namespace

class ExchangeMenuTest : public QObject {
    Q_OBJECT
private slots:
    void menuFollowsBaza();
    void exportThenImportIntoANewDatabase();
    void refusedImportIsShownAndWritesNothing();
    void workbooksAndEncodingsThroughTheMenu();
    void encodingWindowShowsEachCandidateSideBySide();
    void mergeAddsAndReports();
    void destructiveCommandsWriteABackupFirst();
    void restoreThroughTheList();
    void searchFindsAndShowsLikeAClick();
    void searchWithCtrlF();
    void commandLineParses();
    void commandLineRunsWithoutDisplay();
    void givenDatabaseIsUsedByTheWindow();
};

void ExchangeMenuTest::menuFollowsBaza() {
    Program p;
    QStringList titles;
    QStringList read;
    for (QAction* a : p.main().menuBar()->actions()) {
        titles << a->text();
        read << QString(a->text()).remove(QLatin1Char('&'));
    }
    // The captions read as before; Alt with the marked letter opens each menu.
    // The described menus first, then the new ones; "Pomoc" always last.
    QCOMPARE(read, QStringList({"Plik", "Wydruk", "Parametry", "Baza", "Wymiana", "Edycja", "Ruch",
                                "Język / Sprache / Language", "Pomoc"}));
    QCOMPARE(titles, QStringList({"&Plik", "&Wydruk", "P&arametry", "&Baza", "Wy&miana", "&Edycja",
                                  "&Ruch", "&Język / Sprache / Language", "Pomo&c"}));
    QStringList items;
    for (QAction* a : p.main().findChild<QMenu*>("Wymiana1")->actions()) items << a->text();
    QCOMPARE(items,
             QStringList({"Eksport CSV…", "Import CSV…", "Eksport arkusza…", "Import arkusza…",
                          "Dołącz bazę…", "Przywróć kopię…", "", "Szukaj…"}));
    QCOMPARE(p.action("Szukaj1")->shortcut(), QKeySequence(QKeySequence::Find));
}

void ExchangeMenuTest::exportThenImportIntoANewDatabase() {
    const QString exported = QDir::temp().filePath(
        "listy-test-export-" + QString::number(QCoreApplication::applicationPid()));
    QDir(exported).removeRecursively();
    {
        Program p(kWaybills);
        Choosers c({[&](QWidget*) { return exported; }, {}, {}});
        p.action("EksportCsv1")->trigger();
        QVERIFY(p.dialogs.transcript().startsWith("Informacja: Zapisano pliki:"));
        QCOMPARE(QDir(exported).entryList({"*.csv"}, QDir::Files, QDir::Name),
                 QStringList({"ladunki.csv", "listy.csv", "punkty.csv", "stacje.csv"}));
        // Exporting over them asks first; No writes nothing.
        p.dialogs.clear();
        p.action("EksportCsv1")->trigger();
        QCOMPARE(p.dialogs.boxes.size(), 1);
        QVERIFY(p.dialogs.boxes[0].text.startsWith("Te pliki już istnieją:"));
    }
    Program q;
    QStringList files;
    for (const QString& f : QDir(exported).entryList({"*.csv"}, QDir::Files))
        files << exported + "/" + f;
    Choosers c({{}, [&](QWidget*) { return files; }, {}});
    q.action("ImportCsv1")->trigger();
    QVERIFY2(q.dialogs.transcript().startsWith("Informacja: Import CSV: dodano 4,"),
             qPrintable(q.dialogs.transcript()));
    QCOMPARE(q.main().waybills().recordCount(), 3);
    QCOMPARE(q.shown(), QStringLiteral("Łódź|Huta|Węgiel|E|Port|Gdynia"));
    QCOMPARE(rowsOf(q.file(), "select * from stacje"), QStringList({"2|Łódź|clred"}));
    QCOMPARE(q.copies().size(), 1);  // the backup before writing
    q.dialogs.clear();
    q.action("ImportCsv1")->trigger();
    QVERIFY(q.dialogs.transcript().contains("Nic nie dodano"));
    QCOMPARE(q.copies().size(), 1);  // nothing written, no copy
    QDir(exported).removeRecursively();
}

void ExchangeMenuTest::refusedImportIsShownAndWritesNothing() {
    Program p(kWaybills);
    const QString bad = p.dir.file("zle.csv");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Nazwa stacji;Kolor\r\nX;fiolet\r\n");
    f.close();
    const QString before = testing::dumpOf(p.file());
    Choosers c({{}, [&](QWidget*) { return QStringList{bad}; }, {}});
    p.action("ImportCsv1")->trigger();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QCOMPARE(p.dialogs.boxes[0].caption, QStringLiteral("BŁĄD"));
    QVERIFY(p.dialogs.boxes[0].text.contains("zle.csv, wiersz 2: nieznany kolor „fiolet”"));
    QCOMPARE(testing::dumpOf(p.file()), before);
    QVERIFY(p.copies().isEmpty());
}

void ExchangeMenuTest::workbooksAndEncodingsThroughTheMenu() {
    Program p(kWaybills);
    const QString book = p.dir.file("spotkanie.xlsx");
    std::vector<model::Encoding> offered;
    std::optional<model::Encoding> answer = model::Encoding::Windows1252;
    QStringList importing;
    SheetChoosers c({[&](QWidget*) { return book; }, [&](QWidget*) { return importing; },
                     [&](QWidget*, const QString&, const std::string&,
                         const std::vector<model::Encoding>& candidates) {
                         offered = candidates;
                         return answer;
                     }});
    p.action("EksportArkusza1")->trigger();
    QVERIFY2(p.dialogs.transcript().startsWith("Informacja: Zapisano plik:"),
             qPrintable(p.dialogs.transcript()));
    const QByteArray written = [&] {
        QFile f(book);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QVERIFY(written.startsWith("PK"));
    // Writing over the file asks first; No keeps it as it was.
    p.dialogs.clear();
    execFile(p.file(), "delete from listy;");
    p.action("EksportArkusza1")->trigger();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QVERIFY(p.dialogs.boxes[0].text.contains("już istnieje"));
    QFile again(book);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), written);
    again.close();

    // The workbook back into an empty database, with a Danish CSV file beside it whose
    // encoding the user picks from the likely ones.
    Program q;
    const QString danish = q.dir.file("dk.csv");
    QFile f(danish);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kDanishStations);
    f.close();
    importing = {book, danish};
    q.action("ImportArkusza1")->trigger();
    QCOMPARE(offered, (std::vector<model::Encoding>{model::Encoding::Windows1252,
                                                    model::Encoding::Windows1250,
                                                    model::Encoding::Iso88592}));
    QVERIFY2(q.dialogs.transcript().startsWith("Informacja: Import arkusza: dodano 6,"),
             qPrintable(q.dialogs.transcript()));
    QVERIFY(q.dialogs.transcript().contains("dk.csv: odczytano w kodowaniu windows-1252"));
    QCOMPARE(rowsOf(q.file(), "select nazwa, kolor from stacje order by id"),
             QStringList({"Łódź|clred", "Århus Ø|clred", "Næstved|clblue"}));
    QCOMPARE(q.main().waybills().recordCount(), 3);
    // Cancelling the encoding question imports nothing and says nothing.
    q.dialogs.clear();
    answer.reset();
    const QString before = testing::dumpOf(q.file());
    importing = {danish};
    Choosers csv({{}, [&](QWidget*) { return importing; }, {}});
    q.action("ImportCsv1")->trigger();
    QVERIFY(q.dialogs.boxes.isEmpty());
    QCOMPARE(testing::dumpOf(q.file()), before);
}

void ExchangeMenuTest::encodingWindowShowsEachCandidateSideBySide() {
    const std::vector<model::Encoding> candidates =
        formats::likelyEncodings(kDanishStations.toStdString());
    std::vector<std::vector<std::string>> previews;
    for (model::Encoding e : candidates)
        previews.push_back(formats::previewLines(kDanishStations.toStdString(), e, 12));
    ui::EncodingDialog dialog("dk.csv", candidates, previews);
    QCOMPARE(dialog.table()->columnCount(), 3);
    QCOMPARE(dialog.table()->horizontalHeaderItem(0)->text(), QStringLiteral("windows-1252"));
    QCOMPARE(dialog.table()->item(1, 0)->text(), QStringLiteral("Århus Ø,clred"));
    QCOMPARE(dialog.table()->item(1, 1)->text(), QStringLiteral("Ĺrhus Ř,clred"));
    QCOMPARE(dialog.table()->item(2, 1)->text(), QStringLiteral("Nćstved,clblue"));
    QVERIFY(dialog.button(0)->isDefault());
    dialog.button(1)->click();
    QCOMPARE(dialog.chosen(), std::optional(model::Encoding::Windows1250));
}

void ExchangeMenuTest::mergeAddsAndReports() {
    Program p;
    const QString other = p.dir.file("inny.sdb");
    testing::makeDatabase(other, kWaybills);
    Choosers c({{}, {}, [&](QWidget*) { return other; }});
    p.action("DolaczBaze1")->trigger();
    QVERIFY2(p.dialogs.transcript().startsWith("Informacja: Dołączenie bazy: dodano 4"),
             qPrintable(p.dialogs.transcript()));
    // Waybills naming what the lists lack are merged, and named.
    QVERIFY2(p.dialogs.transcript().contains("inny.sdb: list przewozowy zapisano, ale nie ma na "
                                             "listach stacji nadania „Kraków”, nadawcy „Żuraw”"),
             qPrintable(p.dialogs.transcript()));
    QCOMPARE(p.main().waybills().recordCount(), 3);
    QCOMPARE(p.main().findChild<QComboBox*>("stn")->count(), 1);  // the lookups were refreshed
}

void ExchangeMenuTest::destructiveCommandsWriteABackupFirst() {
    Program p(kWaybills);
    p.action("Kasowanielistw1")->trigger();
    QCOMPARE(p.copies().size(), 1);
    QCOMPARE(rowsOf(p.dir.file("kopie/" + p.copies().first()), "select count(*) from listy"),
             QStringList({"3"}));
    p.dialogs.answer({false});
    p.action("Nowabaza1")->trigger();
    QCOMPARE(p.copies().size(), 1);  // "No" changes nothing and copies nothing
    p.dialogs.answer({true});
    p.action("Nowabaza1")->trigger();
    QCOMPARE(p.copies().size(), 2);
}

void ExchangeMenuTest::restoreThroughTheList() {
    Program p(kWaybills);
    p.action("Kasowanielistw1")->trigger();  // a copy with three waybills
    QCOMPARE(p.main().waybills().recordCount(), 0);
    bool listed = false;
    ModalHook hook([&](QDialog& window) {
        auto* table = window.findChild<QTableWidget*>("backups");
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("3"));
        QVERIFY(table->item(0, 1)->text().endsWith("kB"));
        listed = true;
        window.findChild<QPushButton*>("restoreButton")->click();
    });
    p.dialogs.answer({true});
    p.action("PrzywrocKopie1")->trigger();
    QVERIFY(listed);
    QVERIFY2(p.dialogs.transcript().contains("Przywrócono kopię z"),
             qPrintable(p.dialogs.transcript()));
    QCOMPARE(p.main().waybills().recordCount(), 3);
    QCOMPARE(rowsOf(p.file(), "select count(*) from listy"), QStringList({"3"}));
    QCOMPARE(p.copies().size(), 2);  // the state before the restore was copied too
}

void ExchangeMenuTest::searchFindsAndShowsLikeAClick() {
    Program p(kWaybills);
    p.action("Szukaj1")->trigger();
    ui::FindDialog* find = p.main().findDialog();
    QVERIFY(find && find->isVisible());
    find->textBox()->setText("łódź");
    QVERIFY(find->findNext());  // from the first waybill on: the third holds "ŁÓDŹ Kaliska"
    QCOMPARE(p.main().waybills().currentIndex(), 2);
    QCOMPARE(p.shown(), QStringLiteral("Poznań|Młyn|Zboże|F|Piekarnia|ŁÓDŹ Kaliska"));
    QCOMPARE(p.main().findChild<ui::DataGrid*>("DBGrid1")->currentIndex().row(), 2);
    QVERIFY(find->findNext());  // wraps around to the first
    QCOMPARE(p.main().waybills().currentIndex(), 0);
    QVERIFY(find->status().contains("początek"));
    QVERIFY(find->findPrevious());  // and back round the end
    QCOMPARE(p.main().waybills().currentIndex(), 2);
    find->textBox()->setText("ŻURAW");
    QVERIFY(find->findPrevious());
    QCOMPARE(p.shown(), QStringLiteral("Kraków|Żuraw|Żwir|G|Skład|Łowicz"));
    find->textBox()->setText("nie ma");
    QVERIFY(!find->findNext());
    QCOMPARE(p.main().waybills().currentIndex(), 1);
    QVERIFY(find->status().startsWith("Nie znaleziono"));
    QVERIFY(p.dialogs.boxes.isEmpty());
}

void ExchangeMenuTest::searchWithCtrlF() {
    Program p(kWaybills);
    p.main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.main()));
    QTest::keyClick(&p.main(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(p.main().findDialog() && p.main().findDialog()->isVisible());
    QTest::keyClicks(p.main().findDialog()->textBox(), "gdynia");
    QTest::keyClick(p.main().findDialog()->textBox(), Qt::Key_Return);
    QCOMPARE(p.main().waybills().currentIndex(), 0);
    QCOMPARE(p.shown(), QStringLiteral("Łódź|Huta|Węgiel|E|Port|Gdynia"));
}

void ExchangeMenuTest::commandLineParses() {
    cli::CommandLine line;
    QString error;
    QVERIFY(cli::parseCommandLine({"listy"}, line, error));
    QVERIFY(line.windowed());
    QVERIFY(cli::parseCommandLine(
        {"listy", "--database", "a.sdb", "--import-csv", "x.csv", "y.csv", "z.csv"}, line, error));
    QCOMPARE(line.importFiles, QStringList({"x.csv", "y.csv", "z.csv"}));
    QCOMPARE(line.database, QStringLiteral("a.sdb"));
    QVERIFY(!line.encoding);
    // --import takes workbooks and CSV alike, together with --import-csv; --encoding needs one.
    QVERIFY(cli::parseCommandLine({"listy", "--import", "a.xlsx", "--encoding", "Windows-1252",
                                   "b.csv", "--import-csv", "c.csv"},
                                  line, error));
    QCOMPARE(line.importFiles, QStringList({"a.xlsx", "c.csv", "b.csv"}));
    QCOMPARE(line.encoding, std::optional(model::Encoding::Windows1252));
    QVERIFY(!cli::parseCommandLine({"listy", "--import", "b.csv", "--encoding", "koi8-r"}, line,
                                   error));
    QVERIFY2(error.contains("utf-8, windows-1250, windows-1252, iso-8859-2, iso-8859-1"),
             qPrintable(error));
    QVERIFY(!cli::parseCommandLine({"listy", "--encoding", "utf-8"}, line, error));
    QVERIFY(cli::parseCommandLine({"listy", "--export-xlsx", "w.xlsx"}, line, error));
    QVERIFY(!line.windowed());
    QVERIFY(cli::parseCommandLine({"listy", "--print-pdf", "k.pdf", "--copies", "3"}, line, error));
    QCOMPARE(line.copies, 3);
    QVERIFY(!cli::parseCommandLine({"listy", "--copies", "3"}, line, error));
    // The card layout's flags go with --print-pdf only; without them the layout is the default.
    QVERIFY(cli::parseCommandLine(
        {"listy", "--print-pdf", "k.pdf", "--order=sending", "--first-slot", "5", "--return-cards"},
        line, error));
    QCOMPARE(line.printOptions.firstSlot, 5);
    QVERIFY(line.printOptions.order == print::CardOrder::BySending &&
            line.printOptions.returnCards);
    QCOMPARE(line.printPdf, QStringLiteral("k.pdf"));
    QVERIFY(cli::parseCommandLine({"listy", "--print-pdf", "k.pdf"}, line, error));
    QVERIFY(line.printOptions == print::PrintOptions());
    QVERIFY(!cli::parseCommandLine({"listy", "--letter-codes"}, line, error));
    QVERIFY(!cli::parseCommandLine({"listy", "--print-pdf", "k.pdf", "--first-slot", "17"}, line,
                                   error));
    QVERIFY(error.contains("--first-slot"));
    QVERIFY(!cli::parseCommandLine({"listy", "--copies", "3"}, line, error));
    QVERIFY(error.contains("--print-pdf"));
    QVERIFY(
        !cli::parseCommandLine({"listy", "--print-pdf", "k.pdf", "--copies", "zero"}, line, error));
    QVERIFY(!cli::parseCommandLine({"listy", "--bogus"}, line, error));
    QCOMPARE(error, QStringLiteral("nieznana opcja: --bogus"));
    QVERIFY(!cli::parseCommandLine({"listy", "stray"}, line, error));
    QVERIFY(!cli::parseCommandLine({"listy", "--database"}, line, error));
    QVERIFY(cli::helpText().startsWith("Użycie: listy [opcje]"));
    QVERIFY(cli::helpText().contains("--print-pdf PLIK"));
    QCOMPARE(cli::versionText().left(6), QStringLiteral("listy "));
}

void ExchangeMenuTest::commandLineRunsWithoutDisplay() {
    if (program().isEmpty()) QSKIP("LISTY_PROGRAM not set");
    testing::WorkDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    auto run = [&](const QStringList& args, int expected, QString* errText = nullptr,
                   QString* outText = nullptr) {
        QProcess proc;
        proc.setProcessEnvironment(env);
        proc.setWorkingDirectory(dir.path());
        proc.start(program(), args);
        QVERIFY(proc.waitForFinished(60000));
        const QString out = QString::fromUtf8(proc.readAllStandardOutput());
        const QString err = QString::fromUtf8(proc.readAllStandardError());
        QVERIFY2(proc.exitCode() == expected, qPrintable(QString("%1 -> %2\n%3\n%4")
                                                             .arg(args.join(' '))
                                                             .arg(proc.exitCode())
                                                             .arg(out, err)));
        if (errText) *errText = err;
        if (outText) *outText = out;
    };
    QString out, err;
    run({"--help"}, 0, nullptr, &out);
    QVERIFY(out.startsWith("Użycie: listy"));
    run({"--version"}, 0, nullptr, &out);
    QVERIFY(out.startsWith("listy "));
    run({"--nie-ma-takiej"}, 2, &err);
    QVERIFY(err.contains("nieznana opcja: --nie-ma-takiej"));
    // A new file at the given path gets its schema; nothing appears at ./listy.sdb.
    testing::makeDatabase(dir.file("zrodlo.sdb"), kWaybills);
    run({"--database", "zrodlo.sdb", "--export-csv", "wymiana"}, 0, nullptr, &out);
    QVERIFY(out.contains("listy.csv"));
    run({"--database", "nowa/../nowa.sdb", "--import-csv", "wymiana/listy.csv",
         "wymiana/stacje.csv", "wymiana/ladunki.csv", "wymiana/punkty.csv"},
        0, nullptr, &out);
    QVERIFY2(out.contains("dodano 4"), qPrintable(out));
    QVERIFY(!QFile::exists(dir.file("listy.sdb")));
    QCOMPARE(rowsOf(dir.file("nowa.sdb"), "select st_nad, st_odb from listy order by id"),
             QStringList({"Łódź|Gdynia", "Kraków|Łowicz", "Poznań|ŁÓDŹ Kaliska"}));
    QCOMPARE(QDir(dir.file("kopie")).entryList({"nowa-*.sdb"}, QDir::Files).size(), 1);
    // A refused import: a message on standard error, a non-zero status, nothing written.
    QFile bad(dir.file("zle.csv"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("\"niezamknięty;\r\n");
    bad.close();
    const QString before = testing::dumpOf(dir.file("nowa.sdb"));
    run({"--database", "nowa.sdb", "--import-csv", "zle.csv"}, 1, &err);
    QVERIFY2(err.contains("zle.csv, wiersz 1: cudzysłów"), qPrintable(err));
    QCOMPARE(testing::dumpOf(dir.file("nowa.sdb")), before);
    // A workbook out and in again; a Danish Windows-1252 file only with --encoding.
    run({"--database", "zrodlo.sdb", "--export-xlsx", "wymiana.xlsx"}, 0, nullptr, &out);
    QVERIFY2(out.contains("wymiana.xlsx"), qPrintable(out));
    run({"--database", "z-arkusza.sdb", "--import", "wymiana.xlsx"}, 0, nullptr, &out);
    QCOMPARE(rowsOf(dir.file("z-arkusza.sdb"), "select st_nad, st_odb from listy order by id"),
             QStringList({"Łódź|Gdynia", "Kraków|Łowicz", "Poznań|ŁÓDŹ Kaliska"}));
    QFile danish(dir.file("dk.csv"));
    QVERIFY(danish.open(QIODevice::WriteOnly));
    danish.write("Nazwa stacji,Kolor\r\n\xC5rhus \xD8,clred\r\nN\xE6stved,clblue\r\n");
    danish.close();
    run({"--database", "z-arkusza.sdb", "--import", "dk.csv"}, 1, &err);
    QVERIFY2(err.contains("dk.csv: plik nie jest zapisany w UTF-8; podaj jego kodowanie, "
                          "najbardziej prawdopodobne: windows-1252, windows-1250, iso-8859-2"),
             qPrintable(err));
    QVERIFY(err.contains("--encoding"));
    // In German the refusal is German and the hint is still given.
    run({"--language", "de", "--database", "z-arkusza.sdb", "--import-csv", "dk.csv"}, 1, &err);
    QVERIFY2(err.contains("dk.csv: die Datei ist nicht in UTF-8 gespeichert; gib ihre Kodierung "
                          "an, am wahrscheinlichsten: windows-1252") &&
                 err.contains("--encoding windows-1252"),
             qPrintable(err));
    run({"--database", "z-arkusza.sdb", "--import-csv", "dk.csv", "--encoding", "windows-1252"}, 0,
        nullptr, &out);
    QVERIFY2(out.contains("odczytano w kodowaniu windows-1252"), qPrintable(out));
    QCOMPARE(rowsOf(dir.file("z-arkusza.sdb"), "select nazwa from stacje order by id"),
             QStringList({"Łódź", "Århus Ø", "Næstved"}));
    // Cards to PDF without a display.
    run({"--database", "nowa.sdb", "--print-pdf", "karty.pdf", "--copies", "2"}, 0, nullptr, &out);
    QVERIFY2(out.contains("Zapisano 6 kart"), qPrintable(out));
    QFile pdf(dir.file("karty.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    run({"--database", "brak/katalogu/x.sdb", "--export-csv", "w"}, 1, &err);
    QVERIFY(err.startsWith("listy: "));
}

void ExchangeMenuTest::givenDatabaseIsUsedByTheWindow() {
    testing::WorkDir dir;
    testing::ScriptedDialogs dialogs;
    {
        ui::AppWindows windows(files::DatabaseLocation::file("spotkanie.sdb"));
        QCOMPARE(windows.main->windowTitle(), QStringLiteral("Listy przewozowe - spotkanie.sdb"));
        dialogs.answer({true});
        windows.main->findChild<QAction*>("Nowabaza1")->trigger();
        QVERIFY(QFile::exists(dir.file("spotkanie.sdb")));
        QVERIFY(!QFile::exists(dir.file("listy.sdb")));
        QCOMPARE(QDir(dir.file("kopie")).entryList({"spotkanie-*.sdb"}, QDir::Files).size(), 1);
    }
    ui::AppWindows plain;
    QCOMPARE(plain.main->windowTitle(), QStringLiteral("Listy przewozowe"));
}

QTEST_MAIN(ExchangeMenuTest)
#include "test_exchange_menu.moc"
