#include "formats/sqlite2_reader.h"

#include "formats/create_table_text.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace formats {

namespace {

// Page 1: 47 characters of text and a NUL, then the magic number in the file's byte order.
constexpr std::string_view kHeaderText{"** This file contains an SQLite 2.1 database **\0", 48};
constexpr std::uint32_t kMagic = 0xDAE37528u;
constexpr std::size_t kMagicOffset = 48;
constexpr std::size_t kFreeListOffset = 52;
constexpr std::size_t kFreeCountOffset = 56;
constexpr std::size_t kFormatOffset = 64;
constexpr std::uint32_t kNewestFormat = 4;
constexpr std::uint32_t kMaxPages = (1u << 30) - 1;

constexpr std::size_t kPage = Sqlite2Reader::kPageSize;
constexpr std::size_t kPageHeader = 8;
constexpr std::size_t kCellHeader = 12;
constexpr std::size_t kMinCell = 16;
constexpr std::size_t kLocalPayload = 236;
constexpr std::size_t kOverflowCell = 252;  // header + local payload + overflow page number
constexpr std::size_t kOverflowData = kPage - 4;
constexpr std::uint32_t kMaxTrunkLeaves = (kPage - 8) / 4;
constexpr int kMaxDepth = 64;
constexpr std::uint32_t kMasterRoot = 2;

[[noreturn]] void fail(const std::string& what) {
    throw LegacyFormatError("SQLite 2 file: " + what);
}

std::uint8_t byteAt(std::string_view s, std::size_t at) {
    return static_cast<std::uint8_t>(s[at]);
}

std::uint32_t be32(std::string_view s, std::size_t at) {
    return std::uint32_t(byteAt(s, at)) << 24 | std::uint32_t(byteAt(s, at + 1)) << 16 |
           std::uint32_t(byteAt(s, at + 2)) << 8 | std::uint32_t(byteAt(s, at + 3));
}

std::uint32_t le32(std::string_view s, std::size_t at) {
    return std::uint32_t(byteAt(s, at)) | std::uint32_t(byteAt(s, at + 1)) << 8 |
           std::uint32_t(byteAt(s, at + 2)) << 16 | std::uint32_t(byteAt(s, at + 3)) << 24;
}

std::string hex(std::size_t v) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), digits[v & 15]);
        v >>= 4;
    } while (v);
    return "0x" + out;
}

}  // namespace

bool isSqlite2Header(std::string_view firstBytes) {
    if (firstBytes.size() < kMagicOffset + 4 ||
        firstBytes.substr(0, kHeaderText.size()) != kHeaderText)
        return false;
    return le32(firstBytes, kMagicOffset) == kMagic || be32(firstBytes, kMagicOffset) == kMagic;
}

bool isSqlite2File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    char head[kMagicOffset + 4];
    in.read(head, sizeof head);
    return in.gcount() == static_cast<std::streamsize>(sizeof head) &&
           isSqlite2Header(std::string_view(head, sizeof head));
}

bool hasSqlite2Journal(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path + "-journal", ec);
}

// ---- the reader -----------------------------------------------------------------------

Sqlite2Reader::Sqlite2Reader(std::string bytes) : bytes_(std::move(bytes)) {
    if (!isSqlite2Header(bytes_)) {
        if (bytes_.size() >= kMagicOffset + 4 &&
            std::string_view(bytes_).substr(0, kHeaderText.size()) == kHeaderText)
            fail("bad magic number " + hex(le32(bytes_, kMagicOffset)) + " at offset 48");
        fail(
            "not an SQLite 2.x database (no \"** This file contains an SQLite 2.1 database **\" "
            "header)");
    }
    if (bytes_.size() % kPage != 0)
        fail("file length " + std::to_string(bytes_.size()) +
             " is not a whole number of 1024-byte pages"
             " (truncated file?)");
    if (bytes_.size() / kPage > kMaxPages) fail("file is larger than an SQLite 2 database can be");
    pageCount_ = static_cast<std::uint32_t>(bytes_.size() / kPage);
    bigEndian_ = le32(bytes_, kMagicOffset) != kMagic;
    const std::uint32_t format =
        bigEndian_ ? be32(bytes_, kFormatOffset) : le32(bytes_, kFormatOffset);
    if (format > kNewestFormat)
        fail("file format number " + std::to_string(format) + " at offset 64 is newer than " +
             std::to_string(kNewestFormat));
    // A file that never got its first table has only the header page and format number 0.
    if (pageCount_ < kMasterRoot && format != 0)
        fail("file has " + std::to_string(pageCount_) + " page(s); the schema page 2 is missing");
}

