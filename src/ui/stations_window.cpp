#include "ui/stations_window.h"

namespace ui {

StationsWindow::StationsWindow(db::SqlConnection& baza, QWidget* parent) : QDialog(parent), baza_(baza) {
    setWindowTitle(QStringLiteral("Stacje"));
    resize(518, 337);
}

}  // namespace ui
