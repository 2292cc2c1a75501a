#include "store/database_location.h"

#include <filesystem>

#include "store/schema.h"

namespace store {

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
    if (path_.empty()) return kDatabaseFile;
    return std::filesystem::path(path_).filename().string();
}

}  // namespace store
