#include "formats/xlsx_escapes.h"

#include <cctype>

#include "db/text.h"

namespace formats {
namespace {

// The escapes of text in an .xlsx file: "_xHHHH_" for a character (control characters
// are stored so), "_x005F_" for a "_" that would otherwise start one.
bool isEscape(std::string_view s, std::size_t i) {
    if (i + 7 > s.size() || s[i] != '_' || s[i + 1] != 'x' || s[i + 6] != '_') return false;
    for (std::size_t k = i + 2; k < i + 6; ++k) {
        if (!std::isxdigit(static_cast<unsigned char>(s[k]))) return false;
    }
    return true;
}

}  // namespace

std::string unescapeXlsx(const std::string& s) {
    if (s.find("_x") == std::string::npos) return s;
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        if (isEscape(s, i)) {
            db::appendUtf8(out, static_cast<char32_t>(std::stoul(s.substr(i + 2, 4), nullptr, 16)));
            i += 7;
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string escapeXlsx(const std::string& s) {
    if (s.find("_x") == std::string::npos) return s;
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (isEscape(s, i)) out += "_x005F";
        out += s[i];
    }
    return out;
}

}  // namespace formats
