#pragma once
// The command line: listy [--database PATH] [--export-csv DIR] [--export-xlsx FILE]
// [--import FILE… | --import-csv FILE…] [--encoding NAME] [--merge FILE]
// [--print-pdf FILE [--copies N]] [--print-car-cards FILE [--car-card-format NAME]
// [--car-paper PAPER] [--pocket NAME] [--copies N]]
// [--generate WEEKS [--days N] [--seed N] [--station S]…] [--help] [--version]. Without a command
// the windows open (on PATH when given); the commands run without a window and without a
// display, and end with status 0, or with a message on standard error and a non-zero status.

#include <QString>
#include <QStringList>

#include <iosfwd>
#include "print/car_cards.h"
#include "print/print_options.h"

#include <cstdint>
#include <optional>

#include "model/encoding.h"
#include "session/session.h"

namespace cli {

struct CommandLine {
    bool help = false;
    bool version = false;
    QString database;  // empty: listy.sdb in the working directory
    QString exportDir;
    QString exportXlsx;
    QStringList importFiles;                  // CSV files and .xlsx/.ods workbooks alike
    std::optional<model::Encoding> encoding;  // of the CSV files that are not UTF-8
    QString mergeFile;                        // another Listy file merged in ("Dołącz bazę…")
    QString printPdf;
    int copies = 1;
    print::PrintOptions printOptions;   // the layout of --print-pdf; never the window's choice
    QString printCarCards;              // every wagon's car card into this PDF
    print::CarCardFormat carCards;      // its format, paper and pocket
    int generateWeeks = 0;              // over 0: the relations' waybills for so many weeks
    int generateDays = 0;               // over 0: for so many operating days instead
    std::optional<std::uint64_t> seed;  // the stack's order; none: a random one
    QStringList generateStations;       // only these stations' relations
    QString language;                   // --language: pl, de or en for this run; empty: the menu's

    // No command: the program opens its windows.
    bool windowed() const {
        return exportDir.isEmpty() && exportXlsx.isEmpty() && importFiles.isEmpty() &&
               mergeFile.isEmpty() && printPdf.isEmpty() && printCarCards.isEmpty() &&
               generateWeeks == 0;
    }
    files::DatabaseLocation location() const;
};

inline constexpr int kExitRefused = 1;  // a command failed or was refused
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

// Reads `arguments` (the program's name first). False, with `error` in the run's language, for an
// unknown option, a missing value, a bad count or a stray argument.
bool parseCommandLine(const QStringList& arguments, CommandLine& line, QString& error);

// The help text of --help, in the run's language.
QString helpText();
// "listy <version>".
QString versionText();

// Runs the commands of `line` (import, merge, the generator, then export, then printing) on the
// database, without windows. Needs a QCoreApplication (a QGuiApplication for --print-pdf). Returns
// the exit status; reports go to `out`, errors to `err`.
int runCommands(const CommandLine& line, std::ostream& out, std::ostream& err);

// Parses the command line into `line`, answers --help and --version and runs the commands
// without a display, each with the application it needs; returns their exit status. None
// when the command line names no command: then the caller opens the windows.
std::optional<int> runWithoutWindows(int argc, char** argv, CommandLine& line);

}  // namespace cli
