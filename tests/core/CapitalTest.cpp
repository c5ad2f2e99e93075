// The cost-of-capital calculators: worked values, failed guards, the faults of a fee rate of 1 and
// of huge inputs, the average-cost table with its placeholders, and how the screens are reached.
#include "ScreenCases.h"

#include "home/SearchTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace fincalc::test;

// The loan screen's fields: the amount borrowed (or the net amount raised), a rate of 10%, the
// borrowing fee rate, a tax rate of 25% and the fund-raising fee rate.
Inputs loan(const char* L, const char* f, const char* F) { return fields({L, "0.1", f, "0.25", F}); }

const std::string kLoanInterest = "长期借款资本成本率=长期借款*年利率*（1-所得税税率）=";
const std::string kBond = "债券资金成本率=发行面值*票面利率/发行价格*（1-所得税税率）=";
const std::string kStockByPricing = "普通股资本成本率=无风险收益率+β*（市场平均收益率-无风险收益率）=";
const std::string kLoanWithFees = "长期借款资本成本率=年利率*（1-所得税税率）/（1-借款费用率）=";
const std::string kFinancing = "筹资成本=筹资总额*年利率*（1-所得税税率）/筹资净额=";
const std::string kBondNetOfCosts =
    "债券资本成本率=债券面值*票面利率*（1-所得税税率）/（发行价格*（1-发行费用率））=";
const std::string kPreferred = "优先股资本成本率=面值总额*年股息率/（发行价值*（1-发行费用率））=";
const std::string kStockByGrowth =
    "普通股资本成本率=普通股股利*（1+股利年增长率）/（普通股市价*（1-筹资费用率））+股利年增长率=";
const std::string kStockByTreasuryRate =
    "普通股资本成本率=无风险收益率+β系数*（市场平均收益率-无风险收益率）=";
const std::string kRetained = "留存收益资本成本率=每股股利*（1+股利固定增长率）/股价+股利固定增长率=";

const std::string kWeighted = "平均资本成本率";
const std::string kBookValue = "账面平均资本成本=";
const std::string kMarketValue = "市场平均资本成本=";
const std::string kMarginal = "边际资本成本=";
const std::string kAverage = "平均资本成本=";
const std::string kDebt = "债务税后资本成本=";
const std::string kEquity = "普通股资本成本=";
const std::string kStockValue = "股票市场价值=";
const std::string kFirmValue = "债券融资公司总价值=";

TEST(CapitalTest, IndividualCosts) {
    expectLines({
        {"loan: the after-tax interest amount",
         67,
         fields({"1000", "0.1", "0.25"}),
         "Command1",
         {kLoanInterest + "75"}},
        {"loan, every field empty", 67, {}, "Command1", {kLoanInterest + "0"}},
        {"bond", 68, fields({"1000", "0.1", "1100", "0.25"}), "Command1", {kBond + "0.0681818181818182"}},
        {"bond without a price", 68, fields({"1000", "0.1", "", "0.25"}), "Command1", {kBond}},
        {"bond with a negative price", 68, fields({"1000", "0.1", "-1100", "0.25"}), "Command1", {kBond}},
        {"stock by asset pricing",
         69,
         fields({"0.04", "1.2", "0.1"}),
         "Command1",
         {kStockByPricing + "0.112"}},
        {"stock by asset pricing, every field empty", 69, {}, "Command1", {kStockByPricing + "0"}},
        // Each button of the loan screen reads one of the two fee rates and ignores the other.
        {"loan with borrowing fees",
         71,
         loan("950", "0.05", "1"),
         "Command1",
         {kLoanWithFees + "0.0789473684210526"}},
        {"loan with borrowing fees, every field empty", 71, {}, "Command1", {kLoanWithFees + "0"}},
        {"financing cost", 71, loan("950", "1", "0.05"), "Command2", {kFinancing + "0.0789473684210526"}},
        {"financing cost without an amount", 71, loan("", "0.05", "0.05"), "Command2", {kFinancing}},
        {"financing cost of a negative amount", 71, loan("-950", "0.05", "0.05"), "Command2", {kFinancing}},
        {"bond net of issue costs",
         72,
         fields({"1000", "0.1", "0.25", "1100", "0.05"}),
         "Command1",
         {kBondNetOfCosts + "0.0717703349282297"}},
        {"bond net of issue costs without a price: the guard keeps a fee rate of 1 from faulting",
         72,
         fields({"1000", "0.1", "0.25", "0", "1"}),
         "Command1",
         {kBondNetOfCosts}},
        {"preferred stock",
         73,
         fields({"100", "0.1", "110", "0.05"}),
         "Command1",
         {kPreferred + "0.0956937799043062"}},
        {"preferred stock without a price", 73, fields({"100", "0.1", "", "1"}), "Command1", {kPreferred}},
        {"common stock by dividend growth",
         74,
         fields({"2", "0.05", "20", "0.04"}),
         "Command1",
         {kStockByGrowth + "0.159375"}},
        {"common stock by dividend growth, negative price",
         74,
         fields({"2", "0.05", "-20", "1"}),
         "Command1",
         {kStockByGrowth}},
        {"common stock by the treasury rate: the same cost as by the risk-free rate",
         75,
         fields({"1.2", "0.04", "0.1"}),
         "Command1",
         {kStockByTreasuryRate + "0.112"}},
        {"common stock by the treasury rate, every field empty",
         75,
         {},
         "Command1",
         {kStockByTreasuryRate + "0"}},
        {"retained earnings", 76, fields({"2", "0.05", "20"}), "Command1", {kRetained + "0.155"}},
        {"retained earnings without a price", 76, fields({"2", "0.05"}), "Command1", {kRetained}},
    });
}

