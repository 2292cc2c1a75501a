// Two small grids painted into images: a showcase of the styles (fills, font colours,
// alignments, word wrap, rotated header, raised and lowered borders, a selected block) and one
// set up like the stations window. Setting LISTY_GRID_DEMO_DIR saves both as PNG files there,
// for looking at them.

#include "widgets/color_string_grid.h"

#include <QDir>
#include <QTest>

using namespace widgets;

namespace {

QImage paint(ColorStringGrid& grid) {
    QImage image(grid.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    grid.render(&image);
    return image;
}

void save(const QImage& image, const char* name) {
    const QString dir = qEnvironmentVariable("LISTY_GRID_DEMO_DIR");
    if (!dir.isEmpty()) QVERIFY(image.save(QDir(dir).filePath(QString::fromLatin1(name))));
}

// Colour name, fill and text colour as the stations window shows them.
struct Station {
    const char* name;
    const char* colour;
    QColor swatch;
};

}  // namespace

class TestGridDemo : public QObject {
    Q_OBJECT

private slots:
    void showcase();
    void stations();
};

void TestGridDemo::showcase() {
    ColorStringGrid grid;
    grid.setColCount(4);
    grid.setRowCount(6);
    grid.setFixedCols(1);
    grid.setFixedRows(1);
    grid.setColWidths(0, 70);
    grid.setColWidths(1, 110);
    grid.setColWidths(2, 90);
    grid.setColWidths(3, 80);
    grid.setRowHeights(0, 60);
    grid.resize(360, 210);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    const char* heads[] = {"", "Stacja", "Kolor", "Uwagi"};
    for (int c = 1; c < 4; ++c) {
        grid.setCells(c, 0, QString::fromUtf8(heads[c]));
        grid.cellStyle(c, 0).setRotate(c == 1 ? 0 : 90);
        grid.cellStyle(c, 0).setHorizontalAlignment(HorizontalAlignment::Center);
        QFont bold = grid.font();
        bold.setBold(true);
        grid.cellStyle(c, 0).setFont(bold, Qt::black);
        grid.cellStyle(c, 0).setBorderCellStyle(BorderCellStyle::Raised);
    }
    for (int r = 1; r < 6; ++r) {
        grid.setCells(0, r, QString::number(r));
        grid.cellStyle(0, r).setHorizontalAlignment(HorizontalAlignment::RightJustify);
        grid.cellStyle(0, r).setIndentH(6);
        grid.cellStyle(0, r).setBorderCellStyle(BorderCellStyle::Raised);
    }
    grid.setCells(1, 1, QStringLiteral("Kraków Płaszów"));
    grid.setCells(1, 2, QStringLiteral("Zakopane"));
    grid.cellStyle(1, 2).setHorizontalAlignment(HorizontalAlignment::Center);
    grid.setCells(1, 3, QStringLiteral("Nowy Sącz"));
    grid.cellStyle(1, 3).setHorizontalAlignment(HorizontalAlignment::RightJustify);
    grid.cellStyle(1, 3).setVerticalAlignment(VerticalAlignment::Bottom);
    const QColor swatches[] = {QColor(0xFF, 0, 0), QColor(0, 0x80, 0), QColor(0xFF, 0xFF, 0),
                               QColor(0, 0, 0xFF), QColor(0x80, 0, 0x80)};
    for (int r = 1; r < 6; ++r) {
        grid.setCells(2, r, QStringLiteral("clred"));
        grid.cellStyle(2, r).setBgColor(swatches[r - 1]);
        grid.cellStyle(2, r).setFontColor(r == 3 ? Qt::black : Qt::white);
    }
    grid.cellStyle(3, 1).setBorderCellStyle(BorderCellStyle::Lowered);
    grid.cellStyle(3, 1).setBgColor(QColor(0xE0, 0xE0, 0xE0));
    grid.setCells(3, 1, QStringLiteral("wgłębiona"));
    grid.cellStyle(3, 2).setBorderCellStyle(BorderCellStyle::Raised);
    grid.cellStyle(3, 2).setBgColor(QColor(0xE0, 0xE0, 0xE0));
    grid.setCells(3, 2, QStringLiteral("wypukła"));
    grid.setUseCellWordWrap(true);
    grid.cellStyle(1, 4).setWordWrap(true);
    grid.setRowHeights(4, 34);
    grid.setCells(1, 4, QStringLiteral("długa nazwa zawinięta"));
    grid.setCells(1, 5, QStringLiteral("zaznaczone"));
    grid.setSelection({1, 5, 3, 5});
    grid.setFocus();

    const QImage image = paint(grid);
    save(image, "grid_demo.png");
    const QPoint origin = grid.viewport()->mapTo(&grid, QPoint());
    const QColor highlight = grid.selectedColors().bgColor();
    for (int c = 1; c < 4; ++c) {
        const QRect r = grid.cellRect(c, 5).translated(origin);
        QCOMPARE(QColor(image.pixel(r.left() + 1, r.bottom() - 1)), highlight);
    }
    const QRect swatch = grid.cellRect(2, 2).translated(origin);
    QCOMPARE(QColor(image.pixel(swatch.left() + 1, swatch.top() + 1)), swatches[1]);
}

void TestGridDemo::stations() {
    const Station list[] = {{"Bytom", "clwhite", Qt::white},
                            {"Gliwice", "clred", QColor(0xFF, 0, 0)},
                            {"Katowice", "clblue", QColor(0, 0, 0xFF)},
                            {"Rybnik", "clyellow", QColor(0xFF, 0xFF, 0)},
                            {"Zabrze", "cllime", QColor(0, 0xFF, 0)}};
    ColorStringGrid grid;
    grid.setColCount(2);
    grid.setFixedCols(0);
    grid.setFixedRows(1);
    grid.setColWidths(0, 427);
    grid.setColWidths(1, 64);
    grid.setOptions(GridOption::FixedVertLine | GridOption::FixedHorzLine | GridOption::HorzLine);
    grid.setScrollBars(ScrollBars::Vertical);
    grid.lineDesign().setLineUpColor(Qt::white);
    grid.resize(505, 233);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    grid.setRowCount(int(std::size(list)) + 1);
    grid.setCells(0, 0, QStringLiteral("Nazwa stacji"));
    grid.setCells(1, 0, QStringLiteral("Kolor"));
    for (int i = 0; i < int(std::size(list)); ++i) {
        const int r = i + 1;
        grid.setCells(0, r, QString::fromUtf8(list[i].name));
        grid.cellStyle(0, r).setBgColor(Qt::white);
        grid.cellStyle(1, r).setBgColor(list[i].swatch);
        grid.cellStyle(1, r).setFontColor(i == 0 ? QColor(Qt::black) : list[i].swatch);
        grid.setCells(1, r, QString::fromUtf8(list[i].colour));
    }
    grid.focusCell(0, 3);

    const QImage image = paint(grid);
    save(image, "stations_grid.png");
    const QPoint origin = grid.viewport()->mapTo(&grid, QPoint());
    const QRect current = grid.cellRect(0, 3).translated(origin);
    QCOMPARE(QColor(image.pixel(current.right() - 1, current.bottom() - 1)),
             grid.selectedColors().bgColor());
    const QRect swatch = grid.cellRect(1, 2).translated(origin);
    QCOMPARE(QColor(image.pixel(swatch.center())), QColor(0xFF, 0, 0));
    QCOMPARE(QColor(image.pixel(swatch.left() - 1, swatch.center().y())), QColor(0x80, 0x80, 0x80));
}

QTEST_MAIN(TestGridDemo)
#include "test_grid_demo.moc"
