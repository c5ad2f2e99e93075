// Tables of calculator presses: each case types its inputs into a freshly opened screen, clicks one
// control and expects the lines the click prints, in order, then the fault that ends it, if any.
#pragma once

#include "Cli.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace fincalc::test {

using Inputs = std::vector<std::pair<std::string, std::string>>;

struct Case {
    const char* what;
    int screen;
    Inputs inputs;
    const char* button;
    std::vector<std::string> lines; // what the click prints, in order
    const char* fault = nullptr;    // the fault that ends the click after those lines, if any
};

inline std::string form(int screen) { return "Form" + std::to_string(screen); }

// Types the inputs into a freshly opened screen and returns the events of the click.
inline std::string press(int screen, const Inputs& inputs, const char* button) {
    return Cli().press(screen, inputs, button);
}

inline void expectLines(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string events;
        for (const std::string& line : c.lines)
            events += "print\t" + form(c.screen) + "\t" + line + "\n";
        if (c.fault)
            events += "fault\t" + form(c.screen) + "\t" + c.fault + "\n";
        EXPECT_EQ(press(c.screen, c.inputs, c.button), events);
    }
}

} // namespace fincalc::test
