#pragma once
// The import of any mix of files: CSV files (in any encoding the caller names for the
// files that are not UTF-8) and .xlsx and .ods workbooks, told apart by their contents,
// not their names. Each file is read once, when it is inspected: the caller learns which
// files need an encoding (with the likely ones, the likeliest first) and asks for it; the
// import then reads the rows from the bytes already read. All files are validated first;
// then, when nothing is refused, their rows are added in one transaction (addRows), and the
// result is one report, which also names the waybills that refer to names absent from the
// lists.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/forward.h"
#include "formats/encoding.h"
#include "formats/exchange.h"

namespace formats {

struct ImportFile {
    enum class Kind {
        Workbook,       // an .xlsx or .ods workbook
        Text,           // a text file in UTF-8 (or empty)
        NeedsEncoding,  // a text file that is not UTF-8: read in `encoding`
        Unreadable,     // missing, unreadable or too large: `refusal` says why
    };
    std::string path;
    Kind kind = Kind::Unreadable;
    std::string bytes;                 // the whole file, read once
    std::vector<Encoding> candidates;  // NeedsEncoding: the likely encodings, likeliest first
    // NeedsEncoding: for each candidate, the file's first lines decoded in it (for the user
    // to see which encoding makes every letter right).
    std::vector<std::vector<std::string>> previews;
    std::optional<Encoding> encoding;  // NeedsEncoding: the one to read it in
    std::string refusal;               // Unreadable: the message
};

// How many lines of a file the previews show.
inline constexpr int kPreviewLines = 12;

// Reads the file at `path` and tells what kind it is. A file larger than the CSV reader
// takes is refused before it is read.
ImportFile inspectImportFile(const std::string& path);

// The first `rows` lines of a text file's bytes decoded in `encoding` (without their line
// ends).
std::vector<std::string> previewLines(std::string_view bytes, Encoding encoding, int rows);

// Reads one file (its name for messages, its bytes): a workbook when the bytes are a zip
// archive, else CSV.
void readImportFile(const std::string& name, std::string_view bytes,
                    std::optional<Encoding> encoding, ExchangeData& data, ExchangeReport& report);

// The rows of `files`, as inspected, added to the database; an unreadable file and a text
// file that is not UTF-8 without an encoding are refused with the others. `beforeWriting`
// and `beforeCommit` as addRows() takes them.
ExchangeReport importFiles(db::SqlConnection& connection, const std::vector<ImportFile>& files,
                           const std::function<void()>& beforeWriting = {},
                           const std::function<void()>& beforeCommit = {});

}  // namespace formats
