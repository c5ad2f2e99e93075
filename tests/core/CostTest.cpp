// Turnover, contribution margin, responsibility centre, inventory, credit and borrowing screens:
// worked values, failed guards and faults, one table per group of screens.
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fincalc::test;

const std::string kInventory = "存货周转次数=销货成本/存货平均余额=";
const std::string kReceivables = "应收账款周转次数=销货成本/应收账款平均余额=";
const std::string kPayables = "应付账款周转次数=购货成本/应付账款平均余额=";
const std::string kPeriod = "周转期=360/周转次数=";
const std::string kCount = "周转次数=360/周转期=";
const std::string kCashCycle = "现金周转期=存货周转期+应收账款周转期-应付账款周转期=";

TEST(CostTest, TurnoverAndCashCycle) {
    expectLines({
        {"inventory turnover", 110, fields({"360000", "60000"}), "Command1", {kInventory + "6"}},
        {"no inventory", 110, fields({"360000", "0"}), "Command1", {kInventory}},
        {"negative inventory", 110, fields({"360000", "-60000"}), "Command1", {kInventory}},
        {"receivables turnover", 111, fields({"720000", "90000"}), "Command1", {kReceivables + "8"}},
        {"no receivables", 111, fields({"720000", ""}), "Command1", {kReceivables}},
        {"payables turnover", 112, fields({"500000", "125000"}), "Command1", {kPayables + "4"}},
        {"negative payables", 112, fields({"500000", "-1"}), "Command1", {kPayables}},
        {"period prints both lines", 113, fields({"6", "45"}), "Command5", {kPeriod + "60", kCount + "8"}},
        {"period from the count alone", 113, fields({"6", ""}), "Command5", {kPeriod + "60", kCount}},
        {"period from the period alone", 113, fields({"", "45"}), "Command5", {kPeriod, kCount + "8"}},
        {"count prints the second line alone", 113, fields({"6", "45"}), "Command6", {kCount + "8"}},
        {"count without a period", 113, fields({"6", "0"}), "Command6", {kCount}},
        {"count with a negative period", 113, fields({"6", "-45"}), "Command6", {kCount}},
        {"cash cycle", 114, fields({"60", "30", "40"}), "Command5", {kCashCycle + "50"}},
        {"cash cycle, every field empty", 114, {}, "Command5", {kCashCycle + "0"}},
        {"negative cash cycle", 114, fields({"10", "20", "45"}), "Command5", {kCashCycle + "-15"}},
        {"turnover beyond range", 110, fields({"1E308", "0.5"}), "Command1", {}, "overflow"},
        // Both lines are worked out first: a fault in the second prints neither.
        {"count beyond range", 113, fields({"6", "1E-320"}), "Command5", {}, "overflow"},
        {"cycle beyond range", 114, fields({"1E308", "1E308"}), "Command5", {}, "overflow"},
    });
}

const std::string kUnitMargin = "单位边际贡献=售价-单位变动成本=";
const std::string kTotalMargin = "边际贡献总额=单位边际贡献*当年产销量=";
const std::string kMarginRatio = "边际贡献率=单位边际贡献/售价=";
const std::string kEarnings = "息税前利润=边际贡献总额-固定成本总额=";
const std::string kCentreMargin = "边际贡献=内部销售收入-销售变动成本=";
const std::string kCentreControllable = "可控边际贡献=边际贡献-可控固定成本=";
const std::string kCentreDivisional = "部门边际贡献=可控边际贡献-责任中心固定成本=";
const std::string kTransferMargin = "边际贡献=（内部结算价格-单位变动成本）*零部件年产量=";
const std::string kTransferControllable = "可控边际贡献=边际贡献-可控部分额=";
const std::string kTransferDivisional = "部门边际贡献=可控边际贡献-（固定成本额-可控部分额）=";
const std::string kReturnOnInvestment = "投资收益率=营业利润（息税前利润）/平均营业资产=";
const std::string kResidualIncome = "剩余收益=息税前利润-经营资产*最低投资收益率=";

