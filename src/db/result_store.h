#pragma once
// ResultStore: every row of an open result, kept compactly. Each row is one byte string
// holding its fields one after another, each as a length (varint) and its bytes; rows live
// in large shared chunks, so a row costs its bytes plus a small fixed index entry.
// Bookmark numbers count 1, 2, 3, ... in arrival order and are never reused in one open.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace db {

class ResultStore {
public:
    // The fixed record size of the result layout (record size + 5); kept for callers that
    // ask for it; rows are not padded to it.
    void setBufSize(std::size_t size) { bufSize_ = size; }
    std::size_t bufSize() const { return bufSize_; }

    // A negative row id is replaced by the row's index.
    void add(std::string_view row, std::int64_t rowId);
    void insert(std::size_t index, std::string_view row, std::int64_t rowId);
    void remove(std::size_t index);  // ignored when out of range
    // Replaces the bytes of one row (its bookmark and row id stay).
    void replace(std::size_t index, std::string_view row);

    std::size_t count() const { return rows_.size(); }
    std::optional<std::string_view> data(std::size_t index) const;
    std::int32_t bookmark(std::size_t index) const;     // -1 when out of range
    std::int64_t rowId(std::size_t index) const;        // -1 when out of range
    long indexOfBookmark(std::int32_t bookmark) const;  // -1 when not found

    // Field `field` of an encoded row; the empty view when the row has fewer fields.
    static std::string_view field(std::string_view row, int field);
    static void appendField(std::string& row, std::string_view bytes);

    // Bytes held for rows and their index, for measurements.
    std::size_t memoryUsed() const;

private:
    struct Row {
        const char* data;
        std::uint32_t size;
        std::int32_t bookmark;
        std::int64_t rowId;
    };
    const char* copyIn(std::string_view row);

    std::vector<Row> rows_;
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t chunksBytes_ = 0;
    std::size_t chunkUsed_ = 0;
    std::size_t chunkCapacity_ = 0;
    std::int32_t bookmarkCounter_ = 0;
    bool bookmarksOrdered_ = true;
    std::size_t bufSize_ = 0;
};

}  // namespace db
