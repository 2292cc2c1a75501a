#pragma once
// StationsWindow: the stations and their FREMO colour codes (its controls arrive with their own change).

#include <QDialog>

namespace db {
class SqlConnection;
}

namespace ui {

class StationsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StationsWindow(db::SqlConnection& baza, QWidget* parent = nullptr);

private:
    db::SqlConnection& baza_;
};

}  // namespace ui
