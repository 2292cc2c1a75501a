#pragma once
// Text helpers shared by the access layer. Texts are UTF-8; lengths and cuts count
// characters (code points) and never split a multi-byte sequence.

#include <cstdint>
#include <string>
#include <string_view>

namespace db {

// Number of code points in a UTF-8 text.
std::size_t charCount(std::string_view text);

// The longest prefix of `text` holding at most `maxChars` code points.
std::string_view cutChars(std::string_view text, std::size_t maxChars);

// The text without leading and trailing blanks and control characters (code <= 32).
std::string trimBlanks(std::string_view text);

// ASCII lower case; other bytes unchanged.
std::string lowerAscii(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

// Appends the UTF-8 form of a code point of the Basic Multilingual Plane.
void appendUtf8(std::string& out, char32_t codePoint);

// The text with every "'" doubled, ready to stand between single quotes in a statement.
std::string doubleQuotes(std::string_view text);

// Decimal conversion of a text to a 32-bit integer: leading blanks and one sign allowed,
// at least one digit, nothing after the digits. Anything else, the empty text included,
// raises ConvertError "'<text>' is not a valid integer value".
std::int32_t toInteger(std::string_view text);
// The same rule, reporting failure instead of raising.
bool tryToInteger(std::string_view text, std::int64_t& value, std::int64_t min, std::int64_t max);

}  // namespace db
