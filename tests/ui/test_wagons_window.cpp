// The wagon list and its car card dialogs driven as a user drives them: "Ruch → Wagony…"
// from the menu bar, wagons typed and added, filtered, copied and deleted, the card colours
// chosen and kept, and the ticked wagons printed through the car card run.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "print/recording_print_service.h"
#include "support/program.h"
#include "support/sql_helpers.h"
#include "support/ui_input.h"
#include "support/work_dir.h"
#include "ui/car_cards_dialog.h"
#include "ui/data_grid.h"
#include "ui/modal.h"

using testing::rowsOf;

namespace {

struct Program : testing::Program {
    using testing::Program::Program;
    ui::WagonsWindow& window() { return *windows->wagons; }
    template <typename T = QWidget>
    T* widget(const char* name) {
        return find<T>(window(), name);
    }
    void click(const char* name) { QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton); }
    void type(const char* name, const QString& text) {
        widget<QLineEdit>(name)->clear();
        testing::typeText(widget<QLineEdit>(name), text);
    }
    QStringList gridNumbers() {
        QStringList out;
        const QAbstractItemModel* m = widget<ui::DataGrid>("grid")->model();
        for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, 0).data().toString();
        return out;
    }
};

}  // namespace

class WagonsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theListFromTheMenu();
    void coloursAndCardsThroughTheDialogs();
    void commandLineImportsAndPrints();
};

void WagonsWindowTest::theListFromTheMenu() {
    Program p;
    QStringList menus;
    for (QAction* a : p.main().menuBar()->actions()) menus << a->text().remove('&');
    QCOMPARE(menus.mid(menus.indexOf("Wymiana"), 3), QStringList({"Wymiana", "Edycja", "Ruch"}));
    const QString described = testing::dumpOf(p.file());

    bool shown = false;
    ui::setModalHook([&](QDialog& w) {
        shown = &w == &p.window();
        w.show();
        QVERIFY(p.gridNumbers().isEmpty());
        p.type("number", "Gbs 100");
        p.type("class", "Gbs");
        p.type("owner", "PKP");
        p.widget<QComboBox>("speed")->setCurrentIndex(2);
        p.click("add");
        p.type("number", "Eaos 7");
        p.type("class", "Eaos");
        p.click("add");
        QCOMPARE(p.gridNumbers(), QStringList({"Eaos 7", "Gbs 100"}));
        p.click("add");  // the same number again: refused, told, nothing written
        QVERIFY(p.dialogs.transcript().contains("już jest na liście"));

        p.widget<QComboBox>("classFilter")->setCurrentText("GBS");
        QCOMPARE(p.gridNumbers(), QStringList({"Gbs 100"}));
        p.dialogs.number({3});
        p.click("copy");
        QCOMPARE(p.gridNumbers(), QStringList({"Gbs 100", "Gbs 101", "Gbs 102", "Gbs 103"}));
        p.widget<QCheckBox>("descending")->setChecked(true);
        QCOMPARE(p.gridNumbers().first(), QStringLiteral("Gbs 103"));
        // The fields show the current wagon; "Zmień" writes them over it.
        QCOMPARE(p.widget<QLineEdit>("owner")->text(), QStringLiteral("PKP"));
        p.type("owner", "DB");
        p.click("change");
        QCOMPARE(rowsOf(p.file(), "select wlasciciel from wagony where numer='Gbs 103'"),
                 QStringList({"DB"}));
        p.dialogs.answer({true});
        p.click("delete");
        w.reject();
    });
    p.main().findChild<QAction*>("Wagony1")->trigger();
    ui::setModalHook(nullptr);
    QVERIFY(shown);
    QCOMPARE(rowsOf(p.file(), "select numer, wlasciciel, predkosc from wagony order by numer"),
             QStringList({"Eaos 7|PKP|ss", "Gbs 100|PKP|ss", "Gbs 101|PKP|ss", "Gbs 102|PKP|ss"}));
    QVERIFY(described != testing::dumpOf(p.file()));
}

