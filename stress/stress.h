#pragma once
// What the kill test's parent (stress_writes.cpp), its children (children.cpp) and its checks
// (checks.cpp) share: the paths, the sizes of their data, and the file read straight through
// the engine.

#include <sqlite3.h>

#include <QString>
#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace stress {

namespace fs = std::filesystem;

// A write path: its name on the command line and the longest a child runs it before it is
// killed (the kill comes at a random moment up to then).
struct Path {
    const char* name;
    int killWithinMs;
};
inline constexpr std::array<Path, 18> kPaths = {{{"writes", 150},
                                                 {"two", 400},
                                                 {"schema", 150},
                                                 {"newdb", 150},
                                                 {"v1", 150},
                                                 {"legacy", 150},
                                                 {"import", 150},
                                                 {"merge", 150},
                                                 {"restore", 150},
                                                 {"wagons-import", 150},
                                                 {"wagons-copy", 150},
                                                 {"rename", 150},
                                                 {"generate", 150},
                                                 {"undo", 400},
                                                 {"join", 300},
                                                 {"import-workbook", 400},
                                                 {"export-csv", 300},
                                                 {"export-workbook", 300}}};

constexpr int kRenameWaybills = 1000;
constexpr int kRenameParties = 30;
constexpr int kCsvWagons = 2000;
constexpr int kGeneratedWaybills = 200;  // two weeks of 40 + 35 + 25 wagons
constexpr int kWagonCopies = 300;
constexpr int kV1Stations = 300;
constexpr int kV1Waybills = 400;
// The "undo" path: the waybills and shippers/receivers of the station it deletes.
constexpr int kUndoWaybills = 100;
constexpr int kUndoParties = 20;
// The "join" path: waybills naming each of the two spellings of one station, and the
// shippers/receivers at each.
constexpr int kJoinKeptWaybills = 300;
constexpr int kJoinOtherWaybills = 200;
constexpr int kJoinParties = 5;

// The folder and the workbook the export paths write, relative to the path's folder.
inline const std::string kExportFolder = "eksport";
inline const std::string kExportWorkbook = "eksport.xlsx";
// The workbook the "import-workbook" path reads.
inline const std::string kImportWorkbook = "arkusz.xlsx";

// --- the file read straight through the engine ---------------------------------------------

struct File {
    sqlite3* db = nullptr;
    explicit File(const std::string& path);
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    // Every row, values joined with "|"; an error as a row "error: …".
    std::vector<std::string> rows(const std::string& sql) const;
    std::string one(const std::string& sql) const;
};

// `sql` run on listy.sdb of the working directory in a connection of its own, for the
// preparations no command of the program makes (a lock waited for up to five seconds).
void runStraight(const std::string& sql);

// The four lists of a file, for comparing states.
std::string listsOf(const std::string& path);
std::string bytesOfFile(const std::string& path);
// The four lists' CSV files the "import" path reads, relative to the path's folder.
std::vector<std::string> csvFiles();

// --- the child -----------------------------------------------------------------------------

// Runs the path `path` in the folder `dir` until killed. Returns only on an error, which it
// writes to standard error.
int runChild(const QString& path, const QString& dir, int trial);

// --- the checks after a kill ---------------------------------------------------------------

struct Checker {
    std::map<std::string, std::string> legacyCounts;
    // The counts (listy, stacje, punkty, ladunki) a whole import / merge / workbook import
    // adds to an empty file.
    std::string importCounts, mergeCounts, workbookCounts;
    std::string legacyBytes;                 // the merged file as it must stay
    std::vector<std::string> restoreStates;  // the lists before and after each restore
    std::string exportedLists;               // the lists of the file the exports read
    // The two CSV exports the "export-csv" path alternates, each file name to its bytes.
    std::array<std::map<std::string, std::string>, 2> csvExports;
    std::string workbookRows;  // what a whole exported workbook reads as

    // A mix of two CSV exports in the folder is a known fault of the export (see
    // csvExportWhole): with this set it goes to knownFaults instead of problems.
    bool allowMixedExport = false;

    std::vector<std::string> problems;
    std::vector<std::string> knownFaults;  // reported, not counted as failures

    void expect(bool ok, const std::string& what);
    // Everything `path` promises, checked on the folder `dir` after its child was killed.
    void afterKill(const std::string& path, const std::string& dir);

    static std::string counts(const File& f);
    // The rows a workbook reads as, one line per row with its list; empty when it cannot be
    // read whole, `why` then says why.
    static std::string rowsOfWorkbook(const std::string& path, std::string& why);

private:
    void soundFile(const File& f);
    void countersAndIds(const File& f);
    void noHalfCascade(const File& f);
    void wholeSchemaOrNone(const File& f);
    void startsAgain(const std::string& dir, bool legacy);
    void soundCopies(const std::string& dir);
    void exchangeWholeOrNone(const std::string& path, const std::string& dir);
    void restoredWhole(const std::string& dir);
    void renamedWhole(const File& f);
    void generatedWholeOrNone(const File& f);
    void wagonsWholeOrNone(const std::string& path, const File& f);
    void undoneWhole(const File& f);
    void joinedWholeOrNone(const File& f);
    void csvExportWhole(const std::string& dir);
    void workbookExportWhole(const std::string& dir);
};

}  // namespace stress
