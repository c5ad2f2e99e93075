// Which screens the program has: the menus, and one declaring function per screen source
// (FormN.cpp), listed by the build.
#include "app/Catalogue.h"
#include "menus/Menus.h"
#include "menus/Navigation.h"

#include <algorithm>
#include <utility>

namespace fincalc {

#define FINCALC_SCREEN(n) ScreenDesign declareForm##n();
#include "ScreenList.h"
#undef FINCALC_SCREEN

namespace {

using Declare = ScreenDesign (*)();

constexpr std::pair<int, Declare> kScreens[] = {
#define FINCALC_SCREEN(n) {n, &declareForm##n},
#include "ScreenList.h"
#undef FINCALC_SCREEN
};

Declare findScreen(int number) {
    const auto it = std::find_if(std::begin(kScreens), std::end(kScreens),
                                 [&](const auto& entry) { return entry.first == number; });
    return it == std::end(kScreens) ? nullptr : it->second;
}

} // namespace

bool isDeclared(int number) { return findScreen(number) != nullptr || findMenu(number) != nullptr; }

std::optional<ScreenDesign> declareScreen(int number) {
    if (auto menu = declareMenu(number))
        return menu;
    const Declare declare = findScreen(number);
    if (!declare)
        return std::nullopt;
    ScreenDesign design = declare();
    attachNavigation(design);
    return design;
}

} // namespace fincalc
