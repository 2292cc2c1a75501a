#include "store/messages.h"

#include <vector>

namespace store {
namespace {

MessageTranslator& translator() {
    static MessageTranslator t;
    return t;
}

}  // namespace

void setMessageTranslator(MessageTranslator t) {
    translator() = std::move(t);
}

std::string message(const char* context, const char* id,
                    std::initializer_list<std::string_view> args) {
    const std::string text = translator() ? translator()(context, id) : std::string(id);
    const std::vector<std::string_view> given(args);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < given.size()) {
                out += given[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace store
