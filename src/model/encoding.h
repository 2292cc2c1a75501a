#pragma once
// The encodings a text file of an import may be in, by name: the value the user and the
// command line choose, which the file formats convert from.

#include <optional>
#include <string>
#include <string_view>

namespace model {

enum class Encoding { Utf8, Windows1250, Windows1252, Iso88592, Iso88591 };

// "utf-8", "windows-1250", "windows-1252", "iso-8859-2", "iso-8859-1".
const char* encodingName(Encoding encoding);
// The same names in any case, also "utf8", "cp1250", "cp1252", "latin2", "latin1". None for
// anything else.
std::optional<Encoding> encodingFromName(std::string_view name);
// Every name encodingFromName() takes first, comma separated (for messages).
std::string encodingNames();

}  // namespace model
