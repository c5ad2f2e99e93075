// Suggestions for a search that finds nothing.
#include "app/Number.h"
#include "home/SearchTable.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

namespace fincalc {

namespace {

std::u32string codePoints(std::string_view text) {
    std::u32string out;
    for (std::size_t pos = 0; pos < text.size();)
        out += DecodeUtf8(text, pos);
    return out;
}

// Blanks as the search box may hold them: the space, the tab and the ideographic space.
constexpr std::array<std::string_view, 3> kBlanks{" ", "\t", "\u3000"};

std::string_view trimBlanks(std::string_view text) {
    const auto leading = [&] {
        for (const std::string_view blank : kBlanks)
            if (text.starts_with(blank))
                return blank.size();
        return std::size_t{0};
    };
    const auto trailing = [&] {
        for (const std::string_view blank : kBlanks)
            if (text.ends_with(blank))
                return blank.size();
        return std::size_t{0};
    };
    while (const std::size_t width = leading())
        text.remove_prefix(width);
    while (const std::size_t width = trailing())
        text.remove_suffix(width);
    return text;
}

// Levenshtein distance over code points, one row at a time.
std::size_t editDistance(const std::u32string& a, const std::u32string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

bool isKeyword(std::string_view text) {
    const auto rows = searchTable();
    return std::any_of(rows.begin(), rows.end(), [&](const SearchEntry& row) { return row.keyword == text; });
}

SearchHint searchHint(std::string_view text, std::size_t count) {
    SearchHint hint;
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.size() != text.size() && isKeyword(trimmed))
        hint.trimmed = trimmed;

    const std::u32string wanted = codePoints(trimmed);
    const std::size_t furthest = (wanted.size() + 1) / 2;
    struct Candidate {
        std::size_t distance;
        std::string_view keyword;
    };
    std::vector<Candidate> candidates;
    for (const SearchEntry& row : searchTable()) {
        if (row.keyword == trimmed ||
            std::any_of(candidates.begin(), candidates.end(),
                        [&](const Candidate& c) { return c.keyword == row.keyword; }))
            continue;
        const std::size_t distance = editDistance(wanted, codePoints(row.keyword));
        if (distance <= furthest)
            candidates.push_back({distance, row.keyword});
    }
    // Nearest first; among equals, the table's order.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
    for (std::size_t k = 0; k < candidates.size() && k < count; ++k)
        hint.closest.push_back(candidates[k].keyword);
    return hint;
}

} // namespace fincalc
