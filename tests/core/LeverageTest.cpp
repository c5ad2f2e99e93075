// Leverage and the financing choice: worked values, failed guards, the changed-leverage chain,
// the verdicts between the two plans, and the faults that stop a button.
#include "ScreenCases.h"

#include "app/Catalogue.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

using namespace fincalc::test;

const std::string kOperating = "经营杠杆系数=基期边际贡献/基期息税前利润=";
const std::string kFinancial = "财务杠杆系数=基期息税前利润/（基期息税前利润-基期利息）=";
const std::string kByRates = "财务杠杆系数=普通股收益变动率/息税前利润变动率=";
const std::string kEarnings = "普通股收益=";
const std::string kTotal = "总杠杆系数=经营杠杆系数*财务杠杆系数=";
const std::string kEbit89 = "息税前利润=销售量*（单位售价-单位变动成本）-固定成本总额=";
const std::string kOperating89 = "经营杠杆系数润=销售量*（单位售价-单位变动成本）/息税前利润=";
const std::string kFinancial89 = "财务杠杆系数=息税前利润/（息税前利润-利息费用）=";
const std::string kProfit = "利润总额=净利润/（1-所得税税率）=";
const std::string kInterest = "利息总额=债券数量*面值*票面利率=";
const std::string kEbit87 = "息税前利润总额=利润总额+利息总额=";
const std::string kFinancial87 = "财务杠杆系数=息税前利润总额/（息税前利润总额-利息总额）=";
const std::string kOperating87 = "经营杠杆系数=（息税前利润总额+固定成本总额）/息税前利润总额=";
const std::string kBondCost = "债券资本成本";

TEST(LeverageTest, LeverageCoefficients) {
    // Net profit 75 at a tax rate of 25%, fixed cost 100, ten bonds of 100 at 10%.
    const Inputs bonds = fields({"75", "0.25", "100", "10", "100", "98", "0.1", "0.02"});
    const Inputs units = fields({"100", "6", "10", "50", "20"}); // EBIT 100 on a margin of 200
    expectLines({
        {"operating leverage from sales",
         82,
         fields({"100", "0.6", "1000"}),
         "Command1",
         {kOperating + "1.33333333333333"}},
        {"no sales, no fixed cost", 82, fields({"0", "0.6", "0"}), "Command1", {kOperating}},
        // Figures are doubles: a margin of 1000 × (1 - 0.6) covers a fixed cost of 400 exactly.
        {"fixed cost equal to the margin", 82, fields({"400", "0.6", "1000"}), "Command1", {kOperating}},
        {"fixed cost above the margin", 82, fields({"500", "0.6", "1000"}), "Command1", {kOperating}},
        {"operating leverage from EBIT", 83, fields({"100", "200"}), "Command1", {kOperating + "1.5"}},
        {"no EBIT", 83, fields({"100", "0"}), "Command1", {kOperating}},
        {"a loss", 83, fields({"100", "-50"}), "Command1", {kOperating}},
        {"financial leverage", 84, fields({"200", "100"}), "Command1", {kFinancial + "2"}},
        {"interest equal to EBIT", 84, fields({"100", "100"}), "Command1", {kFinancial}},
        {"financial leverage from rates", 85, fields({"0.3", "0.15"}), "Command1", {kByRates + "2"}},
        {"EBIT unchanged", 85, fields({"0.3", "0"}), "Command1", {kByRates}},
        {"EBIT falling", 85, fields({"0.3", "-0.1"}), "Command1", {kByRates}},
        {"expected earnings", 86, fields({"1", "0.1", "2"}), "Command1", {kEarnings + "1.2"}},
        {"expected earnings, nothing typed", 86, {}, "Command1", {kEarnings + "0"}},
        {"profit before tax", 87, bonds, "Command1", {kProfit + "100"}},
        {"interest", 87, bonds, "Command2", {kInterest + "100"}},
        {"EBIT", 87, bonds, "Command5", {kEbit87 + "200"}},
        {"financial leverage of the issue", 87, bonds, "Command6", {kFinancial87 + "2"}},
        {"operating leverage of the issue", 87, bonds, "Command7", {kOperating87 + "1.5"}},
        {"cost of the bonds", 87, bonds, "Command8", {kBondCost + "0.0780924614743857"}},
        {"no issue price",
         87,
         fields({"75", "0.25", "100", "10", "100", "", "0.1", "0.02"}),
         "Command8",
         {kBondCost}},
        {"a tax rate above 1 leaves no profit",
         87,
         fields({"75", "2", "100", "10", "100"}),
         "Command6",
         {kFinancial87}},
        {"a loss beyond the interest",
         87,
         fields({"-300", "0.25", "100", "10", "100", "", "0.1"}),
         "Command7",
         {kOperating87}},
        {"total leverage", 88, fields({"2", "1.5"}), "Command1", {kTotal + "3"}},
        {"EBIT from units", 89, units, "Command1", {kEbit89 + "100"}},
        {"operating leverage from units", 89, units, "Command2", {kOperating89 + "2"}},
        {"financial leverage from units", 89, units, "Command5", {kFinancial89 + "1.25"}},
        {"total leverage from units", 89, units, "Command6", {kTotal + "2.5"}},
        {"a loss", 89, fields({"300", "6", "10", "50", "20"}), "Command2", {kOperating89}},
        {"interest above EBIT", 89, fields({"100", "6", "10", "50", "150"}), "Command5", {kFinancial89}},
        // A leverage that was not computed counts as 0 in the product.
        {"interest above EBIT, total",
         89,
         fields({"100", "6", "10", "50", "150"}),
         "Command6",
         {kTotal + "0"}},
        {"a loss, total", 89, fields({"300", "6", "10", "50", "20"}), "Command6", {kTotal + "0"}},
    });
}

