// Every control that moves between screens: the category menus' buttons, the clickable
// headings of calculators and their "或" buttons.
#pragma once

#include <span>
#include <string_view>

namespace fincalc {

struct NavigationEntry {
    int screen;               // the screen that holds the control
    std::string_view control; // "Command3", "Label1"
    std::string_view caption;
    bool hidesOwn; // a switching button hides its menu; the others open beside
    int target;
};

std::span<const NavigationEntry> navigationTable();

// A bold heading of a menu screen, standing above the group of buttons that starts at `before`.
struct MenuHeading {
    std::string_view caption;
    std::string_view before;
};

// The category menu screens: their headings and their "退出" button.
struct MenuScreen {
    int number;
    std::span<const MenuHeading> headings;
    std::string_view exitControl;
    std::string_view title = {}; // the window title, where it is not the screen's name
};

std::span<const MenuScreen> menuScreens();
// The menu screen numbered N, or nullptr when N is not a menu.
const MenuScreen* findMenu(int number);

} // namespace fincalc
