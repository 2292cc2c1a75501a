#include "files/database_location.h"

#include <filesystem>

#include "db/errors.h"
#include "model/messages.h"
#include "model/schema.h"

namespace files {

std::string workingDirectory() {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    if (ec || dir.empty()) {
        throw db::DatabaseError(
            model::message("listy",
                           QT_TRANSLATE_NOOP("listy",
                                             "Nie można odczytać katalogu roboczego (%1). Uruchom "
                                             "program w istniejącym katalogu."),
                           {ec.message()}));
    }
    return dir.string() + "/";
}

DatabaseLocation DatabaseLocation::file(const std::string& path) {
    DatabaseLocation location;
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(path), ec);
    if (ec) p = std::filesystem::path(path);
    location.path_ = p.lexically_normal().string();
    return location;
}

std::string DatabaseLocation::directory() const {
    if (path_.empty()) return workingDirectory();
    std::string dir = std::filesystem::path(path_).parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

std::string DatabaseLocation::fileName() const {
    if (path_.empty()) return model::kDatabaseFile;
    return std::filesystem::path(path_).filename().string();
}

}  // namespace files
