// The card format chosen in "Opcje wydruku…" prints exactly as the command line's flags do;
// the user's own size that fits no sheet is refused; the preview tells the sheets of the run.

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QtTest>

#include "cli/command_line.h"
#include "db/sql_connection.h"
#include "print/print_all.h"
#include "print/recording_print_service.h"
#include "support/program.h"
#include "ui/modal.h"
#include "ui/print_options_dialog.h"
#include "ui/print_window.h"

class PrintFormatsTest : public QObject {
    Q_OBJECT
private slots:
    void windowDrawsAsTheCommandLine();
};

void PrintFormatsTest::windowDrawsAsTheCommandLine() {
    testing::Program p(
        "insert into listy values(1,'Zabrze','Kopalnia','Eaos','Węgiel','Huta','Łódź');"
        "insert into listy values(2,'Łódź','Zakłady','Gags','Maszyny','Port','Gdynia');"
        "insert into listy values(3,'Gdynia','Port','Habis','Ryby','Chłodnia','Zabrze');"
        "insert into stacje values(1,'Zabrze','clred');"
        "insert into stacje values(2,'Łódź','clblue');");
    ui::PrintWindow& window = *p.windows->print;
    testing::RecordingPrintService fromWindow;
    window.setPrintService(&fromWindow);
    window.show();
    window.tickAll();  // each in its two copies

    QString step;
    int slipsPerSheet = 0;
    bool previewed = false;
    ui::setModalHook([&](QDialog& dialog) {
        auto* format = dialog.findChild<QComboBox*>("cardFormat");
        auto* fold = dialog.findChild<QCheckBox*>("fold");
        if (step != "preview" && !(format && fold)) QFAIL("no format in the options");
        if (step == "own size") {
            format->setCurrentIndex(format->count() - 1);
            QCOMPARE(format->currentText(), QStringLiteral("Własny…"));
            dialog.findChild<QDoubleSpinBox*>("customWidth")->setValue(250);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));  // still open
            dialog.reject();
        } else if (step == "h0 fold") {
            QCOMPARE(format->itemText(1), QStringLiteral("H0-Europa 90×45 (12 na A4)"));
            format->setCurrentIndex(1);
            fold->setChecked(true);
            slipsPerSheet = dialog.findChild<QSpinBox*>("firstSlot")->maximum();
            dialog.accept();
        } else if (step == "preview") {
            QCOMPARE(dialog.windowTitle(),
                     QStringLiteral("Listy przewozowe: 1 arkusz A4, H0-Europa 90×45, składane"));
            previewed = true;
            dialog.reject();
        }
    });
    step = "own size";
    window.editPrintOptions();
    QCOMPARE(p.dialogs.boxes.size(), 1);
    QVERIFY2(p.dialogs.boxes[0].text.contains("nie mieści się na arkuszu A4"),
             qPrintable(p.dialogs.boxes[0].text));
    QVERIFY(ui::loadPrintOptions() == print::PrintOptions());
    step = "h0 fold";
    window.editPrintOptions();
    QCOMPARE(slipsPerSheet, 6);  // twelve cards, six slips
    window.printTicked();
    step = "preview";
    window.printPreview();
    QVERIFY(previewed);

    cli::CommandLine line;
    QString error;
    QVERIFY(cli::parseCommandLine({"listy", "--print-pdf", "karty.pdf", "--card-format",
                                   "h0-europa", "--fold", "--copies", "2"},
                                  line, error));
    testing::RecordingPrintService fromCommandLine;
    print::printAllWaybills(fromCommandLine, p.windows->session.connection(),
                            {line.copies, line.printOptions});
    QCOMPARE(fromWindow.calls.size(), fromCommandLine.calls.size());
    QCOMPARE(fromWindow.calls, fromCommandLine.calls);
    // Six slips, each a waybill and its return.
    QCOMPARE(fromWindow.only("clip ").size(), 12);
    QCOMPARE(fromWindow.calls.filter(QRegularExpression(" Próżny$")).size(), 6);
}

QTEST_MAIN(PrintFormatsTest)
#include "test_print_formats.moc"
