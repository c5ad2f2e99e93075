// What the budget worksheets share: tables of boxes, a heading row over rows that each start with
// their name box, and results written back into their boxes.
#pragma once

#include "app/Session.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fincalc::budget {

// A box of a table with its initial text: a heading or a row's name, or empty for an amount.
struct Box {
    int number;
    std::string_view text{};
};
using Row = std::initializer_list<Box>;

// Declares the table's rows from grid row `row` down, each row's boxes left to right from `col`.
// Headings and names are ordinary boxes that no handler reads or writes.
inline void table(ScreenDesign& design, int row, int col, std::initializer_list<Row> rows) {
    for (const Row& boxes : rows) {
        int k = col;
        for (const Box& box : boxes)
            design.box(fieldName(box.number), row, k++, std::string(box.text));
        ++row;
    }
}

// A computed amount and the box it goes into.
using Result = std::pair<int, Num>;

// Writes the results in the order given. Every result is computed before the first is written,
// so a fault leaves every box as it was.
inline void writeBack(Ctx& c, const std::vector<Result>& results) {
    for (const auto& [box, value] : results)
        c.write(box, value);
}

} // namespace fincalc::budget