TEST(CostTest, ContributionMarginAndResponsibilityCentres) {
    const Inputs product = fields({"50", "30", "20000", "2000"});
    const Inputs centre = fields({"10000", "4000", "1000", "500"});
    const Inputs component = fields({"12", "8", "1000", "3000", "5000", "30"}); // m, l, q, Fc, F, t
    expectLines({
        {"unit margin", 122, product, "Command2", {kUnitMargin + "20"}},
        {"total margin", 122, product, "Command1", {kTotalMargin + "40000"}},
        {"margin ratio", 122, product, "Command5", {kMarginRatio + "0.4"}},
        {"earnings", 122, product, "Command6", {kEarnings + "20000"}},
        {"ratio without a price", 122, fields({"0", "30"}), "Command5", {kMarginRatio}},
        {"ratio with a negative price", 122, fields({"-50", "30"}), "Command5", {kMarginRatio}},
        {"unit margin, every field empty", 122, {}, "Command2", {kUnitMargin + "0"}},
        {"total margin, every field empty", 122, {}, "Command1", {kTotalMargin + "0"}},
        {"earnings, every field empty", 122, {}, "Command6", {kEarnings + "0"}},
        {"loss", 122, fields({"50", "30", "50000", "2000"}), "Command6", {kEarnings + "-10000"}},
        {"centre margin", 145, centre, "Command1", {kCentreMargin + "6000"}},
        {"centre controllable margin", 145, centre, "Command2", {kCentreControllable + "5000"}},
        {"centre divisional margin", 145, centre, "Command3", {kCentreDivisional + "4500"}},
        {"transfer margin", 115, component, "Command2", {kTransferMargin + "10000"}},
        {"transfer controllable margin", 115, component, "Command1", {kTransferControllable + "7000"}},
        // Only the part of the fixed cost beyond the controllable part comes off the second time.
        {"transfer divisional margin", 115, component, "Command5", {kTransferDivisional + "5000"}},
        {"transfer margin, every field empty", 115, {}, "Command2", {kTransferMargin + "0"}},
        {"transfer controllable, every field empty", 115, {}, "Command1", {kTransferControllable + "0"}},
        {"transfer divisional, every field empty", 115, {}, "Command5", {kTransferDivisional + "0"}},
        {"return on investment",
         146,
         fields({"180", "1000", "1400"}),
         "Command1",
         {kReturnOnInvestment + "0.15"}},
        {"assets summing to 0", 146, fields({"180", "1000", "-1000"}), "Command1", {kReturnOnInvestment}},
        {"negative assets", 146, fields({"180", "-1000", "400"}), "Command1", {kReturnOnInvestment}},
        // The guard comes before the doubled earnings are formed.
        {"huge earnings, no assets", 146, fields({"1E308"}), "Command1", {kReturnOnInvestment}},
        {"residual income", 147, fields({"180", "1200", "0.125"}), "Command1", {kResidualIncome + "30"}},
        {"residual income, every field empty", 147, {}, "Command1", {kResidualIncome + "0"}},
        {"margin beyond range", 122, fields({"1E200", "", "", "1E200"}), "Command1", {}, "overflow"},
        {"doubled earnings beyond range", 146, fields({"1E308", "1", "1"}), "Command1", {}, "overflow"},
        {"output beyond range", 115, fields({"", "", "1E300", "", "", "1E10"}), "Command1", {}, "overflow"},
    });
}

const std::string kInterest = "变动应计利息=后赊销收入净额/360*后信用条件天数*产品变动成本率*最低收益率-"
                              "原赊销收入净额/360*原信用条件天数*产品变动成本率*最低收益率=";
const std::string kBadDebts = "坏账损失变动=后坏账损失-原坏账损失=";
const std::string kCollection = "收账费用变动=后收账费用-原收账费用=";
const std::string kCollectionCost = "收账成本变动=变动应计利息+坏账损失变动+收账费用变动=";
const std::string kMarginChange = "收益变动=（后赊销收入净额-原赊销收入净额）*（1-产品变动成本率）=";
const std::string kProfitChange = "税前损益变动=收益变动-收账成本变动=";
const std::string kQuantity = "√(2*消耗材料*平均订货费用/储存成本)=";
const std::string kOrders = "年最佳订货批次=消耗材料/订货批量=";
const std::string kOrderingCost = "相关订货成本=年最佳订货批次*平均订货费用=";
const std::string kCarryingCost = "相关储存成本=经济订货批量/2*年储存成本=";
const std::string kInvestment = "平均占用资金=平均单价*经济订货批量/2=";
const std::string kTotalCost = "相关最低总成本=√(2*消耗材料*订货费用*年储存成本)=";
const std::string kReorder = "在订货点=（延误天数+正常送达天数）*平均需用量=";
const std::string kCommitment = "承诺费=（周转信贷额度-实际使用额度）*承诺率=";
const std::string kLineCost = "实际借款成本=利息费用+承诺费=";
const std::string kRateOne = "借款实际利率=银行借款*利率/可动用贷款=";
const std::string kRateTwo = "借款实际利率=利率/（1-补偿性余额比例）=";

