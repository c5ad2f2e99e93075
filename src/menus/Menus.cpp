#include "menus/Menus.h"

#include "app/Session.h"
#include "menus/Navigation.h"

#include <algorithm>

namespace fincalc {

namespace {

Handler navigate(const NavigationEntry& entry) {
    return [entry](Ctx& c) {
        if (!c.exists(entry.target))
            return; // a screen this build does not have yet
        if (entry.hidesOwn)
            c.hide(entry.screen);
        c.show(entry.target);
    };
}

} // namespace

void attachNavigation(ScreenDesign& design) {
    for (const NavigationEntry& entry : navigationTable()) {
        if (entry.screen != design.number())
            continue;
        if (Control* control = design.find(entry.control); control && !control->onClick)
            control->onClick = navigate(entry);
    }
}

std::optional<ScreenDesign> declareMenu(int number) {
    const MenuScreen* menu = findMenu(number);
    if (!menu)
        return std::nullopt;

    std::vector<NavigationEntry> buttons;
    std::copy_if(navigationTable().begin(), navigationTable().end(), std::back_inserter(buttons),
                 [&](const NavigationEntry& e) { return e.screen == number; });
    const int columns = buttons.size() > 8 ? 3 : 2;

    // Buttons fill the rows left to right; a heading starts a new row above its group.
    ScreenDesign design(number);
    design.withoutOutput();
    if (!menu->title.empty())
        design.title(std::string(menu->title));
    int row = 0;
    int col = 0;
    int labels = 0;
    for (const NavigationEntry& button : buttons) {
        const auto heading = std::find_if(menu->headings.begin(), menu->headings.end(),
                                          [&](const MenuHeading& h) { return h.before == button.control; });
        if (heading != menu->headings.end()) {
            if (col != 0) {
                ++row;
                col = 0;
            }
            design.text("Label" + std::to_string(++labels), std::string(heading->caption), row++, 0, 0, true);
        }
        design.gridButton(std::string(button.control), std::string(button.caption), row, col);
        if (++col == columns) {
            ++row;
            col = 0;
        }
    }
    const int exitRow = col == 0 ? row : row + 1;
    design.gridButton(std::string(menu->exitControl), "退出", exitRow, columns - 1,
                      [](Ctx& c) { c.leave(); });
    attachNavigation(design);
    return design;
}

} // namespace fincalc
