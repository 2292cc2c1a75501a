#include "session/output.h"

#include "db/case_fold.h"
#include "db/sinks.h"

namespace session {

void setDebugOutput(std::function<void(std::string_view line)> output) {
    db::setDebugSink(std::move(output));
}

void setMessageOutput(std::function<void(const std::string& text)> output) {
    db::setMessageSink(std::move(output));
}

std::string foldCase(std::string_view text) {
    return db::foldCase(text);
}

}  // namespace session