Sqlite2Reader Sqlite2Reader::fromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw LegacyFormatError("cannot open '" + path + "'");
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw LegacyFormatError("cannot read '" + path + "'");
    return Sqlite2Reader(std::move(bytes));
}

// One pass over one or more table B-trees. Every page it reaches (tree or overflow) is
// claimed once, so a loop or two trees sharing a page is an error, not a hang.
class Sqlite2Reader::Walk {
public:
    explicit Walk(const Sqlite2Reader& r) : r_(r), used_(std::size_t(r.pageCount_) + 1, false) {}

    std::vector<Sqlite2Row> readTable(std::uint32_t root, const std::string& table,
                                      std::size_t columns, int rowidColumn) {
        table_ = table;
        columns_ = columns;
        rowidColumn_ = rowidColumn;
        rows_.clear();
        haveLast_ = false;
        if (r_.pageCount_ < kMasterRoot)  // header-only file: nothing at all
            return {};
        descend(root, 0, 0);
        return std::move(rows_);
    }

private:
    std::string where(std::uint32_t page, std::size_t offset) const {
        return "table '" + table_ + "', page " + std::to_string(page) + " offset " + hex(offset) +
               ": ";
    }

    std::uint32_t u32(std::string_view p, std::size_t at) const {
        return r_.bigEndian_ ? be32(p, at) : le32(p, at);
    }
    std::uint16_t u16(std::string_view p, std::size_t at) const {
        return r_.bigEndian_ ? std::uint16_t(byteAt(p, at) << 8 | byteAt(p, at + 1))
                             : std::uint16_t(byteAt(p, at) | byteAt(p, at + 1) << 8);
    }

    std::string_view claim(std::uint32_t page, const std::string& from, const char* what) {
        if (page == 0 || page > r_.pageCount_)
            fail(from + what + " page number " + std::to_string(page) + " is outside the file (" +
                 std::to_string(r_.pageCount_) + " pages)");
        if (page == 1) fail(from + what + " page number points at the header page 1");
        if (used_[page])
            fail(from + what + " page " + std::to_string(page) +
                 " is reached a second time (loop in the page chain or a page shared between "
                 "trees)");
        used_[page] = true;
        return std::string_view(r_.bytes_).substr(std::size_t(page - 1) * kPage, kPage);
    }

    void descend(std::uint32_t page, std::uint32_t parent, int depth) {
        const std::string from = parent ? where(parent, 0) : "table '" + table_ + "': ";
        if (depth > kMaxDepth)
            fail(from + "B-tree is deeper than " + std::to_string(kMaxDepth) + " levels");
        const std::string_view p = claim(page, from, parent ? "child" : "root");
        const std::uint32_t right = u32(p, 0);

        std::bitset<kPage> taken;  // bytes covered by the header and the cells seen so far
        for (std::size_t b = 0; b < kPageHeader; ++b) taken.set(b);
        std::size_t cell = u16(p, 4);
        while (cell != 0) {
            if (cell % 4 != 0 || cell < kPageHeader || cell > kPage - kMinCell)
                fail(where(page, cell) + "cell offset is not a valid position on the page");
            if (taken.test(cell)) fail(where(page, cell) + "cell list loops or cells overlap");
            const std::uint32_t left = u32(p, cell);
            const std::size_t keyLen = u16(p, cell + 4) | std::size_t(byteAt(p, cell + 8)) << 16;
            const std::size_t dataLen = u16(p, cell + 10) | std::size_t(byteAt(p, cell + 9)) << 16;
            if (keyLen != 4)
                fail(where(page, cell) + "table key is " + std::to_string(keyLen) +
                     " bytes, not 4");
            const std::size_t total = keyLen + dataLen;
            const std::size_t size =
                total > kLocalPayload ? kOverflowCell : kCellHeader + (total + 3) / 4 * 4;
            if (cell + size > kPage)
                fail(where(page, cell) + "cell of " + std::to_string(size) +
                     " bytes runs past the end of the page");
            for (std::size_t b = cell; b < cell + size; ++b) {
                if (taken.test(b)) fail(where(page, cell) + "cell overlaps another cell");
                taken.set(b);
            }
            if ((left == 0) != (right == 0))
                fail(where(page, cell) + (right ? "cell on an interior page has no child page"
                                                : "cell on a leaf page has a child page"));
            if (left != 0) descend(left, page, depth + 1);
            emit(p, page, cell, dataLen);
            cell = u16(p, cell + 6);
        }
        checkFreeBlocks(p, page, taken);
        if (right != 0) descend(right, page, depth + 1);
    }

