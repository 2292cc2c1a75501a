#include "formats/import_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "formats/add_rows.h"
#include "formats/csv.h"
#include "formats/reference_check.h"
#include "formats/workbook.h"
#include "model/messages.h"

namespace formats {

using model::message;

namespace fs = std::filesystem;

namespace {

// The bytes of a file, refusing one larger than the CSV reader takes before reading it.
// Empty, with `refusal` set, when it cannot be read.
std::string readImportBytes(const std::string& path, std::string& refusal) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    const std::string unreadable =
        message("listy", QT_TRANSLATE_NOOP("listy", "Nie można odczytać pliku %1"), {path});
    if (ec) {
        refusal = unreadable;
        return {};
    }
    const std::size_t limit = csv::Limits{}.maxBytes;
    if (size > limit) {
        refusal = message(
            "listy", QT_TRANSLATE_NOOP("listy", "%1: plik jest za duży (%2 bajtów, najwięcej %3)"),
            {fs::path(path).filename().string(), std::to_string(size), std::to_string(limit)});
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in || in.bad()) {
        refusal = unreadable;
        return {};
    }
    return bytes;
}

}  // namespace

ImportFile inspectImportFile(const std::string& path) {
    ImportFile file;
    file.path = path;
    file.bytes = readImportBytes(path, file.refusal);
    if (!file.refusal.empty()) {
        file.kind = ImportFile::Kind::Unreadable;
    } else if (looksLikeWorkbook(file.bytes)) {
        file.kind = ImportFile::Kind::Workbook;
    } else if (isValidUtf8(file.bytes)) {
        file.kind = ImportFile::Kind::Text;
    } else {
        file.kind = ImportFile::Kind::NeedsEncoding;
        file.candidates = likelyEncodings(file.bytes);
        for (Encoding candidate : file.candidates)
            file.previews.push_back(previewLines(file.bytes, candidate, kPreviewLines));
    }
    return file;
}

std::vector<std::string> previewLines(std::string_view bytes, Encoding encoding, int rows) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (static_cast<int>(lines.size()) < rows && at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(toUtf8(line, encoding));
        at = end + 1;
    }
    return lines;
}

void readImportFile(const std::string& name, std::string_view bytes,
                    std::optional<Encoding> encoding, ExchangeData& data, ExchangeReport& report) {
    if (looksLikeWorkbook(bytes)) {
        readWorkbook(name, bytes, data, report);
    } else {
        readCsv(name, bytes, data, report, encoding);
    }
}

ExchangeReport importFiles(db::SqlConnection& connection, const std::vector<ImportFile>& files,
                           const std::function<void()>& beforeWriting,
                           const std::function<void()>& beforeCommit) {
    ExchangeReport report;
    // "Import CSV" as long as every file is CSV, as the import of CSV files always said.
    report.command = ExchangeCommand::CsvImport;
    ExchangeData data;
    for (const ImportFile& file : files) {
        if (file.kind == ImportFile::Kind::Unreadable) {
            report.refusals.push_back(file.refusal);
            continue;
        }
        if (file.kind == ImportFile::Kind::Workbook)
            report.command = ExchangeCommand::WorkbookImport;
        readImportFile(fs::path(file.path).filename().string(), file.bytes, file.encoding, data,
                       report);
    }
    addRows(connection, data, report, beforeWriting, beforeCommit);
    if (report.written) noteMissingReferences(connection, data, report);
    return report;
}

}  // namespace formats
