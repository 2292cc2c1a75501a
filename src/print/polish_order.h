#pragma once
// PolishOrder: texts in Polish collation (Ć after C, Ł after L, Ś after S, ...), as the
// users read a list of station names. Different texts that the collation holds equal
// follow each other in the order of their code units, so two names never count as one.

#include <QCollator>
#include <QString>

namespace print {

class PolishOrder {
public:
    PolishOrder();
    bool operator()(const QString& a, const QString& b) const;

private:
    QCollator collator_;
};

}  // namespace print
