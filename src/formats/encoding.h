#pragma once
// The 8-bit encodings in which spreadsheets save CSV files on the desktops of the hobby's
// users (Polish, German and Danish Windows and older Linux), their conversion to UTF-8,
// and a guess of which one a file is in, by the letters that occur in the names of
// stations and businesses of those countries.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/encoding.h"

namespace formats {

using model::Encoding;
using model::encodingFromName;
using model::encodingName;
using model::encodingNames;

// The bytes are valid UTF-8 (a byte-order mark is valid UTF-8 too).
bool isValidUtf8(std::string_view bytes);
// Whether the byte has a character in the encoding (Windows code pages leave a few bytes
// undefined; the ISO encodings have control characters at 0x80-0x9F, which no name holds).
bool definedIn(Encoding encoding, unsigned char byte);
// The text as UTF-8. A byte the encoding leaves undefined becomes U+FFFD (callers that
// must refuse such bytes check definedIn() first). UTF-8 is returned as it is.
std::string toUtf8(std::string_view bytes, Encoding encoding);

// The 8-bit encodings a file that is not UTF-8 may be in, the likeliest first: those in
// which the file has an undefined byte are left out; the others are ordered by how many of
// the file's letters occur in Polish, German and Danish names (a tie keeps the order
// Windows-1250, Windows-1252, ISO-8859-2).
std::vector<Encoding> likelyEncodings(std::string_view bytes);

}  // namespace formats
