// fincalc: the calculator's windows.
#include "gui/Gui.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fincalc::gui::setUpApplication();
    fincalc::Session session;
    fincalc::gui::Gui gui(session);
    session.start();
    return QApplication::exec();
}
