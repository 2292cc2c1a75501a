#include "model/encoding.h"

#include "db/text.h"

namespace model {

const char* encodingName(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8:
            return "utf-8";
        case Encoding::Windows1250:
            return "windows-1250";
        case Encoding::Windows1252:
            return "windows-1252";
        case Encoding::Iso88592:
            return "iso-8859-2";
        case Encoding::Iso88591:
            return "iso-8859-1";
    }
    return "";
}

std::optional<Encoding> encodingFromName(std::string_view name) {
    const std::string n = db::lowerAscii(db::trimBlanks(name));
    struct Alias {
        const char* name;
        Encoding encoding;
    };
    static constexpr Alias kAliases[] = {
        {"utf-8", Encoding::Utf8},
        {"utf8", Encoding::Utf8},
        {"windows-1250", Encoding::Windows1250},
        {"cp1250", Encoding::Windows1250},
        {"windows-1252", Encoding::Windows1252},
        {"cp1252", Encoding::Windows1252},
        {"iso-8859-2", Encoding::Iso88592},
        {"latin2", Encoding::Iso88592},
        {"iso-8859-1", Encoding::Iso88591},
        {"latin1", Encoding::Iso88591},
    };
    for (const Alias& a : kAliases) {
        if (n == a.name) return a.encoding;
    }
    return std::nullopt;
}

std::string encodingNames() {
    std::string out;
    for (Encoding e : {Encoding::Utf8, Encoding::Windows1250, Encoding::Windows1252,
                       Encoding::Iso88592, Encoding::Iso88591}) {
        out += (out.empty() ? "" : ", ") + std::string(encodingName(e));
    }
    return out;
}

}  // namespace model
