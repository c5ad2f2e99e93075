// The least-squares worksheets (Form125 for variable cost, Form158 for the sales forecast) and the
// account-analysis worksheet (Form126): what "确定" writes back, in order, what it prints, and
// what "清空" empties.
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace fincalc::test {
namespace {

constexpr int kCost = 125;
constexpr int kAccounts = 126;
constexpr int kForecast = 158;

using Typed = std::vector<std::pair<int, std::string>>; // (box number, text)

// Types the boxes into the freshly opened screen, then clicks each control in turn; returns the
// events of the last click.
std::string press(Cli& cli, int screen, const Typed& boxes, const std::vector<std::string>& clicks) {
    std::string script = "open " + form(screen) + "\n";
    for (const auto& [box, text] : boxes)
        script += "type " + form(screen) + ".Text" + std::to_string(box) + " " + text + "\n";
    cli.run(script);
    std::string events;
    for (const std::string& control : clicks)
        events = cli.run("click " + form(screen) + "." + control + "\n");
    return events;
}

std::string press(int screen, const Typed& boxes, const std::vector<std::string>& clicks = {"Command1"}) {
    Cli cli;
    return press(cli, screen, boxes, clicks);
}

// ---- the regression sheet: x in Text1 to Text12, y in Text14 to Text25

// The (x, y) pairs of the rows from the first, the other rows empty.
Typed points(const std::vector<std::pair<std::string, std::string>>& pairs) {
    Typed boxes;
    for (int row = 1; row <= 12; ++row) {
        const bool filled = row <= static_cast<int>(pairs.size());
        boxes.emplace_back(row, filled ? pairs[row - 1].first : "");
        boxes.emplace_back(13 + row, filled ? pairs[row - 1].second : "");
    }
    return boxes;
}

Typed with(Typed boxes, const Typed& more) {
    boxes.insert(boxes.end(), more.begin(), more.end());
    return boxes;
}

// What "确定" writes for rows of whole numbers: the x·y, x² and x²·y columns, each row by row,
// then the sums of x, y, x·y, x² and x²·y.
std::string filledGrid(int screen, const std::vector<std::pair<long long, long long>>& rows) {
    Typed boxes;
    long long sums[5] = {};
    for (int column = 2; column < 5; ++column)
        for (int row = 1; row <= 12; ++row) {
            const auto [x, y] = row <= static_cast<int>(rows.size()) ? rows[row - 1] : std::pair{0LL, 0LL};
            const long long cells[5] = {x, y, x * y, x * x, x * x * y};
            boxes.emplace_back(13 * column + row, std::to_string(cells[column]));
            if (column == 2)
                for (int k = 0; k < 5; ++k)
                    sums[k] += cells[k];
        }
    for (int column = 0; column < 5; ++column)
        boxes.emplace_back(13 * column + 13, std::to_string(sums[column]));
    return writes(screen, boxes);
}

std::vector<std::pair<long long, long long>> firstShown() {
    std::vector<std::pair<long long, long long>> rows;
    for (long long i = 1; i <= 12; ++i)
        rows.emplace_back(i, i + 13);
    return rows;
}

const std::vector<std::pair<std::string, std::string>> kSixRows = {{"1", "5"},  {"2", "7"},  {"3", "9"},
                                                                   {"4", "11"}, {"5", "13"}, {"6", "15"}};
const std::vector<std::pair<long long, long long>> kSixRowsGrid = {{1, 5},  {2, 7},  {3, 9},
                                                                   {4, 11}, {5, 13}, {6, 15}};

TEST(RegressionTest, FirstShownSheetFillsInOrderAndGivesTheWorkedLine) {
    EXPECT_EQ(press(kCost, {}),
              filledGrid(kCost, firstShown()) + prints(kCost, {"单位变动成本1", "固定成本13"}));
    EXPECT_EQ(press(kForecast, {{87, "12"}, {85, "13"}}),
              filledGrid(kForecast, firstShown()) +
                  prints(kForecast, {"回归系数1", "回归参数13", "预计销售量26"}));
    // The sums of the first-shown sheet, as the worked example gives them.
    const std::string grid = filledGrid(kCost, firstShown());
    EXPECT_NE(grid.find(writes(kCost, {{13, "78"}, {26, "234"}, {39, "1664"}, {52, "650"}, {65, "14534"}})),
              std::string::npos);
}

TEST(RegressionTest, LinesAndForecasts) {
    struct Case {
        const char* what;
        int screen;
        Typed boxes;
        std::vector<std::pair<long long, long long>> grid; // the rows the sheet is filled from
        std::vector<std::string> lines;
    };
    Typed sixRows = points(kSixRows);
    std::vector<std::pair<long long, long long>> fives;
    Typed allFives;
    for (int row = 1; row <= 12; ++row) {
        fives.emplace_back(5, row * 10);
        allFives.emplace_back(row, "5");
        allFives.emplace_back(13 + row, std::to_string(row * 10));
    }
    const Case cases[] = {
        // The six empty rows are fitted as points (0, 0): the count stays twelve.
        {"six rows among twelve",
         kCost,
         sixRows,
         kSixRowsGrid,
         {"单位变动成本2.58064516129032", "固定成本0.483870967741935"}},
        {"equal volumes", kCost, allFives, fives, {"单位变动成本", "固定成本"}},
        {"month labels and computed cells typed over",
         kCost,
         with(sixRows, {{78, "一月"}, {84, "期间"}, {27, "abc"}, {13, "999"}, {65, "x"}}),
         kSixRowsGrid,
         {"单位变动成本2.58064516129032", "固定成本0.483870967741935"}},
        {"six years counted as six",
         kForecast,
         with(sixRows, {{87, "6"}, {85, "7"}}),
         kSixRowsGrid,
         {"回归系数2", "回归参数3", "预计销售量17"}},
        {"six years counted as twelve",
         kForecast,
         with(sixRows, {{87, "12"}, {85, "1"}}),
         kSixRowsGrid,
         {"回归系数2.58064516129032", "回归参数0.483870967741935", "预计销售量3.06451612903226"}},
        {"no number of years",
         kForecast,
         with(sixRows, {{85, "7"}}),
         kSixRowsGrid,
         {"回归系数", "回归参数", "预计销售量0"}},
        {"no year to forecast",
         kForecast,
         with(sixRows, {{87, "6"}}),
         kSixRowsGrid,
         {"回归系数2", "回归参数3", "预计销售量3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(press(c.screen, c.boxes), filledGrid(c.screen, c.grid) + prints(c.screen, c.lines));
    }
}

TEST(RegressionTest, ClearEmptiesTheDataBoxesOnly) {
    for (const int screen : {kCost, kForecast}) {
        SCOPED_TRACE(form(screen));
        Cli cli;
        EXPECT_EQ(press(cli, screen, {{87, "12"}, {85, "13"}}, {"Command1", "Command2"}),
                  clears(screen, {{1, 65}}));
        // Labels, headings, the number of years and the year to forecast keep their texts; the
        // output area keeps its lines.
        const std::string dump = cli.run("dump " + form(screen) + "\n");
        for (const std::string box :
             {"Text77\t求和", "Text78\t1", "Text76\t12", "Text83\t变量X", "Text82\tX^2Y"})
            EXPECT_NE(dump.find("text\t" + form(screen) + "." + box + "\n"), std::string::npos) << box;
        EXPECT_NE(dump.find("\nline\t"), std::string::npos);

        const std::vector<std::string> lines =
            screen == kCost ? std::vector<std::string>{"单位变动成本", "固定成本"}
                            : std::vector<std::string>{"回归系数", "回归参数", "预计销售量0"};
        EXPECT_EQ(cli.run("click " + form(screen) + ".Command1\n"),
                  filledGrid(screen, {}) + prints(screen, lines));
    }
    Cli cli;
    press(cli, kForecast, {{87, "12"}, {85, "13"}}, {"Command2"});
    EXPECT_EQ(cli.run("read Form158.Text87\nread Form158.Text85\nread Form158.Text84\nread Form158.Text79\n"),
              "text\tForm158.Text87\t12\ntext\tForm158.Text85\t13\ntext\tForm158.Text84\t年份\n"
              "text\tForm158.Text79\t销售Y\n");
}

// ---- Form126, the account analysis: totals in Text1 to Text7, output in Text37

TEST(RegressionTest, AccountAnalysisCopiesByClassThenTotals) {
    const Typed copies = {{17, "1"}, {18, "2"}, {19, "3"}, {20, "4"}, {21, "5"}, {14, "6"}, {15, "7"}};
    const Typed totals = {{8, "28"}, {16, "13"}, {24, "15"}};
    EXPECT_EQ(press(kAccounts, {}), writes(kAccounts, copies) + writes(kAccounts, totals) +
                                        prints(kAccounts, {"固定成本13", "单位变动成本0.405405405405405"}));

    // Cells outside the classification keep what was typed; copies show the number read.
    const Typed typed = {{1, "1,000"}, {6, "12abc"}, {9, "备注"}, {13, "5"},
                         {22, "x"},    {23, "99"},   {37, "0"}};
    EXPECT_EQ(
        press(kAccounts, typed),
        writes(kAccounts, {{17, "1000"}, {18, "2"}, {19, "3"}, {20, "4"}, {21, "5"}, {14, "12"}, {15, "7"}}) +
            writes(kAccounts, {{8, "1033"}, {16, "19"}, {24, "1014"}}) +
            prints(kAccounts, {"固定成本19", "单位变动成本"}));
    EXPECT_EQ(Cli::lastPrint(press(kAccounts, {{37, "-5"}})), "单位变动成本");
}

TEST(RegressionTest, AccountAnalysisClearEmptiesTheGridAndTheOutput) {
    Cli cli;
    EXPECT_EQ(press(cli, kAccounts, {{9, "备注"}}, {"Command1", "Command2"}),
              clears(kAccounts, {{1, 24}, {37, 37}}));
    EXPECT_EQ(cli.run("read Form126.Text25\nread Form126.Text32\nread Form126.Text36\n"),
              "text\tForm126.Text25\t原材料\ntext\tForm126.Text32\t合计\ntext\tForm126.Text36\t账户\n");
    EXPECT_EQ(Cli::lastPrint(cli.run("click Form126.Command1\n")), "单位变动成本");
}

TEST(RegressionTest, FaultsWriteAndPrintNothing) {
    struct Case {
        const char* what;
        int screen;
        Typed boxes;
    };
    const Case cases[] = {
        {"a product beyond range", kCost, {{12, "1E200"}, {25, "1E200"}}},
        {"x²·y beyond range in the last row", kCost, {{12, "1E150"}, {25, "1E10"}}},
        // Every cell fits, but twelve times Σx² does not.
        {"the line beyond range", kCost, {{1, "1E154"}, {14, "1"}}},
        {"the forecast beyond range", kForecast,
         with(points({{"1", "2"}, {"2", "4"}}), {{87, "2"}, {85, "1E308"}})},
        {"two totals beyond range", kAccounts, {{1, "1E308"}, {2, "1E308"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(press(c.screen, c.boxes), "fault\t" + form(c.screen) + "\toverflow\n");
    }
}

} // namespace
} // namespace fincalc::test
