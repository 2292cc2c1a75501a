#include "ui/sql_browser_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "model/history.h"
#include "model/schema.h"
#include "ui/data_grid.h"
#include "ui/handlers.h"
#include "ui/open_transaction.h"
#include "ui/placement.h"
#include "ui/retranslate.h"
#include "ui/window_habits.h"

namespace ui {

SqlBrowserWindow::SqlBrowserWindow(session::Session& session, QWidget* parent)
    : QDialog(parent), session_(session), results_(session, "results", model::kStationListSql) {
    resize(insideOf({1060, 563}));
    move(308, 217);

    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setMaxLength(std::numeric_limits<int>::max());  // a pasted script is never cut
    edit1_->setGeometry(24, 8, 833, 21);
    auto* open = new QPushButton(QStringLiteral("Open"), this);
    open->setObjectName(QStringLiteral("Button1"));
    open->setGeometry(864, 8, 75, 25);
    auto* exec = new QPushButton(QStringLiteral("Exec"), this);
    exec->setObjectName(QStringLiteral("Button2"));
    exec->setGeometry(976, 8, 75, 25);
    for (QPushButton* b : {open, exec}) b->setAutoDefault(false);
    dBGrid1_ = new DataGrid(this);
    dBGrid1_->setObjectName(QStringLiteral("DBGrid1"));
    dBGrid1_->setGeometry(24, 64, 1025, 449);
    dBGrid1_->setList(results_);
    setTabOrder(dBGrid1_, edit1_);
    setTabOrder(edit1_, open);
    setTabOrder(open, exec);

    connectHandler(open, &QPushButton::clicked, this, &SqlBrowserWindow::openTypedQuery);
    connectHandler(exec, &QPushButton::clicked, this, &SqlBrowserWindow::execTypedText);

    auto* growth = new Growth(*this, insideOf({1060, 563}));
    growth->stretch(edit1_, true, false);
    growth->follow(open, true, false);
    growth->follow(exec, true, false);
    growth->stretch(dBGrid1_, true, true);
    rememberPlace(*this, QStringLiteral("przegladarka"));
    // "Open" and "Exec" are the same in every language.
    followLanguage(*this, [this] { setWindowTitle(tr("Dostęp do bazy")); });
}

// A statement of the user's that does not only read ends the history: what it changed
// is not the session's to undo.
void SqlBrowserWindow::openTypedQuery() {
    if (!session_.onlyReads(edit1_->text().toStdString())) session_.endHistory();
    results_.setSql(edit1_->text().toStdString());
    results_.open();
}

void SqlBrowserWindow::execTypedText() {
    if (!session_.onlyReads(edit1_->text().toStdString())) session_.endHistory();
    results_.setSql(edit1_->text().toStdString());
    results_.execSql();
}

void SqlBrowserWindow::done(int result) {
    if (!settleOpenTransaction(this, session_)) return;
    QDialog::done(result);
}

}  // namespace ui
