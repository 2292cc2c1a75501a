#include "ui/exchange_dialogs.h"
#include "config/language.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "ui/language.h"
#include "ui/window_keys.h"

namespace ui {
namespace {

ExchangeChoosers& choosers() {
    static ExchangeChoosers installed;
    return installed;
}

}  // namespace

ExchangeChoosers setExchangeChoosers(ExchangeChoosers c) {
    return std::exchange(choosers(), std::move(c));
}

QString chooseExportFolder(QWidget* owner) {
    if (choosers().exportFolder) return choosers().exportFolder(owner);
    return QFileDialog::getExistingDirectory(
        owner,
        QCoreApplication::translate("ui::ExchangeDialogs", "Eksport CSV – katalog na pliki"));
}

QStringList chooseCsvFiles(QWidget* owner) {
    if (choosers().csvFiles) return choosers().csvFiles(owner);
    return QFileDialog::getOpenFileNames(
        owner, QCoreApplication::translate("ui::ExchangeDialogs", "Import CSV"), QString(),
        QCoreApplication::translate("ui::ExchangeDialogs",
                                    "Pliki CSV (*.csv);;Wszystkie pliki (*)"));
}

QString chooseDatabaseFile(QWidget* owner) {
    if (choosers().databaseFile) return choosers().databaseFile(owner);
    return QFileDialog::getOpenFileName(
        owner, QCoreApplication::translate("ui::ExchangeDialogs", "Dołącz bazę"), QString(),
        QCoreApplication::translate("ui::ExchangeDialogs",
                                    "Bazy Listy (*.sdb);;Wszystkie pliki (*)"));
}

QString sizeText(std::uintmax_t bytes) {
    // Numbers as the chosen language writes them ("32,0 kB" in Polish and German).
    const QLocale local(config::currentLanguage());
    if (bytes < 1024) return QStringLiteral("%1 B").arg(bytes);
    if (bytes < 1024 * 1024)
        return local.toString(double(bytes) / 1024.0, 'f', 1) +
               QCoreApplication::translate("ui::ExchangeDialogs", " kB");
    return local.toString(double(bytes) / (1024.0 * 1024.0), 'f', 1) +
           QCoreApplication::translate("ui::ExchangeDialogs", " MB");
}

RestoreDialog::RestoreDialog(const std::vector<files::BackupInfo>& copies, QWidget* parent)
    : QDialog(parent), copies_(copies) {
    setObjectName(QStringLiteral("restoreDialog"));
    setWindowTitle(tr("Przywróć kopię"));
    closeOnEscape(*this);
    table_ = new QTableWidget(int(copies_.size()), 3, this);
    table_->setObjectName(QStringLiteral("backups"));
    table_->setHorizontalHeaderLabels({tr("Data"), tr("Rozmiar"), tr("Listów")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    for (int i = 0; i < int(copies_.size()); ++i) {
        const files::BackupInfo& c = copies_[std::size_t(i)];
        auto* when = new QTableWidgetItem(QString::fromStdString(c.when));
        when->setToolTip(QString::fromStdString(c.path));
        table_->setItem(i, 0, when);
        auto* size = new QTableWidgetItem(sizeText(c.size));
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(i, 1, size);
        auto* count =
            new QTableWidgetItem(c.waybills < 0 ? tr("nieczytelna") : QString::number(c.waybills));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(i, 2, count);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    if (!copies_.empty()) table_->selectRow(0);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(tr("Przywróć"), QDialogButtonBox::AcceptRole);
    restore->setObjectName(QStringLiteral("restoreButton"));
    buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(420, 320);
}

std::optional<files::BackupInfo> RestoreDialog::chosen() const {
    if (result() != QDialog::Accepted) return std::nullopt;
    const int row = table_->currentRow();
    if (row < 0 || row >= int(copies_.size())) return std::nullopt;
    return copies_[std::size_t(row)];
}

}  // namespace ui
