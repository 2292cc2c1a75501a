#include "ui/print_window.h"

namespace ui {

PrintWindow::PrintWindow(db::SqlConnection& baza, QWidget* parent) : QDialog(parent), baza_(baza) {
    setWindowTitle(QStringLiteral("Wydruk"));
    resize(538, 408);
}

}  // namespace ui
