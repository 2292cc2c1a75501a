#include "formats/exchange.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <unordered_map>

#include "db/case_fold.h"
#include "db/errors.h"
#include "db/sql_connection.h"
#include "db/sql_statement.h"
#include "db/text.h"
#include "formats/cp1250.h"
#include "formats/csv.h"
#include "formats/list_reader.h"
#include "formats/sqlite2_reader.h"
#include "model/colours.h"
#include "model/counters.h"
#include "model/messages.h"
#include "model/stored_rows.h"
#include "model/traffic.h"
#include "model/transaction.h"
#include "model/wagons.h"
#include "model/waybills.h"

namespace formats {

using model::message;
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kListedRefusals = 30;

std::size_t at(model::List list) {
    return static_cast<std::size_t>(list);
}

// What each exchanged list is, in the order of model::List: the columns it is read from and
// written to (in the order of its CSV header) and the header in each language (in the order
// of Language). Its table, file and title are model::namesOf(list).
struct ListInfo {
    std::vector<std::string> columns;
    std::array<std::vector<std::string>, model::kLanguages.size()> headers;
};

std::vector<std::string> waybillColumns() {
    std::vector<std::string> columns;
    for (model::WaybillField f : model::kWaybillFields) columns.emplace_back(columnOf(f));
    return columns;
}

// The headers of the traffic lists, each named once, in every language.
using Headers = std::array<std::vector<std::string>, model::kLanguages.size()>;
const Headers kRelationsHeaders = {{{"Nadawca", "Stacja nadania", "Ładunek", "Rodzaj wagonu",
                                     "Odbiorca", "Stacja odbioru", "Wagonów na tydzień"},
                                    {"Versender", "Versandbahnhof", "Ladegut", "Wagengattung",
                                     "Empfänger", "Empfangsbahnhof", "Wagen pro Woche"},
                                    {"Shipper", "Sending station", "Load", "Wagon type", "Receiver",
                                     "Receiving station", "Wagons per week"}}};
const Headers kPlacesHeaders = {{{"Nazwa", "Stacja", "Miejsca"},
                                 {"Name", "Bahnhof", "Gleisplätze"},
                                 {"Name", "Station", "Places"}}};

const ListInfo& infoOf(model::List list) {
    static const std::array<ListInfo, model::kExchangedLists.size()> lists = {{
        {{"nazwa", "kolor"},
         {{{"Nazwa stacji", "Kolor"}, {"Bahnhof", "Farbe"}, {"Station", "Colour"}}}},
        {{"nazwa", "stacja"},
         {{{"Nazwa", "Stacja"},
           {"Versender/Empfänger", "Bahnhof"},
           {"Shipper/receiver", "Station"}}}},
        {{"nazwa", "rodz_wag"},
         {{{"Nazwa", "Rodzaj wagonu"}, {"Ladegut", "Wagengattung"}, {"Load", "Wagon type"}}}},
        {waybillColumns(),
         {{{"Stacja nadania", "Nadawca", "Rodzaj wagonu", "Ładunek", "Odbiorca", "Stacja odbioru"},
           {"Versandbahnhof", "Versender", "Wagengattung", "Ladegut", "Empfänger",
            "Empfangsbahnhof"},
           {"Sending station", "Shipper", "Wagon type", "Load", "Receiver", "Receiving station"}}}},
        {{"numer", "klasa", "wlasciciel", "stacja", "dlugosc", "predkosc", "uwagi"},
         {{{"Numer", "Klasa", "Właściciel", "Stacja macierzysta", "Długość", "Prędkość", "Uwagi"},
           {"Wagennummer", "Gattung", "Eigentümer", "Heimatbahnhof", "Länge", "Geschwindigkeit",
            "Bemerkung"},
           {"Wagon number", "Class", "Owner", "Home station", "Length", "Speed", "Remarks"}}}},
        {{"nadawca", "st_nad", "ladunek", "rodz_wag", "odbiorca", "st_odb", "na_tydzien"},
         kRelationsHeaders},
        {{"nazwa", "stacja", "miejsca"}, kPlacesHeaders},
    }};
    return lists[at(list)];
}

const char* tableOf(model::List list) {
    return model::namesOf(list).table;
}
const std::vector<std::string>& columnsOf(model::List list) {
    return infoOf(list).columns;
}

std::string selectSql(model::List list) {
    std::string sql = "select ";
    const auto& columns = columnsOf(list);
    for (std::size_t i = 0; i < columns.size(); ++i) sql += (i ? ", " : "") + columns[i];
    return sql + " from " + tableOf(list) + ";";
}

}  // namespace

