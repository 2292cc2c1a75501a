// Cards printed through QPrinter into a PDF file, rendered back to pixels with pdftoppm and
// checked by colour: the grey card, the white middle bands, the station bands, the page
// count, and a cancelled document that leaves no file.

#include <QImage>
#include <QProcess>
#include <QtTest>

#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_query.h"
#include "model/schema.h"
#include "print/card_layout.h"
#include "print/painter_print_service.h"
#include "print/print_run.h"
#include "print/qt_print_service.h"
#include "support/database_fixture.h"
#include "support/sql_helpers.h"
#include "support/work_dir.h"

using print::PrintRowData;

namespace {

constexpr int kDpi = 50;  // rendering resolution; the cards are drawn at 600 dpi

// A database with some stations; the print run reads the band colours on `sql2`.
struct Database : testing::TestDatabase {
    db::SqlQuery& sql2 = command;
    Database() {
        testing::execFile(file(),
                          "insert into stacje values(1,'Gliwice','clred');"
                          "insert into stacje values(2,'Opole','clblue');"
                          "insert into stacje values(3,'Koło','clgreen');");
    }
};

PrintRowData row(bool ticked, const std::string& count, const std::string& stOdb,
                 const std::string& stNad) {
    return {ticked, count, {stOdb, "Odbiorca", "Węgiel", "Eaos", "Huta", stNad}};
}

// The pages of a PDF file as images at kDpi.
QList<QImage> render(const QString& pdf) {
    QProcess p;
    const QString prefix = pdf + "-page";
    p.start("pdftoppm", {"-png", "-r", QString::number(kDpi), pdf, prefix});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    QList<QImage> pages;
    const QFileInfo info(pdf);
    QStringList files =
        info.dir().entryList({info.fileName() + "-page*.png"}, QDir::Files, QDir::Name);
    for (const QString& f : files)
        pages << QImage(info.dir().filePath(f)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

// A device pixel of the 600 dpi page on the rendered image.
QColor at(const QImage& page, int x, int y) {
    return page.pixelColor(x * kDpi / print::kCardResolution, y * kDpi / print::kCardResolution);
}

bool near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 &&
           qAbs(a.blue() - b.blue()) <= 8;
}

}  // namespace

class QtPrintServiceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pdfPagesShowTheBands();
    void cancelledDocumentLeavesNoFile();
    void unwritableFileIsAnError();
    void failedRunKeepsTheChosenFile();
    void longValuesStayOnTheirCard();
};

void QtPrintServiceTest::initTestCase() {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) QSKIP("pdftoppm is not installed");
}

void QtPrintServiceTest::pdfPagesShowTheBands() {
    Database db;
    const QString pdf = db.dir.file("cards.pdf");
    auto service = print::QtPrintService::toPdf(pdf);
    double skala = 0;
    // 17 cards: sixteen of Gliwice -> Opole, one of Koło -> a missing station.
    print::printWaybills(*service, db.sql2, -1,
                         {row(true, "16", "Gliwice", "Opole"), row(false, "4", "Opole", "Opole"),
                          row(true, "1", "Koło", "Brak")},
                         skala);
    // An upright A4 page without margins: 842 PDF points at 600 dpi.
    QCOMPARE(service->pageHeight(), 7017);
    QCOMPARE(skala, 7017 / 297.0);

    const QList<QImage> pages = render(pdf);
    QCOMPARE(pages.size(), 2);
    const QImage& page = pages[0];
    const print::CardGeometry first = print::cardGeometry(skala, 0, 0);
    const print::CardGeometry last = print::cardGeometry(skala, 3, 3);
    const QColor grey(192, 192, 192), white(255, 255, 255), red(255, 0, 0), blue(0, 0, 255),
        green(0, 128, 0);
    for (const print::CardGeometry& g : {first, last}) {
        const int right = g.bands[0].x2 - 30;  // beside the texts, inside the bands
        auto mid = [](const print::Rect& r) { return (r.y1 + r.y2) / 2; };
        QVERIFY(near(at(page, right, mid(g.bands[0])), red));
        QVERIFY(near(at(page, right, mid(g.bands[5])), blue));
        for (int k = 1; k <= 4; ++k)
            QVERIFY(near(at(page, right, mid(g.bands[static_cast<std::size_t>(k)])), white));
        // The card's grey shows in the margin left of the bands and below the last band.
        QVERIFY(near(at(page, g.x + g.d / 2, mid(g.bands[2])), grey));
        QVERIFY(near(at(page, g.x + g.card.x2 / 2 - g.x / 2, g.card.y2 - 20), grey));
        // The captions are drawn: dark pixels in the caption line of band 2.
        int dark = 0;
        for (int x = g.captionX(); x < g.captionX() + 400; x += 4) {
            if (at(page, x, g.captionY(2) + 40).lightness() < 100) ++dark;
        }
        QVERIFY2(dark > 3, qPrintable(QString::number(dark)));
    }
    // Outside the block of cards the page is blank.
    QVERIFY(near(at(page, 100, 100), white));
    QVERIFY(near(at(page, 4900, 6900), white));

    // Page 2: the seventeenth card in the first slot, green on top, and the missing sending
    // station white.
    const QImage& second = pages[1];
    QVERIFY(near(at(second, first.bands[0].x2 - 30, (first.bands[0].y1 + first.bands[0].y2) / 2),
                 green));
    QVERIFY(near(at(second, first.bands[5].x2 - 30, (first.bands[5].y1 + first.bands[5].y2) / 2),
                 white));
    const print::CardGeometry secondSlot = print::cardGeometry(skala, 1, 0);
    QVERIFY(near(at(second, secondSlot.bands[0].x2 - 30, secondSlot.bands[0].y1 + 40), white));
    QVERIFY(near(at(second, secondSlot.card.x1 + 120, secondSlot.card.y1 + 120),
                 white));  // no card there
}

