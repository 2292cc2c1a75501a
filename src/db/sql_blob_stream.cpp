#include "db/sql_blob_stream.h"

#include <algorithm>
#include <cstring>

#include "db/errors.h"
#include "db/field.h"
#include "db/sql_dataset.h"

namespace db {

SqlBlobStream::SqlBlobStream(Field& field, BlobMode mode)
    : dataset_(&field.dataset()),
      field_(field.index()),
      bookmark_(dataset_->bookmark()),
      mode_(mode) {
    if (!isBlobKind(field.dataType())) {
        throw DatabaseError(dataset_->name() + ": Field '" + field.fieldName() +
                            "' is not a blob, memo or graphic field");
    }
    if (bookmark_ < 0) throw DatabaseError("No Records");
    if (mode_ != BlobMode::Write) data_ = std::string(dataset_->currentBytes(field_));
    dataset_->blobStreams_.push_back(this);
}

SqlBlobStream::~SqlBlobStream() {
    if (!dataset_) return;
    auto& list = dataset_->blobStreams_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (modified_) dataset_->replaceField(bookmark_, field_, data_);
}

void SqlBlobStream::requireWritable() const {
    if (mode_ == BlobMode::Read) throw DatabaseError("Cannot modify a read-only blob stream");
}

std::size_t SqlBlobStream::read(void* buffer, std::size_t count) {
    const std::size_t n = position_ < data_.size() ? std::min(count, data_.size() - position_) : 0;
    if (n) std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t SqlBlobStream::write(const void* buffer, std::size_t count) {
    requireWritable();
    if (count == 0) return 0;
    if (position_ + count > data_.size()) data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, buffer, count);
    position_ += count;
    modified_ = true;
    return count;
}

std::size_t SqlBlobStream::seek(std::int64_t offset, Origin origin) {
    std::int64_t base = 0;
    if (origin == Origin::Current) base = static_cast<std::int64_t>(position_);
    if (origin == Origin::End) base = static_cast<std::int64_t>(data_.size());
    const std::int64_t size = static_cast<std::int64_t>(data_.size());
    std::int64_t target = 0;
    if (offset > 0 && base > size - offset) {
        target = size;
    } else if (offset < 0 && base + offset < 0) {
        target = 0;
    } else {
        target = std::clamp<std::int64_t>(base + offset, 0, size);
    }
    position_ = static_cast<std::size_t>(target);
    return position_;
}

void SqlBlobStream::setSize(std::size_t size) {
    requireWritable();
    data_.resize(size);
    position_ = std::min(position_, size);
    modified_ = true;
}

}  // namespace db
