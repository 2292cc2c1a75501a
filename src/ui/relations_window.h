#pragma once
// RelationsWindow ("Relacje", menu "Ruch"): the traffic relations. The grid lists them sorted
// by the column whose header was clicked last (again: the other way), filtered by station and,
// with "tylko dostępne wagony", to the wagon types the wagon list holds; the column "Braki"
// marks a relation that names a station, shipper/receiver or load the file no longer holds.
// The fields below show the current relation; the shipper, the load and the receiver are
// picked through the waybill form's picker. "Dopisz" adds the relation in the fields,
// "Zmień" writes them over the current one, "Usuń" deletes it after a question; "Miejsca…"
// keeps how many wagons the shipper's or the receiver's siding takes; "Generuj listy…"
// opens the generator. Everything goes through the session's commands, and the grid follows
// their notice.

#include <QDialog>

#include "session/session.h"
#include "session/shown_list.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ui {

class DataGrid;
class PickerDialog;

class RelationsWindow : public QDialog {
    Q_OBJECT
public:
    explicit RelationsWindow(session::Session& session, QWidget* parent = nullptr);
    ~RelationsWindow() override;

    // The picker of the waybill form, which the "…" buttons show.
    void setPicker(PickerDialog* picker) { picker_ = picker; }
    session::ShownList& relations() { return relations_; }
    model::RelationListing listing() const { return listing_; }

    void fillOnShow();
    void showCurrent();  // the current relation in the fields
    void pickShipper();
    void pickLoad();
    void pickReceiver();
    void addRelation();     // "Dopisz"
    void changeRelation();  // "Zmień"
    void deleteRelation();  // "Usuń"
    void editPlaces(bool receiver);
    void openGenerator();  // "Generuj listy…"
    void sortBy(int column);
    void applyListing();  // the filter changed

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    model::Relation typed() const;
    void refillStations();
    void showPlaces();

    session::Session& session_;
    session::ShownList relations_;
    model::RelationListing listing_;
    PickerDialog* picker_ = nullptr;
    int listener_ = 0;
    DataGrid* grid_ = nullptr;
    QComboBox* stationFilter_ = nullptr;
    QCheckBox* availableOnly_ = nullptr;
    QComboBox* sendingStation_ = nullptr;
    QLineEdit* shipper_ = nullptr;
    QLineEdit* load_ = nullptr;
    QLineEdit* wagonType_ = nullptr;
    QLineEdit* receiver_ = nullptr;
    QComboBox* receivingStation_ = nullptr;
    QSpinBox* perWeek_ = nullptr;
    QLineEdit* note_ = nullptr;
    QLabel* places_ = nullptr;
};

}  // namespace ui
