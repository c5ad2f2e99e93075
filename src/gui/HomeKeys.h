// The home screen's search box and menu bar from the keyboard: a hint beside the box when a
// search finds nothing, and F10 for the menu bar.
#pragma once

class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;

namespace fincalc::gui {

// A line under the search box after a search that finds nothing: the keyword without its
// blanks, or the nearest keywords. It goes when the box's text changes.
void addSearchHint(QLineEdit* box, QPushButton* search);

// F10 opens the menu bar for the keyboard, as Alt does; Esc leaves it.
void addMenuBarKey(QWidget* window, QMenuBar* bar);

} // namespace fincalc::gui
