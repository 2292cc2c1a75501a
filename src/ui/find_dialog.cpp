#include "ui/find_dialog.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "session/output.h"
#include "session/shown_list.h"
#include "ui/handlers.h"
#include "ui/retranslate.h"
#include "ui/window_keys.h"

namespace ui {

int findWaybillRow(const session::ShownList& list, const QString& text, int from, int step,
                   bool& wrapped) {
    wrapped = false;
    const int count = list.recordCount();
    if (count == 0 || text.isEmpty()) return -1;
    const std::string wanted = session::foldCase(text.toStdString());
    std::vector<int> fields;
    for (model::WaybillField field : model::kWaybillFields) {
        if (const int f = list.fieldIndex(model::columnOf(field)); f >= 0) fields.push_back(f);
    }
    int row = from < 0 || from >= count ? (step > 0 ? -1 : count) : from;
    for (int i = 0; i < count; ++i) {
        row += step;
        if (row >= count) {
            row = 0;
            wrapped = true;
        } else if (row < 0) {
            row = count - 1;
            wrapped = true;
        }
        for (int f : fields) {
            if (session::foldCase(list.textAt(row, f)).find(wanted) != std::string::npos)
                return row;
        }
    }
    return -1;
}

FindDialog::FindDialog(session::ShownList& list, std::function<void()> shown, QWidget* parent)
    : QDialog(parent), list_(list), shown_(std::move(shown)) {
    setObjectName(QStringLiteral("findDialog"));
    closeOnEscape(*this);
    setModal(false);
    auto* label = new QLabel(this);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("findText"));
    label->setBuddy(text_);
    next_ = new QPushButton(this);
    next_->setObjectName(QStringLiteral("findNext"));
    next_->setDefault(true);
    previous_ = new QPushButton(this);
    previous_->setObjectName(QStringLiteral("findPrevious"));
    previous_->setAutoDefault(false);
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("findClose"));
    close->setAutoDefault(false);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("findStatus"));
    followLanguage(*this, [this, label, close] {
        setWindowTitle(tr("Szukaj"));
        label->setText(tr("&Szukaj:"));
        next_->setText(tr("&Następny"));
        previous_->setText(tr("&Poprzedni"));
        close->setText(tr("Zamknij"));
    });

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(next_);
    buttons->addWidget(previous_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* all = new QVBoxLayout(this);
    all->addLayout(row);
    all->addLayout(buttons);
    all->addWidget(status_);
    resize(360, sizeHint().height());

    connectHandler(next_, &QPushButton::clicked, this, [this](bool) { findNext(); });
    connectHandler(previous_, &QPushButton::clicked, this, [this](bool) { findPrevious(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* again = new QShortcut(QKeySequence::FindNext, this);
    connectHandler(again, &QShortcut::activated, this, [this] { findNext(); });
    auto* back = new QShortcut(QKeySequence::FindPrevious, this);
    connectHandler(back, &QShortcut::activated, this, [this] { findPrevious(); });
    connect(text_, &QLineEdit::textChanged, status_, &QLabel::clear);
}

bool FindDialog::findNext() {
    return find(1);
}
bool FindDialog::findPrevious() {
    return find(-1);
}

QString FindDialog::status() const {
    return status_->text();
}

bool FindDialog::find(int step) {
    const QString text = text_->text();
    if (text.isEmpty()) {
        status_->setText(tr("Wpisz szukany tekst."));
        return false;
    }
    bool wrapped = false;
    const int row = findWaybillRow(list_, text, list_.currentIndex(), step, wrapped);
    if (row < 0) {
        status_->setText(tr("Nie znaleziono „%1”.").arg(text));
        return false;
    }
    status_->setText(wrapped ? (step > 0 ? tr("Szukanie wróciło na początek listy.")
                                         : tr("Szukanie wróciło na koniec listy."))
                             : QString());
    list_.setCurrentIndex(row);
    if (shown_) shown_();
    return true;
}

}  // namespace ui
