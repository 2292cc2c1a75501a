#include "store/csv.h"

#include "db/text.h"
#include "store/cp1250.h"

namespace store::csv {
namespace {

// The length of the UTF-8 sequence at `i`, or 0 when it is not valid UTF-8 (overlong
// forms, surrogates and code points above U+10FFFF are not).
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t n;
    unsigned char lo = 0x80, hi = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    if (b(i + 1) < lo || b(i + 1) > hi) return 0;
    for (std::size_t k = 2; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
    }
    return n;
}

bool isForbiddenControl(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\r' && c != '\n';
}

bool undefinedInCp1250(unsigned char c) {
    return c == 0x81 || c == 0x83 || c == 0x88 || c == 0x90 || c == 0x98;
}

}  // namespace

std::string decode(std::string_view bytes, bool& fromCp1250, const Limits& limits) {
    fromCp1250 = false;
    if (bytes.size() > limits.maxBytes) {
        throw CsvError(0, "plik jest za duży (" + std::to_string(bytes.size()) +
                              " bajtów, najwięcej " + std::to_string(limits.maxBytes) + ")");
    }
    if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
    long line = 1;
    long firstNonUtf8Line = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x80) {
            ++i;
            continue;
        }
        if (c == '\n') ++line;
        if (c == 0) throw CsvError(line, "znak NUL (bajt zerowy): to nie jest plik tekstowy");
        if (isForbiddenControl(c)) {
            throw CsvError(line, "niedozwolony znak sterujący (kod " + std::to_string(c) +
                                     "): to nie jest plik tekstowy");
        }
        const std::size_t n = utf8Length(bytes, i);
        if (n == 0) {
            if (firstNonUtf8Line == 0) firstNonUtf8Line = line;
            if (undefinedInCp1250(c)) {
                throw CsvError(line,
                               "plik nie jest zapisany w UTF-8 ani w Windows-1250 "
                               "(bajt 0x" +
                                   std::string(1, "0123456789ABCDEF"[c >> 4]) +
                                   std::string(1, "0123456789ABCDEF"[c & 15]) + ")");
            }
            ++i;
        } else {
            i += n;
        }
    }
    if (firstNonUtf8Line == 0) return std::string(bytes);
    fromCp1250 = true;
    return cp1250ToUtf8(bytes);
}

void parse(std::string_view text, const std::function<void(Record&&)>& visit,
           const Limits& limits) {
    long line = 1;
    long records = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto checkLength = [&](const std::string& value) {
        if (value.size() > limits.maxFieldChars && db::charCount(value) > limits.maxFieldChars) {
            throw CsvError(line, "wartość dłuższa niż " + std::to_string(limits.maxFieldChars) +
                                     " znaków (" + std::to_string(db::charCount(value)) + ")");
        }
    };
    auto countRecord = [&] {
        if (++records > limits.maxRecords) {
            throw CsvError(line, "plik ma więcej niż " + std::to_string(limits.maxRecords - 1) +
                                     " wierszy danych");
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
                        throw CsvError(opened,
                                       "cudzysłów otwarty w tym wierszu nie jest zamknięty");
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
                if (i < n && text[i] != kSeparator && text[i] != '\r' && text[i] != '\n') {
                    throw CsvError(line,
                                   "po zamykającym cudzysłowie stoi znak zamiast \";\" "
                                   "albo końca wiersza (cudzysłów w wartości trzeba "
                                   "podwoić)");
                }
            } else {
                std::size_t end = text.find_first_of(";\r\n\"", i);
                if (end == std::string_view::npos) end = n;
                if (end < n && text[end] == '"') {
                    throw CsvError(line,
                                   "cudzysłów wewnątrz wartości, która nie jest ujęta "
                                   "w cudzysłowy");
                }
                value.assign(text.substr(i, end - i));
                i = end;
            }
            checkLength(value);
            record.fields.push_back(std::move(value));
            if (i < n && text[i] == kSeparator) {
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

}  // namespace store::csv
