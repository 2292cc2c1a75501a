#include "model/lists.h"

#include "model/messages.h"

namespace model {

const ListNames& namesOf(List list) {
    static constexpr std::array<ListNames, kListCount> kNames = {{
        {"stacje",
         "stacje.csv",
         QT_TRANSLATE_NOOP("listy", "Stacje"),
         {"Stacje", "Bahnhöfe", "Stations"}},
        {"punkty",
         "punkty.csv",
         QT_TRANSLATE_NOOP("listy", "Nadawcy/odbiorcy"),
         {"Nadawcy i odbiorcy", "Versender und Empfänger", "Shippers and receivers"}},
        {"ladunki",
         "ladunki.csv",
         QT_TRANSLATE_NOOP("listy", "Ładunki"),
         {"Ładunki", "Ladegüter", "Loads"}},
        {"listy",
         "listy.csv",
         QT_TRANSLATE_NOOP("listy", "Listy przewozowe"),
         {"Listy", "Frachtzettel", "Waybills"}},
        {"wagony",
         "wagony.csv",
         QT_TRANSLATE_NOOP("listy", "Wagony"),
         {"Wagony", "Wagen", "Wagons"}},
        {"relacje",
         "relacje.csv",
         QT_TRANSLATE_NOOP("listy", "Relacje"),
         {"Relacje", "Relationen", "Relations"}},
        {"miejsca",
         "miejsca.csv",
         QT_TRANSLATE_NOOP("listy", "Miejsca"),
         {"Miejsca", "Gleisplätze", "Places"}},
        {"kolory_kart", nullptr, nullptr, {nullptr, nullptr, nullptr}},
    }};
    return kNames[indexOf(list)];
}

}  // namespace model