TEST(CostTest, CreditPolicy) {
    // v, S0, S1, d0, d1, B0, B1, C0, C1, k
    const Inputs policy =
        fields({"0.5", "288000", "360000", "30", "60", "5000", "9000", "3000", "2000", "0.125"});
    expectLines({
        {"collection cost",
         116,
         policy,
         "Command1",
         {kInterest + "2250", kBadDebts + "4000", kCollection + "-1000", kCollectionCost + "5250"}},
        {"margin", 116, policy, "Command2", {kMarginChange + "36000"}},
        {"profit before tax", 116, policy, "Command5", {kProfitChange + "30750"}},
        {"collection cost, every field empty",
         116,
         {},
         "Command1",
         {kInterest + "0", kBadDebts + "0", kCollection + "0", kCollectionCost + "0"}},
        {"margin, every field empty", 116, {}, "Command2", {kMarginChange + "0"}},
        {"profit, every field empty", 116, {}, "Command5", {kProfitChange + "0"}},
        // Only the rate of return left out: the interest lines are 0, the rest stands.
        {"no rate of return",
         116,
         Inputs(policy.begin(), policy.end() - 1),
         "Command5",
         {kProfitChange + "33000"}},
        // All four lines are worked out first: a fault in the last prints none.
        {"costs beyond range",
         116,
         fields({"", "", "", "", "", "", "1E308", "", "1E308"}),
         "Command1",
         {},
         "overflow"},
        {"sales beyond range", 116, fields({"-1", "-1E308", "1E308"}), "Command2", {}, "overflow"},
    });
}

