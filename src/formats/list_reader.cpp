#include "formats/list_reader.h"

#include "model/traffic.h"
#include "model/wagons.h"

#include <algorithm>

#include "db/case_fold.h"
#include "db/text.h"
#include "model/messages.h"
#include "model/name_key.h"

namespace formats {

using model::message;
namespace {

std::string joined(const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ";" : "") + values[i];
    return out;
}

}  // namespace

const std::vector<std::vector<std::string>>& headerVariants(model::List list) {
    // Every language's header, the exported Polish one first; every variant lists the
    // columns in the order of the list's first header.
    static const std::array<std::vector<std::vector<std::string>>, model::kListCount> variants =
        [] {
            std::array<std::vector<std::vector<std::string>>, model::kListCount> out;
            for (model::List l : model::kExchangedLists) {
                auto& of = out[static_cast<std::size_t>(l)];
                for (model::Language language : model::kLanguages)
                    of.push_back(csvHeader(l, language));
            }
            // American spreadsheets write "Color".
            out[static_cast<std::size_t>(model::List::Stations)].push_back({"Station", "Color"});
            return out;
        }();
    return variants[static_cast<std::size_t>(list)];
}

std::optional<HeaderMatch> matchHeader(const std::vector<std::string>& names) {
    std::vector<std::string> keys;
    for (const std::string& n : names) keys.push_back(model::nameKey(n));
    while (!keys.empty() && keys.back().empty()) keys.pop_back();
    for (model::List list : model::kExchangedLists) {
        for (const auto& variant : headerVariants(list)) {
            if (variant.size() != keys.size()) continue;
            HeaderMatch match{list, {}};
            for (const std::string& wanted : variant) {
                const std::string key = model::nameKey(wanted);
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
    for (std::size_t l = 0; l < model::kListCount; ++l) before_[l] = data_.rows[l].size();
}

std::string placeOfRow(const std::string& source, long line) {
    return line > 0 ? message("listy", QT_TRANSLATE_NOOP("listy", "%1, wiersz %2"),
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
    for (std::size_t l = 0; l < model::kListCount; ++l) data_.rows[l].resize(before_[l]);
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
            for (model::List l : model::kExchangedLists)
                expected += "\n    " + joined(csvHeader(l, model::messageLanguage()));
            refuse(line,
                   message("listy",
                           QT_TRANSLATE_NOOP(
                               "listy", "nieznany wiersz nagłówka %1; oczekiwano jednego z:%2"),
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
                refuse(line, message("listy",
                                     QT_TRANSLATE_NOOP("listy", "brak kolumny %1 (jest %2 z %3)"),
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
            refuse(line, message("listy",
                                 QT_TRANSLATE_NOOP("listy", "za dużo kolumn (%1, oczekiwano %2)"),
                                 {std::to_string(f.size()), std::to_string(columns)}));
            return true;
        }
        f.resize(columns);
    }
    std::vector<std::string> values;
    values.reserve(columns);
    for (std::size_t c = 0; c < columns; ++c) values.push_back(std::move(f[places_[c]]));
    switch (*list_) {
        case model::List::Stations: {
            if (values[0].empty()) {
                refuse(line, message("listy", QT_TRANSLATE_NOOP("listy", "pusta nazwa stacji")));
                return true;
            }
            const auto colour = colourFromText(values[1]);
            if (!colour) {
                refuse(line,
                       message(
                           "listy",
                           QT_TRANSLATE_NOOP(
                               "listy",
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
        case model::List::Parties:
        case model::List::Loads:
            if (values[0].empty()) {
                refuse(line, message("listy", QT_TRANSLATE_NOOP("listy", "pusta nazwa")));
                return true;
            }
            break;
        case model::List::Waybills:
            break;
        case model::List::Wagons: {
            if (values[0].empty()) {
                refuse(line, message("listy", QT_TRANSLATE_NOOP("listy", "pusty numer wagonu")));
                return true;
            }
            const auto speed = model::speedFromText(values[5]);
            if (!speed) {
                refuse(line,
                       message("listy",
                               QT_TRANSLATE_NOOP(
                                   "listy", "nieznany znak prędkości %1 (dozwolone: puste, s, ss)"),
                               {inQuotes(values[5])}));
                return true;
            }
            values[5] = std::string(model::speedText(*speed));
            break;
        }
        case model::List::Relations:
        case model::List::Places: {
            const bool relation = *list_ == model::List::Relations;
            const std::size_t count = relation ? 6 : 2;
            const int high = relation ? model::kMaxPerWeek : model::kMaxPlaces;
            int n = 0;
            try {
                n = db::toInteger(values[count]);
            } catch (const std::exception&) {
                n = 0;
            }
            if (values[0].empty()) {
                refuse(line, message("listy", QT_TRANSLATE_NOOP("listy", "pusta nazwa")));
                return true;
            }
            if (n < 1 || n > high) {
                refuse(
                    line,
                    message(
                        "listy",
                        QT_TRANSLATE_NOOP("listy", "%1 musi być liczbą od 1 do %2, a jest %3"),
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
        refuse(0, message("listy",
                          QT_TRANSLATE_NOOP("listy", "plik jest pusty (brak wiersza nagłówka)")));
        return;
    }
    if (rows_ == 0) {
        report_.notes.push_back(message(
            "listy",
            QT_TRANSLATE_NOOP(
                "listy", "%1: plik zawiera tylko wiersz nagłówka (%2), brak wierszy do dodania"),
            {source_, message("listy", model::namesOf(*list_).title)}));
    }
}

}  // namespace formats
