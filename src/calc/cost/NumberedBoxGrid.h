// What the cost worksheets share: tables of text boxes, one grid row per table row, whose heading
// boxes hold their names (the handlers never read them) and whose data boxes start with their own
// numbers ("1" in Text1), so a button pressed at once computes on those.
#pragma once

#include "app/Session.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fincalc::cost {

struct Cell {
    enum class Kind { Heading, Numbered, Blank };
    int box;
    Kind kind;
    std::string_view text{}; // a heading box's name
};

inline Cell heading(int box, std::string_view text) { return {box, Cell::Kind::Heading, text}; }
inline Cell numbered(int box) { return {box, Cell::Kind::Numbered}; } // starts with its own number
inline Cell blank(int box) { return {box, Cell::Kind::Blank}; }       // starts empty

// One row of a table, its boxes left to right from column 0.
inline void tableRow(ScreenDesign& design, int row, std::initializer_list<Cell> cells) {
    int col = 0;
    for (const Cell& cell : cells) {
        const std::string initial = cell.kind == Cell::Kind::Heading    ? std::string(cell.text)
                                    : cell.kind == Cell::Kind::Numbered ? std::to_string(cell.box)
                                                                        : std::string();
        design.box(fieldName(cell.box), row, col++, initial);
    }
}

// "清空": empties the data boxes range by range, in order; the headings and the output area stay.
inline Handler clearing(std::initializer_list<std::pair<int, int>> ranges) {
    return [ranges = std::vector(ranges)](Ctx& c) {
        for (const auto& [first, last] : ranges)
            c.clearFields(first, last);
    };
}

} // namespace fincalc::cost
