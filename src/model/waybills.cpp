#include "model/waybills.h"

#include <string>
#include <vector>

#include "db/errors.h"
#include "db/field.h"
#include "db/sql_connection.h"
#include "db/sql_dataset.h"
#include "db/sql_query.h"
#include "db/text.h"
#include "model/counters.h"
#include "model/schema.h"
#include "model/sql_text.h"
#include "model/stored_rows.h"
#include "model/transaction.h"

namespace model {
namespace {

std::string textOf(const db::SqlDataset& list, const char* column) {
    const db::Field* field = list.findField(column);
    return field ? field->asString() : std::string();
}

// The id as the list shows it: a stored id that is not a decimal integer reads as 0.
int lenientId(const std::string& text) {
    try {
        return db::toInteger(text);
    } catch (const db::ConvertError&) {
        return 0;
    }
}

std::string q(const std::string& text) {
    return sqlEscape(text);
}

}  // namespace

const char* columnOf(WaybillField field) {
    switch (field) {
        case WaybillField::SendingStation:
            return "st_nad";
        case WaybillField::Shipper:
            return "nadawca";
        case WaybillField::WagonType:
            return "rodz_wag";
        case WaybillField::Load:
            return "ladunek";
        case WaybillField::Receiver:
            return "odbiorca";
        case WaybillField::ReceivingStation:
            return "st_odb";
    }
    return "";
}

std::string& Waybill::operator[](WaybillField field) {
    switch (field) {
        case WaybillField::SendingStation:
            return sendingStation;
        case WaybillField::Shipper:
            return shipper;
        case WaybillField::WagonType:
            return wagonType;
        case WaybillField::Load:
            return load;
        case WaybillField::Receiver:
            return receiver;
        case WaybillField::ReceivingStation:
            break;
    }
    return receivingStation;
}

const std::string& Waybill::operator[](WaybillField field) const {
    return const_cast<Waybill&>(*this)[field];
}

Waybill waybillAt(const db::SqlDataset& list) {
    Waybill w;
    w.id = lenientId(textOf(list, "id"));
    for (WaybillField f : kWaybillFields) w[f] = textOf(list, columnOf(f));
    return w;
}

bool readStoredWaybill(db::SqlConnection& connection, int index, Waybill& out) {
    std::vector<std::string> row;
    if (!readStoredRow(connection, kWaybillListSql, index, row) || row.size() < 7) return false;
    out.id = lenientId(row[0]);
    for (std::size_t i = 0; i < kWaybillFields.size(); ++i) out[kWaybillFields[i]] = row[i + 1];
    return true;
}

Waybill keepUnchangedTexts(const Waybill& edited, const Waybill& shown, const Waybill& stored) {
    Waybill out = edited;
    for (WaybillField f : kWaybillFields) {
        if (out[f] == shown[f]) out[f] = stored[f];
    }
    return out;
}

std::string insertWaybillSql(int id, const Waybill& w) {
    return "insert into listy values(" + std::to_string(id) + ",'" + q(w.sendingStation) + "','" +
           q(w.shipper) + "','" + q(w.wagonType) + "','" + q(w.load) + "','" + q(w.receiver) +
           "','" + q(w.receivingStation) + "');";
}

int addWaybill(db::SqlConnection& connection, db::SqlQuery& command, const Waybill& w) {
    return addWithCounter(connection, command, Counter::Waybills,
                          [&](int id) { return insertWaybillSql(id, w); });
}

void updateWaybill(db::SqlQuery& command, const Waybill& w) {
    exec(command, "update listy set st_nad='" + q(w.sendingStation) + "', nadawca='" +
                      q(w.shipper) + "', rodz_wag='" + q(w.wagonType) + "', ladunek='" + q(w.load) +
                      "', odbiorca='" + q(w.receiver) + "', st_odb='" + q(w.receivingStation) +
                      "' where id=" + std::to_string(w.id) + ";");
}

void deleteWaybill(db::SqlQuery& command, int id) {
    exec(command, "delete from listy where id=" + std::to_string(id) + ";");
}

void deleteAllWaybills(db::SqlQuery& list) {
    exec(list, "delete from listy;");
    openQuery(list, kWaybillListSql);
}

}  // namespace model
