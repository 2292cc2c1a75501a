#pragma once
// Writing a set of exported files into a folder so that a failure part-way never leaves a
// new file beside an old one: each is written and flushed under a temporary name first,
// and only when all are on the disk do they take their names.

#include <string>
#include <vector>

namespace files {

struct FileToWrite {
    std::string name;  // without a folder
    std::string bytes;
};

// Writes `files` into `directory` (made when missing). Returns their paths. DatabaseError
// (no file taken its name) when one cannot be written.
std::vector<std::string> writeFilesInto(const std::string& directory,
                                        const std::vector<FileToWrite>& files);

}  // namespace files
