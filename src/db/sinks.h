#pragma once
// Where the access layer's own output goes. The layer knows no user interface: the
// application points these sinks at its logging category and its message box; tests
// install their own.

#include <functional>
#include <string>
#include <string_view>

// The marker by which the translation tools find a message; defined as Qt defines it, since
// db has no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace db {

using DebugSink = std::function<void(std::string_view line)>;
using MessageSink = std::function<void(const std::string& text)>;

// Developer lines: every statement text, library load/free lines, component banners.
// Returns the previous sink. The default sink discards the lines.
DebugSink setDebugSink(DebugSink sink);
void debugOut(std::string_view line);

// The dataset's own modal boxes ("no query specified", the master/detail messages). The
// text is the message's identifier, marked QT_TRANSLATE_NOOP("db", …) and without arguments:
// the sink's owner shows it in the chosen language (the text itself is the default's).
// Returns the previous sink. The default sink writes the text to standard error.
MessageSink setMessageSink(MessageSink sink);
void showMessage(const std::string& text);

}  // namespace db
