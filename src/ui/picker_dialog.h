#pragma once
// PickerDialog: lists the shippers/receivers (of one station, or all) or the loads, and hands
// the row the user clicks back to its caller through three public texts that outlive each
// showing:
//   pickSource  in       "ladunki" lists the loads; any other text the shippers/receivers
//   pickedInfo  in, out  in: the station to list shippers/receivers of, empty for all;
//                        out: the clicked row's station, or a load's wagon-type code
//   pickedName  out      the clicked row's name
// A click on a row takes it and closes the dialog; "Anuluj" empties all three and closes;
// the close box closes and changes nothing.

#include <QDialog>
#include <QString>

#include "session/session.h"
#include "session/shown_list.h"

class QPushButton;

namespace ui {

class DataGrid;

class PickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit PickerDialog(session::Session& session, QWidget* parent = nullptr);

    QString pickSource;
    QString pickedInfo;
    QString pickedName;

    session::ShownList& rows() { return rows_; }

    void fillOnShow();
    void clearOnClose();
    void gridClicked();
    void cancelPick();  // "Anuluj"

    // Closing by any means (a picked row, "Anuluj", the close box, Esc) runs clearOnClose().
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString columnText(int column) const;

    session::ShownList rows_;
    DataGrid* dBGrid1_ = nullptr;
    QPushButton* button2_ = nullptr;
};

// Shows `picker` (none: nothing happens, nullptr returned) titled `title` on `source`, with
// `station` as the station to list shippers/receivers of when given, and returns it once it
// has closed; whichever way it closed, its texts are the ones to copy back (empty after
// "Anuluj"; the previous pick, or the station given, after the close box). The waybill
// form and the relations window pick through it.
PickerDialog* runPicker(PickerDialog* picker, const QString& title, const QString& source,
                        const QString* station);

}  // namespace ui
