#include "db/text.h"

#include <limits>

#include "db/errors.h"

namespace db {

std::size_t charCount(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

std::string_view cutChars(std::string_view text, std::size_t maxChars) {
    if (text.size() <= maxChars) return text;  // never more characters than bytes
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == maxChars) return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

std::string trimBlanks(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return std::string(text.substr(b, e - b));
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

bool tryToInteger(std::string_view text, std::int64_t& value, std::int64_t min, std::int64_t max) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    // The magnitude is gathered unsigned and checked against the 64-bit range first, so
    // no intermediate value overflows; then the caller's range applies.
    constexpr std::uint64_t kMaxMagnitude = std::numeric_limits<std::int64_t>::max();
    const std::uint64_t limit = negative ? kMaxMagnitude + 1 : kMaxMagnitude;
    std::uint64_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (v > (limit - digit) / 10) return false;
        v = v * 10 + digit;
    }
    const std::int64_t result =
        negative ? (v == kMaxMagnitude + 1 ? std::numeric_limits<std::int64_t>::min()
                                           : -static_cast<std::int64_t>(v))
                 : static_cast<std::int64_t>(v);
    if (result < min || result > max) return false;
    value = result;
    return true;
}

std::int32_t toInteger(std::string_view text) {
    std::int64_t v = 0;
    if (!tryToInteger(text, v, std::numeric_limits<std::int32_t>::min(),
                      std::numeric_limits<std::int32_t>::max())) {
        throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return static_cast<std::int32_t>(v);
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string doubleQuotes(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    for (const char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out;
}

}  // namespace db
