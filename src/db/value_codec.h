#pragma once
// How values of the non-text field kinds are kept in a stored row and shown as text.
// Integers, dates and times are 4 bytes, floating-point values and date-times 8 bytes,
// booleans 1 byte; an empty byte string is NULL and shows as the empty text.

#include <cstdint>
#include <string>
#include <string_view>

#include "db/field.h"

namespace db {

// Converts a column's text to the stored bytes of `kind`; raises ConvertError when the
// text is not a value of that kind. `sqliteDateFormat` reads date-times at fixed positions.
std::string encodeValue(FieldKind kind, std::string_view text, bool sqliteDateFormat);
// The text form of stored bytes.
std::string valueText(FieldKind kind, std::string_view bytes);

std::int32_t decodeInt32(std::string_view bytes);
double decodeDouble(std::string_view bytes);
double parseFloat(std::string_view text);  // ConvertError when not a number
bool parseBoolean(std::string_view text);

// Day number: days since 1 January of year 1, plus one.
std::int32_t dayNumber(int year, int month, int day);
void civilFromDayNumber(std::int32_t dayNumber, int& year, int& month, int& day);
// Milliseconds since 1 January of year 1 for the fixed layout "yyyy-mm-dd hh:nn:ss.zzz";
// missing parts are 0 and a text shorter than 10 characters gives 0.
double parseSqliteDateTime(std::string_view text);

}  // namespace db
