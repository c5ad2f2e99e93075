// The statement worksheets: the balance sheet (Form62) and the income statement, condensed balance
// sheet and cash flow worksheet (Form63).
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fincalc::test {
namespace {

using Typed = std::vector<std::pair<int, std::string>>; // (box number, text)

void type(Cli& cli, int screen, const Typed& boxes) {
    cli.run("open Form" + std::to_string(screen) + "\n");
    std::string script;
    for (const auto& [box, text] : boxes)
        script += "type Form" + std::to_string(screen) + ".Text" + std::to_string(box) + " " + text + "\n";
    ASSERT_EQ(cli.run(script), "");
}

std::string click(Cli& cli, int screen, const std::string& control) {
    return cli.run("click Form" + std::to_string(screen) + "." + control + "\n");
}

std::vector<std::string> printed(const std::string& events) {
    std::vector<std::string> lines;
    std::istringstream in(events);
    for (std::string event; std::getline(in, event);)
        if (event.starts_with("print\t"))
            lines.push_back(event.substr(event.find('\t', 6) + 1));
    return lines;
}

// How many lines the screen's output area holds.
int outputLines(Cli& cli, int screen) {
    const std::string dump = cli.run("dump Form" + std::to_string(screen) + "\n");
    int lines = 0;
    for (std::size_t at = dump.find("\nline\t"); at != std::string::npos; at = dump.find("\nline\t", at + 1))
        ++lines;
    return lines;
}

// An analysis block as printed: its lines with a blank line between each two.
std::vector<std::string> block(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& line : lines) {
        if (!out.empty())
            out.emplace_back();
        out.push_back(line);
    }
    return out;
}

// ---- Form62, the balance sheet

constexpr int kBalance = 62;

// Two years that do not balance at the end (605 against 600), with numbers in boxes no total
// may read: headings (Text1, Text47, Text67, Text114, Text91), the blank row (Text98, Text131) and
// computed boxes (Text13, Text122).
const Typed kBalanceSheet{
    {1, "999"},   {2, "100"},  {7, "5"},     {10, "40"},    {12, "15"},   {13, "12345"}, {15, "300"},
    {31, "40"},   {35, "120"}, {40, "10"},   {43, "50abc"}, {45, "20"},   {47, "777"},   {48, "350"},
    {64, "50"},   {67, "1"},   {68, "50"},   {71, "30"},    {79, "20"},   {82, "100"},   {88, "50"},
    {91, "3"},    {92, "200"}, {93, "30"},   {94, "-10"},   {95, "10"},   {96, "20"},    {98, "4"},
    {101, "60"},  {104, "40"}, {112, "30"},  {114, "2"},    {115, "100"}, {121, "75"},   {122, "9999"},
    {125, "200"}, {126, "30"}, {127, "-10"}, {128, "30"},   {129, "50"},  {131, "5"},
};

const Typed kBalanceSheetTotals{
    {13, "160"}, {46, "200"},  {32, "340"}, {65, "400"},  {33, "500"}, {66, "600"},
    {80, "100"}, {113, "130"}, {89, "150"}, {122, "175"}, {90, "250"}, {123, "305"},
    {97, "250"}, {130, "300"}, {99, "500"}, {132, "605"},
};

TEST(BalanceSheet, ConfirmWritesTheSixteenTotals) {
    Cli cli;
    type(cli, kBalance, kBalanceSheet);
    EXPECT_EQ(click(cli, kBalance, "Command1"), writes(kBalance, kBalanceSheetTotals));
}

TEST(BalanceSheet, AnalysisWritesTheTotalsThenPrintsTheRatios) {
    Cli cli;
    type(cli, kBalance, kBalanceSheet);
    const std::string events = click(cli, kBalance, "Command3");
    EXPECT_TRUE(events.starts_with(writes(kBalance, kBalanceSheetTotals)));
    EXPECT_EQ(printed(events), block({"年初流动比率1.6", "年末流动比率1.53846153846154", "年初速动比率1.2",
                                      "年末速动比率1.15384615384615", "年初资产负债率0.5",
                                      "年末资产负债率0.508333333333333"}));
}

TEST(BalanceSheet, RatiosWithoutAPositiveDivisorShowTheirLabelAlone) {
    const struct {
        const char* why;
        Typed boxes;
        std::vector<std::string> lines;
    } cases[] = {
        {"an empty sheet",
         {},
         {"年初流动比率", "年末流动比率", "年初速动比率", "年末速动比率", "年初资产负债率",
          "年末资产负债率"}},
        {"negative closing current liabilities",
         {{35, "100"}, {101, "-10"}},
         {"年初流动比率", "年末流动比率", "年初速动比率", "年末速动比率", "年初资产负债率",
          "年末资产负债率-0.1"}},
        {"negative opening total assets",
         {{2, "-50"}, {68, "10"}},
         {"年初流动比率-5", "年末流动比率", "年初速动比率-5", "年末速动比率", "年初资产负债率",
          "年末资产负债率"}},
    };
    for (const auto& c : cases) {
        Cli cli;
        type(cli, kBalance, c.boxes);
        EXPECT_EQ(printed(click(cli, kBalance, "Command3")), block(c.lines)) << c.why;
    }
}

TEST(BalanceSheet, EmptySheetTotalsAreZero) {
    Cli cli;
    type(cli, kBalance, {});
    EXPECT_EQ(click(cli, kBalance, "Command1"), writes(kBalance, {{13, "0"},
                                                                  {46, "0"},
                                                                  {32, "0"},
                                                                  {65, "0"},
                                                                  {33, "0"},
                                                                  {66, "0"},
                                                                  {80, "0"},
                                                                  {113, "0"},
                                                                  {89, "0"},
                                                                  {122, "0"},
                                                                  {90, "0"},
                                                                  {123, "0"},
                                                                  {97, "0"},
                                                                  {130, "0"},
                                                                  {99, "0"},
                                                                  {132, "0"}}));
}

TEST(BalanceSheet, ARatioThatOverflowsKeepsTheTotalsWritten) {
    Cli cli;
    type(cli, kBalance, {{2, "1E300"}, {68, "1E-10"}});
    EXPECT_EQ(click(cli, kBalance, "Command3"), writes(kBalance, {{13, "1E+300"},
                                                                  {46, "0"},
                                                                  {32, "0"},
                                                                  {65, "0"},
                                                                  {33, "1E+300"},
                                                                  {66, "0"},
                                                                  {80, "1E-10"},
                                                                  {113, "0"},
                                                                  {89, "0"},
                                                                  {122, "0"},
                                                                  {90, "1E-10"},
                                                                  {123, "0"},
                                                                  {97, "0"},
                                                                  {130, "0"},
                                                                  {99, "1E-10"},
                                                                  {132, "0"}}) +
                                                    "fault\tForm62\toverflow\n");
}

TEST(BalanceSheet, ClearEmptiesTheAmountsAndTheOutputButNotTheNames) {
    Cli cli;
    type(cli, kBalance, kBalanceSheet);
    click(cli, kBalance, "Command3");
    click(cli, kBalance, "Command3");
    EXPECT_EQ(outputLines(cli, kBalance), 22) << "two blocks of six ratio lines and five blank lines";

    EXPECT_EQ(click(cli, kBalance, "Command2"), clears(kBalance, {{1, 132}}) + "clear\tForm62\n");
    EXPECT_EQ(outputLines(cli, kBalance), 0);
    EXPECT_EQ(cli.run("read Form62.Text197\n"), "text\tForm62.Text197\t  非流动资产合计\n");
}

TEST(BalanceSheet, NameBoxesShowTheirDefinitions) {
    const struct {
        int box;
        std::string events;
    } cases[] = {
        {167, "message\t货币资金=库存现金+银行存款+其他货币资金\n"},
        {170, "message\t应收账款= “应收账款”明细账借方余额+“预收账款”明细账借方余额-"
              "应收账款计提的坏账准备（期末为贷方余额在预收账款填列)\n"},
        {192, "message\t开发支出＝研发支出--资本化支出\n"},
        {160, "message\t\n"}, // 减：库存股 has an empty definition
        {165, "message\t负债和所有者权益＝负债合计+股东权益合计\n"},
        {166, ""}, // a heading
        {164, ""}, // the blank row
        {2, ""},   // an amount
        {204, ""}, // a column heading
    };
    Cli cli;
    type(cli, kBalance, {});
    for (const auto& c : cases)
        EXPECT_EQ(click(cli, kBalance, "Text" + std::to_string(c.box)), c.events) << "Text" << c.box;
}

// ---- Form63, the income statement, condensed balance sheet and cash flow

constexpr int kIncome = 63;

// A cleared screen with the condensed balance sheet filled in (blank lines Text68, Text79 hold
// numbers no total may read).
const Typed kBalanceOnly{
    {43, "100"}, {44, "20"},  {45, "100"}, {46, "80"},  {48, "50"},  {49, "400"}, {50, "30"},  {51, "20"},
    {54, "150"}, {55, "30"},  {56, "120"}, {57, "100"}, {59, "60"},  {60, "440"}, {62, "100"}, {65, "200"},
    {66, "100"}, {68, "7"},   {70, "100"}, {71, "300"}, {72, "50"},  {73, "50"},  {76, "250"}, {77, "150"},
    {79, "8"},   {81, "100"}, {82, "300"}, {83, "80"},  {84, "120"},
};

// The income statement and cash flow of the period on top of kBalanceOnly; the cash-flow
// heading (Text131) and lines 20 and 21 (Text178, Text177) enter nothing.
const Typed kPeriod{
    {1, "800"},  {2, "500"},   {3, "40"},    {14, "1000"}, {15, "600"},  {16, "50"},   {18, "30"},
    {19, "60"},  {20, "80"},   {21, "40"},   {23, "20"},   {25, "55"},   {131, "999"}, {132, "900"},
    {133, "50"}, {134, "400"}, {135, "200"}, {136, "100"}, {137, "50"},  {140, "10"},  {141, "20"},
    {142, "30"}, {143, "100"}, {144, "60"},  {169, "300"}, {170, "120"}, {177, "6"},   {178, "5"},
};

void clearIncome(Cli& cli) {
    type(cli, kIncome, {});
    click(cli, kIncome, "Command2");
}

TEST(IncomeStatement, AFreshScreenTotalsItsLineNumbers) {
    Cli cli;
    type(cli, kIncome, {});
    EXPECT_EQ(click(cli, kIncome, "Command1"),
              writes(kIncome, {{4, "-4"},   {17, "-4"},  {9, "-20"},   {22, "-20"},  {11, "-10"}, {24, "-10"},
                               {13, "-22"}, {26, "-22"}, {47, "10"},   {58, "10"},   {52, "30"},  {63, "30"},
                               {53, "40"},  {64, "40"},  {67, "3"},    {78, "3"},    {74, "30"},  {85, "30"},
                               {75, "33"},  {86, "33"},  {122, "-17"}, {138, "-17"}, {129, "6"},  {145, "6"},
                               {168, "-1"}, {171, "-1"}}));
}

TEST(IncomeStatement, AnalysisOfFilledStatements) {
    Cli cli;
    clearIncome(cli);
    type(cli, kIncome, kBalanceOnly);
    type(cli, kIncome, kPeriod);
    const std::string events = click(cli, kIncome, "Command3");
    EXPECT_TRUE(events.starts_with(
        writes(kIncome, {{4, "260"},  {17, "350"},  {9, "260"},  {22, "200"},  {11, "260"}, {24, "220"},
                         {13, "260"}, {26, "165"},  {47, "300"}, {58, "400"},  {52, "500"}, {63, "600"},
                         {53, "800"}, {64, "1000"}, {67, "300"}, {78, "400"},  {74, "500"}, {85, "600"},
                         {75, "800"}, {86, "1000"}, {122, "0"},  {138, "200"}, {129, "0"},  {145, "-100"},
                         {168, "0"},  {171, "180"}})));
    EXPECT_EQ(printed(events), block({"净资产收益率0.3",
                                      "总资产报酬率0.288888888888889",
                                      "资本保值增值率1.2",
                                      "主营业务利润率0.35",
                                      "成本费用利润率0.282051282051282",
                                      "总资产周转率324",
                                      "流动资产周转率126",
                                      "存货周转率54",
                                      "应收账款周转率39.6",
                                      "资产负债率0.4",
                                      "流动比率1.6",
                                      "速动比率1.2",
                                      "现金比率0.6",
                                      "产权比率0.666666666666667",
                                      "权益乘数1.66666666666667",
                                      "长期资本负债率0.2",
                                      "利息保障倍数6.5",
                                      "利息保障倍数5",
                                      "现金流量与负债比率0.5",
                                      "营业净利率0.165",
                                      "权益净利率0.275",
                                      "现金流量比率0.8"}));
}

TEST(IncomeStatement, AnalysisGuards) {
    const struct {
        const char* why;
        Typed boxes; // on a cleared screen
        std::vector<std::string> lines;
    } cases[] = {
        {"nothing filled in", {}, {"净资产收益率",   "总资产报酬率", "资本保值增值率",     "主营业务利润率",
                                   "成本费用利润率", "总资产周转率", "流动资产周转率",     "存货周转率",
                                   "应收账款周转率", "资产负债率",   "流动比率",           "速动比率",
                                   "现金比率",       "产权比率",     "权益乘数",           "长期资本负债率",
                                   "利息保障倍数",   "利息保障倍数", "现金流量与负债比率", "营业净利率",
                                   "权益净利率",     "现金流量比率"}},
        // Without revenue and cost the turnover lines have no days to show, and the analysis goes on.
        {"a balance sheet without an income statement",
         kBalanceOnly,
         {"净资产收益率0",
          "总资产报酬率0",
          "资本保值增值率1.2",
          "主营业务利润率",
          "成本费用利润率",
          "总资产周转率",
          "流动资产周转率",
          "存货周转率",
          "应收账款周转率",
          "资产负债率0.4",
          "流动比率1.6",
          "速动比率1.2",
          "现金比率0.6",
          "产权比率0.666666666666667",
          "权益乘数1.66666666666667",
          "长期资本负债率0.2",
          "利息保障倍数",
          "利息保障倍数",
          "现金流量与负债比率0",
          "营业净利率",
          "权益净利率0",
          "现金流量比率0"}},
        // Closing current liabilities -100, long-term 150, equity 100: the long-term capital is 250.
        {"negative closing current liabilities",
         {{54, "50"}, {76, "-100"}, {77, "150"}, {82, "100"}},
         {"净资产收益率0",
          "总资产报酬率0",
          "资本保值增值率",
          "主营业务利润率",
          "成本费用利润率",
          "总资产周转率",
          "流动资产周转率",
          "存货周转率",
          "应收账款周转率",
          "资产负债率0.333333333333333",
          "流动比率",
          "速动比率",
          "现金比率",
          "产权比率0.5",
          "权益乘数1.5",
          "长期资本负债率0.6",
          "利息保障倍数",
          "利息保障倍数",
          "现金流量与负债比率0",
          "营业净利率",
          "权益净利率0",
          "现金流量比率"}},
        // Equity 600 but long-term liabilities -700: no long-term capital to share.
        {"negative long-term capital",
         {{77, "-700"}, {82, "600"}},
         {"净资产收益率0",
          "总资产报酬率",
          "资本保值增值率",
          "主营业务利润率",
          "成本费用利润率",
          "总资产周转率",
          "流动资产周转率",
          "存货周转率",
          "应收账款周转率",
          "资产负债率",
          "流动比率",
          "速动比率",
          "现金比率",
          "产权比率-1.16666666666667",
          "权益乘数-0.166666666666667",
          "长期资本负债率",
          "利息保障倍数",
          "利息保障倍数",
          "现金流量与负债比率",
          "营业净利率",
          "权益净利率0",
          "现金流量比率"}},
    };
    for (const auto& c : cases) {
        Cli cli;
        clearIncome(cli);
        type(cli, kIncome, c.boxes);
        EXPECT_EQ(printed(click(cli, kIncome, "Command3")), block(c.lines)) << c.why;
    }
}

// A number beyond the double range faults where it is read or summed, before anything is written.
TEST(IncomeStatement, OverflowStopsTheTotalsBeforeAnyWrite) {
    const struct {
        const char* why;
        Typed boxes; // on a cleared screen
        bool faults;
    } cases[] = {
        {"an overflowing sum", {{14, "1E308"}, {18, "1E308"}}, true},
        {"a cash-flow heading's amount is read", {{131, "1E999"}}, true},
        {"cash-flow lines 20 and 21 are never read",
         {{177, "1E999"}, {178, "1E999"}, {179, "1E999"}, {180, "1E999"}},
         false},
    };
    for (const auto& c : cases) {
        Cli cli;
        clearIncome(cli);
        type(cli, kIncome, c.boxes);
        const std::string events = click(cli, kIncome, "Command1");
        if (c.faults)
            EXPECT_EQ(events, "fault\tForm63\toverflow\n") << c.why;
        else
            EXPECT_TRUE(events.starts_with("write\tForm63.Text4\t0\n")) << c.why << ": " << events;
    }
}

TEST(IncomeStatement, ClearEmptiesEveryAmountAndCancelClearsTheOutput) {
    Cli cli;
    type(cli, kIncome, {});
    click(cli, kIncome, "Command3");
    // "清空" empties every amount box, range by range.
    EXPECT_EQ(click(cli, kIncome, "Command2"),
              clears(kIncome, {{1, 26}, {43, 86}, {115, 146}, {166, 171}, {177, 180}}));
    EXPECT_EQ(outputLines(cli, kIncome), 43) << "the printed block stays";
    EXPECT_EQ(cli.run("read Form63.Text147\n"), "text\tForm63.Text147\t一、经营活动产生的现金流量\n");
    EXPECT_EQ(click(cli, kIncome, "Command5"), "clear\tForm63\n");
    EXPECT_EQ(outputLines(cli, kIncome), 0);
}

} // namespace
} // namespace fincalc::test
