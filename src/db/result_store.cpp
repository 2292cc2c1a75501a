#include "db/result_store.h"

#include <algorithm>
#include <cstring>

namespace db {
namespace {
constexpr std::size_t kChunkSize = 64 * 1024;
}

const char* ResultStore::copyIn(std::string_view row) {
    if (row.empty()) return nullptr;
    if (row.size() > chunkCapacity_ - chunkUsed_) {
        const std::size_t size = std::max(kChunkSize, row.size());
        chunks_.push_back(std::make_unique<char[]>(size));
        chunksBytes_ += size;
        chunkCapacity_ = size;
        chunkUsed_ = 0;
    }
    char* dest = chunks_.back().get() + chunkUsed_;
    std::memcpy(dest, row.data(), row.size());
    chunkUsed_ += row.size();
    return dest;
}

void ResultStore::add(std::string_view row, std::int64_t rowId) {
    if (rowId < 0) rowId = static_cast<std::int64_t>(rows_.size());
    rows_.push_back(
        Row{copyIn(row), static_cast<std::uint32_t>(row.size()), ++bookmarkCounter_, rowId});
}

void ResultStore::insert(std::size_t index, std::string_view row, std::int64_t rowId) {
    if (index >= rows_.size()) {
        add(row, rowId);
        return;
    }
    if (rowId < 0) rowId = static_cast<std::int64_t>(index);
    rows_.insert(
        rows_.begin() + static_cast<long>(index),
        Row{copyIn(row), static_cast<std::uint32_t>(row.size()), ++bookmarkCounter_, rowId});
    bookmarksOrdered_ = false;
}

void ResultStore::remove(std::size_t index) {
    if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<long>(index));
}

void ResultStore::replace(std::size_t index, std::string_view row) {
    if (index >= rows_.size()) return;
    rows_[index].data = copyIn(row);
    rows_[index].size = static_cast<std::uint32_t>(row.size());
}

std::optional<std::string_view> ResultStore::data(std::size_t index) const {
    if (index >= rows_.size()) return std::nullopt;
    const Row& r = rows_[index];
    return std::string_view(r.data ? r.data : "", r.size);
}

std::int32_t ResultStore::bookmark(std::size_t index) const {
    return index < rows_.size() ? rows_[index].bookmark : -1;
}

std::int64_t ResultStore::rowId(std::size_t index) const {
    return index < rows_.size() ? rows_[index].rowId : -1;
}

long ResultStore::indexOfBookmark(std::int32_t bookmark) const {
    if (bookmarksOrdered_) {
        auto it = std::lower_bound(rows_.begin(), rows_.end(), bookmark,
                                   [](const Row& r, std::int32_t b) { return r.bookmark < b; });
        if (it != rows_.end() && it->bookmark == bookmark) return it - rows_.begin();
        return -1;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].bookmark == bookmark) return static_cast<long>(i);
    }
    return -1;
}

void ResultStore::appendField(std::string& row, std::string_view bytes) {
    std::size_t n = bytes.size();
    while (n >= 0x80) {
        row.push_back(static_cast<char>((n & 0x7F) | 0x80));
        n >>= 7;
    }
    row.push_back(static_cast<char>(n));
    row.append(bytes.data(), bytes.size());
}

std::string_view ResultStore::field(std::string_view row, int field) {
    std::size_t pos = 0;
    for (int i = 0;; ++i) {
        std::size_t n = 0;
        int shift = 0;
        for (;;) {
            if (pos >= row.size()) return {};
            const auto byte = static_cast<unsigned char>(row[pos++]);
            n |= static_cast<std::size_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0) break;
            shift += 7;
        }
        if (n > row.size() - pos) return {};
        if (i == field) return row.substr(pos, n);
        pos += n;
    }
}

std::size_t ResultStore::memoryUsed() const {
    return chunksBytes_ + rows_.capacity() * sizeof(Row) + chunks_.capacity() * sizeof(void*);
}

}  // namespace db
