// Forecasts and budgets: the small calculators' lines and faults, the labour budget and the
// cash-receipts worksheets' writes in their order, and the links along the budget chains.
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace fincalc::test;

const std::string kFunds = "资金需要量";
const std::string kProduction = "预计生产量=预计销售量+预计期末产成品-预计期初产成品=";
const std::string kPurchase = "预计采购量=生产需用量+期末存量-期初存量=";
const std::string kOverhead =
    "该季度制造费用现金支出预算=该季度生产量*单位变动制造费用+固定制造费用-制造费用折旧=";
const std::string kVariance = "变动制造费用成本差异=开支差异+效率差异=";
const std::string kPerUnit = "单位变动制造费用成本=实际变动制造费用/生产件数=";
const std::string kRent = "每年租金=(设备价值-残值*(P/F,i,n))/(P/A,i,n)=";

// High point (200, 1100), low point (100, 600).
const Inputs kHighLow = fields(1, {"200", "1100", "100", "600"});

TEST(BudgetTest, Forecasts) {
    const Inputs sales = fields(1, {"100", "200", "300", "400"}) + fields(11, {"50"});
    const auto quarters = [](const char* q1, const char* q2, const char* q3, const char* q4) {
        return std::vector<std::string>{std::string("第一季度") + q1, std::string("第二季度") + q2,
                                        std::string("第三季度") + q3, std::string("第四季度") + q4};
    };
    expectLines({
        {"funds at a planned volume", 18, kHighLow + fields(10, {"250"}), "Command1", {kFunds + "1350"}},
        {"no planned volume: the fixed part", 18, kHighLow, "Command1", {kFunds + "100"}},
        {"heading boxes are not read",
         18,
         kHighLow + fields(5, {"1", "2", "3", "4", "5"}) + fields(10, {"250"}),
         "Command1",
         {kFunds + "1350"}},
        {"collections by quarter", 19, sales + fields(12, {"0.6"}), "Command1",
         quarters("110", "160", "260", "360")},
        {"everything collected in its quarter", 19, sales + fields(12, {"1"}), "Command1",
         quarters("150", "200", "300", "400")},
        {"an empty year", 19, {}, "Command1", quarters("0", "0", "0", "0")},
        {"production of a quarter",
         20,
         fields(1, {"0.1", "1000", "1200"}),
         "Command1",
         {kProduction + "1020"}},
        {"no production", 20, {}, "Command1", {kProduction + "0"}},
        {"purchases of a material",
         21,
         fields(1, {"500", "2", "100", "80"}),
         "Command1",
         {kPurchase + "1020"}},
        {"no purchases", 21, {}, "Command1", {kPurchase + "0"}},
    });
}

TEST(BudgetTest, OverheadBudgetAndVariance) {
    const Inputs actual = fields(1, {"5000", "1000", "4.5", "180", "5"});
    expectLines({
        {"overhead cash outlay",
         23,
         fields(1, {"1000", "2", "3000", "500"}),
         "Command1",
         {kOverhead + "4500"}},
        {"no overhead", 23, {}, "Command1", {kOverhead + "0"}},
        {"spending plus efficiency", 24, actual, "Command1", {kVariance + "950"}},
        {"overhead per unit", 24, actual, "Command2", {kPerUnit + "27.7777777777778"}},
        {"no hours worked", 24, actual + fields(2, {"0"}), "Command1", {kVariance}},
        {"negative hours", 24, actual + fields(2, {"-5"}), "Command1", {kVariance}},
        {"no units", 24, actual + fields(4, {""}), "Command2", {kPerUnit}},
        {"an empty screen", 24, {}, "Command2", {kPerUnit}},
    });
}

