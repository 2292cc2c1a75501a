#pragma once

#include <string>
#include <string_view>

namespace formats {

// Decodes Windows-1250 (the code page of the old Windows program's files) to UTF-8.
// Bytes 0x00-0x7F are ASCII and pass through unchanged. The five bytes that Windows-1250
// leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) become U+FFFD REPLACEMENT CHARACTER, so
// every input decodes and the damage stays visible in the text.
std::string cp1250ToUtf8(std::string_view bytes);

}  // namespace formats
