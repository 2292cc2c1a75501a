#include "files/legacy_migration.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/file_sync.h"
#include "model/messages.h"

namespace files {
namespace {

namespace fs = std::filesystem;
using model::message;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The first free backup name, or a taken one that already holds exactly the old file (the
// copy of a conversion that was stopped before its new file was put in place).
std::string backupName(const std::string& path, const std::string& oldBytes) {
    std::string candidate = path + ".sqlite2";
    for (int n = 1; fs::exists(candidate) || fs::exists(candidate + "-journal"); ++n) {
        if (!fs::exists(candidate + "-journal") && fs::file_size(candidate) == oldBytes.size() &&
            readAll(candidate) == oldBytes) {
            break;
        }
        candidate = path + ".sqlite2." + std::to_string(n);
    }
    return candidate;
}

void removeQuietly(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

}  // namespace

std::string conversionBuildName(const std::string& path) {
    return path + ".konwersja";
}

void removeConversionLeftovers(const std::string& path) {
    const std::string building = conversionBuildName(path);
    removeQuietly(building + "-journal");
    removeQuietly(building);
    removeQuietly(path + ".sqlite2.zapis");
}

std::string replaceByConversion(const std::string& path,
                                const std::function<void(const std::string& building)>& build) {
    const std::string building = conversionBuildName(path);
    std::string backupPath;
    const std::string oldBytes = readAll(path);
    try {
        build(building);
        backupPath = backupName(path, oldBytes);
        std::error_code ec;
        const std::string folder = fs::path(path).parent_path().string();
        if (!fs::exists(backupPath)) {
            // The copy is made under a name of its own and takes its name only once it is
            // whole and on the disk: a stop part-way never leaves an empty or cut copy.
            const std::string part = path + ".sqlite2.zapis";
            fs::copy_file(path, part, fs::copy_options::overwrite_existing, ec);
            const auto refuse = [&] {
                removeQuietly(part);
                throw LegacyMigrationError(
                    message("listy",
                            QT_TRANSLATE_NOOP("listy",
                                              "Nie można zapisać kopii pliku %1 jako %2: %3. "
                                              "Plik nie został przekształcony."),
                            {path, backupPath, ec.message()}));
            };
            if (ec || readAll(part) != oldBytes || !flushFileToDisk(part)) refuse();
            fs::rename(part, backupPath, ec);
            if (ec) refuse();
            flushFolderToDisk(folder);
        }
        flushFileToDisk(building);
        fs::rename(building, path, ec);
        if (ec) {
            throw LegacyMigrationError(
                message("listy",
                        QT_TRANSLATE_NOOP("listy",
                                          "Nie można zastąpić pliku %1 przekształconym: %2. Plik "
                                          "pozostał bez zmian."),
                        {path, ec.message()}));
        }
        flushFolderToDisk(folder);
    } catch (...) {
        removeQuietly(building + "-journal");
        removeQuietly(building);
        throw;
    }
    return backupPath;
}

}  // namespace files
