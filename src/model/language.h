#pragma once
// The languages Listy speaks: Polish, its own and the default, German and English. Plain C++
// for the layers without Qt; the windows and the command line map their choice onto it.

#include <array>
#include <optional>
#include <string_view>

namespace model {

enum class Language { Polish, German, English };

inline constexpr std::array<Language, 3> kLanguages = {Language::Polish, Language::German,
                                                       Language::English};

// "pl", "de", "en".
constexpr std::string_view languageCode(Language language) {
    switch (language) {
        case Language::German:
            return "de";
        case Language::English:
            return "en";
        case Language::Polish:
            break;
    }
    return "pl";
}

// The language of a code as `--language` takes it ("pl", "de", "en", in any case); none
// for any other text.
constexpr std::optional<Language> languageFromCode(std::string_view code) {
    if (code.size() != 2) return std::nullopt;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    const char folded[] = {lower(code[0]), lower(code[1])};
    for (Language language : kLanguages) {
        const std::string_view wanted = languageCode(language);
        if (folded[0] == wanted[0] && folded[1] == wanted[1]) return language;
    }
    return std::nullopt;
}

}  // namespace model
