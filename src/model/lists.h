#pragma once
// Every list the file keeps, named once: its table, the bit by which a change notice names
// it, its CSV file, its workbook sheet in each language and its title in reports. The four
// described lists are in every file; the others are made by the first command that writes
// them. Whatever enumerates the lists (the notice, the exchange, the undo step's name, the
// windows following a notice) takes them from here.

#include <array>
#include <cstddef>

#include "model/language.h"

namespace model {

enum class List : unsigned {
    Stations,
    Parties,
    Loads,
    Waybills,
    Wagons,
    Relations,
    Places,
    CardColours,
};
inline constexpr std::size_t kListCount = 8;

constexpr std::size_t indexOf(List list) {
    return static_cast<std::size_t>(list);
}

// The lists every file has, in the order the exports write them.
inline constexpr std::array<List, 4> kDescribedLists = {List::Stations, List::Parties, List::Loads,
                                                        List::Waybills};
// The lists the exchange carries (CSV files, workbooks, merging another file): all but the
// car cards' colour groups, which belong to one file's printing.
inline constexpr std::array<List, 7> kExchangedLists = {
    List::Stations, List::Parties,   List::Loads, List::Waybills,
    List::Wagons,   List::Relations, List::Places};

struct ListNames {
    const char* table;
    // For the lists the exchange carries (nullptr for the others): the export's file name,
    // the list's name in reports ("Stacje", "Nadawcy/odbiorcy"; a message of context
    // "listy") and its workbook sheet in each language (by Language).
    const char* csvFile;
    const char* title;
    std::array<const char*, kLanguages.size()> sheets;
};

const ListNames& namesOf(List list);

// The bit of a list in a change notice.
constexpr unsigned noticeBit(List list) {
    return 1u << indexOf(list);
}

}  // namespace model