const std::vector<std::string>& csvHeader(model::List list, model::Language language) {
    return infoOf(list).headers[static_cast<std::size_t>(language)];
}

std::optional<std::string_view> colourFromText(std::string_view text) {
    // Every text a colour is known by, as its header key, with the colour's stored name.
    static const std::vector<std::pair<std::string, std::string_view>> known = [] {
        // The colour words of German and English, in the order of kFremoColours.
        static constexpr std::string_view kGerman[] = {"weiß", "rot",     "gelb",  "grün",
                                                       "blau", "schwarz", "braun", "orange"};
        static constexpr std::string_view kEnglish[] = {"white", "red",   "yellow", "green",
                                                        "blue",  "black", "brown",  "orange"};
        std::vector<std::pair<std::string, std::string_view>> out;
        for (const model::FremoColour& c : model::kFremoColours) {
            const auto i = static_cast<std::size_t>(c.index);
            const std::string_view word = c.label.substr(0, c.label.find(' '));
            for (std::string_view t : {c.name, c.label, word, kGerman[i], kEnglish[i]})
                out.emplace_back(model::nameKey(t), c.name);
        }
        return out;
    }();
    const std::string key = model::nameKey(text);
    if (key.empty()) return std::nullopt;
    for (const auto& [candidate, name] : known) {
        if (key == candidate) return name;
    }
    return std::nullopt;
}

long ExchangeReport::totalAdded() const {
    long n = 0;
    for (long a : added) n += a;
    return n;
}

long ExchangeReport::totalSkipped() const {
    long n = 0;
    for (long s : skipped) n += s;
    return n;
}

