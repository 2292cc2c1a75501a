#pragma once
// PartiesWindow ("Nadawcy/odbiorcy"): the shippers and receivers, each bound to a station.
// "Dodaj" adds the name typed in Edit1 at the station in ComboBox1 (any text; the list offers
// the existing stations) with the next id of counter nr_punktu; "Usuń" deletes the row that
// is current in the grid together with every waybill naming it at its station, after a
// question; "Zamknij" closes. Each showing reads the stations and the rows afresh.

#include <QDialog>

#include "session/session.h"
#include "session/shown_list.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ui {

class DataGrid;

class PartiesWindow : public QDialog {
    Q_OBJECT
public:
    explicit PartiesWindow(session::Session& session, QWidget* parent = nullptr);

    session::ShownList& parties() { return parties_; }

    void fillOnShow();
    void gridClicked();
    void addParty();     // "Dodaj"
    void deleteParty();  // "Usuń"
    void closeWindow();  // "Zamknij"

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string current(const char* field) const;
    void setStationText(const QString& text);

    session::Session& session_;
    session::ShownList parties_;
    session::ShownList stations_;  // the station list, read on every showing
    DataGrid* dBGrid1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button3_ = nullptr;
    QPushButton* button4_ = nullptr;
};

}  // namespace ui
