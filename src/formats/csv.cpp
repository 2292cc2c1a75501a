#include "formats/csv.h"

#include "db/text.h"
#include "model/messages.h"

namespace formats::csv {

using model::message;
namespace {

bool isForbiddenControl(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\r' && c != '\n';
}

std::string hexByte(unsigned char c) {
    return std::string("0x") + "0123456789ABCDEF"[c >> 4] + "0123456789ABCDEF"[c & 15];
}

}  // namespace

std::string decode(std::string_view bytes, std::optional<Encoding> encoding, Encoding& used,
                   const Limits& limits) {
    used = Encoding::Utf8;
    if (bytes.size() > limits.maxBytes) {
        throw CsvError(
            0, message("listy",
                       QT_TRANSLATE_NOOP("listy", "plik jest za duży (%1 bajtów, najwięcej %2)"),
                       {std::to_string(bytes.size()), std::to_string(limits.maxBytes)}));
    }
    if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
    long line = 1;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20) continue;
        if (c == '\n') ++line;
        if (c == 0)
            throw CsvError(
                line, message("listy",
                              QT_TRANSLATE_NOOP(
                                  "listy", "znak NUL (bajt zerowy): to nie jest plik tekstowy")));
        if (isForbiddenControl(c)) {
            throw CsvError(
                line,
                message(
                    "listy",
                    QT_TRANSLATE_NOOP(
                        "listy", "niedozwolony znak sterujący (kod %1): to nie jest plik tekstowy"),
                    {std::to_string(c)}));
        }
    }
    if (isValidUtf8(bytes)) return std::string(bytes);
    if (!encoding || *encoding == Encoding::Utf8) {
        const std::vector<Encoding> likely = likelyEncodings(bytes);
        std::string names;
        for (Encoding e : likely)
            names += (names.empty() ? "" : ", ") + std::string(encodingName(e));
        if (likely.empty()) {
            throw CsvError(
                0,
                message("listy",
                        QT_TRANSLATE_NOOP("listy",
                                          "plik nie jest zapisany w UTF-8 ani w żadnym z kodowań "
                                          "windows-1250, windows-1252, iso-8859-2; podaj kodowanie "
                                          "(możliwe: %1)"),
                        {encodingNames()}),
                CsvError::Cause::EncodingNeeded);
        }
        throw CsvError(
            0,
            message("listy",
                    QT_TRANSLATE_NOOP("listy",
                                      "plik nie jest zapisany w UTF-8; podaj jego kodowanie, "
                                      "najbardziej prawdopodobne: %1"),
                    {names}),
            CsvError::Cause::EncodingNeeded);
    }
    line = 1;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\n') ++line;
        if (!definedIn(*encoding, c)) {
            throw CsvError(
                line, message("listy",
                              QT_TRANSLATE_NOOP("listy",
                                                "bajt %1 nie oznacza żadnego znaku w kodowaniu %2"),
                              {hexByte(c), encodingName(*encoding)}));
        }
    }
    used = *encoding;
    return toUtf8(bytes, *encoding);
}

char detectSeparator(std::string_view text) {
    std::size_t counts[3] = {0, 0, 0};
    static constexpr char kCandidates[3] = {';', ',', '\t'};
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        for (int k = 0; k < 3; ++k) counts[k] += c == kCandidates[k];
    }
    int best = 0;
    for (int k = 1; k < 3; ++k) {
        if (counts[k] > counts[best]) best = k;
    }
    return kCandidates[best];
}

void parse(std::string_view text, const std::function<void(Record&&)>& visit, const Limits& limits,
           char separator) {
    const char stops[] = {separator, '\r', '\n', '"', '\0'};
    long line = 1;
    long records = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto checkLength = [&](const std::string& value) {
        if (value.size() > limits.maxFieldChars && db::charCount(value) > limits.maxFieldChars) {
            throw CsvError(
                line,
                message(
                    "listy", QT_TRANSLATE_NOOP("listy", "wartość dłuższa niż %1 znaków (%2)"),
                    {std::to_string(limits.maxFieldChars), std::to_string(db::charCount(value))}));
        }
    };
    auto countRecord = [&] {
        if (++records > limits.maxRecords) {
            throw CsvError(
                line,
                message("listy", QT_TRANSLATE_NOOP("listy", "plik ma więcej niż %1 wierszy danych"),
                        {std::to_string(limits.maxRecords - 1)}));
        }
    };
    while (i < n) {
        // An empty line is no record (it still counts towards the limit).
        if (text[i] == '\n' || text[i] == '\r') {
            countRecord();
            if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            ++i;
            ++line;
            continue;
        }
        countRecord();
        Record record;
        record.line = line;
        for (;;) {
            std::string value;
            if (i < n && text[i] == '"') {
                const long opened = line;
                ++i;
                for (;;) {
                    // Whole runs up to the next quote at once.
                    const std::size_t quote = text.find('"', i);
                    if (quote == std::string_view::npos) {
                        throw CsvError(
                            opened,
                            message("listy",
                                    QT_TRANSLATE_NOOP(
                                        "listy",
                                        "cudzysłów otwarty w tym wierszu nie jest zamknięty")));
                    }
                    const std::string_view run = text.substr(i, quote - i);
                    for (char c : run) line += c == '\n';
                    value.append(run);
                    if (value.size() > 4 * limits.maxFieldChars) checkLength(value);
                    i = quote + 1;
                    if (i < n && text[i] == '"') {
                        value += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (i < n && text[i] != separator && text[i] != '\r' && text[i] != '\n') {
                    throw CsvError(
                        line, message("listy",
                                      QT_TRANSLATE_NOOP(
                                          "listy",
                                          "po zamykającym cudzysłowie stoi znak zamiast separatora "
                                          "albo końca wiersza (cudzysłów w wartości trzeba "
                                          "podwoić)")));
                }
            } else {
                std::size_t end = text.find_first_of(stops, i);
                if (end == std::string_view::npos) end = n;
                if (end < n && text[end] == '"') {
                    throw CsvError(
                        line,
                        message("listy", QT_TRANSLATE_NOOP(
                                             "listy",
                                             "cudzysłów wewnątrz wartości, która nie jest ujęta "
                                             "w cudzysłowy")));
                }
                value.assign(text.substr(i, end - i));
                i = end;
            }
            checkLength(value);
            record.fields.push_back(std::move(value));
            if (i < n && text[i] == separator) {
                ++i;
                continue;
            }
            break;
        }
        // The end of the record: a line break or the end of the text.
        if (i < n) {
            if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
            ++i;
            ++line;
        }
        visit(std::move(record));
    }
}

void appendQuoted(std::string& out, std::string_view value) {
    out += '"';
    std::size_t from = 0;
    for (std::size_t q = value.find('"'); q != std::string_view::npos; q = value.find('"', from)) {
        out.append(value.data() + from, q + 1 - from);
        out += '"';
        from = q + 1;
    }
    out.append(value.data() + from, value.size() - from);
    out += '"';
}

std::string quote(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 2);
    appendQuoted(out, value);
    return out;
}

std::string line(const std::vector<std::string>& values, bool quoted) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out += kSeparator;
        out += quoted ? quote(values[i]) : values[i];
    }
    out += "\r\n";
    return out;
}

}  // namespace formats::csv
