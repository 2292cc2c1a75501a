#include "ui/app_windows.h"

#include "store/schema.h"
#include "ui/window_keys.h"

namespace ui {

namespace {

// The connection's settings at start; it connects when the database is opened.
db::SqlConnection& configured(db::SqlConnection& connection) {
    connection.setDatabase(store::kDatabaseFile);
    connection.setDefaultExt(".sdb");
    connection.setVersion("2.8.4");
    connection.setCharacterEncoding("iso8859");
    connection.setDriverDll("SQLite.dll");
    connection.setMustExist(false);
    connection.setExecuteInlineSql(false);
    return connection;
}

}  // namespace

AppWindows::AppWindows() : AppWindows(store::DatabaseLocation()) {}

AppWindows::AppWindows(const store::DatabaseLocation& location)
    : main(std::make_unique<MainWindow>(configured(connection), location)) {
    db::SqlConnection& baza = connection;
    stations = std::make_unique<StationsWindow>(baza, main.get());
    loads = std::make_unique<LoadsWindow>(baza, main.get());
    parties = std::make_unique<PartiesWindow>(baza, main.get());
    picker = std::make_unique<PickerDialog>(baza, main.get());
    print = std::make_unique<PrintWindow>(baza, main.get());
    browser = std::make_unique<SqlBrowserWindow>(baza, main.get());
    for (QDialog* d : std::initializer_list<QDialog*>{stations.get(), loads.get(), parties.get(),
                                                      picker.get(), print.get(), browser.get()})
        closeOnEscape(*d);
    main->setMenuWindows(
        {stations.get(), loads.get(), parties.get(), print.get(), browser.get(), picker.get()});
}

// The other windows go first: their datasets name the main window's connection.
AppWindows::~AppWindows() {
    browser.reset();
    print.reset();
    picker.reset();
    parties.reset();
    loads.reset();
    stations.reset();
    main.reset();
}

}  // namespace ui
