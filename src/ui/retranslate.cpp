#include "ui/retranslate.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QWidget>

namespace ui {
namespace {

class LanguageFollower : public QObject {
public:
    LanguageFollower(QWidget& window, std::function<void()> retranslate)
        : QObject(&window), window_(window), retranslate_(std::move(retranslate)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::LanguageChange) retranslate_();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    std::function<void()> retranslate_;
};

}  // namespace

void followLanguage(QWidget& window, std::function<void()> retranslate) {
    retranslate();
    new LanguageFollower(window, std::move(retranslate));
}

void setTextOf(QObject& root, const char* name, const QString& text) {
    QObject* found = root.findChild<QObject*>(QLatin1String(name));
    if (!found) qFatal("setTextOf: no control %s", name);
    if (auto* menu = qobject_cast<QMenu*>(found)) {
        menu->setTitle(text);
    } else if (auto* label = qobject_cast<QLabel*>(found)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(found)) {
        button->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(found)) {
        box->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(found)) {
        action->setText(text);
    } else {
        qFatal("setTextOf: %s has no text", name);
    }
}

namespace {
const char* const kContext = "listyTextContext";
const char* const kSource = "listyTextSource";

void applyMarked(QWidget* control) {
    const QByteArray context = control->property(kContext).toByteArray();
    const QByteArray source = control->property(kSource).toByteArray();
    const QString text = QCoreApplication::translate(context.constData(), source.constData());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
        box->setTitle(text);
    }
}
}  // namespace

void markText(QWidget* control, const char* context, const char* text) {
    control->setProperty(kContext, QByteArray(context));
    control->setProperty(kSource, QByteArray(text));
    applyMarked(control);
}

void retranslateMarked(QWidget& window) {
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->property(kSource).isValid() && control->window() == &window) {
            applyMarked(control);
        }
    }
}

}  // namespace ui