void WagonsWindowTest::coloursAndCardsThroughTheDialogs() {
    Program p;
    p.windows->session.addWagon({"1", "Gbs"});
    p.windows->session.addWagon({"2", "Eaos", "", "", "", model::SpeedMark::S, ""});
    {
        ui::CardColoursDialog colours(p.windows->session);
        ui::CardColoursDialog::setColourChooser(
            [](QWidget*, const QColor&) { return QColor("#102030"); });
        colours.chooseColour(1);  // G+H
        colours.accept();
        ui::CardColoursDialog::setColourChooser(nullptr);
    }
    QCOMPARE(rowsOf(p.file(), "select grupa, kolor from kolory_kart where poz=1"),
             QStringList({"G+H|#102030"}));

    ui::CarCardsDialog cards(p.windows->session);
    testing::RecordingPrintService service;
    cards.setPrintService(&service);
    cards.table()->item(0, 2)->setText("2");  // wagon 1: two copies, wagon 2 not ticked
    cards.table()->item(1, 0)->setCheckState(Qt::Unchecked);
    cards.printCards();
    QCOMPARE(service.only("text .* 1$").size(), 2);
    QCOMPARE(service.only("text .* 2$").size(), 0);
    QVERIFY(service.calls.contains("fill 16,32,48"));  // the Gbs card's paper
    cards.table()->item(0, 2)->setText("x");
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, cards.rows());
    // The user's own size: 60 x 90 mm cards, as many as fit on A4; one too large is refused.
    auto* format = cards.findChild<QComboBox*>("format");
    auto* width = cards.findChild<QDoubleSpinBox*>("width");
    QVERIFY(!width->isEnabled());
    format->setCurrentIndex(format->findData(static_cast<int>(print::CarCardPreset::Custom)));
    QVERIFY(width->isEnabled());
    width->setValue(60);
    cards.findChild<QDoubleSpinBox*>("height")->setValue(90);
    const print::CarCardFormat own = cards.options().format;
    QCOMPARE(own.width, 60.0);
    QCOMPARE(own.cardsPerSheet(), 3 * 3);
    width->setValue(400);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, cards.options());
}

// 200 wagons from a CSV file by --import-csv, then their car cards by --print-car-cards: four
// A6 cards to an A4 sheet take 50 pages, N-RE's sixteen 13; a card too large for its sheet
// is refused as a usage error.
void WagonsWindowTest::commandLineImportsAndPrints() {
    testing::WorkDir dir;
    QFile csv(dir.file("wagony.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Numer;Klasa;Właściciel;Stacja macierzysta;Długość;Prędkość;Uwagi\r\n");
    for (int i = 0; i < 200; ++i)
        csv.write(QStringLiteral("21 80 %1;Gbs;DB;Hagen;14020;%2;\r\n")
                      .arg(1000 + i)
                      .arg(i % 7 ? "" : "ss")
                      .toUtf8());
    csv.close();
    auto run = [&](const QStringList& args, int expected) {
        QProcess proc;
        proc.setWorkingDirectory(dir.path());
        proc.start(qEnvironmentVariable("LISTY_PROGRAM"), args);
        if (!proc.waitForFinished(120000) || proc.exitCode() != expected)
            qWarning() << args << proc.readAllStandardError();
        return proc.exitCode() == expected ? QString::fromUtf8(proc.readAllStandardOutput())
                                           : QStringLiteral("<failed>");
    };
    auto pages = [&](const QString& name) {
        QFile pdf(dir.file(name));
        if (!pdf.open(QIODevice::ReadOnly)) return -1;
        return int(
            QString::fromLatin1(pdf.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
    };
    QVERIFY(run({"--database", "w.sdb", "--import-csv", "wagony.csv"}, 0).contains("dodano 200"));
    QVERIFY(run({"--database", "w.sdb", "--print-car-cards", "a6.pdf"}, 0)
                .contains("Zapisano 200 kart wagonów"));
    QCOMPARE(pages("a6.pdf"), 50);
    run({"--database", "w.sdb", "--print-car-cards", "n.pdf", "--car-card-format", "n-re"}, 0);
    QCOMPARE(pages("n.pdf"), 13);
    QCOMPARE(run({"--database", "w.sdb", "--print-car-cards", "x.pdf", "--car-card-format",
                  "fremo87", "--car-paper", "a6"},
                 2),
             QString());
}

QTEST_MAIN(WagonsWindowTest)
#include "test_wagons_window.moc"
