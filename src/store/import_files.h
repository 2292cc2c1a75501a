#pragma once
// The import of any mix of files: CSV files (in any encoding the caller names for the
// files that are not UTF-8) and .xlsx and .ods workbooks, told apart by their contents,
// not their names. All of them are read and validated first; then, when nothing is
// refused, their rows are added in one transaction (addRows), and the result is one report,
// which also names the waybills that refer to names absent from the lists.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/forward.h"
#include "store/encoding.h"
#include "store/exchange.h"

namespace store {

struct ImportFile {
    std::string path;
    std::optional<Encoding> encoding;  // for a CSV file that is not UTF-8
};

// Reads one file (its name for messages, its bytes): a workbook when the bytes are a zip
// archive, else CSV.
void readImportFile(const std::string& name, std::string_view bytes,
                    std::optional<Encoding> encoding, ExchangeData& data, ExchangeReport& report);

// The bytes of a file, refusing one larger than the CSV reader takes before reading it.
// DatabaseError when it cannot be read.
std::string readImportBytes(const std::string& path);

ExchangeReport importFiles(db::SqlConnection& connection, const std::vector<ImportFile>& files,
                           const std::function<void()>& beforeWriting = {},
                           const std::function<void()>& beforeCommit = {});

}  // namespace store
