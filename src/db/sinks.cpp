#include "db/sinks.h"

#include <cstdio>
#include <utility>

namespace db {
namespace {
DebugSink& debugSink() {
    static DebugSink sink;
    return sink;
}
MessageSink& messageSink() {
    static MessageSink sink;
    return sink;
}
}  // namespace

DebugSink setDebugSink(DebugSink sink) {
    return std::exchange(debugSink(), std::move(sink));
}

void debugOut(std::string_view line) {
    if (auto& sink = debugSink()) sink(line);
}

MessageSink setMessageSink(MessageSink sink) {
    return std::exchange(messageSink(), std::move(sink));
}

void showMessage(const std::string& text) {
    if (auto& sink = messageSink()) {
        sink(text);
    } else {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

}  // namespace db
