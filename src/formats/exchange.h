#pragma once
// Sharing a meeting's data: the four lists (stations, shippers/receivers, loads, waybills)
// written to CSV files and read back, and the lists of another Listy file merged in.
//
// Import and merge add rows under one rule. Stations are matched by name: a station that
// exists keeps its colour (another colour in the file is reported). Shippers/receivers,
// loads and waybills are matched as multisets: a row is skipped only as many times as an
// identical row is already present, so the same file imported twice adds nothing the
// second time, and identical rows inside one file (several wagons of one traffic) all stay.
// New rows take their ids from the counters. Everything is validated before anything is
// written, and all rows are written in one transaction, or none (any refused row refuses
// the whole command). The result is one report.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/forward.h"
#include "formats/encoding.h"
#include "model/language.h"

namespace formats {

enum class ExchangeList {
    Stations = 0,
    Parties = 1,
    Loads = 2,
    Waybills = 3,
    Wagons = 4,
    Relations = 5,
    Places = 6
};
// The four lists every file has.
inline constexpr std::array<ExchangeList, 4> kExchangeLists = {
    ExchangeList::Stations, ExchangeList::Parties, ExchangeList::Loads, ExchangeList::Waybills};
// With the wagon list, the traffic relations and the businesses' places, which a file has
// once such a row was written into it.
inline constexpr std::size_t kListCount = 7;
inline constexpr std::array<ExchangeList, kListCount> kAllExchangeLists = {
    ExchangeList::Stations, ExchangeList::Parties,   ExchangeList::Loads, ExchangeList::Waybills,
    ExchangeList::Wagons,   ExchangeList::Relations, ExchangeList::Places};

// The header row of a list's CSV file in each language, by which the import knows the list
// (in any of them, see list_reader.h); the export writes the chosen language's:
//   waybills  "Stacja nadania;Nadawca;Rodzaj wagonu;Ładunek;Odbiorca;Stacja odbioru"
//             "Versandbahnhof;Versender;Wagengattung;Ladegut;Empfänger;Empfangsbahnhof"
//             "Sending station;Shipper;Wagon type;Load;Receiver;Receiving station"
//   stations  "Nazwa stacji;Kolor", "Bahnhof;Farbe", "Station;Colour"
//   parties   "Nazwa;Stacja", "Versender/Empfänger;Bahnhof", "Shipper/receiver;Station"
//   loads     "Nazwa;Rodzaj wagonu", "Ladegut;Wagengattung", "Load;Wagon type"
//   wagons    "Numer;Klasa;Właściciel;Stacja macierzysta;Długość;Prędkość;Uwagi"
//             "Wagennummer;Gattung;Eigentümer;Heimatbahnhof;Länge;Geschwindigkeit;Bemerkung"
//             "Wagon number;Class;Owner;Home station;Length;Speed;Remarks"
//             (the speed as empty, "s" or "ss"). Wagons are matched by number, like stations
//             by name: a wagon whose number is present is skipped (other data in the file
//             reported).
//   relations "Nadawca;Stacja nadania;Ładunek;Rodzaj wagonu;Odbiorca;Stacja odbioru;Wagonów na
//             tydzień" (1–99), "Versender;Versandbahnhof;Ladegut;Wagengattung;Empfänger;
//             Empfangsbahnhof;Wagen pro Woche", "Shipper;Sending station;Load;Wagon type;
//             Receiver;Receiving station;Wagons per week"; matched as a multiset; ids from
//             nr_relacji; the note stays home.
//   places    "Nazwa;Stacja;Miejsca" (1–999), "Name;Bahnhof;Gleisplätze",
//             "Name;Station;Places", matched by business (name and station) like stations by
//             name.
// Values are the same in every language: colours as stored (clred …), speeds as "s", "ss".
const std::vector<std::string>& csvHeader(ExchangeList list,
                                          model::Language language = model::Language::Polish);
// The statement that reads a list's columns, in the header's order, from its table.
std::string exchangeSelectSql(ExchangeList list);
// The export's file name: listy.csv, stacje.csv, punkty.csv, ladunki.csv, wagony.csv,
// relacje.csv, miejsca.csv.
const char* csvFileName(ExchangeList list);
// The list's name in reports ("Stacje", "Nadawcy/odbiorcy", "Ładunki", "Listy przewozowe").
const char* listTitle(ExchangeList list);

// The stored colour name (clwhite … clorange) for a text of a CSV file: a stored name, a
// colour word in Polish (the stations window's list: "Czerwony"), German ("rot", "Grün") or
// English ("red"), or a whole label of the Polish list; in any case, with or without
// diacritics. None for anything else.
std::optional<std::string_view> colourFromText(std::string_view text);

// Rows to add, each with where it came from (for messages).
struct ExchangeRow {
    std::vector<std::string> values;  // in the order of the list's CSV header
    int source = 0;                   // index into ExchangeData::sources
    long line = 0;                    // CSV line; 0 for a row of a database
};

struct ExchangeData {
    std::vector<std::string> sources;                       // file names
    std::array<std::vector<ExchangeRow>, kListCount> rows;  // by ExchangeList
    std::vector<ExchangeRow>& of(ExchangeList list) { return rows[static_cast<int>(list)]; }
    const std::vector<ExchangeRow>& of(ExchangeList list) const {
        return rows[static_cast<int>(list)];
    }
};

struct ExchangeReport {
    std::string command;  // "Import CSV" or "Dołączenie bazy"
    std::array<long, kListCount> added{};
    std::array<long, kListCount> skipped{};
    std::vector<std::string> notes;     // reported, not refused (a station's other colour …)
    std::vector<std::string> refusals;  // "<file>, wiersz <n>: <reason>"
    bool written = false;               // the rows are in the database
    // A CSV file was refused as not UTF-8 because no encoding was given (naming one helps).
    bool encodingNeeded = false;

