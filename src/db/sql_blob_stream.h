#pragma once
// SqlBlobStream: a byte stream over a blob, memo or graphic field of a dataset's current
// row. It works on its own copy of the field's bytes; when a stream that was written to is
// destroyed, its content is copied back into the stored row (that one field re-encoded).
// Closing or destroying the dataset first detaches its streams: their content then stays
// with the stream and is not written anywhere.

#include <cstddef>
#include <cstdint>
#include <string>

namespace db {

class Field;
class SqlDataset;

enum class BlobMode {
    Read,       // starts with the field's bytes
    Write,      // starts empty
    ReadWrite,  // starts with the field's bytes
};

class SqlBlobStream {
public:
    enum class Origin { Begin, Current, End };

    // DatabaseError when the field is not a blob, memo or graphic field, or when its
    // dataset has no current row.
    SqlBlobStream(Field& field, BlobMode mode);
    SqlBlobStream(const SqlBlobStream&) = delete;
    SqlBlobStream& operator=(const SqlBlobStream&) = delete;
    ~SqlBlobStream();

    // Reads up to `count` bytes from the position; returns the number read.
    std::size_t read(void* buffer, std::size_t count);
    // Writes at the position, growing the stream as needed; marks the stream modified.
    // DatabaseError on a stream opened for reading only.
    std::size_t write(const void* buffer, std::size_t count);
    // Moves the position; the result is kept within 0 .. size(). Returns the new position.
    std::size_t seek(std::int64_t offset, Origin origin);
    // Cuts or grows (with zero bytes) the stream; marks it modified.
    void setSize(std::size_t size);

    std::size_t size() const { return data_.size(); }
    std::size_t position() const { return position_; }
    const std::string& data() const { return data_; }
    bool modified() const { return modified_; }
    BlobMode mode() const { return mode_; }
    // False once the dataset was closed or destroyed.
    bool attached() const { return dataset_ != nullptr; }

private:
    friend class SqlDataset;
    void detach() { dataset_ = nullptr; }
    void requireWritable() const;

    SqlDataset* dataset_;
    int field_;
    std::int32_t bookmark_;
    BlobMode mode_;
    std::string data_;
    std::size_t position_ = 0;
    bool modified_ = false;
};

}  // namespace db
