#pragma once
// The file work of moving a listy.sdb of the old SQLite 2.x format to the current format,
// whatever writes the new file: it is built beside the old one under a name of its own,
// the old bytes are kept under another name, and only then is the new file renamed over
// the old one. Stopped at any moment, the file is either the old one or the whole new one.

#include <functional>
#include <stdexcept>
#include <string>

namespace files {

// A file of the old format that was not converted; the old file is as it was.
class LegacyMigrationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MigrationResult {
    bool migrated = false;
    std::string backupPath;  // where the old file now is
    int tables = 0;
    long rows = 0;
    int numericChanges = 0;  // texts a numeric column stored as a number, such as "007" as 7
    std::string fileName = "listy.sdb";  // the converted file's name
};

// The name under which the new file is built beside `path`: "<path>.konwersja".
std::string conversionBuildName(const std::string& path);
// Removes what a stopped conversion of `path` left: the half-built file, its journal and a
// part-written copy of the old bytes.
void removeConversionLeftovers(const std::string& path);

// `build` writes the new file at the name it is given (conversionBuildName(path)); then
// the old bytes of `path` are copied to "<path>.sqlite2" (or "<path>.sqlite2.<n>" when that
// name is taken by another file), flushed, and the new file renamed over `path`. On any
// failure the half-built file is removed, `path` stays as it was, and LegacyMigrationError
// is raised (what `build` throws passes through). Returns the copy's path.
std::string replaceByConversion(const std::string& path,
                                const std::function<void(const std::string& building)>& build);

}  // namespace files
