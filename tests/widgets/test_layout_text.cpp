// Text layout of grid cells: line splitting, word wrap, placement by alignment and indents,
// blocks taller than their cell, measuring with the fit flags, and rotation.

#include "widgets/layout_text.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace widgets;

class TestLayoutText : public QObject {
    Q_OBJECT

private slots:
    void splitLines_data();
    void splitLines();
    void placement_data();
    void placement();
    void tallBlockStandsOutEquallyWhenCentred_data();
    void tallBlockStandsOutEquallyWhenCentred();
    void fitFlagsGrowTheRectangle();
    void rotatedTextIsDrawnAcross();

private:
    QFont font() const {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(12);
        return f;
    }
};

void TestLayoutText::splitLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("roomFor");  // the room is this text's width
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("line feeds, CR dropped")
        << QStringLiteral("ab\r\ncd") << false << QString() << QStringList{"ab", "cd"};
    QTest::newRow("empty line is a blank")
        << QStringLiteral("ab\n\ncd") << false << QString() << QStringList{"ab", " ", "cd"};
    QTest::newRow("empty text") << QString() << false << QString() << QStringList{" "};
    QTest::newRow("no wrap keeps long lines")
        << QStringLiteral("aaa bbb ccc") << false << QStringLiteral("aaa")
        << QStringList{"aaa bbb ccc"};
    QTest::newRow("wrap at the last blank that fits")
        << QStringLiteral("aaa bbb ccc") << true << QStringLiteral("aaa bbb")
        << QStringList{"aaa bbb", "ccc"};
    QTest::newRow("rest is trimmed and wrapped again")
        << QStringLiteral("aaa \t bbb   ccc") << true << QStringLiteral("bbb")
        << QStringList{"aaa", "bbb", "ccc"};
    QTest::newRow("no blank: stays whole")
        << QStringLiteral("Wrocław-Główny") << true << QStringLiteral("Wro")
        << QStringList{"Wrocław-Główny"};
    QTest::newRow("first word too long: whole line")
        << QStringLiteral("Szczecinek bb") << true << QStringLiteral("Szcz")
        << QStringList{"Szczecinek bb"};
    QTest::newRow("leading blank gives no empty line")
        << QStringLiteral(" Szczecinek") << true << QStringLiteral("Szcz")
        << QStringList{" Szczecinek"};
    QTest::newRow("trailing blanks only")
        << QStringLiteral("aaa      ") << true << QStringLiteral("aaa") << QStringList{"aaa"};
}

void TestLayoutText::splitLines() {
    QFETCH(QString, text);
    QFETCH(bool, wrap);
    QFETCH(QString, roomFor);
    QFETCH(QStringList, lines);
    const QFontMetrics fm(font());
    QCOMPARE(splitTextLines(text, fm, wrap, fm.horizontalAdvance(roomFor)), lines);
}

void TestLayoutText::placement_data() {
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("expectX");  // -1: centred, computed below
    QTest::addColumn<int>("expectY");
    // Rectangle (10, 20, 200, 60); indents 5 (horizontal) and 3 (vertical); text "Kolor".
    QTest::newRow("left top") << int(HorizontalAlignment::LeftJustify)
                              << int(VerticalAlignment::Top) << 15 << 23;
    QTest::newRow("right bottom") << int(HorizontalAlignment::RightJustify)
                                  << int(VerticalAlignment::Bottom) << -2 << -2;
    QTest::newRow("centre centre")
        << int(HorizontalAlignment::Center) << int(VerticalAlignment::Center) << -1 << -1;
}

void TestLayoutText::placement() {
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(int, expectX);
    QFETCH(int, expectY);
    TextLayoutParams p;
    p.text = QStringLiteral("Kolor");
    p.font = font();
    p.indentH = 5;
    p.indentV = 3;
    p.horizontalAlignment = static_cast<HorizontalAlignment>(h);
    p.verticalAlignment = static_cast<VerticalAlignment>(v);
    p.flags = LayoutFlag::MeasureOnly;
    const QRect rect(10, 20, 200, 60);
    const TextLayoutResult r = layoutText(nullptr, p, rect);
    QCOMPARE(r.lines.size(), size_t(1));
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(p.text), lh = fm.height();
    // Right and bottom keep the indent from their edge; centring ignores indents.
    if (expectX == -2) expectX = 10 + 200 - 5 - w;
    if (expectX == -1) expectX = 10 + (200 - w) / 2;
    if (expectY == -2) expectY = 20 + 60 - 3 - lh;
    if (expectY == -1) expectY = 20 + (60 - lh) / 2;
    QCOMPARE(r.lines[0].box, QRect(expectX, expectY, w, lh));
    QCOMPARE(r.rect, rect);  // no fit flag: unchanged
}

