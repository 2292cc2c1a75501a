// ResultStore: bookmarks in arrival order, row ids, insert/remove/replace, out-of-range
// access, and the field encoding of a stored row.

#include <QtTest>
#include <string>

#include "db/result_store.h"

namespace {

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

std::string row(std::initializer_list<std::string_view> fields) {
    std::string out;
    for (auto f : fields) db::ResultStore::appendField(out, f);
    return out;
}

QString fieldOf(const db::ResultStore& store, std::size_t index, int field) {
    const auto data = store.data(index);
    return data ? q(db::ResultStore::field(*data, field)) : QString("<none>");
}

}  // namespace

class TestResultStore : public QObject {
    Q_OBJECT

private slots:
    void bookmarksAndRowIds() {
        db::ResultStore store;
        store.add(row({"a"}), -1);
        store.add(row({"b"}), 42);
        store.add(row({"c"}), -7);
        QCOMPARE(store.count(), std::size_t(3));
        QCOMPARE(store.bookmark(0), 1);
        QCOMPARE(store.bookmark(2), 3);
        QCOMPARE(store.rowId(0), 0);  // negative: the row's index
        QCOMPARE(store.rowId(1), 42);
        QCOMPARE(store.rowId(2), 2);

        // Insert takes the next number; the order of rows is no longer that of numbers.
        store.insert(1, row({"x"}), -1);
        QCOMPARE(fieldOf(store, 1, 0), QString("x"));
        QCOMPARE(store.bookmark(1), 4);
        QCOMPARE(store.rowId(1), 1);
        QCOMPARE(store.indexOfBookmark(4), 1);
        QCOMPARE(store.indexOfBookmark(2), 2);
        QCOMPARE(store.indexOfBookmark(3), 3);

        // Removing keeps the numbers of the others and never hands one out again.
        store.remove(0);
        QCOMPARE(store.indexOfBookmark(1), -1);
        QCOMPARE(store.indexOfBookmark(3), 2);
        store.add(row({"d"}), -1);
        QCOMPARE(store.bookmark(3), 5);
        QCOMPARE(store.rowId(3), 3);
        QCOMPARE(fieldOf(store, 0, 0), QString("x"));

        // Inserting past the end appends.
        store.insert(99, row({"e"}), 5);
        QCOMPARE(store.count(), std::size_t(5));
        QCOMPARE(fieldOf(store, 4, 0), QString("e"));
        QCOMPARE(store.indexOfBookmark(6), 4);
    }

    void orderedLookupAfterRemovals() {
        db::ResultStore store;
        for (int i = 0; i < 1000; ++i) store.add(row({std::to_string(i)}), -1);
        for (int i = 0; i < 500; ++i) store.remove(static_cast<std::size_t>(i));  // every other
        QCOMPARE(store.count(), std::size_t(500));
        for (int b = 1; b <= 1000; ++b) {
            const long index = store.indexOfBookmark(b);
            if (b % 2 == 1) {
                QCOMPARE(index, -1L);
            } else {
                QCOMPARE(index, long(b / 2 - 1));
                QCOMPARE(fieldOf(store, static_cast<std::size_t>(index), 0),
                         QString::number(b - 1));
            }
        }
        QCOMPARE(store.indexOfBookmark(0), -1L);
        QCOMPARE(store.indexOfBookmark(-1), -1L);
        QCOMPARE(store.indexOfBookmark(1001), -1L);
    }

    void outOfRange() {
        db::ResultStore store;
        QVERIFY(!store.data(0).has_value());
        QCOMPARE(store.bookmark(0), -1);
        QCOMPARE(store.rowId(0), -1);
        store.remove(0);  // ignored
        store.add(row({"only"}), -1);
        store.remove(1);
        store.remove(static_cast<std::size_t>(-1));
        QCOMPARE(store.count(), std::size_t(1));
        QVERIFY(!store.data(1).has_value());
        QCOMPARE(store.bookmark(1), -1);
        store.replace(5, row({"nowhere"}));
        QCOMPARE(fieldOf(store, 0, 0), QString("only"));
    }

    void replaceKeepsBookmarkAndRowId() {
        db::ResultStore store;
        store.add(row({"first", "1"}), 11);
        store.add(row({"second", "2"}), 12);
        store.replace(0, row({"changed", "one", "extra"}));
        QCOMPARE(fieldOf(store, 0, 0), QString("changed"));
        QCOMPARE(fieldOf(store, 0, 2), QString("extra"));
        QCOMPARE(store.bookmark(0), 1);
        QCOMPARE(store.rowId(0), 11);
        QCOMPARE(fieldOf(store, 1, 0), QString("second"));
    }

    void fieldEncoding_data() {
        QTest::addColumn<int>("length");
        for (int n : {0, 1, 127, 128, 255, 16383, 16384, 70000, 200000}) {
            QTest::newRow(qPrintable(QString::number(n))) << n;
        }
    }
    void fieldEncoding() {
        QFETCH(int, length);
        std::string big;
        for (int i = 0; i < length; ++i) big.push_back(static_cast<char>('a' + i % 26));
        const std::string r = row({"x", big, "", "ż"});
        QCOMPARE(db::ResultStore::field(r, 0), std::string_view("x"));
        QCOMPARE(db::ResultStore::field(r, 1).size(), big.size());
        QVERIFY(db::ResultStore::field(r, 1) == big);
        QVERIFY(db::ResultStore::field(r, 2).empty());
        QCOMPARE(q(db::ResultStore::field(r, 3)), QString("ż"));
        QVERIFY(db::ResultStore::field(r, 4).empty());  // beyond the last field

        // A row larger than one chunk is stored whole, and the rows around it too.
        db::ResultStore store;
        store.add(row({"before"}), -1);
        store.add(r, -1);
        store.add(row({"after"}), -1);
        QVERIFY(db::ResultStore::field(*store.data(1), 1) == big);
        QCOMPARE(fieldOf(store, 0, 0), QString("before"));
        QCOMPARE(fieldOf(store, 2, 0), QString("after"));
        QVERIFY(store.memoryUsed() >= r.size() + 11 + 10);
    }

    void damagedRowReadsEmpty() {
        // A length running past the end of the row gives the empty view, no overrun.
        std::string cut(1, static_cast<char>(100));
        cut += "short";
        QVERIFY(db::ResultStore::field(cut, 0).empty());
        std::string unterminated(1, static_cast<char>(0x80));
        QVERIFY(db::ResultStore::field(unterminated, 0).empty());
        QVERIFY(db::ResultStore::field(std::string_view(), 0).empty());
        const std::string whole = row({"abc", "de"});
        QCOMPARE(db::ResultStore::field(whole.substr(0, whole.size() - 1), 0),
                 std::string_view("abc"));
        QVERIFY(db::ResultStore::field(whole.substr(0, whole.size() - 1), 1).empty());
    }

    void emptyRowsAreRows() {
        db::ResultStore store;
        store.add(std::string_view(), -1);
        store.add(row({""}), -1);
        QCOMPARE(store.count(), std::size_t(2));
        QVERIFY(store.data(0).has_value());
        QVERIFY(store.data(0)->empty());
        QVERIFY(db::ResultStore::field(*store.data(1), 0).empty());
        QCOMPARE(store.bookmark(1), 2);
    }
};

QTEST_GUILESS_MAIN(TestResultStore)
#include "test_result_store.moc"