TEST(BudgetTest, CashBudgetChain) {
    expectLines({
        {"receipts",
         25,
         fields(1, {"100", "200", "300"}),
         "Command1",
         {"现金收入=前月销售现金收入+上月销售现金收入+本月销售现金收入=600"}},
        {"cash available",
         26,
         fields(1, {"500", "600"}),
         "Command1",
         {"可使用现金=期初现金余额+现金收入=1100"}},
        {"materials", 27, fields(1, {"1000", "2000", "0.6", "0.5", "0.5"}), "Command1", {"直接材料900"}},
        {"overhead paid", 28, fields(1, {"800", "150"}), "Command1", {"制造费用=制造费用-折旧费=650"}},
        {"disbursements",
         29,
         fields(1, {"900", "300", "650", "100", "50"}),
         "Command1",
         {"现金支出合计=直接材料+直接人工+制造费用+其他付现费用+购置固定资产=2000"}},
        {"shortage", 30, fields(1, {"1100", "2000"}), "Command1", {"现金余缺=可使用现金-现金支出合计=-900"}},
        {"closing balance",
         31,
         fields(1, {"-500", "1000", "200", "20"}),
         "Command1",
         {"期末现金余额=筹得借款+现金余缺-归还借款-归还利息=280"}},
        {"interest",
         36,
         fields(1, {"1000", "0.12", "3"}),
         "Command1",
         {"支付利息=偿还借款*年利率*时间/12=30"}},
        {"balance of a period",
         38,
         fields(1, {"100", "500", "350"}),
         "Command1",
         {"期末余额=期初余额+收入-支出250", "年末余额=第四季度期末余额"}},
    });
}

TEST(BudgetTest, EmptyCalculatorsPrintZero) {
    expectLines({
        {"receipts", 25, {}, "Command1", {"现金收入=前月销售现金收入+上月销售现金收入+本月销售现金收入=0"}},
        {"cash available", 26, {}, "Command1", {"可使用现金=期初现金余额+现金收入=0"}},
        {"materials", 27, {}, "Command1", {"直接材料0"}},
        {"overhead paid", 28, {}, "Command1", {"制造费用=制造费用-折旧费=0"}},
        {"disbursements",
         29,
         {},
         "Command1",
         {"现金支出合计=直接材料+直接人工+制造费用+其他付现费用+购置固定资产=0"}},
        {"surplus", 30, {}, "Command1", {"现金余缺=可使用现金-现金支出合计=0"}},
        {"closing balance", 31, {}, "Command1", {"期末现金余额=筹得借款+现金余缺-归还借款-归还利息=0"}},
        {"interest", 36, {}, "Command1", {"支付利息=偿还借款*年利率*时间/12=0"}},
        {"balance of a period",
         38,
         {},
         "Command1",
         {"期末余额=期初余额+收入-支出0", "年末余额=第四季度期末余额"}},
        {"gross profit", 39, {}, "Command1", {"销售毛利=销售收入-销售成本=0"}},
        {"total profit", 40, {}, "Command1", {"利润总额=毛利-费用-应还利息0"}},
        {"net profit", 41, {}, "Command1", {"净利润=利润总额-所得税费用=0"}},
    });
}

TEST(BudgetTest, ProjectedIncomeAndLeaseRent) {
    const Inputs lease = fields(1, {"100000", "10000", "5", "0.08", "0.02"});
    expectLines({
        {"gross profit", 39, fields(1, {"800", "300"}), "Command1", {"销售毛利=销售收入-销售成本=500"}},
        {"total profit", 40, fields(1, {"500", "200", "50"}), "Command1", {"利润总额=毛利-费用-应还利息250"}},
        {"net profit", 41, fields(1, {"250", "62.5"}), "Command1", {"净利润=利润总额-所得税费用=187.5"}},
        {"rent over five periods", 43, lease, "Command1", {kRent + "24741.7732715271"}},
        {"one period, no fee", 43, fields(1, {"110", "0", "1", "0.1", "0"}), "Command1", {kRent + "121"}},
        {"a fee alone discounts", 43, fields(1, {"110", "0", "1", "0", "0.1"}), "Command1", {kRent + "121"}},
        {"an empty screen", 43, {}, "Command1", {kRent}},
        {"fee and rate cancelling out", 43, lease + fields(5, {"-0.08"}), "Command1", {kRent}},
    });
}

