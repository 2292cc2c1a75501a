#pragma once
// The application object: the chosen language (Polish at the default), Qt's own buttons'
// texts in it too, the 8-point "MS Sans Serif" face of the windows mapped to a face this
// system has, the access layer's debug lines and message boxes routed into Qt, and a last
// backstop for errors that escape a handler.

#include <QApplication>

namespace ui {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    ~Application() override;

    bool notify(QObject* receiver, QEvent* event) override;
};

// What Application sets up, for programs (tests) that bring their own QApplication.
void setUpLookAndText(QApplication& app);
void routeAccessLayerOutput();

}  // namespace ui
