// fincalc: the calculator's windows.
#include "gui/Gui.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before Qt starts, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::puts("usage: fincalc [--help | --version] [Qt options such as -platform NAME]\n"
                      "Opens the home screen of the financial management calculator.\n"
                      "The console driver fincalc-cli runs the same screens from a script.");
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::puts("fincalc " FINCALC_VERSION);
            return 0;
        }
    }
    QApplication app(argc, argv);
    fincalc::gui::setUpApplication();
    fincalc::Session session;
    fincalc::gui::Gui gui(session);
    session.start();
    return QApplication::exec();
}