TEST(CapitalTest, FeeRatesOfOneAndHugeInputsAreFaults) {
    expectLines({
        {"borrowing fee rate of 1", 71, loan("950", "1", "0.05"), "Command1", {}, "division-by-zero"},
        {"fund-raising fee rate of 1", 71, loan("950", "0.05", "1"), "Command2", {}, "division-by-zero"},
        // The gross amount is worked out before the amount's guard.
        {"fund-raising fee rate of 1, negative amount",
         71,
         loan("-950", "0.05", "1"),
         "Command2",
         {},
         "division-by-zero"},
        {"fund-raising fee rate of 1, no amount",
         71,
         loan("", "0.05", "1"),
         "Command2",
         {},
         "invalid-operation"},
        {"bond issue cost rate of 1",
         72,
         fields({"1000", "0.1", "0.25", "1100", "1"}),
         "Command1",
         {},
         "division-by-zero"},
        {"preferred issue cost rate of 1",
         73,
         fields({"100", "0.1", "110", "1"}),
         "Command1",
         {},
         "division-by-zero"},
        {"common stock fee rate of 1",
         74,
         fields({"2", "0.05", "20", "1"}),
         "Command1",
         {},
         "division-by-zero"},
        {"huge loan", 67, fields({"1e300", "1e300"}), "Command1", {}, "overflow"},
        {"huge weights", 77, fields({"1e300", "1e300"}), "Command1", {}, "overflow"},
        // The firm-value lines print as they are worked out: those before the fault stay.
        {"stock value beyond the range",
         93,
         {{"Text9", "1e300"}, {"Text12", "1e-300"}},
         "Command1",
         {kDebt + "0", kEquity + "0", kAverage},
         "overflow"},
    });
}

