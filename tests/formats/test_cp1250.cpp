#include "formats/cp1250.h"

#include <QtTest>

#include <iconv.h>

#include <string>

using formats::cp1250ToUtf8;

class TestCp1250 : public QObject {
    Q_OBJECT

private slots:
    void decodesPolishText_data();
    void decodesPolishText();
    void everyHighByteMatchesSystemTable();
};

void TestCp1250::decodesPolishText_data() {
    QTest::addColumn<QByteArray>("cp1250");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ascii kept") << QByteArray("Baza Paliw Nr 2 \\\t'\"")
                                << QString("Baza Paliw Nr 2 \\\t'\"");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("zero byte kept") << QByteArray("a\0b", 3) << QString::fromUtf8("a\0b", 3);
    QTest::newRow("lower letters")
        << QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF") << QString::fromUtf8("ąćęłńóśźż");
    QTest::newRow("upper letters")
        << QByteArray("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF") << QString::fromUtf8("ĄĆĘŁŃÓŚŹŻ");
    QTest::newRow("station name") << QByteArray("Krak\xF3w P\xB3\x61sz\xF3w")
                                  << QString::fromUtf8("Kraków Płaszów");
    QTest::newRow("three-byte sequences")
        << QByteArray("\x80\x84\x96\x99") << QString::fromUtf8("€„–™");
    QTest::newRow("last byte") << QByteArray("\xFF") << QString::fromUtf8("˙");
    QTest::newRow("undefined bytes") << QByteArray("\x81x\x83\x88\x90\x98")
                                     << QString::fromUtf8("\uFFFDx\uFFFD\uFFFD\uFFFD\uFFFD");
}

void TestCp1250::decodesPolishText() {
    QFETCH(QByteArray, cp1250);
    QFETCH(QString, expected);
    const std::string out =
        cp1250ToUtf8(std::string_view(cp1250.constData(), size_t(cp1250.size())));
    QCOMPARE(QString::fromUtf8(out.data(), qsizetype(out.size())), expected);
}

// glibc's converter is an independent copy of the code page; the bytes it rejects are the
// ones the decoder maps to U+FFFD.
void TestCp1250::everyHighByteMatchesSystemTable() {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == iconv_t(-1)) QSKIP("the C library has no CP1250 converter");
    int undefined = 0;
    for (int b = 0x80; b <= 0xFF; ++b) {
        char in[1] = {char(b)};
        char out[8] = {};
        char* inp = in;
        char* outp = out;
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool ok = iconv(cd, &inp, &inLeft, &outp, &outLeft) != size_t(-1);
        const std::string expected =
            ok ? std::string(out, size_t(outp - out)) : std::string("\xEF\xBF\xBD");
        undefined += ok ? 0 : 1;
        QVERIFY2(cp1250ToUtf8(std::string(1, char(b))) == expected,
                 qPrintable(QString("byte 0x%1").arg(b, 0, 16)));
    }
    iconv_close(cd);
    QCOMPARE(undefined, 5);
}

QTEST_GUILESS_MAIN(TestCp1250)
#include "test_cp1250.moc"
