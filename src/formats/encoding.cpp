#include "formats/encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "db/text.h"
#include "formats/cp1250.h"

namespace formats {
namespace {

constexpr char16_t kUndefined = 0xFFFD;

// Windows-1252 at 0x80-0x9F; from 0xA0 on it is ISO-8859-1.
constexpr std::array<char16_t, 32> kCp1252Low = {
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020, 0x2021,      // 80
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, 0x017D, kUndefined,  // 88
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013, 0x2014,      // 90
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, 0x017E, 0x0178,      // 98
};

// ISO-8859-2 at 0xA0-0xBF; from 0xC0 on it agrees with Windows-1250.
constexpr std::array<char16_t, 32> kIso88592Mid = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7,  // A0
    0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD, 0x017D, 0x017B,  // A8
    0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E, 0x015B, 0x02C7,  // B0
    0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C,  // B8
};

char32_t cp1250CodePoint(unsigned char b) {
    const std::string utf8 = cp1250ToUtf8(std::string(1, static_cast<char>(b)));
    // Two or three bytes of UTF-8 for one code point of the Basic Multilingual Plane.
    const auto u = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    if (utf8.size() == 2) return (char32_t(u(0) & 0x1F) << 6) | (u(1) & 0x3F);
    return (char32_t(u(0) & 0x0F) << 12) | (char32_t(u(1) & 0x3F) << 6) | (u(2) & 0x3F);
}

// The code point of a byte of 0x80 or above.
char32_t codePoint(Encoding encoding, unsigned char b) {
    switch (encoding) {
        case Encoding::Windows1250:
            return (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98)
                       ? kUndefined
                       : cp1250CodePoint(b);
        case Encoding::Windows1252:
            return b < 0xA0 ? kCp1252Low[b - 0x80] : b;
        case Encoding::Iso88592:
            if (b < 0xA0) return kUndefined;
            return b < 0xC0 ? kIso88592Mid[b - 0xA0] : cp1250CodePoint(b);
        case Encoding::Iso88591:
            return b < 0xA0 ? kUndefined : b;
        case Encoding::Utf8:
            break;
    }
    return kUndefined;
}

// Letters of Polish, German and Danish names; every other letter scores nothing and
// anything else (signs, symbols) counts against the encoding.
constexpr std::u16string_view kNameLetters = u"ąćęłńóśźżĄĆĘŁŃÓŚŹŻäöüßÄÖÜæøåÆØÅéÉ";

bool isLetter(char32_t c) {
    return (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || c == 0x0192;
}

int scoreOf(std::string_view bytes, Encoding encoding) {
    int score = 0;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) continue;
        const char32_t c = codePoint(encoding, b);
        if (kNameLetters.find(static_cast<char16_t>(c)) != std::u16string_view::npos) {
            score += 2;
        } else if (!isLetter(c)) {
            score -= 2;
        }
    }
    return score;
}

}  // namespace

bool isValidUtf8(std::string_view s) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    for (std::size_t i = 0; i < s.size();) {
        // Plain ASCII, the most of any file, eight bytes at a time.
        if (i + 8 <= s.size()) {
            std::uint64_t eight;
            std::memcpy(&eight, s.data() + i, 8);
            if ((eight & 0x8080808080808080u) == 0) {
                i += 8;
                continue;
            }
        }
        const unsigned char c = b(i);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t n;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            n = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 3;
            if (c == 0xE0) lo = 0xA0;
            if (c == 0xED) hi = 0x9F;  // no surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 4;
            if (c == 0xF0) lo = 0x90;
            if (c == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
        } else {
            return false;
        }
        if (i + n > s.size() || b(i + 1) < lo || b(i + 1) > hi) return false;
        for (std::size_t k = 2; k < n; ++k) {
            if ((b(i + k) & 0xC0) != 0x80) return false;
        }
        i += n;
    }
    return true;
}

bool definedIn(Encoding encoding, unsigned char byte) {
    if (byte < 0x80 || encoding == Encoding::Utf8) return true;
    return codePoint(encoding, byte) != kUndefined;
}

std::string toUtf8(std::string_view bytes, Encoding encoding) {
    if (encoding == Encoding::Utf8) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else
            db::appendUtf8(out, codePoint(encoding, b));
    }
    return out;
}

std::vector<Encoding> likelyEncodings(std::string_view bytes) {
    struct Scored {
        Encoding encoding;
        int score;
    };
    std::vector<Scored> scored;
    for (Encoding e : {Encoding::Windows1250, Encoding::Windows1252, Encoding::Iso88592}) {
        const bool usable = std::all_of(bytes.begin(), bytes.end(), [e](char c) {
            return definedIn(e, static_cast<unsigned char>(c));
        });
        if (usable) scored.push_back({e, scoreOf(bytes, e)});
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const Scored& a, const Scored& b) { return a.score > b.score; });
    std::vector<Encoding> out;
    for (const Scored& s : scored) out.push_back(s.encoding);
    return out;
}

}  // namespace formats
