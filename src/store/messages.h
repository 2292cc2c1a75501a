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
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace store {

// Returns the text of `id` (a template of `context`) in the chosen language.
using MessageTranslator = std::function<std::string(const char* context, const char* id)>;
// Installs `translator`; an empty one restores the Polish templates.
void setMessageTranslator(MessageTranslator translator);

// The text of `id` in the chosen language, with %1..%9 replaced by `args` in one pass (an
// argument's own "%1" stays as it is).
std::string message(const char* context, const char* id,
                    std::initializer_list<std::string_view> args = {});

}  // namespace store
