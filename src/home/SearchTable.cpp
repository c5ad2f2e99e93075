#include "home/SearchTable.h"

#include <vector>

namespace fincalc {

std::span<const SearchEntry> searchTable() {
    static const std::vector<SearchEntry> table = [] {
        std::vector<SearchEntry> rows;
        for (const auto block : {openScreenRows(), definitionRows(), formulaRows(), toolRows()})
            rows.insert(rows.end(), block.begin(), block.end());
        return rows;
    }();
    return table;
}

} // namespace fincalc
