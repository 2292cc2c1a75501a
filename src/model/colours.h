#pragma once
// The FREMO freight colour table: eight colour codes, each with the label of the stations
// window's colour list (Polish, shown in the chosen language: context "model::FremoColour"), the
// colour name stored in stacje.kolor, and the colour it stands for on screen and on paper.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/messages.h"

namespace model {

struct FremoColour {
    int index;
    std::string_view label;  // UTF-8
    std::string_view name;   // as stored in stacje.kolor
    std::uint8_t red, green, blue;
};

inline constexpr std::array<FremoColour, 8> kFremoColours{{
    {0, QT_TRANSLATE_NOOP("model::FremoColour", "Biały (bez znaczenia)"), "clwhite", 255, 255, 255},
    {1, QT_TRANSLATE_NOOP("model::FremoColour", "Czerwony (wojsko, tabor kolejowy, wódka)"),
     "clred", 255, 0, 0},
    {2, QT_TRANSLATE_NOOP("model::FremoColour", "Żółty (piasek, żwir, wapno, minerały)"),
     "clyellow", 255, 255, 0},
    {3, QT_TRANSLATE_NOOP("model::FremoColour", "Zielony (produkty rolne i leśne, wino)"),
     "clgreen", 0, 128, 0},
    {4,
     QT_TRANSLATE_NOOP("model::FremoColour",
                       "Niebieski (ryby, cytrusy, kawa, samochody, maszyny, złom)"),
     "clblue", 0, 0, 255},
    {5,
     QT_TRANSLATE_NOOP("model::FremoColour",
                       "Czarny (węgiel, koks, cement, odkuwki, blachy, rury)"),
     "clblack", 0, 0, 0},
    {6, QT_TRANSLATE_NOOP("model::FremoColour", "Brązowy (produkty chemiczne)"), "clbrown", 187,
     130, 91},
    {7,
     QT_TRANSLATE_NOOP("model::FremoColour",
                       "Pomarańczowy - drobnica, papier, tekstylia, meble, spożywcze"),
     "clorange", 231, 120, 23},
}};

// The stored name for a list index: 1..7 their names; 0 and anything else (no selection
// included) "clwhite".
constexpr std::string_view colourNameForIndex(int index) {
    return index >= 1 && index <= 7 ? kFremoColours[static_cast<std::size_t>(index)].name
                                    : kFremoColours[0].name;
}

// The colour whose stored name is exactly `name`; none for any other text.
constexpr std::optional<FremoColour> colourByName(std::string_view name) {
    for (const FremoColour& c : kFremoColours) {
        if (c.name == name) return c;
    }
    return std::nullopt;
}

}  // namespace model
