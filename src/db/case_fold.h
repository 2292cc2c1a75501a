#pragma once
// Comparison of UTF-8 texts without regard to case, for the letters the application's
// texts use: ASCII, Latin-1, Latin Extended-A (Polish, Czech, German ...), Greek and
// Cyrillic capitals. Other characters compare exactly.

#include <string>
#include <string_view>

namespace db {

// The text with every capital of the ranges above replaced by its small letter. Bytes that
// are not valid UTF-8 are kept as they are.
std::string foldCase(std::string_view text);
bool equalsFoldCase(std::string_view a, std::string_view b);

}  // namespace db
