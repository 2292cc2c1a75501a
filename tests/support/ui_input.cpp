#include "support/ui_input.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace testing {

void typeText(QWidget* widget, const QString& text) {
    if (auto* box = qobject_cast<QComboBox*>(widget)) widget = box->lineEdit();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void checkPlaces(QWidget& window, std::initializer_list<ControlPlace> controls, bool mayOverhang) {
    for (const ControlPlace& c : controls) {
        QWidget* widget = window.findChild<QWidget*>(QLatin1String(c.name));
        QVERIFY2(widget, c.name);
        QCOMPARE(widget->geometry(), c.geometry);
        if (!mayOverhang) QVERIFY2(window.rect().contains(widget->geometry()), c.name);
        if (auto* b = qobject_cast<QPushButton*>(widget)) QCOMPARE(b->text(), c.caption);
    }
}

QWidget* nextTabStop(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && (!(next->focusPolicy() & Qt::TabFocus) || from->isAncestorOf(next))) {
        next = next->nextInFocusChain();
    }
    return next;
}

}  // namespace testing