// The seven value lines of "变动总杠杆系数", with a blank line between each two.
std::vector<std::string> chain(std::initializer_list<std::string> values) {
    const char* texts[] = {"息税前利润变动额=营业收入*（1-变动成本率）=",
                           "固定成本=息税前利润变动额-息税前利润变动额/经营杠杆系数=",
                           "息税前利润=息税前利润变动额-固定成本=",
                           "利息=息税前利润-息税前利润/财务杠杆系数=",
                           "经营杠杆系数=息税前利润变动额/产销量变动额=",
                           "财务杠杆系数=息税前利润/(息税前利润-基期利息)=",
                           "总杠杆系数=经营杠杆系数*财务杠杆系数="};
    std::vector<std::string> lines;
    const std::string* value = values.begin();
    for (const char* text : texts) {
        if (!lines.empty())
            lines.emplace_back();
        lines.push_back(text + *value++);
    }
    return lines;
}

TEST(LeverageTest, ChangedTotalLeveragePrintsThirteenLines) {
    // Operating leverage 2 and financial leverage 1.5 on revenue of 1000 at a variable-cost rate
    // of 60%, the fixed cost rising by 50.
    const std::vector<std::string> worked = {
        "息税前利润变动额=营业收入*（1-变动成本率）=400",
        "",
        "固定成本=息税前利润变动额-息税前利润变动额/经营杠杆系数=200",
        "",
        "息税前利润=息税前利润变动额-固定成本=200",
        "",
        "利息=息税前利润-息税前利润/财务杠杆系数=66.6666666666667",
        "",
        "经营杠杆系数=息税前利润变动额/产销量变动额=2.66666666666667",
        "",
        "财务杠杆系数=息税前利润/(息税前利润-基期利息)=1.8",
        "",
        "总杠杆系数=经营杠杆系数*财务杠杆系数=4.8",
    };
    expectLines({
        {"worked values", 88, fields({"2", "1.5", "1000", "0.6", "50"}), "Command2", worked},
        {"nothing typed", 88, {}, "Command2", chain({"0", "", "0", "", "", "", "0"})},
        // No fixed cost is implied: the EBIT is the whole margin, less the rise once it comes.
        {"no operating leverage", 88, fields({"0", "1.5", "1000", "0.6", "50"}), "Command2",
         chain({"400", "", "400", "133.333333333333", "1.14285714285714", "1.61538461538462",
                "1.84615384615385"})},
        // No interest is implied: the financial leverage after the rise is 1.
        {"no financial leverage", 88, fields({"2", "-1", "1000", "0.6", "50"}), "Command2",
         chain({"400", "200", "200", "", "2.66666666666667", "1", "2.66666666666667"})},
        {"the rise wipes out the EBIT", 88, fields({"2", "1.5", "1000", "0.6", "200"}), "Command2",
         chain({"400", "200", "200", "66.6666666666667", "", "", "0"})},
    });
}

