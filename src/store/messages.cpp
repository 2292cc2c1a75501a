#include "store/messages.h"

#include <vector>

namespace store {
namespace {

MessageTranslator& translator() {
    static MessageTranslator t;
    return t;
}

// `text` with %1..%9 replaced by `given` in one pass.
std::string substituted(const std::string& text, const std::vector<std::string_view>& given) {
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

std::string translated(const char* context, const char* id) {
    return translator() ? translator()(context, id) : std::string(id);
}

Language& language() {
    static Language l = Language::Polish;
    return l;
}

}  // namespace

void setMessageTranslator(MessageTranslator t, Language spoken) {
    language() = t ? spoken : Language::Polish;
    translator() = std::move(t);
}

Language messageLanguage() {
    return language();
}

std::string message(const char* context, const char* id,
                    std::initializer_list<std::string_view> args) {
    return substituted(translated(context, id), std::vector<std::string_view>(args));
}

MessageArg::MessageArg(Message message)
    : message_(std::make_shared<const Message>(std::move(message))) {}

std::string MessageArg::text() const {
    return message_ ? message_->text() : text_;
}

Message Message::joined(const char* pattern, std::vector<MessageArg> args) {
    Message m;
    m.id_ = pattern;
    m.args_ = std::move(args);
    return m;
}

std::string Message::text() const {
    std::vector<std::string> texts;
    texts.reserve(args_.size());
    for (const MessageArg& a : args_) texts.push_back(a.text());
    const std::vector<std::string_view> given(texts.begin(), texts.end());
    return substituted(context_.empty() ? id_ : translated(context_.c_str(), id_.c_str()), given);
}

}  // namespace store
