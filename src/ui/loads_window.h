#pragma once
// LoadsWindow ("Ładunki"): the loads and the wagon types that carry them. "Dopisz" adds the
// load typed in Edit1 with the wagon-type code typed in Edit2 (typed letters become upper
// case); "Usuń" deletes the load that is current in the grid; "Zamknij" closes. Waybills keep
// their own copies of a load's texts. Each showing reads the table afresh.

#include <QDialog>

#include "session/session.h"
#include "session/shown_list.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class DataGrid;

class LoadsWindow : public QDialog {
    Q_OBJECT
public:
    explicit LoadsWindow(session::Session& session, QWidget* parent = nullptr);

    session::ShownList& loads() { return loads_; }

    void fillOnShow();
    void gridClicked();
    void addLoad();      // "Dopisz"
    void deleteLoad();   // "Usuń"
    void closeWindow();  // "Zamknij"

    // Closing by any means ("Zamknij", the close box, Esc) closes the dataset.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string current(const char* field) const;

    session::Session& session_;
    session::ShownList loads_;
    DataGrid* dBGrid1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QPushButton* button3_ = nullptr;
};

}  // namespace ui