const std::string kIndifference90 =
    "股票息税前利润=（甲外发普通股*乙利息费用-乙外发普通股*甲利息费用）/增发普通股=";
const std::string kIndifference91 =
    "每股收益无差别点=（利息*增发股数+新利息*已发股数+新利息*增发股数）/增发股数=";
const std::string kBondEbit = "债券息税前利润=销售额*（1-变动成本率）-固定成本=";
const std::string kEpsStock = "甲每股收益=（息税前利润-甲利息费用）*（1-所得税税率）/甲已发行普通股=";
const std::string kEpsDebt = "乙每股收益=（息税前利润-乙利息费用）*（1-所得税税率）/乙已发行普通股=";
const std::string kStockBetter = "股票EBIT>债券EBIT，股票融资更优";
const std::string kEbitEqual = "股票EBIT=债券EBIT，二者任意";
const std::string kDebtBetter = "股票EBIT<债券EBIT，债券融资更优";
const std::string kEquityBetter90 = "权益EPS>债券EPS，权益融资更优";
const std::string kEquityBetter91 = "权益EPS>债券EPS，股票融资更优";
const std::string kEpsEqual = "权益EPS=债券EPS，二者任意";
const std::string kEpsDebtBetter = "权益EPS<债券EPS，债券融资更优";

// Debt of 1000 at 8%, a further 500 at 10% under plan 乙, 100 shares and 50 more under plan 甲:
// both plans give the same EPS at an EBIT of 230.
Inputs debts(const char* ebit, const char* shares = "100", const char* newShares = "50") {
    return fields({"1000", "0.08", "500", "0.1", ebit, "0.25", shares, newShares});
}
// The same plans by their annual interest, the EBIT coming from sales of 1000 at 60% variable
// cost less the fixed cost.
Inputs interest(const char* fixed, const char* newShares = "50", const char* shares = "100") {
    return fields({"80", newShares, "50", "1000", "0.6", fixed, "0.25", shares});
}

TEST(LeverageTest, FinancingChoice) {
    expectLines({
        {"indifference above the EBIT",
         90,
         debts("200"),
         "Command1",
         {kIndifference90 + "230", kStockBetter}},
        {"EBIT at the indifference point",
         90,
         debts("230"),
         "Command1",
         {kIndifference90 + "230", kEbitEqual}},
        {"EBIT above the indifference point",
         90,
         debts("300"),
         "Command1",
         {kIndifference90 + "230", kDebtBetter}},
        {"EPS of both plans",
         90,
         debts("200"),
         "Command2",
         {kEpsStock + "0.6", kEpsDebt + "0.525", kEquityBetter90}},
        {"equal EPS", 90, debts("230"), "Command2", {kEpsStock + "0.75", kEpsDebt + "0.75", kEpsEqual}},
        {"debt gives more",
         90,
         debts("400"),
         "Command2",
         {kEpsStock + "1.6", kEpsDebt + "2.025", kEpsDebtBetter}},
        {"indifference from sales",
         91,
         interest("200"),
         "Command1",
         {kIndifference91 + "230", kBondEbit + "200", kStockBetter}},
        {"sales at the indifference point",
         91,
         interest("170"),
         "Command1",
         {kIndifference91 + "230", kBondEbit + "230", kEbitEqual}},
        {"sales above the indifference point",
         91,
         interest("100"),
         "Command1",
         {kIndifference91 + "230", kBondEbit + "300", kDebtBetter}},
        {"EPS from sales",
         91,
         interest("200"),
         "Command2",
         {kEpsStock + "0.6", kEpsDebt + "0.525", kEquityBetter91}},
        {"equal EPS from sales",
         91,
         interest("170"),
         "Command2",
         {kEpsStock + "0.75", kEpsDebt + "0.75", kEpsEqual}},
        {"debt gives more from sales",
         91,
         interest("0"),
         "Command2",
         {kEpsStock + "1.6", kEpsDebt + "2.025", kEpsDebtBetter}},
    });
}

