#include "db/case_fold.h"

#include <cstdint>

#include "db/text.h"

namespace db {
namespace {

char32_t lowerCodePoint(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c < 0xC0) return c;
    if (c <= 0xDE) return c == 0xD7 ? c : c + 0x20;            // Latin-1 capitals, not "×"
    if (c == 0x130) return 'i';                                // İ
    if (c >= 0x100 && c <= 0x137) return c | 1;                // pairs: capital even, small odd
    if (c >= 0x139 && c <= 0x148) return (c & 1) ? c + 1 : c;  // capital odd, small even
    if (c >= 0x14A && c <= 0x177) return c | 1;
    if (c == 0x178) return 0xFF;                                  // Ÿ
    if (c >= 0x179 && c <= 0x17E) return (c & 1) ? c + 1 : c;     // Ź Ż Ž
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;  // Greek
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;                // Cyrillic Ѐ..Џ
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                // Cyrillic А..Я
    return c;
}

}  // namespace

std::string foldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out += static_cast<char>(lowerCodePoint(b0));
            ++i;
            continue;
        }
        // Only two-byte sequences hold letters of the folded ranges; everything else is
        // copied unchanged.
        if ((b0 & 0xE0) == 0xC0 && b0 >= 0xC2 && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = (static_cast<char32_t>(b0 & 0x1F) << 6) |
                               (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            appendUtf8(out, lowerCodePoint(c));
            i += 2;
            continue;
        }
        out += text[i++];
    }
    return out;
}

bool equalsFoldCase(std::string_view a, std::string_view b) {
    if (a == b) return true;
    return foldCase(a) == foldCase(b);
}

}  // namespace db