    bool refused() const { return !refusals.empty(); }
    long totalAdded() const;
    long totalSkipped() const;
    // The one summary: added, skipped as already present, refused with reasons.
    std::string summary() const;
};

// --- export ----------------------------------------------------------------------------

// The CSV file of one list: byte-order mark, header row, one line per row in the table's
// order, values whole and always quoted, lines ended by CR LF. No ids. The header is the
// one of `language`; the values and the file names are the same in every language.
std::string exportCsv(db::SqlConnection& connection, ExchangeList list,
                      model::Language language = model::Language::Polish);
// One exported file: its name (without a folder) and its bytes.
struct ExportedFile {
    std::string name;
    std::string bytes;
};
// The CSV files of every list the file keeps, read whole before anything is written: the
// four lists, and wagony.csv, relacje.csv, miejsca.csv when the file keeps wagons,
// relations, places.
std::vector<ExportedFile> exportCsvLists(db::SqlConnection& connection,
                                         model::Language language = model::Language::Polish);

// --- import ----------------------------------------------------------------------------

// Reads one CSV file (its name for messages, its bytes) into `data`: the header tells the
// list (matched as list_reader.h says), the header row tells the separator (";", "," or
// tab). A file that is valid UTF-8 is read as UTF-8; any other in `encoding`, and without
// one it is refused with the likely encodings named. A fault of the file as a whole (an
// undefined byte, a broken quote, a NUL, a value over 255 characters, over 1,000,000 rows,
// an unknown header, an empty file) and every refused row go to `report.refusals` with the
// line number; the encoding used goes to `report.notes`.
void readCsv(const std::string& name, std::string_view bytes, ExchangeData& data,
             ExchangeReport& report, std::optional<Encoding> encoding = std::nullopt);

// --- merge -----------------------------------------------------------------------------

// The four lists of another Listy file at `path`, of the current format or the old SQLite 2
// format (read through the old-format reader, texts decoded from Windows-1250), of
// schema version 1 (stations without colour: white) or 2. The file is opened read-only and
// never written. DatabaseError when it cannot be read or is no Listy file.
ExchangeData readListyFile(const std::string& path);

// Merges the lists `data` (read by readListyFile) into the database, in one transaction.
ExchangeReport mergeDatabase(db::SqlConnection& connection, const ExchangeData& data,
                             const std::function<void()>& beforeWriting = {},
                             const std::function<void()>& beforeCommit = {});

// --- both ------------------------------------------------------------------------------

// Adds `data` to the database by the duplicate rules, in one transaction, unless `report`
// holds refusals already (then nothing is written). Counts go to `report`. When rows are
// written, `beforeWriting` runs under the write lock before the first and `beforeCommit`
// after the last, before the commit (the callers start their backup in the one and wait
// for it in the other); either may be empty.
void addRows(db::SqlConnection& connection, const ExchangeData& data, ExchangeReport& report,
             const std::function<void()>& beforeWriting = {},
             const std::function<void()>& beforeCommit = {});

}  // namespace formats