    // The free blocks are not needed to read, but a damaged list is a sign of a damaged page.
    void checkFreeBlocks(std::string_view p, std::uint32_t page,
                         const std::bitset<kPage>& cells) const {
        std::size_t block = u16(p, 6);
        std::size_t end = kPageHeader;
        while (block != 0) {
            if (block % 4 != 0 || block < end || block > kPage - 4)
                fail(where(page, block) + "free block offset is out of order or outside the page");
            const std::size_t size = u16(p, block);
            if (size < 4 || size % 4 != 0 || block + size > kPage)
                fail(where(page, block) + "free block size " + std::to_string(size) +
                     " is invalid");
            for (std::size_t b = block; b < block + size; ++b)
                if (cells.test(b)) fail(where(page, block) + "free block overlaps a cell");
            end = block + size;
            block = u16(p, block + 2);
        }
    }

    void emit(std::string_view p, std::uint32_t page, std::size_t cell, std::size_t dataLen) {
        const std::size_t total = 4 + dataLen;
        std::string assembled;
        std::string_view payload = p.substr(cell + kCellHeader, std::min(total, kLocalPayload));
        if (total > kLocalPayload) {
            std::size_t remaining = total - kLocalPayload;
            // Never allocate more than the file could hold.
            if ((remaining + kOverflowData - 1) / kOverflowData > r_.pageCount_)
                fail(where(page, cell) + "cell claims " + std::to_string(total) +
                     " bytes of payload, more than the whole file holds");
            assembled.reserve(total);
            assembled.append(payload);
            std::uint32_t next = u32(p, cell + kOverflowCell - 4);
            std::uint32_t from = page;
            while (remaining > 0) {
                if (next == 0)
                    fail(where(page, cell) + "overflow chain ends " + std::to_string(remaining) +
                         " bytes before the end of the payload");
                const std::string_view o = claim(next, where(from, 0), "overflow");
                const std::size_t n = std::min(remaining, kOverflowData);
                assembled.append(o.substr(4, n));
                remaining -= n;
                from = next;
                next = u32(o, 0);
            }
            if (next != 0)
                fail(where(from, 0) + "overflow chain goes on past the end of the payload");
            payload = assembled;
        }

        Sqlite2Row row;
        row.rowid = static_cast<std::int32_t>(be32(payload, 0) ^ 0x80000000u);
        if (haveLast_ && row.rowid <= lastRowid_)
            fail(where(page, cell) + "rowid " + std::to_string(row.rowid) + " follows rowid " +
                 std::to_string(lastRowid_) + " (keys out of order)");
        haveLast_ = true;
        lastRowid_ = row.rowid;
        row.values = parseRecord(payload.substr(4), page, cell, row.rowid);
        if (rowidColumn_ >= 0) row.values[rowidColumn_] = std::to_string(row.rowid);
        rows_.push_back(std::move(row));
    }

    std::vector<std::optional<std::string>> parseRecord(std::string_view rec, std::uint32_t page,
                                                        std::size_t cell,
                                                        std::int32_t rowid) const {
        auto bad = [&](const std::string& what) {
            fail(where(page, cell) + "record of rowid " + std::to_string(rowid) + ": " + what);
        };
        const std::size_t len = rec.size();
        if (len == 0) bad("empty record");
        const std::size_t w = len < 256 ? 1 : len < 65536 ? 2 : 3;
        auto offsetAt = [&](std::size_t i) {
            std::size_t v = 0;
            for (std::size_t b = 0; b < w; ++b) v |= std::size_t(byteAt(rec, i * w + b)) << (8 * b);
            return v;
        };
        const std::size_t first = offsetAt(0);
        if (first < w || first % w != 0 || first > len)
            bad("first field offset " + std::to_string(first) + " is invalid");
        const std::size_t fields = first / w - 1;
        if (fields > columns_)
            bad(std::to_string(fields) + " fields, but the table declares " +
                std::to_string(columns_) + " columns");
        std::vector<std::optional<std::string>> values(
            columns_);  // missing trailing fields are NULL
        std::size_t start = first;
        for (std::size_t i = 0; i < fields; ++i) {
            const std::size_t end = offsetAt(i + 1);
            if (end < start || end > len)
                bad("field " + std::to_string(i) + " offset " + std::to_string(end) +
                    " is out of order or past the end");
            if (end > start) {
                if (rec[end - 1] != '\0')
                    bad("field " + std::to_string(i) + " is not terminated by a zero byte");
                // The old library hands values out as C strings, so a stray zero byte ends one.
                std::string_view v = rec.substr(start, end - start - 1);
                values[i] = std::string(v.substr(0, v.find('\0')));
            }
            start = end;
        }
        if (start != len)
            bad("fields end at " + std::to_string(start) + " but the record is " +
                std::to_string(len) + " bytes");
        return values;
    }

