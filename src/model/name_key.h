#pragma once
// The key by which names are compared where their writing may differ: the list headers of
// an import, and the names the clean-up proposes to join.

#include <string>
#include <string_view>

namespace model {

// The text by which names are compared: blanks around it removed and runs of blanks
// inside made one space (none around "/"), small letters, letters with diacritics as their
// base letter and German umlauts written out as their base letter too ("Ładunek " and
// "ladunek" give the same key, and so do "Empfänger", "EMPFANGER" and "Empfaenger").
std::string nameKey(std::string_view name);

}  // namespace model
