// Arbitrary bytes as an SQLite 2.x file: the reader must either read it or raise
// formats::LegacyFormatError; anything else (a crash, a sanitizer report, another exception,
// a hang) is a bug.
#include "formats/cp1250.h"
#include "formats/sqlite2_reader.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void readAll(std::string bytes) {
    try {
        const formats::Sqlite2Reader reader(std::move(bytes));
        for (const auto& table : reader.tables())
            for (const auto& row : table.rows)
                for (const auto& value : row.values)
                    if (value) (void)formats::cp1250ToUtf8(*value);
        (void)reader.masterTable();
        (void)reader.freePages();
    } catch (const formats::LegacyFormatError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    (void)formats::isSqlite2Header(bytes);
    readAll(bytes);
    // Most mutations change the length, which the reader rejects at once; read the whole
    // pages as well so that the page structures get exercised.
    const std::size_t whole =
        size / formats::Sqlite2Reader::kPageSize * formats::Sqlite2Reader::kPageSize;
    if (whole != 0 && whole != size) readAll(bytes.substr(0, whole));
    return 0;
}
