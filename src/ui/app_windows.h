#pragma once
// The application's windows, created once in this order and living until the program
// ends: the main window first (it opens the database), then the others, hidden.

#include <memory>

#include "session/session.h"
#include "ui/loads_window.h"
#include "ui/main_window.h"
#include "ui/parties_window.h"
#include "ui/picker_dialog.h"
#include "ui/print_window.h"
#include "ui/relations_window.h"
#include "ui/sql_browser_window.h"
#include "ui/stations_window.h"
#include "ui/wagons_window.h"

namespace ui {

struct AppWindows {
    AppWindows();
    // The windows on the database file at `location` (the command line's --database).
    explicit AppWindows(const files::DatabaseLocation& location);
    ~AppWindows();

    // The command layer and its one connection, which every window works through. Declared
    // first, it is destroyed last, after every window and list that names it.
    session::Session session;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<StationsWindow> stations;
    std::unique_ptr<LoadsWindow> loads;
    std::unique_ptr<PartiesWindow> parties;
    std::unique_ptr<PickerDialog> picker;
    std::unique_ptr<PrintWindow> print;
    std::unique_ptr<SqlBrowserWindow> browser;
    std::unique_ptr<WagonsWindow> wagons;
    std::unique_ptr<RelationsWindow> relations;
};

}  // namespace ui
