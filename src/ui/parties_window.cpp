#include "ui/parties_window.h"

namespace ui {

PartiesWindow::PartiesWindow(db::SqlConnection& baza, QWidget* parent) : QDialog(parent), baza_(baza) {
    setWindowTitle(QStringLiteral("Nadawcy/odbiorcy"));
    resize(414, 401);
}

}  // namespace ui
