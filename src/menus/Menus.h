// The category menu screens, declared from the navigation table.
#pragma once

#include "app/Screen.h"

#include <optional>

namespace fincalc {

std::optional<ScreenDesign> declareMenu(int number);

// Gives every navigating control of a screen its action, as the navigation table says.
void attachNavigation(ScreenDesign& design);

} // namespace fincalc
