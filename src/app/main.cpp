#include "ui/app_windows.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    ui::AppWindows windows;
    windows.main->show();
    return app.exec();
}
