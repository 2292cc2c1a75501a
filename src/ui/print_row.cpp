#include "ui/print_row.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {
namespace {

template <typename W>
W* child(W* widget, const char* name, int left, int width) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(left, 5, width, 15);
    return widget;
}

}  // namespace

PrintRow::PrintRow(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("lista"));
    resize(470, 30);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);

    check = child(new QCheckBox(QStringLiteral("V"), this), "check", 10, 15);
    ladunek = child(new QLabel(QStringLiteral("Ładunek"), this), "ladunek", 30, 70);
    st_odb = child(new QLabel(QStringLiteral("Stacja odb."), this), "st_odb", 105, 70);
    odb = child(new QLabel(QStringLiteral("Odbiorca"), this), "odb", 180, 70);
    wagon = child(new QLabel(QStringLiteral("Wagon"), this), "wagon", 255, 25);
    nad = child(new QLabel(QStringLiteral("Nadawca"), this), "nad", 285, 70);
    st_nad = child(new QLabel(QStringLiteral("Stacja nad."), this), "st_nad", 360, 70);
    ilosc = child(new QLineEdit(QStringLiteral("Ilosc"), this), "ilosc", 435, 30);
    ilosc->setTextMargins(0, 0, 0, 0);
    for (QLabel* label : {ladunek, st_odb, odb, wagon, nad, st_nad}) label->setTextFormat(Qt::PlainText);
}

void PrintRow::makeHeader() {
    check->hide();
    wagon->move(245, wagon->y());
    ilosc->setFrame(false);
    setEnabled(false);
    // The captions read as plainly as on an enabled row.
    QPalette captions = palette();
    captions.setColor(QPalette::Disabled, QPalette::WindowText, captions.color(QPalette::Active, QPalette::WindowText));
    setPalette(captions);
}

print::PrintRowData PrintRow::data() const {
    auto text = [](const QLabel* label) { return label->text().toStdString(); };
    return {check->isChecked(), ilosc->text().toStdString(),
            {text(st_odb), text(odb), text(ladunek), text(wagon), text(nad), text(st_nad)}};
}

}  // namespace ui
