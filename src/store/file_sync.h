#pragma once
// Making a written file last: its bytes flushed to the disk, and the folder's entry for a
// file just renamed into place. The one place with the platform's own calls for it.

#include <string>

namespace store {

// Flushes the file at `path` to the disk; false when it cannot be opened or flushed.
bool flushFileToDisk(const std::string& path);
// Flushes the folder `folder` (its entries: a rename that published a file); false when
// it cannot. Does nothing where the platform has no such call.
bool flushFolderToDisk(const std::string& folder);

}  // namespace store
