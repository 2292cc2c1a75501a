#include "model/name_key.h"

#include "db/case_fold.h"
#include "db/text.h"

namespace model {
namespace {

// The base letter of a small letter of Latin-1 or Latin Extended-A (after case folding),
// or nothing when it has none.
std::string_view baseLetter(char32_t c) {
    if (c >= 0xE0 && c <= 0xFF) {
        static constexpr std::string_view kLatin1[] = {
            "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
            "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};
        return kLatin1[c - 0xE0];
    }
    if (c == 0xDF) return "ss";
    if (c < 0x100 || c > 0x17F) return {};
    struct Range {
        char32_t last;
        std::string_view base;
    };
    static constexpr Range kExtendedA[] = {
        {0x105, "a"}, {0x10D, "c"},  {0x111, "d"}, {0x11B, "e"}, {0x123, "g"}, {0x127, "h"},
        {0x131, "i"}, {0x133, "ij"}, {0x135, "j"}, {0x138, "k"}, {0x142, "l"}, {0x14B, "n"},
        {0x151, "o"}, {0x153, "oe"}, {0x159, "r"}, {0x161, "s"}, {0x167, "t"}, {0x173, "u"},
        {0x175, "w"}, {0x178, "y"},  {0x17E, "z"}, {0x17F, "s"}};
    for (const Range& r : kExtendedA) {
        if (c <= r.last) return r.base;
    }
    return {};
}

}  // namespace

std::string nameKey(std::string_view name) {
    const std::string folded = db::foldCase(db::trimBlanks(name));
    std::string base;
    base.reserve(folded.size());
    bool blank = false;
    for (std::size_t i = 0; i < folded.size();) {
        const auto b0 = static_cast<unsigned char>(folded[i]);
        if (b0 <= ' ') {
            blank = true;
            ++i;
            continue;
        }
        // "Versender / Empfänger" is "Versender/Empfänger".
        if (b0 == '/' || (!base.empty() && base.back() == '/')) blank = false;
        if (blank) base += ' ';
        blank = false;
        if ((b0 & 0xE0) == 0xC0 && i + 1 < folded.size()) {
            const char32_t c =
                (char32_t(b0 & 0x1F) << 6) | (static_cast<unsigned char>(folded[i + 1]) & 0x3F);
            const std::string_view letter = baseLetter(c);
            if (!letter.empty()) {
                base += letter;
                i += 2;
                continue;
            }
        }
        base += folded[i++];
    }
    // German written without umlauts: "Empfaenger" is "Empfänger" (whose ä became a).
    std::string out;
    out.reserve(base.size());
    for (std::size_t i = 0; i < base.size(); ++i) {
        out += base[i];
        const char c = base[i];
        if ((c == 'a' || c == 'o' || c == 'u') && i + 1 < base.size() && base[i + 1] == 'e') ++i;
    }
    return out;
}

}  // namespace model
