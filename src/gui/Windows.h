// Where screens stand: the size they open at, within the available area at any scale; beside
// the screen that opened them; and the place and size each keeps while the program runs and
// from one run to the next.
#pragma once

#include <QSettings>

class QWidget;

namespace fincalc::gui {

// A scrolling area for a worksheet's sheet: it asks for the whole sheet, but lets its window
// shrink to a small size, the sheet then scrolling both ways.
QWidget* makeSheetArea(QWidget* sheet);

class WindowKeeper {
public:
    WindowKeeper();

    // Before a hidden screen is shown: where it was last, in this run or the last one; else
    // beside its opener, or where the opener stood if that is hidden. Always within the
    // available area of a screen that exists.
    void place(QWidget& window, const QWidget* opener);
    // Before a screen is hidden or the program ends: remember its place and size.
    void remember(const QWidget& window);

private:
    QSettings settings_;
};

} // namespace fincalc::gui
