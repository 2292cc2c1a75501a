#pragma once
// Making a written file last: its bytes flushed to the disk, and the folder's entry for a
// file just renamed into place; and a lock on a file between programs. The one place with
// the platform's own calls for them.

#include <string>

namespace files {

// Flushes the file at `path` to the disk; false when it cannot be opened or flushed.
bool flushFileToDisk(const std::string& path);
// Flushes the folder `folder` (its entries: a rename that published a file); false when
// it cannot. Does nothing where the platform has no such call.
bool flushFolderToDisk(const std::string& folder);

// An exclusive lock on the file at `path` between programs that take it the same way (not
// the engine's own locks), held while the object lives and let go when the program ends in
// any way. It waits up to `waitMs` for another holder; when the file cannot be opened or
// the wait runs out it holds nothing (held() false). Holds nothing where the platform has
// no such call.
class FileLock {
public:
    FileLock(const std::string& path, int waitMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace files
