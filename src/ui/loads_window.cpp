#include "ui/loads_window.h"

namespace ui {

LoadsWindow::LoadsWindow(db::SqlConnection& baza, QWidget* parent) : QDialog(parent), baza_(baza) {
    setWindowTitle(QStringLiteral("Ładunki"));
    resize(517, 312);
}

}  // namespace ui
