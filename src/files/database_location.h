#pragma once
// Where the database file lies. By default listy.sdb in the working directory, read at the
// moment it is needed (so a working directory that has gone away is reported then); with
// the command line's --database, one given file. Every file operation of the program
// (start-up, both conversions and their copies, "Nowa baza", the backups in kopie/) takes
// its path from here.

#include <string>

namespace files {

// The working directory with "/" appended; DatabaseError when it cannot be read (it was
// deleted, say), never a guess.
std::string workingDirectory();

class DatabaseLocation {
public:
    // listy.sdb in the working directory.
    DatabaseLocation() = default;
    // The file at `path` (made absolute against the working directory now).
    static DatabaseLocation file(const std::string& path);

    // True for a file given by path, false for listy.sdb in the working directory.
    bool isGiven() const { return !path_.empty(); }
    // The folder with "/" appended (the working directory by default; DatabaseError when
    // it cannot be read).
    std::string directory() const;
    // The file's name without its folder ("listy.sdb" by default).
    std::string fileName() const;
    // directory() + fileName().
    std::string path() const { return directory() + fileName(); }

private:
    std::string path_;  // absolute; empty for the default
};

}  // namespace files
