#include "print/polish_order.h"

#include <QLocale>

namespace print {

PolishOrder::PolishOrder() : collator_(QLocale(QLocale::Polish, QLocale::Poland)) {}

bool PolishOrder::operator()(const QString& a, const QString& b) const {
    const int c = collator_.compare(a, b);
    return c != 0 ? c < 0 : a < b;
}

}  // namespace print