TEST(CapitalTest, AveragesAndFirmValue) {
    // Loans, bonds and stock: each source's cost above its weight.
    const Inputs costsAndShares = fields({"0.06", "0.2", "0.08", "0.3", "0.15", "0.5"});
    const Inputs firm =
        fields({"0.08", "0.25", "0.04", "0.12", "1.5", "400", "1000", "600", "200", "500", "0.08", "0.16"});
    Inputs noStockCost = firm;
    noStockCost.back().second = "-0.16";
    Inputs noFirmValue = firm;
    noFirmValue[6].second = "0";
    expectLines({
        {"weighted by amounts",
         70,
         fields({"200", "0.06", "300", "0.08", "500", "0.15"}),
         "Command1",
         {kWeighted + "0.111"}},
        {"weighted by amounts, every field empty", 70, {}, "Command1", {kWeighted}},
        {"weighted by amounts, negative total", 70, fields({"-200", "0.06"}), "Command1", {kWeighted}},
        {"book values", 77, costsAndShares, "Command1", {kBookValue + "0.111"}},
        {"book values not summing to 1 are used as typed",
         77,
         fields({"0.06", "1", "0.08", "1", "0.15", "1"}),
         "Command1",
         {kBookValue + "0.29"}},
        {"book values, every field empty", 77, {}, "Command1", {kBookValue + "0"}},
        {"market values",
         78,
         fields({"0.06", "200", "0.08", "400", "0.15", "600"}),
         "Command1",
         {kMarketValue + "0.111666666666667"}},
        {"market values, every field empty", 78, {}, "Command1", {kMarketValue}},
        {"marginal cost", 79, costsAndShares, "Command1", {kMarginal + "0.111"}},
        {"marginal cost, every field empty", 79, {}, "Command1", {kMarginal + "0"}},
        {"table with its placeholder digits", 92, {}, "Command1", {kAverage + "32"}},
        {"table",
         92,
         fields({"0.2", "0.3", "0.5", "0.06", "0.08", "0.15"}),
         "Command1",
         {kAverage + "0.111"}},
        {"table: the heading boxes are not read",
         92,
         {{"Text7", "100"}, {"Text8", "100"}, {"Text9", "1"}, {"Text12", "7"}},
         "Command1",
         {kAverage + "32"}},
        {"firm value",
         93,
         firm,
         "Command1",
         {kDebt + "0.06", kEquity + "0.16", kAverage + "0.12", kStockValue + "750", kFirmValue + "1250"}},
        {"firm value, every field empty",
         93,
         {},
         "Command1",
         {kDebt + "0", kEquity + "0", kAverage, kStockValue, kFirmValue + "0"}},
        {"firm value without a cost of stock: the bonds alone",
         93,
         noStockCost,
         "Command1",
         {kDebt + "0.06", kEquity + "0.16", kAverage + "0.12", kStockValue, kFirmValue + "500"}},
        {"firm value without a total value",
         93,
         noFirmValue,
         "Command1",
         {kDebt + "0.06", kEquity + "0.16", kAverage, kStockValue + "750", kFirmValue + "1250"}},
    });
}

TEST(CapitalTest, TableClearingEmptiesTheFiguresOnly) {
    Cli cli;
    cli.run("open Form92\nclick Form92.Command1\n");
    std::string emptied;
    for (int k = 1; k <= 6; ++k)
        emptied += "write\tForm92.Text" + std::to_string(k) + "\t\n";
    EXPECT_EQ(cli.run("click Form92.Command2\n"), emptied);
    const std::string dump = cli.run("dump Form92\n");
    EXPECT_NE(dump.find("text\tForm92.Text7\t" + std::string("资本结构") + "\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("text\tForm92.Text12\t" + std::string("筹资方式") + "\n"), std::string::npos) << dump;
    EXPECT_TRUE(dump.ends_with("line\tForm92\t" + kAverage + "32\n")) << dump;
    EXPECT_EQ(cli.run("click Form92.Command1\n"), "print\tForm92\t" + kAverage + "0\n");
}

TEST(CapitalTest, OrOpensTheAssetPricingCostBesideTheGrowthCost) {
    Cli cli;
    cli.run("open Form74\n");
    EXPECT_EQ(cli.run("click Form74.Command2\n"), "show\tForm75\n");
    EXPECT_EQ(cli.run("click Form75.Command4\n"), "hide\tForm75\nshow\tForm1\n");
    // Form74 is still showing: it still computes.
    EXPECT_EQ(cli.run("click Form74.Command1\n"), "print\tForm74\t" + kStockByGrowth + "\n");
}

TEST(CapitalTest, EveryScreenIsFoundByItsKeywords) {
    const std::set<int> screens = {67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 92, 93};
    std::set<int> opened;
    for (const fincalc::SearchEntry& row : fincalc::openScreenRows()) {
        if (!screens.contains(row.target))
            continue;
        const std::string events =
            Cli().run("type Form1.Text1 " + std::string(row.keyword) + "\nclick Form1.Command1\n");
        EXPECT_TRUE(events.starts_with("hide\tForm1\nshow\t" + form(row.target) + "\n"))
            << row.keyword << "\n"
            << events;
        opened.insert(row.target);
    }
    EXPECT_EQ(opened, screens);
}

} // namespace
