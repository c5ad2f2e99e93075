// Tables of clicks and what they print: each case types its texts into a freshly opened screen,
// clicks one control and expects exactly its lines, or exactly one fault and no line.
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
};

struct FaultCase {
    const char* what;
    int screen;
    Inputs inputs;
    const char* button;
    const char* kind;
};

inline std::string form(int screen) { return "Form" + std::to_string(screen); }

inline void expectLines(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string events;
        for (const std::string& line : c.lines)
            events += "print\t" + form(c.screen) + "\t" + line + "\n";
        EXPECT_EQ(Cli().press(c.screen, c.inputs, c.button), events);
    }
}

inline void expectFaults(const std::vector<FaultCase>& cases) {
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Cli().press(c.screen, c.inputs, c.button),
                  "fault\t" + form(c.screen) + "\t" + c.kind + "\n");
    }
}

} // namespace fincalc::test
