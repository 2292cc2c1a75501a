#pragma once
// LoadsWindow: the loads and their wagon types (its controls arrive with their own change).

#include <QDialog>

namespace db {
class SqlConnection;
}

namespace ui {

class LoadsWindow : public QDialog {
    Q_OBJECT
public:
    explicit LoadsWindow(db::SqlConnection& baza, QWidget* parent = nullptr);

private:
    db::SqlConnection& baza_;
};

}  // namespace ui
