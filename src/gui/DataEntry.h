// Data entry on a screen: the Tab chain through the boxes figures are typed into, in the order a
// table is read; Enter moving on to the next such box; the first focus; and a mark on a box whose
// text is not wholly a number, saying how it is read.
#pragma once

#include "app/Screen.h"

#include <QObject>

class QLineEdit;
class QWidget;

namespace fincalc::gui {

// One for all screens: a screen's window filters its keys through it.
class DataEntry : public QObject {
public:
    using QObject::QObject;

    // Sets up a screen's window once its controls stand in their layouts. The figure boxes are
    // the fields that are no name box; on a screen typed into as a search box (keywords) they
    // are neither marked nor moved from by Enter.
    void prepare(QWidget& window, const ScreenDesign& design, bool keywords);

    // The tool tip of a figure box holding this text; empty when the text is wholly a number.
    static QString readingNote(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mark(QLineEdit* box) const;
};

} // namespace fincalc::gui
