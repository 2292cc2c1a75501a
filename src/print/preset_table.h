#pragma once
// The preset formats of one kind of card are listed once, in a table whose entries have at
// least `preset` (the enum value), `name` (on the command line and in the settings) and
// `label` (the name for the user, its Polish source text). These read such a table.

#include <array>
#include <cstddef>
#include <string>

namespace print {

// The enum values, in the table's order: the order the formats are offered in.
template <typename Entry, std::size_t N>
constexpr auto presetsOf(const Entry (&table)[N]) {
    std::array<decltype(Entry::preset), N> presets{};
    for (std::size_t i = 0; i < N; ++i) presets[i] = table[i].preset;
    return presets;
}

// The entry of `preset`; the first one for a value the table lacks.
template <typename Entry, std::size_t N>
constexpr const Entry& presetEntry(const Entry (&table)[N], decltype(Entry::preset) preset) {
    for (const Entry& entry : table) {
        if (entry.preset == preset) return entry;
    }
    return table[0];
}

// Sets `preset` to the one named `name`; false, leaving it as it was, for any other text.
template <typename Entry, std::size_t N>
bool presetNamed(const Entry (&table)[N], const std::string& name,
                 decltype(Entry::preset)& preset) {
    for (const Entry& entry : table) {
        if (name == entry.name) {
            preset = entry.preset;
            return true;
        }
    }
    return false;
}

}  // namespace print
