// The home screen's keyword table: every row the search tries, in row order.
#pragma once

#include <span>
#include <string_view>

namespace fincalc {

enum class SearchKind { OpenScreen, ShowDefinition, PrintFormula };

struct SearchEntry {
    std::string_view keyword;
    SearchKind kind;
    int target;            // screen number, for OpenScreen rows (0 otherwise)
    std::string_view text; // definition or formula text, for the other two kinds
};

// Rows 1-215: open a screen, in ascending order of their target.
std::span<const SearchEntry> openScreenRows();
// Rows 216-320: show a definition in a message box.
std::span<const SearchEntry> definitionRows();
// Rows 321-473: print a formula on the home screen.
std::span<const SearchEntry> formulaRows();

// Rows 474 on: open the tools (cash flows, rates and periods, loans), with keywords of their own.
std::span<const SearchEntry> toolRows();

// All rows, in the order the search tries them.
std::span<const SearchEntry> searchTable();

} // namespace fincalc