TEST(CostTest, EconomicOrderQuantity) {
    const Inputs stock = fields({"3600", "2", "25", "10"}); // D, H, K, U
    const Inputs noCarrying = fields({"3600", "0", "25", "10"});
    const Inputs noDemand = fields({"0", "2", "25", "10"});
    const Inputs negativeDemand = fields({"-3600", "2", "25", "10"});
    expectLines({
        {"quantity", 117, stock, "Command1", {kQuantity + "300"}},
        {"orders", 117, stock, "Command2", {kOrders + "12"}},
        {"ordering cost", 117, stock, "Command3", {kOrderingCost + "300"}},
        {"carrying cost", 117, stock, "Command4", {kCarryingCost + "300"}},
        {"investment", 117, stock, "Command5", {kInvestment + "1500"}},
        {"total cost", 117, stock, "Command6", {kTotalCost + "600"}},
        // No carrying cost: the quantity and the orders stay empty, what is built on them is 0.
        {"quantity, no carrying cost", 117, noCarrying, "Command1", {kQuantity}},
        {"orders, no carrying cost", 117, noCarrying, "Command2", {kOrders}},
        {"ordering cost, no carrying cost", 117, noCarrying, "Command3", {kOrderingCost + "0"}},
        {"carrying cost, no carrying cost", 117, noCarrying, "Command4", {kCarryingCost + "0"}},
        {"investment, no carrying cost", 117, noCarrying, "Command5", {kInvestment + "0"}},
        {"total cost, no carrying cost", 117, noCarrying, "Command6", {kTotalCost + "0"}},
        {"quantity, no demand", 117, noDemand, "Command1", {kQuantity + "0"}},
        {"orders, no demand", 117, noDemand, "Command2", {kOrders}},
        {"ordering cost, no demand", 117, noDemand, "Command3", {kOrderingCost + "0"}},
        // A negative carrying cost leaves the quantity empty but makes the direct root negative.
        {"quantity, negative carrying cost", 117, fields({"3600", "-2", "25"}), "Command1", {kQuantity}},
        {"total cost, negative carrying cost",
         117,
         fields({"3600", "-2", "25"}),
         "Command6",
         {},
         "invalid-operation"},
        {"total cost, negative demand and carrying cost",
         117,
         fields({"-3600", "-2", "25"}),
         "Command6",
         {kTotalCost + "600"}},
    });
    // A negative number under the first root stops every button.
    std::vector<Case> roots;
    for (const char* button : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"})
        roots.push_back({"negative demand", 117, negativeDemand, button, {}, "invalid-operation"});
    expectLines(roots);
}

TEST(CostTest, ReorderPointAndBorrowingCost) {
    const Inputs loan = fields({"1000000", "0.09", "0.25", "750000"}); // L, i, b, A
    expectLines({
        {"reorder point", 118, fields({"7200", "10", "3"}), "Command2", {kReorder + "260"}},
        {"reorder point, every field empty", 118, {}, "Command2", {kReorder + "0"}},
        {"commitment fee", 119, fields({"1000000", "600000", "0.005"}), "Command2", {kCommitment + "2000"}},
        {"line overdrawn", 119, fields({"1000000", "1200000", "0.005"}), "Command2", {kCommitment + "-1000"}},
        {"actual cost",
         120,
         fields({"1000000", "0.08", "0.005", "600000"}),
         "Command2",
         {kLineCost + "50000"}},
        {"actual cost, nothing drawn",
         120,
         fields({"1000000", "0.08", "0.005"}),
         "Command2",
         {kLineCost + "5000"}},
        {"rate over the usable amount", 121, loan, "Command2", {kRateOne + "0.12"}},
        {"rate over the share not held back", 121, loan, "Command1", {kRateTwo + "0.12"}},
        {"nothing usable", 121, fields({"1000000", "0.09", "0.25", "0"}), "Command2", {kRateOne}},
        {"everything held back", 121, fields({"1000000", "0.09", "1"}), "Command1", {kRateTwo}},
        {"more than the loan held back", 121, fields({"1000000", "0.09", "1.5"}), "Command1", {kRateTwo}},
        {"no compensating balance", 121, fields({"1000000", "0.09"}), "Command1", {kRateTwo + "0.09"}},
        {"purchases beyond range", 118, fields({"1E308", "1E308"}), "Command2", {}, "overflow"},
        {"fee beyond range", 119, fields({"1E308", "-1E308", "1"}), "Command2", {}, "overflow"},
        {"rate beyond range", 121, fields({"", "1E308", "0.99"}), "Command1", {}, "overflow"},
    });
}

// Every keyword and menu button that names one of these screens opens it.
TEST(CostTest, SearchAndMenusOpenTheScreens) {
    const std::vector<std::pair<const char*, int>> keywords = {
        {"存货周转次数", 110}, {"应收账款周转次数", 111}, {"购货成本周转次数", 112}, {"周转期", 113},
        {"周转次数", 113},     {"现金周转期", 114},       {"单位边际贡献", 122},     {"边际贡献总额", 122},
        {"边际贡献率", 122},   {"边际贡献", 145},         {"可控边际贡献", 145},     {"部门边际贡献", 145},
        {"或边际贡献", 115},   {"或可控边际贡献", 115},   {"或部门边际贡献", 115},   {"投资收益率", 146},
        {"剩余收益", 147},     {"收益变化", 116},         {"收款成本增加额", 116},   {"税前损益变化", 116},
        {"经济订货量", 117},   {"最佳订货批次", 117},     {"相关订货成本", 117},     {"相关储存成本", 117},
        {"平均占用资金", 117}, {"最低相关总成本", 117},   {"再订货点", 118},         {"承诺费", 119},
        {"实际借款成本", 120}, {"实际借款利率", 121},
    };
    for (const auto& [keyword, screen] : keywords) {
        const std::string events =
            Cli().run(std::string("type Form1.Text1 ") + keyword + "\nclick Form1.Command1\n");
        EXPECT_NE(events.find("hide\tForm1\nshow\t" + form(screen) + "\n"), std::string::npos)
            << keyword << ":\n"
            << events;
    }
}

TEST(CostTest, OrOpensTheTransferPriceScreenBesideTheCentre) {
    Cli cli;
    cli.run("menu 成本\n");
    EXPECT_EQ(cli.run("click Form148.Command2\n"), "hide\tForm148\nshow\tForm150\n");
    EXPECT_EQ(cli.run("click Form150.Command5\n"), "hide\tForm150\nshow\tForm145\n");
    EXPECT_EQ(cli.run("click Form145.Command4\n"), "show\tForm115\n");
    // Leaving the transfer price screen goes home and leaves the centre open.
    EXPECT_EQ(cli.run("click Form115.Command4\n"), "hide\tForm115\nshow\tForm1\n");
    EXPECT_EQ(cli.run("type Form145.Text1 100\nclick Form145.Command1\n"),
              "print\tForm145\t边际贡献=内部销售收入-销售变动成本=100\n");
}

} // namespace
