#pragma once
// The waybill: one row of table listy as a value, read from a result row by column name, and
// the three commands that write it. Each command composes its exact statement, with every
// text quoted through sqlEscape(), and runs it on a command query, never on the dataset a
// grid shows.

#include <array>
#include <string>

#include "db/forward.h"

namespace model {

// The six texts of a waybill, in the column order of table listy (after its id). The
// waybill type, the exchange, the generator, the print window's list, its search and the
// generator's preview take the columns from here; the rename table and the relations' list
// name them in statements of their own, beside the other tables' columns.
enum class WaybillField { SendingStation, Shipper, WagonType, Load, Receiver, ReceivingStation };
inline constexpr std::array<WaybillField, 6> kWaybillFields = {
    WaybillField::SendingStation, WaybillField::Shipper,  WaybillField::WagonType,
    WaybillField::Load,           WaybillField::Receiver, WaybillField::ReceivingStation};
// The column of table listy: "st_nad", "nadawca", "rodz_wag", "ladunek", "odbiorca", "st_odb".
const char* columnOf(WaybillField field);

struct Waybill {
    int id = 0;
    std::string sendingStation;    // st_nad
    std::string shipper;           // nadawca
    std::string wagonType;         // rodz_wag
    std::string load;              // ladunek
    std::string receiver;          // odbiorca
    std::string receivingStation;  // st_odb

    bool operator==(const Waybill&) const = default;

    std::string& operator[](WaybillField field);
    const std::string& operator[](WaybillField field) const;
};

// The current row of a result of "select * from listy;" (or any result with listy's
// column names). With no current row every text is empty; an id that is not a number
// reads as 0.
Waybill waybillAt(const db::SqlDataset& list);

// The texts of the waybill at position `index` of "select * from listy;", read straight
// from the file and never cut to a field's size. False when there is no such row.
bool readStoredWaybill(db::SqlConnection& connection, int index, Waybill& out);

// `edited` with every text that the user left as it was shown (`shown`, possibly cut)
// replaced by the whole stored text, so an edit of one field never cuts another.
Waybill keepUnchangedTexts(const Waybill& edited, const Waybill& shown, const Waybill& stored);

// A new waybill: its id from the counter nr_listu, the row and the counter in one
// transaction:
//   "insert into listy values(<id>,'<st_nad>','<nadawca>','<rodz_wag>','<ladunek>',
//    '<odbiorca>','<st_odb>');"
//   "update admin set value='<id>' where key='nr_listu';"
// The counter is read and written on `command`. Returns the new id.
int addWaybill(db::SqlConnection& connection, db::SqlQuery& command, const Waybill& waybill);
// The insert of a new waybill with the id `id`, as addWaybill writes it.
std::string insertWaybillSql(int id, const Waybill& waybill);

// "update listy set st_nad='…', nadawca='…', rodz_wag='…', ladunek='…', odbiorca='…',
//  st_odb='…' where id=<id>;"
void updateWaybill(db::SqlQuery& command, const Waybill& waybill);

// "delete from listy where id=<id>;"
void deleteWaybill(db::SqlQuery& command, int id);

// Deletes every waybill and opens the (empty) waybill list on `list`. Stations, loads,
// shippers/receivers and the counters stay.
void deleteAllWaybills(db::SqlQuery& list);

}  // namespace model
