// The least-squares worksheet shared by the cost-behaviour and the sales-forecast screens: twelve
// rows of (x, y) with their x·y, x² and x²·y columns and a sum row, filled in by the screen's
// "确定", and the straight line y = a + b·x that the sums give.
#pragma once

#include "app/Session.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace fincalc::regression {

constexpr int kRows = 12;

// The data columns, left to right after the row labels.
enum Column { kX, kY, kXY, kXX, kXXY, kColumns };

// Column j holds its twelve rows in Text(13j + 1) to Text(13j + 12) and its sum in Text(13j + 13),
// so the data boxes run Text1 to Text65.
constexpr int cellBox(int column, int row) { return 13 * column + row; } // row 1 to 12
constexpr int sumBox(int column) { return cellBox(column, kRows + 1); }
constexpr int kLastDataBox = sumBox(kXXY);

// The row labels: Text78 for the first row, then Text66 to Text76; Text77 names the sum row.
constexpr int rowLabelBox(int row) { return row == 1 ? 78 : 64 + row; }
constexpr int kSumLabelBox = 77;

// The texts that differ from one screen to the other.
struct Titles {
    std::string_view title;      // Label1
    std::string_view rowHeading; // above the row labels
    std::string_view yHeading;   // above the y column
};

// Declares the title, the heading row, the twelve rows and the sum row; every data box starts
// with its own number. Returns the first grid row below the sheet.
inline int layOut(ScreenDesign& design, const Titles& titles) {
    design.heading("Label1", std::string(titles.title));
    constexpr int headingRow = 1;
    constexpr std::array<int, kColumns> headingBoxes{83, 79, 80, 81, 82};
    const std::array<std::string_view, kColumns> headings{"变量X", titles.yHeading, "XY", "X^2", "X^2Y"};
    design.box("Text84", headingRow, 0, std::string(titles.rowHeading));
    for (int j = 0; j < kColumns; ++j)
        design.box(fieldName(headingBoxes[j]), headingRow, 1 + j, std::string(headings[j]));
    const auto dataRow = [&](int row, int labelBox, std::string label) {
        design.nameBox(fieldName(labelBox), headingRow + row, 0, std::move(label)); // "1" to "12": names
        for (int j = 0; j < kColumns; ++j)
            design.box(fieldName(cellBox(j, row)), headingRow + row, 1 + j, std::to_string(cellBox(j, row)));
    };
    for (int row = 1; row <= kRows; ++row)
        dataRow(row, rowLabelBox(row), std::to_string(row));
    dataRow(kRows + 1, kSumLabelBox, "求和");
    return headingRow + kRows + 2;
}

// The line through the points, y = a + b·x; both empty when the points do not fix it
// (D = n·Σx² − (Σx)² not above 0).
struct Line {
    Value slope;     // b
    Value intercept; // a
};

// Every data box read at once and every computed cell worked out before anything is written, so a
// fault leaves the sheet as it was.
class Sheet {
public:
    // Reads Text1 to Text65 in order (from a handler's context or a chart's fields); only the x and
    // y columns enter the sheet.
    template <class Reader> explicit Sheet(const Reader& c) {
        std::array<Num, kLastDataBox + 1> boxes;
        for (int k = 1; k <= kLastDataBox; ++k)
            boxes[k] = c.num(k);
        for (int row = 1; row <= kRows; ++row) {
            const Num x = boxes[cellBox(kX, row)], y = boxes[cellBox(kY, row)];
            const std::array<Num, kColumns> cells{x, y, x * y, x * x, x * x * y};
            for (int j = 0; j < kColumns; ++j) {
                cells_[j][row - 1] = cells[j];
                sums_[j] += cells[j];
            }
        }
    }

    // The least-squares line from n observations: every row enters the sums, so an empty row is
    // the point (0, 0) unless n leaves it out.
    Line line(Num n) const {
        const Num Sx = sums_[kX], Sy = sums_[kY], Sxy = sums_[kXY], Sxx = sums_[kXX];
        const Num D = n * Sxx - Sx * Sx;
        Line fit;
        if (D > 0) {
            fit.slope = (n * Sxy - Sx * Sy) / D;
            fit.intercept = (Sxx * Sy - Sxy * Sx) / D;
        }
        return fit;
    }

    // Row 1 to 12 of a column.
    Num cell(Column column, int row) const { return cells_[column][row - 1]; }

    // The x·y, x² and x²·y columns, each row by row, then the five sums from Σx to Σx²y.
    void writeBack(Ctx& c) const {
        for (const int j : {kXY, kXX, kXXY})
            for (int row = 1; row <= kRows; ++row)
                c.write(cellBox(j, row), cells_[j][row - 1]);
        for (int j = 0; j < kColumns; ++j)
            c.write(sumBox(j), sums_[j]);
    }

private:
    std::array<std::array<Num, kRows>, kColumns> cells_{};
    std::array<Num, kColumns> sums_{};
};

// The sheet's buttons: "确定" runs the screen's fit; "清空" empties every data box, while the labels,
// the headings and the output area keep what they show.
inline ScreenDesign& buttons(ScreenDesign& design, Handler fit) {
    return design.button("Command1", "确定", std::move(fit))
        .side("Command2", "清空", [](Ctx& c) { c.clearFields(1, kLastDataBox); })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc::regression