std::string ExchangeReport::summary() const {
    // Composed when it is shown, in the language chosen then; the command and the lists'
    // titles are Polish identifiers too.
    auto n = [](auto v) { return std::to_string(v); };
    const char* const titles[] = {QT_TRANSLATE_NOOP("listy", "Import CSV"),
                                  QT_TRANSLATE_NOOP("listy", "Import arkusza"),
                                  QT_TRANSLATE_NOOP("listy", "Dołączenie bazy")};
    const std::string what = message("listy", titles[static_cast<std::size_t>(command)]);
    auto further = [&](std::size_t count) {
        return "  " +
               message("listy", QT_TRANSLATE_NOOP("listy", "… i %1 dalszych"),
                       {n(count - kListedRefusals)}) +
               "\n";
    };
    std::string text;
    if (refused()) {
        text =
            message(
                "listy",
                refusals.size() == 1
                    ? QT_TRANSLATE_NOOP("listy", "%1: nic nie zapisano, bo odrzucono %2 pozycję:")
                    : QT_TRANSLATE_NOOP("listy", "%1: nic nie zapisano, bo odrzucono %2 pozycji:"),
                {what, n(refusals.size())}) +
            "\n";
        for (std::size_t i = 0; i < refusals.size() && i < kListedRefusals; ++i) {
            text += "  " + refusals[i] + "\n";
        }
        if (refusals.size() > kListedRefusals) text += further(refusals.size());
    } else {
        text = message("listy",
                       QT_TRANSLATE_NOOP(
                           "listy", "%1: dodano %2, pominięto jako już obecne %3, odrzucono 0."),
                       {what, n(totalAdded()), n(totalSkipped())}) +
               "\n";
        for (model::List list : model::kExchangedLists) {
            const bool optional = list == model::List::Wagons || list == model::List::Relations ||
                                  list == model::List::Places;
            if (optional && added[at(list)] == 0 && skipped[at(list)] == 0) continue;
            text += "  " +
                    message("listy", QT_TRANSLATE_NOOP("listy", "%1: dodano %2, pominięto %3"),
                            {message("listy", model::namesOf(list).title), n(added[at(list)]),
                             n(skipped[at(list)])}) +
                    "\n";
        }
        if (totalAdded() == 0)
            text += message("listy", QT_TRANSLATE_NOOP("listy", "Nic nie dodano.")) + "\n";
    }
    if (!notes.empty()) {
        text += message("listy", QT_TRANSLATE_NOOP("listy", "Uwagi:")) + "\n";
        for (std::size_t i = 0; i < notes.size() && i < kListedRefusals; ++i)
            text += "  " + notes[i] + "\n";
        if (notes.size() > kListedRefusals) text += further(notes.size());
    }
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

// --- export ----------------------------------------------------------------------------

namespace {

// Each row the engine hands over becomes one line, its values quoted in place.
int appendCsvLine(void* arg, const db::ExecRow& r) {
    auto* out = static_cast<std::string*>(arg);
    if (r.values == nullptr) return 0;
    for (int i = 0; i < r.columnCount; ++i) {
        if (i) *out += csv::kSeparator;
        csv::appendQuoted(
            *out, r.values[i]
                      ? std::string_view(r.values[i], static_cast<std::size_t>(r.lengths[i]))
                      : std::string_view());
    }
    *out += "\r\n";
    return 0;
}

}  // namespace

std::string exportCsv(db::SqlConnection& connection, model::List list, model::Language language) {
    std::string out(csv::kBom);
    out += csv::line(csvHeader(list, language), false);
    const std::string sql = selectSql(list);
    std::string error;
    const int rc = connection.xExec(sql, &appendCsvLine, &out, &error);
    if (!error.empty()) throw db::DatabaseError(error, rc, sql);
    return out;
}

const std::vector<std::string>& exchangeColumns(model::List list) {
    return columnsOf(list);
}

std::string exchangeSelectSql(model::List list) {
    return selectSql(list);
}

std::vector<ExportedFile> exportCsvLists(db::SqlConnection& connection, model::Language language) {
    std::vector<ExportedFile> files;
    for (model::List list : model::kDescribedLists)
        files.push_back({model::namesOf(list).csvFile, exportCsv(connection, list, language)});
    const std::pair<model::List, bool> optional[] = {
        {model::List::Wagons, model::wagonTableExists(connection)},
        {model::List::Relations, model::relationTableExists(connection)},
        {model::List::Places, model::placesTableExists(connection)}};
    for (const auto& [list, kept] : optional) {
        if (kept)
            files.push_back({model::namesOf(list).csvFile, exportCsv(connection, list, language)});
    }
    return files;
}

// --- import ----------------------------------------------------------------------------

void readCsv(const std::string& name, std::string_view bytes, ExchangeData& data,
             ExchangeReport& report, std::optional<Encoding> encoding) {
    ListReader reader(name, data, report);
    std::string text;
    Encoding used = Encoding::Utf8;
    try {
        text = csv::decode(bytes, encoding, used);
    } catch (const csv::CsvError& e) {
        if (e.cause() == csv::CsvError::Cause::EncodingNeeded) report.encodingNeeded = true;
        reader.refuseFile(e.line(), e.what());
        return;
    }
    report.notes.push_back(message("listy",
                                   QT_TRANSLATE_NOOP("listy", "%1: odczytano w kodowaniu %2"),
                                   {name, encodingName(used)}));
    const char separator = csv::detectSeparator(text);
    reader.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    try {
        bool going = true;
        csv::parse(
            text,
            [&](csv::Record&& record) {
                if (going) going = reader.record(record.line, std::move(record.fields));
            },
            {}, separator);
    } catch (const csv::CsvError& e) {
        // A fault of the file as a whole: none of its rows is kept.
        reader.refuseFile(e.line(), e.what());
        return;
    }
    reader.finish();
}

}  // namespace formats
