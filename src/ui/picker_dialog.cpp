#include "ui/picker_dialog.h"

namespace ui {

PickerDialog::PickerDialog(db::SqlConnection& baza, QWidget* parent) : QDialog(parent), baza_(baza) {
    setWindowTitle(QStringLiteral("Form5"));
    resize(316, 144);
}

}  // namespace ui
