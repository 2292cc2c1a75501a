#pragma once
// PickerDialog: picks a shipper/receiver or a load for the waybill being edited (its controls arrive with their own change).

#include <QDialog>

namespace db {
class SqlConnection;
}

namespace ui {

class PickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit PickerDialog(db::SqlConnection& baza, QWidget* parent = nullptr);

private:
    db::SqlConnection& baza_;
};

}  // namespace ui
