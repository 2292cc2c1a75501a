#pragma once
// Where the data layer's own output goes, for the application to point at its logging
// category and its message box, and for text comparisons the windows share with it.

#include <functional>
#include <string>
#include <string_view>

namespace session {

// Every statement text and the access layer's developer lines.
void setDebugOutput(std::function<void(std::string_view line)> output);
// The dataset's own message boxes ("no query specified", ...): `text` is a message of
// context "db" (db/sinks.h), for the output to show in the chosen language.
void setMessageOutput(std::function<void(const std::string& text)> output);

// `text` folded for a comparison without regard to case, Polish letters included.
std::string foldCase(std::string_view text);

}  // namespace session
