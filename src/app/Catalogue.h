// Every screen of the program: each created from its declaration on first show, never destroyed.
#pragma once

#include "app/Screen.h"

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fincalc {

// Form1 to Form162, and the tools Form163 to Form166 (cash flows, rates and periods, loans, their menu).
constexpr int kScreenCount = 166;

// Whether the program has screen N, and its declaration (with its navigation attached), or
// nothing when it has no such screen (yet).
bool isDeclared(int number);
std::optional<ScreenDesign> declareScreen(int number);

// Field name -> text.
using FieldTexts = std::map<std::string, std::string, std::less<>>;

// A created screen: its declaration and what the user sees on it.
struct Screen {
    explicit Screen(ScreenDesign d);

    ScreenDesign design;
    FieldTexts texts;               // every field's current text
    std::vector<std::string> lines; // the output area, top to bottom
    bool visible = false;
};

class ScreenCatalogue {
public:
    // Whether screen N exists in this program (created or not).
    bool exists(int number) const;
    // The screen, created on first use; nullptr when it does not exist.
    Screen* get(int number);
    // The screen if it has been created; nullptr otherwise.
    Screen* created(int number) const;

private:
    std::array<std::unique_ptr<Screen>, kScreenCount + 1> screens_;
};

} // namespace fincalc
