#include "ui/picker_dialog.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "model/reference_data.h"
#include "ui/data_grid.h"
#include "ui/handlers.h"
#include "ui/modal.h"
#include "ui/placement.h"
#include "ui/retranslate.h"
#include "ui/window_habits.h"

namespace ui {

namespace {
constexpr int kOuterWidth = 332;
constexpr int kOuterHeight = 183;
}  // namespace

PickerDialog::PickerDialog(session::Session& session, QWidget* parent)
    : QDialog(parent), rows_(session, "rows", model::kPartyListSql) {
    setWindowTitle(QStringLiteral("Form5"));
    // The client area holds the grid and the button whole (Button2 ends at 323, 153).
    resize(insideOf({kOuterWidth, kOuterHeight}));
    centreOnScreen(*this, {kOuterWidth, kOuterHeight});
    rows_.setAutoCommit(false);

    dBGrid1_ = new DataGrid(this);
    dBGrid1_->setObjectName(QStringLiteral("DBGrid1"));
    dBGrid1_->setGeometry(0, 0, 321, 120);
    dBGrid1_->setColumnsResizable(true);
    dBGrid1_->setList(rows_, {{QStringLiteral("nazwa"),
                               QT_TRANSLATE_NOOP("ui::GridColumn", "Nadawca/odbiorca"), 300},
                              {QStringLiteral("stacja"), QString(), 64, false}});
    button2_ = new QPushButton(this);
    button2_->setObjectName(QStringLiteral("Button2"));
    button2_->setGeometry(248, 128, 75, 25);
    button2_->setAutoDefault(false);
    setTabOrder(dBGrid1_, button2_);

    connectHandler(dBGrid1_, &DataGrid::cellClicked, this, &PickerDialog::gridClicked);
    connectHandler(button2_, &QPushButton::clicked, this, &PickerDialog::cancelPick);

    Growth* growth = growWithList(*this, insideOf({kOuterWidth, kOuterHeight}), dBGrid1_);
    growth->follow(button2_, true, false);  // "Anuluj" stays at the right edge
    rememberPlace(*this, QStringLiteral("wybor"));
    followLanguage(*this, [this] {
        button2_->setText(tr("Anuluj"));
        fitCaptions(*this);
    });
}

void PickerDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) runHandler(this, [this] { fillOnShow(); });
}

void PickerDialog::done(int result) {
    QDialog::done(result);
    runHandler(this, [this] { clearOnClose(); });
}

void PickerDialog::fillOnShow() {
    if (!pickedInfo.isEmpty()) {
        rows_.setSql(model::partiesOfStationSql(pickedInfo.toStdString()));
    } else {
        rows_.setSql(model::kPartyListSql);
    }
    DatasetModel* model = dBGrid1_->datasetModel();
    if (pickSource == QLatin1String("ladunki")) {
        rows_.setSql(model::kLoadListSql);
        model->setColumnField(1, QStringLiteral("rodz_wag"));
    } else {
        model->setColumnField(1, QStringLiteral("stacja"));
    }
    rows_.open();
}

QString PickerDialog::columnText(int column) const {
    const std::string field = dBGrid1_->datasetModel()->columns().at(column).field.toStdString();
    return QString::fromStdString(rows_.text(field));
}

void PickerDialog::gridClicked() {
    pickedName = columnText(0);
    pickedInfo = columnText(1);
    rows_.close();
    accept();
}

void PickerDialog::cancelPick() {
    pickedName.clear();
    pickedInfo.clear();
    pickSource.clear();
    rows_.close();
    reject();
}

void PickerDialog::clearOnClose() {
    rows_.close();
}

PickerDialog* runPicker(PickerDialog* picker, const QString& title, const QString& source,
                        const QString* station) {
    if (!picker) return nullptr;
    picker->setWindowTitle(title);
    picker->pickSource = source;
    if (station) picker->pickedInfo = *station;
    showModal(*picker);
    return picker;
}

}  // namespace ui
