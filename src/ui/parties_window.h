#pragma once
// PartiesWindow: the shippers and receivers (its controls arrive with their own change).

#include <QDialog>

namespace db {
class SqlConnection;
}

namespace ui {

class PartiesWindow : public QDialog {
    Q_OBJECT
public:
    explicit PartiesWindow(db::SqlConnection& baza, QWidget* parent = nullptr);

private:
    db::SqlConnection& baza_;
};

}  // namespace ui
