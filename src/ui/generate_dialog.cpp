#include "ui/generate_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/settings.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"
#include "ui/window_habits.h"

namespace ui {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

GenerateDialog::GenerateDialog(session::Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setWindowTitle(tr("Generuj listy"));
    setObjectName(QStringLiteral("Generuj"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    byWeeks_ = new QRadioButton(tr("&tygodnie:"), this);
    byWeeks_->setObjectName(QStringLiteral("byWeeks"));
    weeks_ = new QSpinBox(this);
    weeks_->setObjectName(QStringLiteral("weeks"));
    weeks_->setRange(1, 520);
    weeks_->setValue(config::read(config::kGeneratorWeeks));
    byDays_ = new QRadioButton(tr("&dni ruchu:"), this);
    byDays_->setObjectName(QStringLiteral("byDays"));
    days_ = new QSpinBox(this);
    days_->setObjectName(QStringLiteral("days"));
    days_->setRange(1, 520 * 7);
    days_->setValue(config::read(config::kGeneratorDays));
    (config::read(config::kGeneratorByDays) ? byDays_ : byWeeks_)->setChecked(true);
    auto* period = new QHBoxLayout;
    period->addWidget(byWeeks_);
    period->addWidget(weeks_);
    period->addWidget(byDays_);
    period->addWidget(days_);
    period->addStretch();
    form->addRow(tr("Okres:"), period);

    stations_ = new QListWidget(this);
    stations_->setObjectName(QStringLiteral("stations"));
    stations_->setMaximumHeight(110);
    for (const std::string& name : session_.lookups().stationNames) {
        auto* item = new QListWidgetItem(q(name), stations_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    form->addRow(tr("Stacje (żadna zaznaczona: wszystkie):"), stations_);

    seed_ = new QLineEdit(this);
    seed_->setObjectName(QStringLiteral("seed"));
    seed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,19}")), seed_));
    auto* reseedButton = new QPushButton(tr("&Losuj ponownie"), this);
    reseedButton->setObjectName(QStringLiteral("reseed"));
    reseedButton->setAutoDefault(false);
    auto* seedRow = new QHBoxLayout;
    seedRow->addWidget(seed_, 1);
    seedRow->addWidget(reseedButton);
    // The label names the box it leads to, so that its "&" marks the key (Alt+Z) instead of
    // showing: a row made from a text and a layout would leave the label without a buddy.
    auto* seedLabel = new QLabel(tr("&Ziarno losowania:"), this);
    seedLabel->setBuddy(seed_);
    form->addRow(seedLabel, seedRow);
    layout->addLayout(form);

    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("counts"));
    counts_->setWordWrap(true);
    layout->addWidget(counts_);
    preview_ = new QTableWidget(0, 6, this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setHorizontalHeaderLabels({tr("Stacja nadania"), tr("Nadawca"), tr("Rodzaj wagonu"),
                                         tr("Ładunek"), tr("Odbiorca"), tr("Stacja odbioru")});
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(preview_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* generateButton = new QPushButton(tr("&Generuj"), this);
    generateButton->setObjectName(QStringLiteral("generate"));
    generateButton->setDefault(true);
    auto* close = new QPushButton(tr("Zamknij"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    buttons->addWidget(generateButton);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connectHandler(reseedButton, &QPushButton::clicked, this, &GenerateDialog::reseed);
    connectHandler(generateButton, &QPushButton::clicked, this, &GenerateDialog::generate);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto again = [this](auto&&...) { showPreview(); };
    connectHandler(byWeeks_, &QRadioButton::toggled, this, again);
    connectHandler(weeks_, &QSpinBox::valueChanged, this, again);
    connectHandler(days_, &QSpinBox::valueChanged, this, again);
    connectHandler(stations_, &QListWidget::itemChanged, this, again);
    connectHandler(seed_, &QLineEdit::textEdited, this, again);

    resize(780, 520);
    rememberPlace(*this, QStringLiteral("generator"));
    setSeed(QRandomGenerator::global()->generate64());
}

model::GenerateOptions GenerateDialog::options() const {
    model::GenerateOptions o;
    if (byDays_->isChecked()) {
        o.days = days_->value();
    } else {
        o.weeks = weeks_->value();
    }
    o.seed = seed_->text().trimmed().toULongLong();
    for (int i = 0; i < stations_->count(); ++i) {
        if (stations_->item(i)->checkState() == Qt::Checked)
            o.stations.push_back(stations_->item(i)->text().toStdString());
    }
    return o;
}

void GenerateDialog::setSeed(std::uint64_t seed) {
    seed_->setText(QString::number(seed));
    runHandler(this, [this] { showPreview(); });
}

void GenerateDialog::reseed() {
    setSeed(QRandomGenerator::global()->generate64());
}

void GenerateDialog::showPreview() {
    const model::GenerationPlan plan = session_.planGeneration(options());
    QString text = tr("Listów: %1 z %2 relacji.").arg(plan.stack.size()).arg(plan.made.size());
    if (!plan.skipped.empty())
        text += QLatin1Char(' ') + tr("Pominiętych relacji: %1.").arg(plan.skipped.size());
    if (!plan.warnings.empty())
        text += QLatin1Char(' ') + tr("Ostrzeżeń: %1.").arg(plan.warnings.size());
    counts_->setText(text);
    const int rows = static_cast<int>(std::min<std::size_t>(plan.stack.size(), kPreviewRows));
    preview_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const model::Waybill w = plan.waybill(static_cast<std::size_t>(r));
        for (int c = 0; c < 6; ++c) {
            preview_->setItem(r, c, new QTableWidgetItem(q(w[model::kWaybillFields[c]])));
        }
    }
}

void GenerateDialog::generate() {
    const model::GenerateOptions o = options();
    config::write(config::kGeneratorWeeks, weeks_->value());
    config::write(config::kGeneratorDays, days_->value());
    config::write(config::kGeneratorByDays, byDays_->isChecked());
    const model::GenerationPlan plan = session_.generate(o);
    QString text = tr("Ziarno losowania: %1").arg(o.seed) + QLatin1Char('\n') + q(plan.summary());
    if (!plan.backup.empty())
        text += QLatin1Char('\n') + tr("Kopia bazy sprzed generowania: %1").arg(q(plan.backup));
    Dialogs::instance().message(this, tr("Generuj listy"), text);
    accept();
}

}  // namespace ui
