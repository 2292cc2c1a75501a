#pragma once
// Text values inside composed statements. Every statement the application composes puts
// its text values between single quotes through sqlEscape(), so a value holding "'" is
// stored and read back exactly.

#include <string>
#include <string_view>

namespace model {

// The value with every "'" doubled, ready to stand between single quotes.
std::string sqlEscape(std::string_view value);

}  // namespace model
