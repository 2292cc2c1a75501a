#include "store/import_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "db/errors.h"
#include "store/csv.h"
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
    if (ec) throw db::DatabaseError("Nie można odczytać pliku " + path);
    const std::size_t limit = csv::Limits{}.maxBytes;
    if (size > limit) {
        throw db::DatabaseError(fs::path(path).filename().string() + ": plik jest za duży (" +
                                std::to_string(size) + " bajtów, najwięcej " +
                                std::to_string(limit) + ")");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw db::DatabaseError("Nie można odczytać pliku " + path);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw db::DatabaseError("Nie można odczytać pliku " + path);
    return bytes;
}

ExchangeReport importFiles(db::SqlConnection& connection, const std::vector<ImportFile>& files,
                           const std::function<void()>& beforeWriting) {
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
    addRows(connection, data, report, beforeWriting);
    if (report.written) noteMissingReferences(connection, data, report);
    return report;
}

}  // namespace store