TEST(BudgetTest, FaultsPrintNothing) {
    expectLines({
        {"high-low with every field empty", 18, {}, "Command1", {}, "invalid-operation"},
        {"equal volumes at both points",
         18,
         fields(1, {"100", "1100", "100", "600"}),
         "Command1",
         {},
         "division-by-zero"},
        {"a lease over no periods",
         43,
         fields(1, {"100000", "10000", "0", "0.08", "0.02"}),
         "Command1",
         {},
         "division-by-zero"},
        {"no periods and nothing to recover", 43, fields(4, {"0.1"}), "Command1", {}, "invalid-operation"},
        {"collections beyond range",
         19,
         fields(1, {"1E308"}) + fields(11, {"1E308"}) + fields(12, {"1"}),
         "Command1",
         {},
         "overflow"},
        {"receipts beyond range", 25, fields(1, {"1E308", "1E308"}), "Command1", {}, "overflow"},
        {"income beyond range", 38, fields(1, {"1E308", "1E308"}), "Command1", {}, "overflow"},
    });
}

// ---- Form22, the direct labour budget

constexpr int kLabour = 22;

TEST(BudgetTest, LabourBudgetWritesHoursThenCosts) {
    // Quarter 一 and the year filled in, computed boxes holding stale text, row names overtyped.
    const Inputs sheet = fields(1, {"100", "120", "", "abc", "500"}) + fields(6, {"2", "2", "3", "", "2"}) +
                         fields(16, {"10", "10", "10", "10", "9"}) + fields(11, {"777"}) +
                         fields(25, {"888"}) + fields(35, {"产量"});
    EXPECT_EQ(Cli().press(kLabour, sheet, "Command1"), writes(kLabour, {{11, "200"},
                                                                        {12, "240"},
                                                                        {13, "0"},
                                                                        {14, "0"},
                                                                        {15, "1000"},
                                                                        {21, "2000"},
                                                                        {22, "2400"},
                                                                        {23, "0"},
                                                                        {24, "0"},
                                                                        {25, "9000"}}));
    // The year is computed from its own inputs, not from the quarters.
    EXPECT_EQ(Cli().press(kLabour, fields(1, {"100"}) + fields(6, {"2"}) + fields(16, {"10"}), "Command1"),
              writes(kLabour, {{11, "200"},
                               {12, "0"},
                               {13, "0"},
                               {14, "0"},
                               {15, "0"},
                               {21, "2000"},
                               {22, "0"},
                               {23, "0"},
                               {24, "0"},
                               {25, "0"}}));
}

TEST(BudgetTest, LabourBudgetClearsItsNumbersAndKeepsItsNames) {
    Cli cli;
    cli.press(kLabour, fields(1, {"100"}) + fields(6, {"2"}) + fields(16, {"10"}), "Command1");
    EXPECT_EQ(cli.run("click Form22.Command2\n"), clears(kLabour, {{1, 25}}));
    EXPECT_EQ(cli.run("read Form22.Text36\nread Form22.Text35\nread Form22.Text26\nread Form22.Text31\n"
                      "read Form22.Text21\n"),
              "text\tForm22.Text36\t季度\ntext\tForm22.Text35\t预计产量\ntext\tForm22.Text26\t全年\n"
              "text\tForm22.Text31\t人工总成本\ntext\tForm22.Text21\t\n");
}

TEST(BudgetTest, LabourBudgetFaultWritesNothing) {
    EXPECT_EQ(Cli().press(kLabour, fields(5, {"1E300"}) + fields(10, {"1E300"}), "Command1"),
              "fault\tForm22\toverflow\n");
}

// ---- Form37, the cash-receipts table

constexpr int kReceipts = 37;

const std::string kClosingReceivables =
    "期末应收账款=第四期销售收入*（下期收现率+后期收现率）+第三期销售收入*后期收现率=";
const std::string kThirdReceivables = "第三期应收账款=";

// Sales of 100, 200, 300 and 400, collected 0.5, 0.3 and 0.2; receivables of 40 and 10 from before.
const Inputs kSales = fields(44, {"100", "200", "300", "400"}) + fields(53, {"0.5", "0.3", "0.2"}) +
                      Inputs{{"Text1", "40"}, {"Text7", "10"}};

