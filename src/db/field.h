#pragma once
// Fields of a query result: the kind, size and precision that a column's declared type
// gives it, and the field object through which the current row's value is read.

#include <cstdint>
#include <string>
#include <string_view>

namespace db {

class SqlDataset;

enum class FieldKind {
    String,
    Integer,
    Float,
    Currency,
    Boolean,
    Date,
    Time,
    DateTime,
    Blob,
    Memo,
    Graphic,
};

struct FieldInfo {
    FieldKind kind = FieldKind::String;
    int size = 255;
    int precision = 0;
};

// The kind, size and precision for a declared type text such as "varchar(20)",
// "numeric(10,2)", "integer" or "varchar[20]" (the last is a text field of size 255).
// A size or precision that is not a number raises ConvertError.
FieldInfo getFieldInfo(std::string_view typeText);

// Width of a field in the fixed record of the result layout (record-size rule); raises
// SqlConfigError "Fieldtype of Field \"<name>\" not supported!" for a kind without one.
int nativeFieldSize(FieldKind kind, int size, const std::string& name);

bool isBlobKind(FieldKind kind);

struct FieldDef {
    std::string name;
    FieldKind kind = FieldKind::String;
    int size = 255;
    int precision = 0;
};

// A column of an open dataset. Reads go to the dataset's current row; with no current row
// every field reads as the empty text.
class Field {
public:
    Field(SqlDataset& dataset, FieldDef def, int index)
        : dataset_(&dataset), def_(std::move(def)), index_(index) {}

    const std::string& fieldName() const { return def_.name; }
    FieldKind dataType() const { return def_.kind; }
    int size() const { return def_.size; }
    int precision() const { return def_.precision; }
    int index() const { return index_; }
    SqlDataset& dataset() const { return *dataset_; }

    std::string asString() const;
    // The text read as a decimal integer; raises ConvertError when it is not one.
    std::int32_t asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    bool isNull() const;

private:
    SqlDataset* dataset_;
    FieldDef def_;
    int index_;
};

}  // namespace db
