#include "files/export_folder.h"

#include <filesystem>
#include <fstream>

#include "db/errors.h"
#include "files/file_sync.h"
#include "model/messages.h"

namespace files {

namespace fs = std::filesystem;
using model::message;

std::vector<std::string> writeFilesInto(const std::string& directory,
                                        const std::vector<FileToWrite>& toWrite) {
    std::string dir = directory;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    std::error_code ec;
    fs::create_directories(dir.empty() ? "." : dir, ec);
    std::vector<std::pair<std::string, const std::string*>> files;
    for (const FileToWrite& file : toWrite) files.emplace_back(dir + file.name, &file.bytes);
    auto removeParts = [&] {
        std::error_code ignored;
        for (const auto& file : files) fs::remove(file.first + ".zapis", ignored);
    };
    for (const auto& [path, bytes] : files) {
        const std::string part = path + ".zapis";
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
        out.flush();
        const bool written = static_cast<bool>(out);
        out.close();
        if (!written || !flushFileToDisk(part)) {
            removeParts();
            throw db::DatabaseError(
                message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać pliku %1"), {path}));
        }
    }
    std::vector<std::string> paths;
    for (const auto& file : files) {
        const std::string& path = file.first;
        fs::rename(path + ".zapis", path, ec);
        if (ec) {
            removeParts();
            throw db::DatabaseError(
                message("listy", QT_TRANSLATE_NOOP("listy", "Nie można zapisać pliku %1: %2"),
                        {path, ec.message()}));
        }
        paths.push_back(path);
    }
    flushFolderToDisk(dir.empty() ? "." : dir);
    return paths;
}

}  // namespace files
