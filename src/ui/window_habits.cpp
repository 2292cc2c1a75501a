#include "ui/window_habits.h"
#include "config/language.h"
#include "config/settings.h"
#include "ui/language.h"
#include "ui/retranslate.h"
#include "ui/window_keys.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace ui {

// --- growing windows ------------------------------------------------------------------------

Growth::Growth(QWidget& window, QSize designed)
    : QObject(&window), window_(window), designed_(designed) {
    window.setMinimumSize(designed);
    window.installEventFilter(this);
}

void Growth::stretch(QWidget* control, bool width, bool height) {
    placed_.push_back({control, control->geometry(), width, height, false, false});
    apply();
}

void Growth::follow(QWidget* control, bool right, bool down) {
    placed_.push_back({control, control->geometry(), false, false, right, down});
    apply();
}

bool Growth::eventFilter(QObject* watched, QEvent* event) {
    // A hidden window is told of a new size only when it is shown.
    if (watched == &window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        apply();
    }
    return QObject::eventFilter(watched, event);
}

void Growth::apply() {
    extra_ = QSize(qMax(0, window_.width() - designed_.width()),
                   qMax(0, window_.height() - designed_.height()));
    for (const Placed& p : placed_) {
        QRect r = p.designed;
        // A caption that needs more room in the chosen language keeps it (see fitCaptions).
        const QVariant fitted = p.control->property("listyFittedWidth");
        if (fitted.isValid()) r.setWidth(fitted.toInt());
        r.setLeft(r.left() + p.control->property("listyLanguageIndent").toInt());
        if (p.moveRight) r.translate(extra_.width(), 0);
        if (p.moveDown) r.translate(0, extra_.height());
        if (p.growWidth) r.setWidth(r.width() + extra_.width());
        if (p.growHeight) r.setHeight(r.height() + extra_.height());
        if (p.control->geometry() != r) p.control->setGeometry(r);
    }
    if (grown) grown(extra_);
}

void Growth::widenForLanguage(int by) {
    by = qMax(0, by);
    if (by == widened_) return;
    const bool atMinimum = window_.width() == designed_.width() + widened_;
    widened_ = by;
    window_.setMinimumSize(designed_ + QSize(widened_, 0));
    if (atMinimum || window_.width() < window_.minimumWidth()) {
        window_.resize(designed_.width() + widened_, window_.height());
    }
    apply();
}

void indentFieldsForLabels(Growth& growth, int fieldsLeft, std::initializer_list<QLabel*> labels,
                           std::initializer_list<QWidget*> fields) {
    int indent = 0;
    if (config::currentLanguage() != QStringLiteral("pl")) {
        for (QLabel* label : labels) {
            const int needed =
                label->x() + label->fontMetrics().horizontalAdvance(label->text()) + 2;
            indent = std::max(indent, needed - fieldsLeft);
        }
    }
    for (QWidget* field : fields) field->setProperty("listyLanguageIndent", indent);
    if (indent > 0) {
        for (QLabel* label : labels) {
            const int width = fieldsLeft + indent - 2 - label->x();
            if (width > label->width()) label->setProperty("listyFittedWidth", width);
        }
    }
    growth.apply();
}

Growth* growWithList(QWidget& window, QSize designed, QWidget* list) {
    auto* growth = new Growth(window, designed);
    const int listBottom = list->geometry().bottom();
    for (QObject* child : window.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control == list || control->isWindow()) continue;
        if (control->geometry().top() > listBottom) growth->follow(control, false, true);
    }
    growth->stretch(list, true, true);
    return growth;
}

// --- remembered places ------------------------------------------------------------------------

QRect placeOnScreens(const QRect& saved, const QList<QRect>& screens, QSize minimum) {
    if (!saved.isValid()) return {};
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& s : screens) {
        const QRect common = s.intersected(saved);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = &s;
        }
    }
    if (!best) return {};
    QSize size = saved.size().boundedTo(best->size()).expandedTo(minimum);
    QRect placed(saved.topLeft(), size);
    if (placed.right() > best->right()) placed.moveRight(best->right());
    if (placed.bottom() > best->bottom()) placed.moveBottom(best->bottom());
    if (placed.left() < best->left()) placed.moveLeft(best->left());
    if (placed.top() < best->top()) placed.moveTop(best->top());
    return placed;
}

namespace {

class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget& window, QString key)
        : QObject(&window), window_(window), key_(std::move(key)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_) return false;
        if (event->type() == QEvent::Show) restore();
        if (event->type() == QEvent::Hide) save();
        return false;
    }

private:
    void save() {
        config::write(config::windowPosition(key_), window_.pos());
        config::write(config::windowSize(key_), window_.size());
    }

    void restore() {
        if (!config::isStored(config::windowSize(key_))) return;
        const QRect saved(config::read(config::windowPosition(key_)),
                          config::read(config::windowSize(key_)));
        QList<QRect> screens;
        for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
        const QRect placed = placeOnScreens(saved, screens, window_.minimumSize());
        if (!placed.isValid()) return;
        window_.resize(placed.size());
        window_.move(placed.topLeft());
    }

    QWidget& window_;
    QString key_;
};

// Keeps an action's enabled state equal to its button's.
class EnabledFollower : public QObject {
public:
    EnabledFollower(QPushButton* button, QAction* action)
        : QObject(action), button_(button), action_(action) {
        button->installEventFilter(this);
        action->setEnabled(button->isEnabled());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == button_ && event->type() == QEvent::EnabledChange) {
            action_->setEnabled(button_->isEnabled());
        }
        return false;
    }

private:
    QPushButton* button_;
    QAction* action_;
};

}  // namespace

void rememberPlace(QWidget& window, const QString& key) {
    new PlaceKeeper(window, key);
}

// --- shortcuts ----------------------------------------------------------------------------------

void addShortcuts(QWidget& window, QPushButton* button, const QList<QKeySequence>& keys) {
    auto* action = new QAction(button->text(), &window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, button, [button] {
        if (button->isEnabled() && button->isVisible()) button->click();
    });
    new EnabledFollower(button, action);
    // The tooltip names the button and its keys in the chosen language; the window has set
    // the button's new text by the time the button hears of the change.
    followLanguage(*button, [button, action, keys] {
        QStringList names;
        for (const QKeySequence& k : keys) names << keyText(k);
        action->setText(button->text());
        button->setToolTip(button->text() + QStringLiteral(" (") +
                           names.join(QStringLiteral(", ")) + QStringLiteral(")"));
    });
}

// --- icon
// ------------------------------------------------------------------------------------------

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal u = size / 16.0;
        const QRectF card(1.5 * u, 3 * u, 13 * u, 10 * u);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), qMax<qreal>(1, u * 0.6)));
        p.setBrush(QColor(0xf4, 0xf1, 0xe8));
        p.drawRoundedRect(card, u, u);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xd0, 0x20, 0x20));  // the receiving station's band
        p.drawRect(QRectF(card.left() + u * 0.5, card.top() + u * 0.8, card.width() - u, 2.5 * u));
        p.setBrush(QColor(0xf0, 0xc0, 0x00));  // the sending station's band
        p.drawRect(
            QRectF(card.left() + u * 0.5, card.bottom() - 3.3 * u, card.width() - u, 2.5 * u));
        p.setBrush(QColor(0x60, 0x60, 0x60));
        p.drawRect(
            QRectF(card.left() + 1.5 * u, card.top() + 4.6 * u, card.width() - 3 * u, 0.7 * u));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace ui
