#include "store/list_reader.h"

#include "store/traffic.h"
#include "store/wagons.h"

#include <algorithm>

#include "db/case_fold.h"
#include "db/text.h"
#include "store/messages.h"

namespace store {
namespace {

std::string joined(const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ";" : "") + values[i];
    return out;
}

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

std::string headerKey(std::string_view name) {
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

const std::vector<std::vector<std::string>>& headerVariants(ExchangeList list) {
    // Every language's header, the exported Polish one first; every variant lists the
    // columns in the order of the list's first header.
    static const std::array<std::vector<std::vector<std::string>>, kListCount> variants = [] {
        std::array<std::vector<std::vector<std::string>>, kListCount> out;
        for (ExchangeList l : kAllExchangeLists) {
            auto& of = out[static_cast<std::size_t>(l)];
            for (Language language : kLanguages) of.push_back(csvHeader(l, language));
        }
        // American spreadsheets write "Color".
        out[static_cast<std::size_t>(ExchangeList::Stations)].push_back({"Station", "Color"});
        return out;
    }();
    return variants[static_cast<std::size_t>(list)];
}

std::optional<HeaderMatch> matchHeader(const std::vector<std::string>& names) {
    std::vector<std::string> keys;
    for (const std::string& n : names) keys.push_back(headerKey(n));
    while (!keys.empty() && keys.back().empty()) keys.pop_back();
    for (ExchangeList list : kAllExchangeLists) {
        for (const auto& variant : headerVariants(list)) {
            if (variant.size() != keys.size()) continue;
            HeaderMatch match{list, {}};
            for (const std::string& wanted : variant) {
                const std::string key = headerKey(wanted);
                const auto found = std::find(keys.begin(), keys.end(), key);
                if (found == keys.end()) break;
                const auto place = static_cast<std::size_t>(found - keys.begin());
                if (std::find(match.places.begin(), match.places.end(), place) !=
                    match.places.end())
                    break;
                match.places.push_back(place);
            }
            if (match.places.size() == variant.size()) return match;
        }
    }
    return std::nullopt;
}

ListReader::ListReader(std::string source, ExchangeData& data, ExchangeReport& report)
    : source_(std::move(source)), data_(data), report_(report) {
    sourceIndex_ = static_cast<int>(data_.sources.size());
    data_.sources.push_back(source_);
    for (std::size_t l = 0; l < kListCount; ++l) before_[l] = data_.rows[l].size();
}

std::string placeOfRow(const std::string& source, long line) {
    return line > 0 ? message("store", QT_TRANSLATE_NOOP("store", "%1, wiersz %2"),
                              {source, std::to_string(line)})
                    : source;
}

std::string inQuotes(std::string_view text) {
    return "„" + std::string(text) + "”";
}

void ListReader::refuse(long line, const std::string& why) {
    report_.refusals.push_back(placeOfRow(source_, line) + ": " + why);
}

void ListReader::reserve(std::size_t rows) {
    reserve_ = rows;
}

void ListReader::refuseFile(long line, const std::string& why) {
    for (std::size_t l = 0; l < kListCount; ++l) data_.rows[l].resize(before_[l]);
    refuse(line, why);
    refused_ = true;
}

bool ListReader::record(long line, std::vector<std::string>&& f) {
    if (refused_) return false;
    if (!list_) {
        const std::optional<HeaderMatch> match = matchHeader(f);
        if (!match) {
            while (!f.empty() && f.back().empty()) f.pop_back();
            std::string expected;
            // The headers of the language the message speaks (any language's is read).
            for (ExchangeList l : kAllExchangeLists)
                expected += "\n    " + joined(csvHeader(l, messageLanguage()));
            refuse(line,
                   message("store",
                           QT_TRANSLATE_NOOP(
                               "store", "nieznany wiersz nagłówka %1; oczekiwano jednego z:%2"),
                           {inQuotes(joined(f)), expected}));
            refused_ = true;
            return false;
        }
        list_ = match->list;
        places_ = match->places;
        // Messages name a column as the file does.
        for (std::size_t place : places_) names_.push_back(std::string(db::trimBlanks(f[place])));
        if (reserve_) data_.of(*list_).reserve(data_.of(*list_).size() + reserve_);
        return true;
    }
    ++rows_;
    const std::size_t columns = names_.size();
    if (f.size() < columns) {
        // Missing cells at the end: the first column the row lacks.
        for (std::size_t c = 0; c < columns; ++c) {
            if (places_[c] >= f.size()) {
                refuse(line, message("store",
                                     QT_TRANSLATE_NOOP("store", "brak kolumny %1 (jest %2 z %3)"),
                                     {inQuotes(names_[c]), std::to_string(f.size()),
                                      std::to_string(columns)}));
                return true;
            }
        }
    }
    if (f.size() > columns) {
        const bool extraEmpty = std::all_of(f.begin() + static_cast<long>(columns), f.end(),
                                            [](const std::string& v) { return v.empty(); });
        if (!extraEmpty) {
            refuse(line, message("store",
                                 QT_TRANSLATE_NOOP("store", "za dużo kolumn (%1, oczekiwano %2)"),
                                 {std::to_string(f.size()), std::to_string(columns)}));
            return true;
        }
        f.resize(columns);
    }
    std::vector<std::string> values;
    values.reserve(columns);
    for (std::size_t c = 0; c < columns; ++c) values.push_back(std::move(f[places_[c]]));
    switch (*list_) {
        case ExchangeList::Stations: {
            if (values[0].empty()) {
                refuse(line, message("store", QT_TRANSLATE_NOOP("store", "pusta nazwa stacji")));
                return true;
            }
            const auto colour = colourFromText(values[1]);
            if (!colour) {
                refuse(line,
                       message(
                           "store",
                           QT_TRANSLATE_NOOP(
                               "store",
                               "nieznany kolor %1 (dozwolone: clwhite, clred, clyellow, clgreen, "
                               "clblue, "
                               "clblack, clbrown, clorange albo nazwy kolorów po polsku, niemiecku "
                               "lub angielsku)"),
                           {inQuotes(values[1])}));
                return true;
            }
            values[1] = std::string(*colour);
            break;
        }
        case ExchangeList::Parties:
        case ExchangeList::Loads:
            if (values[0].empty()) {
                refuse(line, message("store", QT_TRANSLATE_NOOP("store", "pusta nazwa")));
                return true;
            }
            break;
        case ExchangeList::Waybills:
            break;
        case ExchangeList::Wagons: {
            if (values[0].empty()) {
                refuse(line, message("store", QT_TRANSLATE_NOOP("store", "pusty numer wagonu")));
                return true;
            }
            const auto speed = speedFromText(values[5]);
            if (!speed) {
                refuse(line,
                       message("store",
                               QT_TRANSLATE_NOOP(
                                   "store", "nieznany znak prędkości %1 (dozwolone: puste, s, ss)"),
                               {inQuotes(values[5])}));
                return true;
            }
            values[5] = std::string(speedText(*speed));
            break;
        }
        case ExchangeList::Relations:
        case ExchangeList::Places: {
            const bool relation = *list_ == ExchangeList::Relations;
            const std::size_t count = relation ? 6 : 2;
            const int high = relation ? kMaxPerWeek : kMaxPlaces;
            int n = 0;
            try {
                n = db::toInteger(values[count]);
            } catch (const std::exception&) {
                n = 0;
            }
            if (values[0].empty()) {
                refuse(line, message("store", QT_TRANSLATE_NOOP("store", "pusta nazwa")));
                return true;
            }
            if (n < 1 || n > high) {
                refuse(
                    line,
                    message(
                        "store",
                        QT_TRANSLATE_NOOP("store", "%1 musi być liczbą od 1 do %2, a jest %3"),
                        {inQuotes(names_[count]), std::to_string(high), inQuotes(values[count])}));
                return true;
            }
            values[count] = std::to_string(n);
            break;
        }
    }
    data_.of(*list_).push_back(ExchangeRow{std::move(values), sourceIndex_, line});
    return true;
}

void ListReader::finish() {
    if (refused_) return;
    if (!list_) {
        refuse(0, message("store",
                          QT_TRANSLATE_NOOP("store", "plik jest pusty (brak wiersza nagłówka)")));
        return;
    }
    if (rows_ == 0) {
        report_.notes.push_back(message(
            "store",
            QT_TRANSLATE_NOOP(
                "store", "%1: plik zawiera tylko wiersz nagłówka (%2), brak wierszy do dodania"),
            {source_, message("store", listTitle(*list_))}));
    }
}

}  // namespace store
