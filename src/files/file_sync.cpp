#include "files/file_sync.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <chrono>
#include <thread>

namespace files {

bool flushFileToDisk(const std::string& path) {
#ifdef _WIN32
    const int fd = _open(path.c_str(), _O_RDWR | _O_BINARY);
    if (fd < 0) return false;
    const bool ok = _commit(fd) == 0;
    _close(fd);
    return ok;
#else
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

bool flushFolderToDisk(const std::string& folder) {
#ifdef _WIN32
    (void)folder;
    return true;
#else
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
#endif
}

FileLock::FileLock(const std::string& path, int waitMs) {
#ifdef _WIN32
    (void)path;
    (void)waitMs;
#else
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (!(held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0) &&
           std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
#endif
}

FileLock::~FileLock() {
#ifndef _WIN32
    if (fd_ >= 0) ::close(fd_);  // lets the lock go
#endif
}

}  // namespace files
