#pragma once
// SqlBrowserWindow ("Dostęp do bazy"): runs any SQL text typed by the user. "Open" shows the
// result in the grid, "Exec" runs the text for its effect. The typed text and the last
// result stay from one showing to the next.

#include <QDialog>

#include "session/session.h"
#include "session/shown_list.h"

class QLineEdit;
class QPushButton;

namespace ui {

class DataGrid;

class SqlBrowserWindow : public QDialog {
    Q_OBJECT
public:
    explicit SqlBrowserWindow(session::Session& session, QWidget* parent = nullptr);

    session::ShownList& results() { return results_; }

    void openTypedQuery();  // "Open"
    void execTypedText();   // "Exec"

    // Closing with a transaction open asks whether to commit it; the window stays open
    // when that fails.
    void done(int result) override;

private:
    session::Session& session_;
    session::ShownList results_;
    QLineEdit* edit1_;
    DataGrid* dBGrid1_;
};

}  // namespace ui