void QtPrintServiceTest::cancelledDocumentLeavesNoFile() {
    Database db;
    const QString pdf = db.dir.file("stopped.pdf");
    auto service = print::QtPrintService::toPdf(pdf);
    double skala = 0;
    QVERIFY_THROWS_EXCEPTION(
        db::ConvertError,
        print::printWaybills(*service, db.sql2, -1,
                             {row(true, "3", "Gliwice", "Opole"), row(false, "x", "", "")}, skala));
    QVERIFY(!QFile::exists(pdf));
    // The same service prints again afterwards: nothing stayed open.
    print::printWaybills(*service, db.sql2, -1, {row(true, "1", "Gliwice", "Opole")}, skala);
    QCOMPARE(render(pdf).size(), 1);
}

void QtPrintServiceTest::unwritableFileIsAnError() {
    Database db;
    auto service = print::QtPrintService::toPdf(db.dir.file("no/such/dir/cards.pdf"));
    double skala = 0;
    QVERIFY_THROWS_EXCEPTION(
        std::runtime_error,
        print::printWaybills(*service, db.sql2, -1, {row(true, "1", "Gliwice", "Opole")}, skala));
}

void QtPrintServiceTest::failedRunKeepsTheChosenFile() {
    Database db;
    const QString pdf = db.dir.file("karty.pdf");
    auto writeOld = [&] {
        QFile old(pdf);
        return old.open(QIODevice::WriteOnly) && old.write("the previous cards") == 18;
    };
    auto contents = [&] {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QVERIFY(writeOld());
    auto service = print::QtPrintService::toPdf(pdf);
    double skala = 0;
    QVERIFY_THROWS_EXCEPTION(
        db::ConvertError,
        print::printWaybills(*service, db.sql2, -1,
                             {row(true, "20", "Gliwice", "Opole"), row(false, "x", "", "")},
                             skala));
    QCOMPARE(contents(), QByteArray("the previous cards"));
    // A database error part-way through as well.
    testing::execFile(db.dir.file("listy.sdb"), "alter table stacje rename to s;");
    QVERIFY_THROWS_EXCEPTION(
        db::DatabaseError,
        print::printWaybills(*service, db.sql2, -1, {row(true, "1", "Gliwice", "Opole")}, skala));
    QCOMPARE(contents(), QByteArray("the previous cards"));
    testing::execFile(db.dir.file("listy.sdb"), "alter table s rename to stacje;");
    // Nothing is left beside it; a run that ends well replaces it.
    QCOMPARE(QDir(db.dir.path()).entryList({"karty*"}), QStringList{"karty.pdf"});
    print::printWaybills(*service, db.sql2, -1, {row(true, "1", "Gliwice", "Opole")}, skala);
    QVERIFY(contents().startsWith("%PDF-"));
    QCOMPARE(render(pdf).size(), 1);
}

// Rendered in-process: a value too long for its card is cut at the card's edge.
void QtPrintServiceTest::longValuesStayOnTheirCard() {
    Database db;
    const int height = 7017;  // A4 at 600 dpi
    const print::CardGeometry g = print::cardGeometry(print::scaleForPageHeight(height), 0, 0);
    print::ImagePrintService service(height, QRect(0, 0, g.card.x2 + 600, g.card.y2 + 100));
    double skala = 0;
    const std::string longName = "Przedsiębiorstwo Handlowo-Usługowe Wielkopolska";
    print::printWaybills(service, db.sql2, -1,
                         {{true, "1", {longName, longName, "Węgiel", "Eaos", "Huta", "Brak"}}},
                         skala);
    QCOMPARE(service.pages().size(), 1);
    const QImage& page = service.pages().first();
    auto darkIn = [&](int x1, int x2, int y1, int y2) {
        int dark = 0;
        for (int y = y1; y < y2; y += 2) {
            for (int x = x1; x < x2; x += 2) dark += page.pixelColor(x, y).lightness() < 100;
        }
        return dark;
    };
    // The texts reach the card's right edge, and nothing is drawn beyond it.
    for (int band : {0, 1}) {
        const int top = g.valueY(band);
        QVERIFY(darkIn(g.card.x2 - 60, g.card.x2 - 2, top, top + 120) > 0);
        QCOMPARE(darkIn(g.card.x2 + 1, page.width(), top, top + 120), 0);
    }
    // The missing sending station's band is white, the card around it grey.
    const print::Rect& bottom = g.bands[5];
    QCOMPARE(page.pixelColor(bottom.x2 - 30, (bottom.y1 + bottom.y2) / 2), QColor(Qt::white));
    QCOMPARE(page.pixelColor(g.x + g.d / 2, (bottom.y1 + bottom.y2) / 2), QColor(192, 192, 192));
}

QTEST_MAIN(QtPrintServiceTest)
#include "test_qt_print_service.moc"
