// Tables of calculator presses: each case types its inputs into a freshly opened screen, clicks one
// control and expects the lines the click prints, in order, then the fault that ends it, if any.
// Besides the table, the builders of a press's inputs and of the events it is expected to report.
#pragma once

#include "Cli.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace fincalc::test {

// (field name, text) pairs, typed in order: a field typed twice keeps the later text.
using Inputs = std::vector<std::pair<std::string, std::string>>;

// (box number, text) pairs for the boxes Text1, Text2, ..., in order.
using Boxes = std::vector<std::pair<int, std::string>>;

struct Case {
    const char* what;
    int screen;
    Inputs inputs;
    const char* button;
    std::vector<std::string> lines; // what the click prints, in order
    const char* fault = nullptr;    // the fault that ends the click after those lines, if any
};

inline std::string form(int screen) { return "Form" + std::to_string(screen); }

// The fields TextFirst, TextFirst+1, ... typed with the texts in order; "" leaves a field empty.
inline Inputs fields(int first, std::vector<std::string> texts) {
    Inputs inputs;
    for (std::string& text : texts)
        inputs.emplace_back("Text" + std::to_string(first++), std::move(text));
    return inputs;
}

// The fields Text1, Text2, ... typed with the texts in order.
inline Inputs fields(std::vector<std::string> texts) { return fields(1, std::move(texts)); }

// The inputs of a, then those of b.
inline Inputs operator+(Inputs a, const Inputs& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The inputs with some fields typed again.
inline Inputs with(Inputs inputs, const Inputs& changes) { return std::move(inputs) + changes; }

// Types the inputs into a freshly opened screen and returns the events of the click.
inline std::string press(int screen, const Inputs& inputs, const char* button) {
    return Cli().press(screen, inputs, button);
}

// The events of the lines printed on the screen, in order.
inline std::string prints(int screen, const std::vector<std::string>& lines) {
    std::string events;
    for (const std::string& line : lines)
        events += "print\t" + form(screen) + "\t" + line + "\n";
    return events;
}

// The events of the texts written into the screen's boxes, in order.
inline std::string writes(int screen, const Boxes& boxes) {
    std::string events;
    for (const auto& [box, text] : boxes)
        events += "write\t" + form(screen) + ".Text" + std::to_string(box) + "\t" + text + "\n";
    return events;
}

// The events of emptying the boxes of each (first, last) range, range by range.
inline std::string clears(int screen, const std::vector<std::pair<int, int>>& ranges) {
    Boxes emptied;
    for (const auto& [first, last] : ranges)
        for (int box = first; box <= last; ++box)
            emptied.emplace_back(box, "");
    return writes(screen, emptied);
}

inline void expectLines(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string events = prints(c.screen, c.lines);
        if (c.fault)
            events += "fault\t" + form(c.screen) + "\t" + c.fault + "\n";
        EXPECT_EQ(press(c.screen, c.inputs, c.button), events);
    }
}

} // namespace fincalc::test
