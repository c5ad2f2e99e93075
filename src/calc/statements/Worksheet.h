// What the statement worksheets share: statements laid out as lines of a name box and two
// amount boxes, totals computed from earlier lines of the same statement and written back,
// and analyses printed as blocks of ratio lines.
#pragma once

#include "app/Session.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fincalc::statements {

enum class Role {
    Heading, // a section heading: its amounts are read but enter no total
    Item,    // an amount the user types
    Total,   // computed from earlier lines and written back; whatever was typed there is ignored
    Blank,   // an unnamed line: its amounts are read but enter no total
    Unread,  // no button reads its amounts
};

// The lines a total adds, left to right; a negative number subtracts that line.
using Terms = std::vector<int>;

inline Terms sum(int first, int last) {
    Terms terms;
    for (int line = first; line <= last; ++line)
        terms.push_back(line);
    return terms;
}

struct Line {
    int nameBox;
    std::string_view name;
    int openingBox;
    int closingBox;
    Role role;
    Terms terms{};
    std::optional<std::string_view> message{}; // shown when the name box is clicked
};

inline Line heading(int nameBox, std::string_view name, int opening, int closing) {
    return {nameBox, name, opening, closing, Role::Heading};
}
inline Line item(int nameBox, std::string_view name, int opening, int closing,
                 std::optional<std::string_view> message = {}) {
    return {nameBox, name, opening, closing, Role::Item, {}, message};
}
inline Line total(int nameBox, std::string_view name, int opening, int closing, Terms terms,
                  std::optional<std::string_view> message = {}) {
    return {nameBox, name, opening, closing, Role::Total, std::move(terms), message};
}
inline Line blank(int nameBox, int opening, int closing) {
    return {nameBox, {}, opening, closing, Role::Blank};
}
inline Line unread(int nameBox, std::string_view name, int opening, int closing) {
    return {nameBox, name, opening, closing, Role::Unread};
}

// The two amount columns of every statement: last year or the period's start, and this year,
// the current period or its end.
constexpr int kOpening = 0;
constexpr int kClosing = 1;

constexpr int kLinePitch = 360; // twips from one line of a statement to the next

// A box of a statement's heading row, which names the column it stands above.
struct HeadingBox {
    int box;
    std::string_view text;
};

struct Statement {
    std::array<HeadingBox, 3> headings; // above the names, the opening and the closing amounts
    int left;                           // where the statement's names stand, in twips
    int top;                            // the first line's top in twips
    int firstLine = 0;                  // the number the statement gives its first line
    bool numberedAmounts = false;       // amount boxes start with their line number, else empty
    std::vector<Line> lines{};
};

// A label standing on its own above the statements of blocks first to first + blocks - 1 (a
// block is the three columns of a statement's names and amounts; blocks are numbered left to
// right by where their names stand).
struct Caption {
    std::string_view name;
    std::string_view text;
    int top; // twips
    int block;
    int blocks = 1;
};

inline Handler showMessage(std::string_view text) {
    return [text](Ctx& c) { c.message(text); };
}

