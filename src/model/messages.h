#pragma once
// The messages that store composes (failure causes, refusals, reports, the names of history
// steps) are written in Polish, each a template with %1..%9 for its arguments and marked with
// QT_TRANSLATE_NOOP so the program's translation tools find them; the template is the
// message's identifier. Whoever shows the messages installs a translator that turns an
// identifier into the text of the chosen language; without one (and in Polish) the Polish
// template is used, so the text is byte for byte what it always was. No Qt here: the marker
// is defined below as Qt defines it.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/language.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace model {

// Returns the text of `id` (a template of `context`) in the chosen language.
using MessageTranslator = std::function<std::string(const char* context, const char* id)>;
// Installs `translator`, which speaks `language`; an empty one restores the Polish templates.
void setMessageTranslator(MessageTranslator translator, Language language = Language::Polish);
// The language of the messages now: for what a message names that is data of a language
// rather than text of its own (the list headers a refusal expects).
Language messageLanguage();

// The text of `id` in the chosen language, with %1..%9 replaced by `args` in one pass (an
// argument's own "%1" stays as it is).
std::string message(const char* context, const char* id,
                    std::initializer_list<std::string_view> args = {});

// One message composed many times over (a note for each of thousands of rows): its
// template is translated once, when it is made.
class MessageTemplate {
public:
    MessageTemplate(const char* context, const char* id);
    std::string operator()(std::initializer_list<std::string_view> args = {}) const;

private:
    std::string text_;
};

class Message;

// An argument of a kept message: a plain text (a name, a number), or a message of its own,
// composed in the language of the moment with the message around it.
class MessageArg {
public:
    MessageArg(std::string text) : text_(std::move(text)) {}
    MessageArg(const char* text) : text_(text) {}
    MessageArg(Message message);

    std::string text() const;

private:
    std::string text_;
    std::shared_ptr<const Message> message_;
};

// A message kept as its identifier and arguments rather than as text, for what is shown
// long after it was made (the name of a history step): its text is composed each time it
// is asked for, so it follows a change of language.
class Message {
public:
    Message() = default;
    // `id` is a template of `context`, marked with QT_TRANSLATE_NOOP.
    Message(const char* context, const char* id, std::vector<MessageArg> args = {})
        : context_(context), id_(id), args_(std::move(args)) {}
    // A pattern that is no text of its own ("%1 %2" joining a number and its noun): never
    // translated, only its arguments are.
    static Message joined(const char* pattern, std::vector<MessageArg> args);

    bool empty() const { return id_.empty(); }
    // The text in the chosen language.
    std::string text() const;

private:
    std::string context_;  // empty: `id_` is a pattern, not translated
    std::string id_;
    std::vector<MessageArg> args_;
};

}  // namespace model
