#include "store/import_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "db/errors.h"
#include "store/csv.h"
#include "store/messages.h"
#include "store/reference_check.h"
#include "store/workbook.h"

namespace store {

namespace fs = std::filesystem;

void readImportFile(const std::string& name, std::string_view bytes,
                    std::optional<Encoding> encoding, ExchangeData& data, ExchangeReport& report) {
    if (looksLikeWorkbook(bytes)) {
        readWorkbook(name, bytes, data, report);
    } else {
        readCsv(name, bytes, data, report, encoding);
    }
}

std::string readImportBytes(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    const std::string unreadable =
        message("store", QT_TRANSLATE_NOOP("store", "Nie można odczytać pliku %1"), {path});
    if (ec) throw db::DatabaseError(unreadable);
    const std::size_t limit = csv::Limits{}.maxBytes;
    if (size > limit) {
        throw db::DatabaseError(message(
            "store", QT_TRANSLATE_NOOP("store", "%1: plik jest za duży (%2 bajtów, najwięcej %3)"),
            {fs::path(path).filename().string(), std::to_string(size), std::to_string(limit)}));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw db::DatabaseError(unreadable);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw db::DatabaseError(unreadable);
    return bytes;
}

ExchangeReport importFiles(db::SqlConnection& connection, const std::vector<ImportFile>& files,
                           const std::function<void()>& beforeWriting,
                           const std::function<void()>& beforeCommit) {
    ExchangeReport report;
    // "Import CSV" as long as every file is CSV, as the import of CSV files always said.
    report.command = "Import CSV";
    ExchangeData data;
    for (const ImportFile& file : files) {
        std::string bytes;
        try {
            bytes = readImportBytes(file.path);
        } catch (const db::DatabaseError& e) {
            report.refusals.push_back(e.what());
            continue;
        }
        if (looksLikeWorkbook(bytes)) report.command = "Import arkusza";
        readImportFile(fs::path(file.path).filename().string(), bytes, file.encoding, data, report);
    }
    addRows(connection, data, report, beforeWriting, beforeCommit);
    if (report.written) noteMissingReferences(connection, data, report);
    return report;
}

}  // namespace store