// A figure whose guard failed shows its text alone and recommends nothing: no verdict is printed.
TEST(LeverageTest, NoVerdictFromAFigureNeverComputed) {
    expectLines({
        {"nothing typed", 90, {}, "Command1", {kIndifference90}},
        {"no new shares", 90, debts("100", "100", "0"), "Command1", {kIndifference90}},
        {"no shares outstanding", 90, debts("200", "0", "50"), "Command2", {kEpsStock + "1.8", kEpsDebt}},
        {"no shares at all", 90, debts("200", "0", "0"), "Command2", {kEpsStock, kEpsDebt}},
        {"nothing typed, EPS", 90, {}, "Command2", {kEpsStock, kEpsDebt}},
        {"nothing typed, from sales", 91, {}, "Command1", {kIndifference91, kBondEbit + "0"}},
        {"no new shares, from sales",
         91,
         interest("200", "0"),
         "Command1",
         {kIndifference91, kBondEbit + "200"}},
        {"no shares outstanding, from sales",
         91,
         interest("200", "50", "0"),
         "Command2",
         {kEpsStock + "1.8", kEpsDebt}},
        {"nothing typed, EPS from sales", 91, {}, "Command2", {kEpsStock, kEpsDebt}},
    });
}

TEST(LeverageTest, FaultsPrintNothing) {
    expectLines({
        {"a tax rate of 1, profit", 87, fields({"75", "1"}), "Command1", {}, "division-by-zero"},
        {"a tax rate of 1, EBIT", 87, fields({"75", "1"}), "Command5", {}, "division-by-zero"},
        {"a tax rate of 1, financial leverage", 87, fields({"75", "1"}), "Command6", {}, "division-by-zero"},
        {"a tax rate of 1, operating leverage", 87, fields({"75", "1"}), "Command7", {}, "division-by-zero"},
        {"a tax rate of 1 and no profit", 87, fields({"", "1"}), "Command1", {}, "invalid-operation"},
        {"an issue cost rate of 1",
         87,
         fields({"75", "0.25", "100", "10", "100", "98", "0.1", "1"}),
         "Command8",
         {},
         "division-by-zero"},
        {"huge revenue, changed leverage",
         88,
         fields({"1E-300", "1.5", "1E300", "0.6", "50"}),
         "Command2",
         {},
         "overflow"},
        {"huge units", 89, fields({"", "", "1E200", "1E200"}), "Command1", {}, "overflow"},
        {"huge debt", 90, fields({"1E308", "10"}), "Command2", {}, "overflow"},
        {"huge new interest",
         91,
         fields({"", "1E200", "1E200", "", "", "", "", "1E200"}),
         "Command1",
         {},
         "overflow"},
    });
}

TEST(LeverageTest, AlternativeScreensOpenBesideTheirScreen) {
    Cli cli;
    cli.run("open Form85\n");
    // The expected earnings of common stock, computed by Form86, open beside the rates of change.
    EXPECT_EQ(cli.run("click Form85.Command2\n"), "show\tForm86\n");

    cli.run("open Form82\nclick Form82.Command2\nclick Form82.Command2\n");
    EXPECT_EQ(cli.run("click Form83.Command4\n"), "hide\tForm83\nshow\tForm1\n");
    EXPECT_EQ(cli.run("click Form82.Command1\n"), "print\tForm82\t" + kOperating + "\n");
}

TEST(LeverageTest, OnlyTheSecondFinancingScreenHasNoTitle) {
    for (int n = 82; n <= 91; ++n) {
        const auto design = fincalc::declareScreen(n);
        ASSERT_TRUE(design) << form(n);
        EXPECT_EQ(design->title(), n == 91 ? "" : form(n));
    }
}

} // namespace
