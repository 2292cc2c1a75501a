#include "model/wagons.h"

#include <algorithm>
#include <cctype>

#include "db/sql_query.h"
#include "model/messages.h"
#include "model/sql_text.h"
#include "model/stored_rows.h"
#include "model/transaction.h"

namespace model {

namespace {

constexpr const char* kColumns[kWagonFieldCount] = {"numer",   "klasa",    "wlasciciel", "stacja",
                                                    "dlugosc", "predkosc", "uwagi"};

std::string quoted(std::string_view text) {
    return "'" + sqlEscape(text) + "'";
}

Wagon wagonOf(const std::vector<StoredValue>& row) {
    auto at = [&row](WagonField f) {
        const auto i = static_cast<std::size_t>(f);
        return i < row.size() && row[i] ? *row[i] : std::string();
    };
    Wagon w{at(WagonField::Number),      at(WagonField::Class),  at(WagonField::Owner),
            at(WagonField::HomeStation), at(WagonField::Length), SpeedMark::None,
            at(WagonField::Note)};
    w.speed = speedFromText(at(WagonField::Speed)).value_or(SpeedMark::None);
    return w;
}

std::string valuesOf(const Wagon& w) {
    std::string out;
    for (int i = 0; i < kWagonFieldCount; ++i) {
        if (i > 0) out += ",";
        out += quoted(wagonText(w, static_cast<WagonField>(i)));
    }
    return out;
}

bool blank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

void checkNumber(db::SqlConnection& connection, const Wagon& wagon, std::string_view except) {
    if (blank(wagon.number))
        throw WagonRefused(message("listy", QT_TRANSLATE_NOOP("listy", "Wagon musi mieć numer.")));
    if (wagon.number != except && findWagon(connection, wagon.number)) {
        throw WagonRefused(
            message("listy", QT_TRANSLATE_NOOP("listy", "Wagon o numerze „%1” już jest na liście."),
                    {wagon.number}));
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string_view speedText(SpeedMark mark) {
    switch (mark) {
        case SpeedMark::S:
            return "s";
        case SpeedMark::SS:
            return "ss";
        case SpeedMark::None:
            break;
    }
    return "";
}

std::optional<SpeedMark> speedFromText(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.empty()) return SpeedMark::None;
    if (lower == "s") return SpeedMark::S;
    if (lower == "ss") return SpeedMark::SS;
    return std::nullopt;
}

const char* wagonColumn(WagonField field) {
    return kColumns[static_cast<int>(field)];
}

std::string wagonText(const Wagon& w, WagonField field) {
    switch (field) {
        case WagonField::Number:
            return w.number;
        case WagonField::Class:
            return w.wagonClass;
        case WagonField::Owner:
            return w.owner;
        case WagonField::HomeStation:
            return w.homeStation;
        case WagonField::Length:
            return w.length;
        case WagonField::Speed:
            return std::string(speedText(w.speed));
        case WagonField::Note:
            return w.note;
    }
    return {};
}

bool wagonTableExists(db::SqlConnection& connection) {
    return tableExists(connection, kWagonTable);
}

const char* wagonTableSql() {
    return "create table if not exists wagony (numer varchar(255) primary key, klasa "
           "varchar(255), wlasciciel varchar(255), stacja varchar(255), dlugosc varchar(255), "
           "predkosc varchar(2), uwagi varchar(255));";
}

void createWagonTable(db::SqlQuery& query) {
    exec(query, wagonTableSql());
}

std::string wagonListSql(const WagonListing& listing, bool exists) {
    if (!exists) {
        std::string sql = "select";
        for (int i = 0; i < kWagonFieldCount; ++i) {
            sql += std::string(i ? "," : "") + " '' as " + kColumns[i];
        }
        return sql + " where 0;";
    }
    std::string sql = "select * from wagony";
    std::string where;
    if (!listing.wagonClass.empty())
        where += "upper(klasa)=upper(" + quoted(listing.wagonClass) + ")";
    if (!listing.owner.empty())
        where += std::string(where.empty() ? "" : " and ") + "wlasciciel=" + quoted(listing.owner);
    if (!where.empty()) sql += " where " + where;
    sql += std::string(" order by ") + wagonColumn(listing.sortBy) +
           (listing.descending ? " desc" : "");
    if (listing.sortBy != WagonField::Number) sql += ", numer";
    return sql + ";";
}

std::vector<Wagon> readWagons(db::SqlConnection& connection) {
    std::vector<Wagon> out;
    if (!wagonTableExists(connection)) return out;
    for (const auto& row : readStoredRows(connection, "select * from wagony order by numer;"))
        out.push_back(wagonOf(row));
    return out;
}

std::optional<Wagon> findWagon(db::SqlConnection& connection, std::string_view number) {
    if (!wagonTableExists(connection)) return std::nullopt;
    const auto rows =
        readStoredRows(connection, "select * from wagony where numer=" + quoted(number) + ";");
    if (rows.empty()) return std::nullopt;
    return wagonOf(rows.front());
}

void insertWagon(db::SqlConnection& connection, db::SqlQuery& query, const Wagon& wagon) {
    checkNumber(connection, wagon, {});
    createWagonTable(query);
    exec(query, "insert into wagony values (" + valuesOf(wagon) + ");");
}

void updateWagon(db::SqlConnection& connection, db::SqlQuery& query, std::string_view number,
                 const Wagon& wagon) {
    if (!findWagon(connection, number)) {
        throw WagonRefused(
            message("listy", QT_TRANSLATE_NOOP("listy", "Wagonu o numerze „%1” nie ma na liście."),
                    {number}));
    }
    checkNumber(connection, wagon, number);
    std::string sets;
    for (int i = 0; i < kWagonFieldCount; ++i) {
        if (i > 0) sets += ",";
        sets +=
            std::string(kColumns[i]) + "=" + quoted(wagonText(wagon, static_cast<WagonField>(i)));
    }
    exec(query, "update wagony set " + sets + " where numer=" + quoted(number) + ";");
}

void deleteWagon(db::SqlQuery& query, std::string_view number) {
    exec(query, "delete from wagony where numer=" + quoted(number) + ";");
}

int uicCheckDigit(std::string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        int d = (digits[i] - '0') * (i % 2 == 0 ? 2 : 1);
        sum += d / 10 + d % 10;
    }
    return (10 - sum % 10) % 10;
}

std::optional<std::string> countedUp(std::string_view number, int steps) {
    std::string out(number);
    std::vector<std::size_t> digits;
    for (std::size_t i = 0; i < out.size(); ++i)
        if (isDigit(out[i])) digits.push_back(i);
    if (digits.empty()) return std::nullopt;
    if (digits.size() == 12) {
        std::string plain;
        for (std::size_t p : digits) plain += out[p];
        if (uicCheckDigit(plain.substr(0, 11)) == plain[11] - '0') {
            const int serial = std::stoi(plain.substr(8, 3)) + steps;
            if (serial > 999) return std::nullopt;
            const std::string s = std::to_string(serial);
            plain.replace(8, 3, std::string(3 - s.size(), '0') + s);
            plain[11] = static_cast<char>('0' + uicCheckDigit(plain.substr(0, 11)));
            for (std::size_t i = 0; i < 12; ++i) out[digits[i]] = plain[i];
            return out;
        }
    }
    // The last run of digits, counted up by hand so that no length overflows.
    std::size_t end = digits.back() + 1;
    std::size_t begin = end;
    while (begin > 0 && isDigit(out[begin - 1])) --begin;
    std::string run = out.substr(begin, end - begin);
    for (int n = 0; n < steps; ++n) {
        std::size_t i = run.size();
        while (i > 0 && run[i - 1] == '9') run[--i] = '0';
        if (i == 0) {
            run.insert(run.begin(), '1');
        } else {
            ++run[i - 1];
        }
    }
    return out.substr(0, begin) + run + out.substr(end);
}

// --- card colours -----------------------------------------------------------------------

std::vector<CardColourGroup> defaultCardColours() {
    std::vector<CardColourGroup> out;
    for (const char* g : {"E+F", "G+H", "K+L", "R+S", "T", "Z"}) out.push_back({g, "#ffffff"});
    return out;
}

std::vector<CardColourGroup> readCardColours(db::SqlConnection& connection) {
    if (!tableExists(connection, kCardColourTable)) return defaultCardColours();
    std::vector<CardColourGroup> out;
    for (const auto& row : readStoredRows(connection,
                                          "select grupa, kolor from kolory_kart "
                                          "order by poz;")) {
        out.push_back({row[0].value_or(""), row[1].value_or("#ffffff")});
    }
    return out;
}

void writeCardColours(db::SqlQuery& query, const std::vector<CardColourGroup>& groups) {
    for (const CardColourGroup& g : groups) {
        const bool hasLetter = std::any_of(g.group.begin(), g.group.end(),
                                           [](unsigned char c) { return std::isalpha(c) != 0; });
        const bool hex = g.colour.size() == 7 && g.colour[0] == '#' &&
                         std::all_of(g.colour.begin() + 1, g.colour.end(),
                                     [](unsigned char c) { return std::isxdigit(c) != 0; });
        if (!hasLetter)
            throw WagonRefused(message(
                "listy", QT_TRANSLATE_NOOP("listy", "Grupa kolorów „%1” nie ma żadnej litery."),
                {g.group}));
        if (!hex)
            throw WagonRefused(
                message("listy", QT_TRANSLATE_NOOP("listy", "Kolor „%1” nie jest kolorem #rrggbb."),
                        {g.colour}));
    }
    exec(query,
         "create table if not exists kolory_kart (poz integer, grupa varchar(40), kolor "
         "varchar(7));");
    exec(query, "delete from kolory_kart;");
    for (std::size_t i = 0; i < groups.size(); ++i) {
        exec(query, "insert into kolory_kart values (" + std::to_string(i) + "," +
                        quoted(groups[i].group) + "," + quoted(groups[i].colour) + ");");
    }
}

std::string cardColourOf(const std::vector<CardColourGroup>& groups, std::string_view wagonClass) {
    if (wagonClass.empty()) return "#ffffff";
    const int first = std::toupper(static_cast<unsigned char>(wagonClass.front()));
    for (const CardColourGroup& g : groups) {
        for (char c : g.group) {
            if (std::isalpha(static_cast<unsigned char>(c)) &&
                std::toupper(static_cast<unsigned char>(c)) == first)
                return g.colour;
        }
    }
    return "#ffffff";
}

}  // namespace model