    const Sqlite2Reader& r_;
    std::vector<bool> used_;
    std::string table_;
    std::size_t columns_ = 0;
    int rowidColumn_ = -1;
    std::vector<Sqlite2Row> rows_;
    bool haveLast_ = false;
    std::int32_t lastRowid_ = 0;
};

namespace {

const std::vector<std::string> kMasterColumns{"type", "name", "tbl_name", "rootpage", "sql"};
const char kMasterSql[] =
    "create table sqlite_master(type text, name text, tbl_name text, rootpage integer, sql text)";

std::uint32_t parseRootPage(const std::optional<std::string>& text, const std::string& table) {
    if (!text || text->empty() || text->size() > 10 ||
        !std::all_of(text->begin(), text->end(), [](char c) { return c >= '0' && c <= '9'; }))
        fail("sqlite_master: table '" + table + "' has rootpage '" + text.value_or("NULL") +
             "', not a page number");
    const unsigned long long v = std::stoull(*text);
    if (v > std::numeric_limits<std::uint32_t>::max())
        fail("sqlite_master: table '" + table + "' has rootpage " + *text + ", not a page number");
    return static_cast<std::uint32_t>(v);
}

}  // namespace

Sqlite2Table Sqlite2Reader::masterTable() const {
    Walk walk(*this);
    Sqlite2Table t{"sqlite_master", kMasterSql, kMasterColumns, kMasterRoot, {}};
    t.rows = walk.readTable(kMasterRoot, t.name, t.columns.size(), -1);
    return t;
}

std::vector<Sqlite2Table> Sqlite2Reader::tables() const {
    Walk walk(*this);  // one walk for all trees: no page may belong to two of them
    const auto master = walk.readTable(kMasterRoot, "sqlite_master", kMasterColumns.size(), -1);
    std::vector<Sqlite2Table> out;
    for (const auto& row : master) {
        if (row.values[0] != "table") continue;
        const std::string rowTag = "sqlite_master rowid " + std::to_string(row.rowid);
        if (!row.values[1]) fail(rowTag + ": table without a name");
        Sqlite2Table t;
        t.name = *row.values[1];
        if (!row.values[4]) fail(rowTag + ": table '" + t.name + "' has no create statement");
        t.createSql = *row.values[4];
        t.rootPage = parseRootPage(row.values[3], t.name);
        int rowidColumn = -1;
        try {
            t.columns = parseCreateTableColumns(t.createSql, rowidColumn);
        } catch (const LegacyFormatError& e) {
            fail(rowTag + ": table '" + t.name + "': " + e.what());
        }
        t.rows = walk.readTable(t.rootPage, t.name, t.columns.size(), rowidColumn);
        out.push_back(std::move(t));
    }
    return out;
}

std::vector<std::uint32_t> Sqlite2Reader::freePages() const {
    auto u32 = [&](std::size_t at) { return bigEndian_ ? be32(bytes_, at) : le32(bytes_, at); };
    const std::uint32_t expected = u32(kFreeCountOffset);
    std::vector<std::uint32_t> out;
    std::vector<bool> seen(std::size_t(pageCount_) + 1, false);
    auto take = [&](std::uint32_t page, const std::string& from) {
        if (page < 2 || page > pageCount_)
            fail(from + "free page number " + std::to_string(page) + " is outside the file (" +
                 std::to_string(pageCount_) + " pages) or is a fixed page");
        if (seen[page])
            fail(from + "free page " + std::to_string(page) +
                 " is listed twice (loop in the free list?)");
        if (out.size() >= expected)
            fail(from + "free list holds more pages than the " + std::to_string(expected) +
                 " counted at offset 56 of page 1");
        seen[page] = true;
        out.push_back(page);
    };
    std::uint32_t trunk = u32(kFreeListOffset);
    std::string from = "free list (page 1 offset 52): ";
    while (trunk != 0) {
        take(trunk, from);
        const std::size_t base = std::size_t(trunk - 1) * kPage;
        const std::uint32_t next = u32(base);
        const std::uint32_t leaves = u32(base + 4);
        from = "free-list trunk page " + std::to_string(trunk) + ": ";
        if (leaves > kMaxTrunkLeaves)
            fail(from + "claims " + std::to_string(leaves) + " leaf pages, at most " +
                 std::to_string(kMaxTrunkLeaves) + " fit");
        for (std::uint32_t i = 0; i < leaves; ++i) take(u32(base + 8 + 4 * std::size_t(i)), from);
        trunk = next;
    }
    if (out.size() != expected)
        fail("free list holds " + std::to_string(out.size()) + " pages, page 1 offset 56 counts " +
             std::to_string(expected));
    return out;
}

}  // namespace formats
