#include "db/field.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "db/errors.h"
#include "db/sql_dataset.h"
#include "db/text.h"
#include "db/value_codec.h"

namespace db {
namespace {

int sizeNumber(std::string_view digits) {
    const int n = toInteger(digits);
    return n < 0 ? 0 : n;
}

}  // namespace

FieldInfo getFieldInfo(std::string_view typeText) {
    FieldInfo info;
    const std::size_t open = typeText.find('(');
    if (open != std::string_view::npos) {
        const std::size_t close = typeText.find(')', open + 1);
        if (close == std::string_view::npos) {
            info.size = 256;
            return info;
        }
        const std::string prefix = lowerAscii(typeText.substr(0, open));
        const std::string_view content = typeText.substr(open + 1, close - open - 1);
        if (prefix == "varchar" || prefix == "char" || prefix == "varchar2") {
            info.size = sizeNumber(content);
        } else if (prefix == "numeric") {
            info.kind = FieldKind::Float;
            std::size_t sep = content.find('.');
            if (sep == std::string_view::npos) sep = content.find(',');
            if (sep == std::string_view::npos) {
                info.size = sizeNumber(content);
            } else {
                info.size = sizeNumber(content.substr(0, sep));
                info.precision = sizeNumber(content.substr(sep + 1, 2));
            }
        }
        return info;
    }
    const std::string t = lowerAscii(typeText);
    if (t == "date") return {FieldKind::Date, 10, 0};
    if (t == "datetime") return {FieldKind::DateTime, 24, 0};
    if (t == "time") return {FieldKind::Time, 12, 0};
    if (t == "integer") return {FieldKind::Integer, 12, 0};
    if (t == "float" || t == "real") return {FieldKind::Float, 12, 0};
    if (t == "boolean" || t == "logical") return {FieldKind::Boolean, 2, 0};
    if (t == "currency" || t == "financial" || t == "money") return {FieldKind::Currency, 10, 0};
    if (t == "blob") return {FieldKind::Blob, 4, 0};
    if (t == "graphic") return {FieldKind::Graphic, 4, 0};
    if (t == "clob" || t == "memo" || t == "longtext") return {FieldKind::Memo, 4, 0};
    return info;  // "text", "string", the empty text and everything else: text of 255
}

int nativeFieldSize(FieldKind kind, int size, const std::string& name) {
    switch (kind) {
        case FieldKind::String:
            return size;
        case FieldKind::DateTime:
            return 20;
        case FieldKind::Integer:
        case FieldKind::Boolean:
        case FieldKind::Float:
        case FieldKind::Currency:
        case FieldKind::Date:
        case FieldKind::Time:
        case FieldKind::Blob:
        case FieldKind::Memo:
        case FieldKind::Graphic:
            return 12;
    }
    throw SqlConfigError("Fieldtype of Field \"" + name + "\" not supported!");
}

bool isBlobKind(FieldKind kind) {
    return kind == FieldKind::Blob || kind == FieldKind::Memo || kind == FieldKind::Graphic;
}

std::string Field::asString() const {
    return valueText(def_.kind, dataset_->currentBytes(index_));
}

std::int32_t Field::asInteger() const {
    const std::string_view bytes = dataset_->currentBytes(index_);
    if (def_.kind == FieldKind::Integer && bytes.size() == 4) return decodeInt32(bytes);
    return toInteger(valueText(def_.kind, bytes));
}

double Field::asFloat() const {
    const std::string_view bytes = dataset_->currentBytes(index_);
    switch (def_.kind) {
        case FieldKind::Float:
        case FieldKind::Currency:
        case FieldKind::DateTime:
            return bytes.size() == 8 ? decodeDouble(bytes) : 0.0;
        case FieldKind::Integer:
        case FieldKind::Date:
        case FieldKind::Time:
            return bytes.size() == 4 ? decodeInt32(bytes) : 0;
        default:
            return parseFloat(valueText(def_.kind, bytes));
    }
}

bool Field::asBoolean() const {
    const std::string_view bytes = dataset_->currentBytes(index_);
    if (def_.kind == FieldKind::Boolean) return !bytes.empty() && bytes[0] != 0;
    return parseBoolean(bytes);
}

bool Field::isNull() const {
    return dataset_->currentBytes(index_).empty();
}

}  // namespace db