void TestLayoutText::tallBlockStandsOutEquallyWhenCentred_data() {
    QTest::addColumn<int>("rowHeight");
    QTest::newRow("even difference") << 10;
    QTest::newRow("odd difference") << 11;
    QTest::newRow("zero height") << 0;
}

void TestLayoutText::tallBlockStandsOutEquallyWhenCentred() {
    QFETCH(int, rowHeight);
    TextLayoutParams p;
    p.text = QStringLiteral("Nowa\nHuta");
    p.font = font();
    p.verticalAlignment = VerticalAlignment::Center;
    p.indentV = 4;  // not used for centring
    p.flags = LayoutFlag::MeasureOnly;
    const QRect rect(0, 100, 80, rowHeight);
    const TextLayoutResult r = layoutText(nullptr, p, rect);
    QCOMPARE(r.lines.size(), size_t(2));
    const int top = r.lines.front().box.top();
    const int bottom = r.lines.back().box.top() + r.lines.back().box.height();
    const int above = rect.top() - top;
    const int below = bottom - (rect.top() + rect.height());
    QVERIFY2(above > 0 && below > 0, qPrintable(QStringLiteral("%1 %2").arg(above).arg(below)));
    QVERIFY2(std::abs(above - below) <= 1,
             qPrintable(QStringLiteral("%1 %2").arg(above).arg(below)));
    QCOMPARE(r.lines[1].box.top(), r.lines[0].box.top() + QFontMetrics(font()).height());
}

void TestLayoutText::fitFlagsGrowTheRectangle() {
    TextLayoutParams p;
    p.text = QStringLiteral("Bydgoszcz Główna\nB");
    p.font = font();
    p.indentH = 2;
    p.indentV = 1;
    p.flags = LayoutFlag::MeasureOnly | LayoutFlag::FitWidth;
    const QFontMetrics fm(font());
    const int w = fm.horizontalAdvance(QStringLiteral("Bydgoszcz Główna"));
    TextLayoutResult r = layoutText(nullptr, p, QRect(0, 0, 10, 5));
    QCOMPARE(r.needed, QSize(w + 2, 2 * fm.height() + 1));
    QCOMPARE(r.rect, QRect(0, 0, w + 2, 5));  // height not asked for
    p.flags = LayoutFlag::MeasureOnly | LayoutFlag::FitHeight;
    r = layoutText(nullptr, p, QRect(0, 0, 1000, 5));
    QCOMPARE(r.rect, QRect(0, 0, 1000, 2 * fm.height() + 1));  // wide enough already
    // Turned a quarter, width and height change places.
    p.angle = 90;
    p.flags = LayoutFlag::MeasureOnly;
    r = layoutText(nullptr, p, QRect(0, 0, 10, 10));
    QCOMPARE(r.needed, QSize(2 * fm.height() + 2, w + 1));
    p.angle = -270;  // the same angle
    QCOMPARE(layoutText(nullptr, p, QRect(0, 0, 10, 10)).needed, r.needed);
}

void TestLayoutText::rotatedTextIsDrawnAcross() {
    // A long word turned 90 degrees runs up and down, not across: its ink is taller than wide.
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    TextLayoutParams p;
    p.text = QStringLiteral("MMMMMMMM");
    p.font = font();
    p.color = Qt::black;
    p.angle = 90;
    p.horizontalAlignment = HorizontalAlignment::Center;
    {
        QPainter painter(&image);
        layoutText(&painter, p, QRect(0, 0, 200, 200));
    }
    QRect ink;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.height() > 3 * ink.width(),
             qPrintable(QStringLiteral("%1x%2").arg(ink.width()).arg(ink.height())));
    // Centred both ways in the rectangle, within a few pixels.
    QVERIFY(std::abs(ink.center().x() - 100) < 6);
    QVERIFY(std::abs(ink.center().y() - 100) < 6);
}

QTEST_MAIN(TestLayoutText)
#include "test_layout_text.moc"