TEST(BudgetTest, ReceiptsTableWritesEveryCellInOrder) {
    // Cells no sales reach and computed cells hold typed text; the headings are overtyped.
    const Inputs typed =
        kSales + Inputs{{"Text3", "5"},  {"Text10", "7"},  {"Text20", "9"}, {"Text6", "1000"},
                        {"Text30", "1"}, {"Text31", "甲"}, {"Text43", "x"}};
    const Boxes cells{{2, "50"},   {6, "90"},   {8, "30"},   {9, "100"},  {12, "140"}, {14, "20"},
                      {15, "60"},  {16, "150"}, {18, "230"}, {21, "40"},  {22, "90"},  {23, "200"},
                      {24, "330"}, {25, "50"},  {26, "100"}, {27, "200"}, {28, "240"}, {29, "200"},
                      {6, "90"},   {12, "140"}, {18, "230"}, {24, "330"}, {30, "790"}};
    Cli cli;
    EXPECT_EQ(cli.press(kReceipts, typed, "Command1"),
              writes(kReceipts, cells) +
                  prints(kReceipts, {kClosingReceivables + "260", kThirdReceivables + "190"}));
    EXPECT_EQ(cli.run("read Form37.Text3\nread Form37.Text10\nread Form37.Text20\n"),
              "text\tForm37.Text3\t5\ntext\tForm37.Text10\t7\ntext\tForm37.Text20\t9\n");
}

TEST(BudgetTest, ReceiptsTableOnAnEmptySheetWritesZeros) {
    Boxes zeros;
    for (const int box :
         {2, 6, 8, 9, 12, 14, 15, 16, 18, 21, 22, 23, 24, 25, 26, 27, 28, 29, 6, 12, 18, 24, 30})
        zeros.emplace_back(box, "0");
    EXPECT_EQ(Cli().press(kReceipts, {}, "Command1"),
              writes(kReceipts, zeros) +
                  prints(kReceipts, {kClosingReceivables + "0", kThirdReceivables + "0"}));
}

TEST(BudgetTest, ReceiptsTableClearsItsNumbersAndOutput) {
    Cli cli;
    cli.press(kReceipts, kSales, "Command1");
    EXPECT_EQ(cli.run("click Form37.Command2\n"),
              clears(kReceipts, {{1, 30}, {44, 47}, {53, 55}}) + "clear\tForm37\n");
    std::string names;
    std::string expected;
    for (const auto& [box, text] : Boxes{{36, "上期末应收"},
                                         {41, "现金收入合计"},
                                         {42, "期数"},
                                         {48, "期数"},
                                         {43, "收入"},
                                         {31, "一"},
                                         {35, "全期"},
                                         {52, "四"}}) {
        names += "read Form37.Text" + std::to_string(box) + "\n";
        expected += "text\tForm37.Text" + std::to_string(box) + "\t" + text + "\n";
    }
    EXPECT_EQ(cli.run(names), expected);
}

TEST(BudgetTest, ReceiptsTableFaultWritesNothing) {
    // The whole table is read: a number beyond range in a cell no formula uses still faults.
    EXPECT_EQ(Cli().press(kReceipts, kSales + Inputs{{"Text3", "1E999"}}, "Command1"),
              "fault\tForm37\toverflow\n");
    EXPECT_EQ(Cli().press(kReceipts, kSales + fields(44, {"1E308"}) + fields(53, {"1E10"}), "Command1"),
              "fault\tForm37\toverflow\n");
}

// ---- links along the chains

TEST(BudgetTest, LabelsOpenTheScreenComputingTheirInputBeside) {
    Cli cli;
    cli.run("open Form41\n");
    EXPECT_EQ(cli.run("click Form41.Label1\nclick Form40.Label1\n"), "show\tForm40\nshow\tForm39\n");
    EXPECT_EQ(cli.run("open Form31\nclick Form31.Label1\nclick Form30.Label1\nclick Form26.Label2\n"),
              "show\tForm31\nshow\tForm30\nshow\tForm26\nshow\tForm25\n");
    // Every screen of both chains stays visible: typing is refused on a hidden screen.
    for (const int screen : {25, 26, 30, 31, 39, 40, 41})
        EXPECT_EQ(cli.run("type " + form(screen) + ".Text1 1\n"), "") << screen;
    // Other labels do nothing.
    cli.run("open Form23\nopen Form29\n");
    EXPECT_EQ(cli.run("click Form23.Label1\nclick Form23.Label3\nclick Form29.Label2\nclick Form31.Label2\n"
                      "click Form41.Label2\n"),
              "");
}

} // namespace
