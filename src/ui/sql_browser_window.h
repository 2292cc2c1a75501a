#pragma once
// SqlBrowserWindow ("Dostęp do bazy"): runs any SQL text typed by the user. "Open" shows the
// result in the grid, "Exec" runs the text for its effect. The typed text and the last
// result stay from one showing to the next.

#include <QDialog>

#include "db/forward.h"
#include "db/sql_query.h"

class QLineEdit;
class QPushButton;

namespace ui {

class DataGrid;

class SqlBrowserWindow : public QDialog {
    Q_OBJECT
public:
    explicit SqlBrowserWindow(db::SqlConnection& baza, QWidget* parent = nullptr);

    db::SqlQuery& results() { return results_; }

    void openTypedQuery();  // "Open"
    void execTypedText();   // "Exec"

    // Closing with a transaction open asks whether to commit it; the window stays open
    // when that fails.
    void done(int result) override;

private:
    db::SqlConnection& baza_;
    db::SqlQuery results_{"results"};
    QLineEdit* edit1_;
    DataGrid* dBGrid1_;
};

}  // namespace ui
