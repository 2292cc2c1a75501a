// Arbitrary bytes as a statement text for the parameter scan and substitution, and as a
// declared column type for the field mapping. A crash, a sanitizer report, an exception
// other than the conversion error of a non-numeric size, or a broken invariant is a bug.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "db/errors.h"
#include "db/field.h"
#include "db/sql_params.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

void scanAndSubstitute(std::string_view sql) {
    const db::ParsedSql parsed = db::scanParams(sql);
    check(parsed.params.size() == parsed.placeholders.size());
    for (std::size_t i = 0; i < parsed.placeholders.size(); ++i) {
        check(parsed.placeholders[i] < parsed.text.size());
        check(parsed.text[parsed.placeholders[i]] == '?');
        check(i == 0 || parsed.placeholders[i - 1] < parsed.placeholders[i]);
    }
    if (sql.find(':') == std::string_view::npos) check(parsed.text == sql);

    // Null parameters, then values cut from the input itself (quotes, "?", ":", CR/LF ...).
    std::vector<db::Param> params = parsed.params;
    const std::string nulls = db::substituteParams(parsed.text, params, parsed.placeholders);
    for (std::size_t i = 0; i < params.size(); ++i) {
        params[i].value = std::string(sql.substr(i % (sql.size() + 1), 24));
        params[i].isNull = (i % 3) == 0;
    }
    const std::string filled =
        db::substituteParams(parsed.text + " where x", params, parsed.placeholders);
    // Without "::" the parsed text holds no ":" outside literals; the substituted values are
    // closed literals, so the statement must hold no parameter either: a value that broke
    // out of its quotes would show up here.
    if (sql.find("::") == std::string_view::npos) {
        check(db::scanParams(nulls).params.empty());
        check(db::scanParams(filled).params.empty());
    }
    // Placeholders that do not fit the text are ignored, never written through.
    (void)db::substituteParams(sql, params, parsed.placeholders);
}

void fieldInfo(std::string_view type) {
    try {
        const db::FieldInfo info = db::getFieldInfo(type);
        check(info.size >= 0 && info.precision >= 0);
    } catch (const db::ConvertError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    scanAndSubstitute(text);
    fieldInfo(text);
    return 0;
}
