#pragma once
// WagonsWindow ("Wagony", menu "Ruch"): the wagon list. The grid lists the wagons sorted by
// the chosen column and filtered by class (any case) and owner; the fields below show the
// current wagon. "Dopisz" adds the wagon typed in the fields, "Zmień" writes them over the
// current one, "Usuń" deletes it after a question, "Kopiuj…" adds copies with the number
// counted up; "Kolory kart…" and "Karty wagonów…" open the car cards' dialogs. Everything
// goes through the session's commands, and the grid follows their notice.

#include <QDialog>

#include "session/session.h"
#include "session/shown_list.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace ui {

class DataGrid;

class WagonsWindow : public QDialog {
    Q_OBJECT
public:
    explicit WagonsWindow(session::Session& session, QWidget* parent = nullptr);
    ~WagonsWindow() override;

    session::ShownList& wagons() { return wagons_; }
    model::WagonListing listing() const;

    void fillOnShow();
    void showCurrent();   // the current wagon in the fields
    void addWagon();      // "Dopisz"
    void changeWagon();   // "Zmień"
    void deleteWagon();   // "Usuń"
    void copyWagon();     // "Kopiuj…"
    void editColours();   // "Kolory kart…"
    void printCards();    // "Karty wagonów…"
    void applyListing();  // the filter or the order changed

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    model::Wagon typed() const;
    void refillFilters();

    session::Session& session_;
    session::ShownList wagons_;
    int listener_ = 0;
    DataGrid* grid_ = nullptr;
    QComboBox* classFilter_ = nullptr;
    QComboBox* ownerFilter_ = nullptr;
    QComboBox* sortBy_ = nullptr;
    QCheckBox* descending_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* class_ = nullptr;
    QLineEdit* owner_ = nullptr;
    QLineEdit* home_ = nullptr;
    QLineEdit* length_ = nullptr;
    QComboBox* speed_ = nullptr;
    QLineEdit* note_ = nullptr;
};

}  // namespace ui
