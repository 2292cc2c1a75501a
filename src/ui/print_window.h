#pragma once
// PrintWindow: chooses the printer, the waybills and their copy counts (its controls arrive with their own change).

#include <QDialog>

namespace db {
class SqlConnection;
}

namespace ui {

class PrintWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintWindow(db::SqlConnection& baza, QWidget* parent = nullptr);

private:
    db::SqlConnection& baza_;
};

}  // namespace ui
