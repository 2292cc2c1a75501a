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
#include "model/lists.h"

namespace formats {

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
const std::vector<std::string>& csvHeader(model::List list,
                                          model::Language language = model::Language::Polish);
// A list's columns in the order of its CSV header.
const std::vector<std::string>& exchangeColumns(model::List list);
// The statement that reads a list's columns, in the header's order, from its table.
std::string exchangeSelectSql(model::List list);
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
    std::vector<std::string> sources;                              // file names
    std::array<std::vector<ExchangeRow>, model::kListCount> rows;  // by model::List
    std::vector<ExchangeRow>& of(model::List list) { return rows[static_cast<int>(list)]; }
    const std::vector<ExchangeRow>& of(model::List list) const {
        return rows[static_cast<int>(list)];
    }
};

// Which command a report is of.
enum class ExchangeCommand { CsvImport, WorkbookImport, Merge };

struct ExchangeReport {
    ExchangeCommand command = ExchangeCommand::CsvImport;
    std::array<long, model::kListCount> added{};
    std::array<long, model::kListCount> skipped{};
    std::vector<std::string> notes;     // reported, not refused (a station's other colour …)
    std::vector<std::string> refusals;  // "<file>, wiersz <n>: <reason>"
    bool written = false;               // the rows are in the database
    std::string backup;                 // the copy of the file taken before; empty: none
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
std::string exportCsv(db::SqlConnection& connection, model::List list,
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

}  // namespace formats
