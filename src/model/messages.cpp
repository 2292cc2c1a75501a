#include "model/messages.h"

#include <vector>

namespace model {
namespace {

MessageTranslator& translator() {
    static MessageTranslator t;
    return t;
}

// `text` with %1..%9 replaced by the `count` texts at `given` in one pass.
std::string substituted(const std::string& text, const std::string_view* given, std::size_t count) {
    std::string out;
    std::size_t size = text.size();
    for (std::size_t n = 0; n < count; ++n) size += given[n].size();
    out.reserve(size);
    std::size_t from = 0;
    for (std::size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
        if (at + 1 >= text.size() || text[at + 1] < '1' || text[at + 1] > '9') continue;
        const auto n = static_cast<std::size_t>(text[at + 1] - '1');
        if (n >= count) continue;
        out.append(text, from, at - from);
        out += given[n];
        from = at + 2;
        ++at;
    }
    out.append(text, from, std::string::npos);
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
    return substituted(translated(context, id), args.begin(), args.size());
}

MessageTemplate::MessageTemplate(const char* context, const char* id)
    : text_(translated(context, id)) {}

std::string MessageTemplate::operator()(std::initializer_list<std::string_view> args) const {
    return substituted(text_, args.begin(), args.size());
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
    return substituted(context_.empty() ? id_ : translated(context_.c_str(), id_.c_str()),
                       given.data(), given.size());
}

}  // namespace model
