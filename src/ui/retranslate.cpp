#include "ui/retranslate.h"
#include "config/language.h"

#include "ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
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

namespace {

const char* const kDesignedWidth = "listyDesignedWidth";

// How much wider than its room the control's caption is (0 or less: it fits).
int overflowOf(QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    // The widest line as shown (a mnemonic's "&" takes no room).
    auto width = [&metrics](QString text) {
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        text.replace(QStringLiteral("&&"), QStringLiteral("&"));
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest;
    };
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->wordWrap()) return 0;
        return width(label->text()) - (label->contentsRect().width() - 2 * label->margin());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool box = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        const QRect room = button->style()->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        return width(button->text()) - room.width();
    }
    return 0;
}

}  // namespace

void fitCaptions(QWidget& window) {
    const bool polish = config::currentLanguage() == QStringLiteral("pl");
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window) continue;
        if (!qobject_cast<QLabel*>(control) && !qobject_cast<QAbstractButton*>(control)) continue;
        if (!control->property(kDesignedWidth).isValid())
            control->setProperty(kDesignedWidth, control->width());
        const int designed = control->property(kDesignedWidth).toInt();
        int width = designed;
        if (control->width() != designed) control->resize(designed, control->height());
        // Captions without a letter ("...", "|<") are the same in every language.
        const QString text = qobject_cast<QLabel*>(control)
                                 ? qobject_cast<QLabel*>(control)->text()
                                 : qobject_cast<QAbstractButton*>(control)->text();
        const bool words = text.contains(QRegularExpression(QStringLiteral("\\p{L}")));
        // A label is widened to its text in every language, Polish too (place() did so while
        // the labels got their texts at construction): the designed widths were measured in
        // another font. Polish buttons keep their designed width.
        const bool label = qobject_cast<QLabel*>(control) != nullptr;
        const int need = (polish && !label) || !words ? 0 : overflowOf(control);
        if (need > 0) {
            // The free room on the right: up to the nearest control beside it, with a gap.
            QWidget* parent = control->parentWidget();
            const QRect at = control->geometry();
            int limit = parent->contentsRect().right() + 1;
            for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (other == control || other->isWindow() || other->isHidden()) continue;
                const QRect o = other->geometry();
                if (o.left() > at.left() && o.top() <= at.bottom() && o.bottom() >= at.top())
                    limit = std::min(limit, o.left() - 2);
            }
            width = std::max(designed, std::min(designed + need, limit - at.left()));
            control->resize(width, control->height());
        }
        control->setProperty("listyFittedWidth", width == designed ? QVariant() : QVariant(width));
    }
}

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
