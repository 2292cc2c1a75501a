#include "ui/name_fixes.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "config/settings.h"
#include "ui/dialogs.h"
#include "ui/handlers.h"

namespace ui {
namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString kindTitle(model::NamedKind kind) {
    switch (kind) {
        case model::NamedKind::Station:
            return DuplicatesDialog::tr("Stacje");
        case model::NamedKind::Party:
            return DuplicatesDialog::tr("Nadawcy/odbiorcy");
        case model::NamedKind::Load:
            break;
    }
    return DuplicatesDialog::tr("Ładunki");
}

// A member as the dialog lists it: blanks made visible by quotes, the scope beside it.
QString memberText(const model::NamedThing& t) {
    QString s = QStringLiteral("„%1”").arg(text(t.name));
    if (t.kind == model::NamedKind::Party)
        s += DuplicatesDialog::tr(" (stacja %1)").arg(text(t.scope));
    if (t.kind == model::NamedKind::Load)
        s += DuplicatesDialog::tr(" (wagony %1)").arg(text(t.scope));
    return s;
}

}  // namespace

bool renameThing(QWidget* owner, session::Session& session, const model::NamedThing& t) {
    Dialogs& dialogs = Dialogs::instance();
    const QString caption = DuplicatesDialog::tr("Popraw nazwę");
    const std::optional<QString> newName =
        dialogs.askText(owner, caption, DuplicatesDialog::tr("Nowa nazwa:"), text(t.name));
    if (!newName || newName->isEmpty()) return false;
    model::RenameReport report;
    switch (t.kind) {
        case model::NamedKind::Station:
            report = session.renameStation(t.name, newName->toStdString());
            break;
        case model::NamedKind::Party:
            report = session.renameParty(t.name, t.scope, newName->toStdString());
            break;
        case model::NamedKind::Load: {
            const std::optional<QString> wagon = dialogs.askText(
                owner, caption, DuplicatesDialog::tr("Rodzaj wagonu:"), text(t.scope));
            if (!wagon) return false;
            report = session.renameLoad(t.name, t.scope, newName->toStdString(),
                                        wagon->toUpper().toStdString());
            break;
        }
    }
    if (report.refused) {
        dialogs.error(owner, text(report.summary));
        return false;
    }
    dialogs.inform(owner, text(report.summary));
    return true;
}

void addRenameMenu(QWidget& list, session::Session& session,
                   std::function<std::optional<model::NamedThing>()> current) {
    auto* action = new QAction(DuplicatesDialog::tr("Popraw nazwę…"), &list);
    action->setObjectName(QStringLiteral("PoprawNazwe"));
    list.addAction(action);
    list.setContextMenuPolicy(Qt::ActionsContextMenu);
    session::Session* s = &session;
    QWidget* owner = &list;
    connectHandler(action, &QAction::triggered, &list, [s, owner, current](bool) {
        if (const std::optional<model::NamedThing> thing = current())
            renameThing(owner, *s, *thing);
    });
}

DuplicatesDialog::DuplicatesDialog(std::vector<model::DuplicateGroup> groups, QWidget* parent)
    : QDialog(parent), groups_(std::move(groups)) {
    setObjectName(QStringLiteral("DuplicatesDialog"));
    setWindowTitle(tr("Połącz duplikaty"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Te nazwy wyglądają na jedną rzecz. Zaznaczone grupy zostaną "
                                "połączone pod nazwą z kolumny „Zostaje”; listy przewozowe "
                                "nie są usuwane."),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    table_ = new QTableWidget(static_cast<int>(groups_.size()), 4, this);
    table_->setObjectName(QStringLiteral("groups"));
    table_->setHorizontalHeaderLabels(
        {tr("Połączyć"), tr("Zostaje"), tr("Nazwy w grupie"), tr("Uwagi")});
    table_->verticalHeader()->hide();
    for (int row = 0; row < groupCount(); ++row) {
        const model::DuplicateGroup& g = groups_[static_cast<std::size_t>(row)];
        auto* tick = new QTableWidgetItem(kindTitle(g.kind));
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        tick->setCheckState(Qt::Checked);
        table_->setItem(row, 0, tick);
        auto* kept = new QComboBox(table_);
        QStringList names;
        for (const model::NamedThing& m : g.members) {
            kept->addItem(memberText(m));
            names << memberText(m);
        }
        table_->setCellWidget(row, 1, kept);
        table_->setItem(row, 2, new QTableWidgetItem(names.join(QStringLiteral(", "))));
        QString note;
        if (!g.colours.empty()) {
            QStringList colours;
            for (const std::string& c : g.colours) colours << text(c);
            note = tr("różne kolory: %1 (zostaje kolor zachowanej nazwy)")
                       .arg(colours.join(QStringLiteral(", ")));
        }
        table_->setItem(row, 3, new QTableWidgetItem(note));
        for (int col = 2; col < 4; ++col) table_->item(row, col)->setFlags(Qt::ItemIsEnabled);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* join = buttons->addButton(tr("Połącz"), QDialogButtonBox::AcceptRole);
    join->setObjectName(QStringLiteral("join"));
    join->setDefault(true);
    buttons->addButton(tr("Anuluj"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 360);
}

void DuplicatesDialog::setJoined(int group, bool joined) {
    table_->item(group, 0)->setCheckState(joined ? Qt::Checked : Qt::Unchecked);
}

void DuplicatesDialog::setKept(int group, int member) {
    static_cast<QComboBox*>(table_->cellWidget(group, 1))->setCurrentIndex(member);
}

std::vector<model::JoinChoice> DuplicatesDialog::choices() const {
    std::vector<model::JoinChoice> out;
    for (int row = 0; row < groupCount(); ++row) {
        if (table_->item(row, 0)->checkState() != Qt::Checked) continue;
        const model::DuplicateGroup& g = groups_[static_cast<std::size_t>(row)];
        const int kept = static_cast<QComboBox*>(table_->cellWidget(row, 1))->currentIndex();
        out.push_back({g.kind, g.members[static_cast<std::size_t>(kept)], g.members});
    }
    return out;
}

bool joinDuplicates(QWidget* owner, session::Session& session, bool quiet) {
    std::vector<model::DuplicateGroup> groups = session.duplicates();
    if (groups.empty()) {
        if (!quiet)
            Dialogs::instance().inform(owner, DuplicatesDialog::tr("Nie znaleziono duplikatów."));
        return false;
    }
    DuplicatesDialog dialog(std::move(groups), owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::vector<model::JoinChoice> choices = dialog.choices();
    if (choices.empty()) return false;
    Dialogs::instance().inform(owner, text(session.joinDuplicates(choices).summary));
    return true;
}

bool offerDuplicatesAfterImport() {
    return config::read(config::kOfferJoinAfterImport);
}

void setOfferDuplicatesAfterImport(bool offer) {
    config::write(config::kOfferJoinAfterImport, offer);
}

}  // namespace ui
