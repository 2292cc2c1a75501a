#include "ui/sheet_dialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "ui/modal.h"
#include "ui/window_keys.h"

namespace ui {
namespace {

SheetChoosers& choosers() {
    static SheetChoosers installed;
    return installed;
}

}  // namespace

SheetChoosers setSheetChoosers(SheetChoosers c) {
    return std::exchange(choosers(), std::move(c));
}

QString chooseWorkbookFile(QWidget* owner) {
    if (choosers().workbookFile) return choosers().workbookFile(owner);
    // The window asks before replacing a file itself (the same question for every export).
    QString file = QFileDialog::getSaveFileName(
        owner, QCoreApplication::translate("ui::ExchangeDialogs", "Eksport arkusza"),
        QStringLiteral("listy.xlsx"),
        QCoreApplication::translate("ui::ExchangeDialogs", "Skoroszyty Excel (*.xlsx)"), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty() && !file.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        file += QStringLiteral(".xlsx");
    return file;
}

QStringList chooseImportFiles(QWidget* owner) {
    if (choosers().importFiles) return choosers().importFiles(owner);
    return QFileDialog::getOpenFileNames(
        owner, QCoreApplication::translate("ui::ExchangeDialogs", "Import arkusza"), QString(),
        QCoreApplication::translate(
            "ui::ExchangeDialogs",
            "Arkusze i pliki CSV (*.xlsx *.ods *.csv);;Wszystkie pliki (*)"));
}

std::optional<model::Encoding> chooseEncoding(QWidget* owner, const QString& name,
                                              const formats::ImportFile& file) {
    if (choosers().encoding) return choosers().encoding(owner, name, file.bytes, file.candidates);
    EncodingDialog dialog(name, file.candidates, file.previews, owner);
    showModal(dialog);
    return dialog.chosen();
}

EncodingDialog::EncodingDialog(const QString& name, std::vector<model::Encoding> candidates,
                               const std::vector<std::vector<std::string>>& previews,
                               QWidget* parent)
    : QDialog(parent), candidates_(std::move(candidates)) {
    setObjectName(QStringLiteral("encodingDialog"));
    setWindowTitle(tr("Kodowanie pliku %1").arg(name));
    closeOnEscape(*this);
    auto* label = new QLabel(tr("Plik %1 nie jest zapisany w UTF-8. Wybierz kodowanie, w którym "
                                "wszystkie litery wyglądają dobrze (pierwsze jest najbardziej "
                                "prawdopodobne):")
                                 .arg(name),
                             this);
    label->setWordWrap(true);
    table_ = new QTableWidget(0, int(candidates_.size()), this);
    table_->setObjectName(QStringLiteral("preview"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    QStringList titles;
    for (std::size_t c = 0; c < candidates_.size(); ++c) {
        titles << QString::fromLatin1(model::encodingName(candidates_[c]));
        const std::vector<std::string>& lines = previews.at(c);
        if (table_->rowCount() < int(lines.size())) table_->setRowCount(int(lines.size()));
        for (std::size_t r = 0; r < lines.size(); ++r)
            table_->setItem(int(r), int(c), new QTableWidgetItem(QString::fromStdString(lines[r])));
    }
    table_->setHorizontalHeaderLabels(titles);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* buttons = new QDialogButtonBox(this);
    for (std::size_t c = 0; c < candidates_.size(); ++c) {
        QPushButton* b = buttons->addButton(
            tr("Wczytaj jako %1").arg(QString::fromLatin1(model::encodingName(candidates_[c]))),
            QDialogButtonBox::AcceptRole);
        b->setObjectName(QStringLiteral("encoding%1").arg(c));
        connect(b, &QPushButton::clicked, this, [this, c] {
            chosen_ = candidates_[c];
            accept();
        });
        if (c == 0) {
            b->setDefault(true);
            b->setFocus();
        }
        buttons_.push_back(b);
    }
    buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    resize(640, 360);
}

}  // namespace ui
