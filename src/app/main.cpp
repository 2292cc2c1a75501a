#include "cli/command_line.h"
#include "config/language.h"
#include "ui/app_windows.h"
#include "ui/application.h"

// The command line's commands run without a window; without a command the windows open (on
// the --database file when given).
int main(int argc, char** argv) {
    cli::CommandLine line;
    if (const std::optional<int> status = cli::runWithoutWindows(argc, argv, line)) return *status;
    ui::Application app(argc, argv);
    // The menu's choice is set by the application; --language overrides it for this run.
    if (!line.language.isEmpty()) config::setLanguage(line.language);
    ui::AppWindows windows(line.location());
    windows.main->show();
    return app.exec();
}
