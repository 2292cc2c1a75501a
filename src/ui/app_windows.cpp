#include "ui/app_windows.h"

#include "ui/window_keys.h"

namespace ui {

AppWindows::AppWindows() : AppWindows(files::DatabaseLocation()) {}

AppWindows::AppWindows(const files::DatabaseLocation& location)
    : session(location), main(std::make_unique<MainWindow>(session)) {
    stations = std::make_unique<StationsWindow>(session, main.get());
    loads = std::make_unique<LoadsWindow>(session, main.get());
    parties = std::make_unique<PartiesWindow>(session, main.get());
    picker = std::make_unique<PickerDialog>(session, main.get());
    print = std::make_unique<PrintWindow>(session, main.get());
    browser = std::make_unique<SqlBrowserWindow>(session, main.get());
    wagons = std::make_unique<WagonsWindow>(session, main.get());
    relations = std::make_unique<RelationsWindow>(session, main.get());
    relations->setPicker(picker.get());
    for (QDialog* d :
         std::initializer_list<QDialog*>{stations.get(), loads.get(), parties.get(), picker.get(),
                                         print.get(), browser.get(), wagons.get(), relations.get()})
        closeOnEscape(*d);
    main->setMenuWindows({stations.get(), loads.get(), parties.get(), print.get(), browser.get(),
                          picker.get(), wagons.get(), relations.get()});
}

// The other windows go first: their lists name the main window's session.
AppWindows::~AppWindows() {
    relations.reset();
    wagons.reset();
    browser.reset();
    print.reset();
    picker.reset();
    parties.reset();
    loads.reset();
    stations.reset();
    main.reset();
}

}  // namespace ui
