// Starting the program on a listy.sdb of the old format: the data show in the main window
// with one message, or, when the file cannot be converted, the window opens empty with one
// error and the file is as it was.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QtTest>

#include "support/legacy_listing.h"
#include "support/scripted_dialogs.h"
#include "support/work_dir.h"
#include "ui/app_windows.h"

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString sample(const QString& name) {
    return QDir(testing::legacySampleDir()).filePath(name);
}

}  // namespace

class OldFormatStartTest : public QObject {
    Q_OBJECT
private slots:
    // A checkout without its samples fails here, once and by name.
    void initTestCase() {
        const QString missing = testing::missingLegacySample();
        QVERIFY2(missing.isEmpty(), qPrintable("test sample missing: " + missing));
    }
    void samplesShowInTheMainWindow_data();
    void samplesShowInTheMainWindow();
    void damagedFileOpensAnEmptyWindowWithOneError();
};

void OldFormatStartTest::samplesShowInTheMainWindow_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("waybills");
    QTest::addColumn<QString>("firstSender");
    QTest::newRow("v1-sample") << "v1-sample" << 2 << "Łódź Fabryczna";
    QTest::newRow("v2-sample") << "v2-sample" << 6 << "Kraków Płaszów";
    QTest::newRow("empty-v2") << "empty-v2" << 0 << "";
    QTest::newRow("big-v2") << "big-v2" << 2000 << "Wrocław Główny";
}

void OldFormatStartTest::samplesShowInTheMainWindow() {
    QFETCH(QString, name);
    QFETCH(int, waybills);
    QFETCH(QString, firstSender);
    testing::WorkDir dir;
    QVERIFY(QFile::copy(sample(name + ".sdb"), dir.file("listy.sdb")));
    testing::ScriptedDialogs dialogs;
    ui::AppWindows windows;
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes[0].caption, QStringLiteral("Informacja"));
    QVERIFY(dialogs.boxes[0].text.contains(dir.file("listy.sdb.sqlite2")));
    QCOMPARE(windows.main->waybills().recordCount(), waybills);
    QCOMPARE(windows.main->findChild<QComboBox*>("stn")->currentText(), firstSender);
    QCOMPARE(bytesOf(dir.file("listy.sdb.sqlite2")), bytesOf(sample(name + ".sdb")));
}

void OldFormatStartTest::damagedFileOpensAnEmptyWindowWithOneError() {
    QByteArray bytes = bytesOf(sample("v2-sample.sdb"));
    bytes.truncate(bytes.size() - 1024);
    testing::WorkDir dir;
    {
        QFile f(dir.file("listy.sdb"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    testing::ScriptedDialogs dialogs;
    ui::AppWindows windows;
    QCOMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes[0].kind, ui::BoxKind::StandardError);
    QVERIFY2(dialogs.boxes[0].text.contains(QStringLiteral("jest uszkodzony")),
             qPrintable(dialogs.boxes[0].text));
    QVERIFY(!windows.main->waybills().active());
    QVERIFY(windows.main->findChild<QLineEdit*>("nad")->text().isEmpty());
    QCOMPARE(bytesOf(dir.file("listy.sdb")), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"listy.sdb"}));
}

QTEST_MAIN(OldFormatStartTest)
#include "test_old_format_start.moc"