// Declares the captions and every statement's boxes on the screen's grid. Statements whose
// names stand at one left share a block of three columns; lines whose tops lie within half a
// line of each other share a grid row, so statements side by side line up row for row.
inline void layOut(ScreenDesign& design, std::span<const Caption> captions,
                   std::span<const Statement> statements) {
    std::vector<int> nameLefts;
    for (const Statement& statement : statements)
        nameLefts.push_back(statement.left);
    std::sort(nameLefts.begin(), nameLefts.end());
    nameLefts.erase(std::unique(nameLefts.begin(), nameLefts.end()), nameLefts.end());
    const auto blockOf = [&](const Statement& statement) {
        return static_cast<int>(std::find(nameLefts.begin(), nameLefts.end(), statement.left) -
                                nameLefts.begin());
    };

    // Grid rows: every top, snapped to the line pitch, ranked.
    const auto snap = [](int top) { return (top + kLinePitch / 2) / kLinePitch; };
    std::vector<int> rows;
    for (const Caption& caption : captions)
        rows.push_back(snap(caption.top));
    for (const Statement& statement : statements)
        for (std::size_t i = 0; i <= statement.lines.size(); ++i)
            rows.push_back(snap(statement.top + kLinePitch * (static_cast<int>(i) - 1)));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const auto row = [&](int top) {
        return static_cast<int>(std::lower_bound(rows.begin(), rows.end(), snap(top)) - rows.begin());
    };

    for (const Caption& caption : captions)
        design.text(std::string(caption.name), std::string(caption.text), row(caption.top), 3 * caption.block,
                    3 * caption.blocks);
    for (const Statement& statement : statements) {
        const int column = 3 * blockOf(statement);
        const int headingRow = row(statement.top - kLinePitch);
        for (int k = 0; k < 3; ++k)
            design.nameBox(fieldName(statement.headings[k].box), headingRow, column + k,
                           std::string(statement.headings[k].text));
        int top = statement.top;
        int number = statement.firstLine;
        for (const Line& line : statement.lines) {
            const std::string amount = statement.numberedAmounts ? std::to_string(number) : std::string();
            design.nameBox(fieldName(line.nameBox), row(top), column, std::string(line.name),
                           line.message ? showMessage(*line.message) : Handler());
            design.box(fieldName(line.openingBox), row(top), column + 1, amount);
            design.box(fieldName(line.closingBox), row(top), column + 2, amount);
            top += kLinePitch;
            ++number;
        }
    }
}

// Every statement's amounts, both columns of each line: all boxes are read first, then the totals
// are computed in line order, so a total never takes its value from a box.
class Figures {
public:
    Figures(const Ctx& c, std::span<const Statement> statements) : statements_(statements) {
        for (const Statement& statement : statements) {
            auto& amounts = amounts_.emplace_back();
            for (const Line& line : statement.lines)
                amounts.push_back(line.role == Role::Unread
                                      ? std::array<Num, 2>{}
                                      : std::array{c.num(line.openingBox), c.num(line.closingBox)});
        }
        forEachTotal([&](std::size_t s, std::size_t i) {
            for (const int column : {kOpening, kClosing})
                amounts_[s][i][column] = addUp(s, statements_[s].lines[i].terms, column);
        });
    }

    Num at(std::size_t statement, int line, int column) const {
        return amounts_[statement][static_cast<std::size_t>(line - statements_[statement].firstLine)][column];
    }

    // Statement by statement and total by total, the opening figure before the closing one.
    void writeTotals(Ctx& c) const {
        forEachTotal([&](std::size_t s, std::size_t i) {
            const Line& line = statements_[s].lines[i];
            c.write(line.openingBox, amounts_[s][i][kOpening]);
            c.write(line.closingBox, amounts_[s][i][kClosing]);
        });
    }

private:
    template <class Visit> void forEachTotal(Visit visit) const {
        for (std::size_t s = 0; s < statements_.size(); ++s)
            for (std::size_t i = 0; i < statements_[s].lines.size(); ++i)
                if (statements_[s].lines[i].role == Role::Total)
                    visit(s, i);
    }

    Num addUp(std::size_t s, const Terms& terms, int column) const {
        Num result = 0;
        for (const int term : terms)
            result = term > 0 ? result + at(s, term, column) : result - at(s, -term, column);
        return result;
    }

    std::span<const Statement> statements_;
    std::vector<std::vector<std::array<Num, 2>>> amounts_;
};

// A ratio whose guard holds, else empty; nothing is computed when the guard fails.
template <class Compute> Value when(bool guard, Compute compute) {
    return guard ? Value(compute()) : Value();
}

// A printed analysis: each line its label followed by its value, a blank line after every line
// but the last.
class Analysis {
public:
    Analysis(Ctx& c, int lines) : c_(c), left_(lines) {}

    void line(std::string_view label, const Value& value) {
        c_.print(label, value);
        if (--left_ > 0)
            c_.print("");
    }

private:
    Ctx& c_;
    int left_;
};

} // namespace fincalc::statements
