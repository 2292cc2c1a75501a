#include "db/value_codec.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "db/errors.h"
#include "db/text.h"

namespace db {
namespace {

constexpr double kMsPerDay = 86400000.0;

std::string bytesOf(std::int32_t v) {
    std::string out(4, '\0');
    std::memcpy(out.data(), &v, 4);
    return out;
}

std::string bytesOf(double v) {
    std::string out(8, '\0');
    std::memcpy(out.data(), &v, 8);
    return out;
}

[[noreturn]] void notA(std::string_view text, const char* what) {
    throw ConvertError("'" + std::string(text) + "' is not a valid " + what);
}

// Reads `count` digits at `pos` (0-based); false when they are not all digits.
bool digitsAt(std::string_view text, std::size_t pos, std::size_t count, int& value) {
    if (pos + count > text.size()) return false;
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// "hh:nn[:ss[.zzz]]" at `pos`, whole rest of the text; milliseconds of the day.
bool parseTimeOfDay(std::string_view text, std::size_t pos, std::int32_t& ms) {
    int h = 0, n = 0, s = 0, z = 0;
    if (!digitsAt(text, pos, 2, h) || pos + 2 >= text.size() || text[pos + 2] != ':' ||
        !digitsAt(text, pos + 3, 2, n)) {
        return false;
    }
    std::size_t end = pos + 5;
    if (end < text.size()) {
        if (text[end] != ':' || !digitsAt(text, end + 1, 2, s)) return false;
        end += 3;
        if (end < text.size()) {
            if (text[end] != '.' || !digitsAt(text, end + 1, 3, z)) return false;
            end += 4;
        }
    }
    if (end != text.size() || h > 23 || n > 59 || s > 59) return false;
    ms = ((h * 60 + n) * 60 + s) * 1000 + z;
    return true;
}

int daysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

bool parseDate(std::string_view text, std::int32_t& day) {
    int y = 0, m = 0, d = 0;
    if (!digitsAt(text, 0, 4, y) || text.size() < 10 || text[4] != '-' || text[7] != '-' ||
        !digitsAt(text, 5, 2, m) || !digitsAt(text, 8, 2, d)) {
        return false;
    }
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return false;
    day = dayNumber(y, m, d);
    return true;
}

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string dateText(std::int32_t day) {
    int y = 0, m = 0, d = 0;
    civilFromDayNumber(day, y, m, d);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

std::string timeText(std::int64_t ms) {
    std::string out = twoDigits(static_cast<int>(ms / 3600000)) + ":" +
                      twoDigits(static_cast<int>(ms / 60000 % 60)) + ":" +
                      twoDigits(static_cast<int>(ms / 1000 % 60));
    if (ms % 1000 != 0) {
        char buf[8];
        std::snprintf(buf, sizeof buf, ".%03d", static_cast<int>(ms % 1000));
        out += buf;
    }
    return out;
}

// Numbers are written and read with "." whatever the process locale is: the engine's
// texts never carry a locale's decimal comma.
std::string floatText(double v) {
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::string(buf, result.ptr);
}

}  // namespace

std::int32_t dayNumber(int y, int m, int d) {
    // Days from civil (proleptic Gregorian), counted from 1970-01-01.
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days1970 = era * 146097L + static_cast<long>(doe) - 719468L;
    return static_cast<std::int32_t>(days1970 + 719162L + 1);
}

void civilFromDayNumber(std::int32_t dayNumber, int& year, int& month, int& day) {
    long z = static_cast<long>(dayNumber) - 1 - 719162L + 719468L;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long>(yoe) + era * 400 + (month <= 2));
}

double parseSqliteDateTime(std::string_view text) {
    const std::size_t n = charCount(text);
    if (n < 10) return 0;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, z = 0;
    digitsAt(text, 0, 4, y);
    digitsAt(text, 5, 2, mo);
    digitsAt(text, 8, 2, d);
    if (n > 10) {
        digitsAt(text, 11, 2, h);
        digitsAt(text, 14, 2, mi);
    }
    if (n > 16) digitsAt(text, 17, 2, s);
    if (n > 19) digitsAt(text, 20, 3, z);
    if (y < 1 || mo < 1 || mo > 12 || d < 1) return 0;
    return dayNumber(y, mo, d) * kMsPerDay + ((h * 60.0 + mi) * 60 + s) * 1000 + z;
}

std::int32_t decodeInt32(std::string_view bytes) {
    std::int32_t v = 0;
    if (bytes.size() == 4) std::memcpy(&v, bytes.data(), 4);
    return v;
}

double decodeDouble(std::string_view bytes) {
    double v = 0;
    if (bytes.size() == 8) std::memcpy(&v, bytes.data(), 8);
    return v;
}

double parseFloat(std::string_view text) {
    const std::string t = trimBlanks(text);
    if (t.empty()) notA(text, "floating point value");
    const char* first = t.data();
    const char* const last = t.data() + t.size();
    if (*first == '+' && t.size() > 1 && t[1] != '-') ++first;
    double v = 0;
    const auto result = std::from_chars(first, last, v, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(v)) {
        notA(text, "floating point value");
    }
    return v;
}

bool parseBoolean(std::string_view text) {
    const std::string t = lowerAscii(trimBlanks(text));
    return t == "1" || t == "true" || t == "t" || t == "yes" || t == "y";
}

std::string encodeValue(FieldKind kind, std::string_view text, bool sqliteDateFormat) {
    switch (kind) {
        case FieldKind::String:
        case FieldKind::Blob:
        case FieldKind::Memo:
        case FieldKind::Graphic:
            return std::string(text);
        case FieldKind::Integer:
            return bytesOf(toInteger(text));
        case FieldKind::Float:
        case FieldKind::Currency:
            return bytesOf(parseFloat(text));
        case FieldKind::Boolean:
            return std::string(1, parseBoolean(text) ? '\1' : '\0');
        case FieldKind::Date: {
            std::int32_t day = 0;
            if (!text.empty() &&
                !parseDate(text.substr(0, std::min<std::size_t>(10, text.size())), day)) {
                notA(text, "date");
            }
            return bytesOf(day);
        }
        case FieldKind::Time: {
            std::int32_t ms = 0;
            if (!text.empty() && !parseTimeOfDay(text, 0, ms)) notA(text, "time");
            return bytesOf(ms);
        }
        case FieldKind::DateTime: {
            if (sqliteDateFormat) {
                // A day past its month's end (2023-02-30) is refused, never rolled over.
                int y = 0, mo = 0, d = 0;
                if (charCount(text) >= 10 && digitsAt(text, 0, 4, y) && digitsAt(text, 5, 2, mo) &&
                    digitsAt(text, 8, 2, d) && y >= 1 && mo >= 1 && mo <= 12 &&
                    d > daysInMonth(y, mo)) {
                    notA(text, "date and time");
                }
                return bytesOf(parseSqliteDateTime(text));
            }
            if (text.empty()) return bytesOf(0.0);
            std::int32_t day = 0, ms = 0;
            if (!parseDate(text.substr(0, std::min<std::size_t>(10, text.size())), day) ||
                (text.size() > 10 && (text[10] != ' ' || !parseTimeOfDay(text, 11, ms)))) {
                notA(text, "date and time");
            }
            return bytesOf(day * kMsPerDay + ms);
        }
    }
    return std::string(text);
}

std::string valueText(FieldKind kind, std::string_view bytes) {
    if (bytes.empty()) return {};
    switch (kind) {
        case FieldKind::String:
        case FieldKind::Blob:
        case FieldKind::Memo:
        case FieldKind::Graphic:
            return std::string(bytes);
        case FieldKind::Integer:
            return std::to_string(decodeInt32(bytes));
        case FieldKind::Float:
        case FieldKind::Currency:
            return floatText(decodeDouble(bytes));
        case FieldKind::Boolean:
            return bytes[0] ? "True" : "False";
        case FieldKind::Date: {
            const std::int32_t day = decodeInt32(bytes);
            return day == 0 ? std::string() : dateText(day);
        }
        case FieldKind::Time:
            return timeText(decodeInt32(bytes));
        case FieldKind::DateTime: {
            const double ms = decodeDouble(bytes);
            if (ms <= 0) return {};
            const auto day = static_cast<std::int32_t>(ms / kMsPerDay);
            const auto rest = static_cast<std::int64_t>(ms - day * kMsPerDay);
            return dateText(day) + " " + timeText(rest);
        }
    }
    return std::string(bytes);
}

}  // namespace db
