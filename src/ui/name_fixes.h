#pragma once
// The organiser's clean-up as the windows offer it: renaming one station, shipper/receiver
// or load everywhere (from "Edycja" and from the reference windows' lists), and the dialog
// that joins duplicates ("Połącz duplikaty…", and after an import or a merge when the user
// asked for it).

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "session/session.h"

class QTableWidget;

namespace ui {

// Asks for the new name of `thing` (and a load's wagon type), renames it and shows the
// summary. False when the user cancelled or the name was refused.
bool renameThing(QWidget* owner, session::Session& session, const model::NamedThing& thing);

// "Popraw nazwę…" in the context menu of `list`; `current` names the row the list is on
// (nothing when it is on none).
void addRenameMenu(QWidget& list, session::Session& session,
                   std::function<std::optional<model::NamedThing>()> current);

// One row per proposed group: ticked to join, the name to keep picked from the group, a
// note where stations have different colours.
class DuplicatesDialog : public QDialog {
    Q_OBJECT
public:
    DuplicatesDialog(std::vector<model::DuplicateGroup> groups, QWidget* parent = nullptr);

    int groupCount() const { return static_cast<int>(groups_.size()); }
    void setJoined(int group, bool joined);
    void setKept(int group, int member);
    // The ticked groups as the user decided them.
    std::vector<model::JoinChoice> choices() const;

private:
    std::vector<model::DuplicateGroup> groups_;
    QTableWidget* table_ = nullptr;
};

// Proposes the duplicates of the file and joins the groups the user keeps ticked; with
// `quiet`, a file without duplicates says nothing. Returns whether anything was joined.
bool joinDuplicates(QWidget* owner, session::Session& session, bool quiet = false);

// The option "Po imporcie proponuj połączenie duplikatów", remembered for the user.
bool offerDuplicatesAfterImport();
void setOfferDuplicatesAfterImport(bool offer);

}  // namespace ui
