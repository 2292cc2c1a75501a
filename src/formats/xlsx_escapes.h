#pragma once
// The escapes of text in an .xlsx file: "_xHHHH_" for a character (control characters are
// stored so), "_x005F_" for a "_" that would otherwise start one.

#include <string>

namespace formats {

// The text an escaped cell text stands for.
std::string unescapeXlsx(const std::string& s);
// The text written so that it reads back as `s`.
std::string escapeXlsx(const std::string& s);

}  // namespace formats
