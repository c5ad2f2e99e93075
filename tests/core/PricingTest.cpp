// The pricing calculators: unit price as a sum (Form159), grossed up for consumption tax
// (Form160), and for a sales target from the third quarter (Form161).
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <string>

namespace fincalc::test {
namespace {

const std::string kSum = "单价=单位成本+单位税金+单位利润=";
const std::string kGrossed = "单价=（单位完全成本+单位目标利润）/（1-消费税税率）=";
const std::string kUnitCost = "单位完全成本=完全成本总额/计划销售量=";
const std::string kUnitProfit = "单位目标利润=目标利润总额/计划销售量=";
const std::string kTarget = "单价=";

// Form160: planned volume, total target profit, total full cost, tax rate.
Inputs plan(const char* Q, const char* profit, const char* cost, const char* tax) {
    return {{"Text1", Q}, {"Text2", profit}, {"Text3", cost}, {"Text4", tax}};
}

// Form161: the third quarter's price and volume and the sales target.
Inputs target(const char* P3, const char* Q3, const char* Qt) {
    return {{"Text5", P3}, {"Text6", Q3}, {"Text14", Qt}};
}

TEST(PricingTest, PrintedLines) {
    const Inputs otherQuarters = target("40", "100", "400") +
                                 Inputs{{"Text1", "-7"}, {"Text2", "-1"}, {"Text3", "9"}, {"Text4", "abc"}};
    expectLines({
        {"price as a sum",
         159,
         {{"Text1", "50"}, {"Text2", "5"}, {"Text3", "10"}},
         "Command1",
         {kSum + "65"}},
        {"price as a sum, nothing typed", 159, {}, "Command1", {kSum + "0"}},
        {"grossed-up price", 160, plan("1000", "20000", "70000", "0.1"), "Command1", {kGrossed + "100"}},
        {"unit full cost", 160, plan("1000", "20000", "70000", "0.1"), "Command4", {kUnitCost + "70"}},
        {"unit target profit", 160, plan("1000", "20000", "70000", "0.1"), "Command5", {kUnitProfit + "20"}},
        {"unit full cost, a tax rate of 1",
         160,
         plan("1000", "20000", "70000", "1"),
         "Command4",
         {kUnitCost + "70"}},
        {"no planned volume, price", 160, plan("0", "20000", "70000", "0.1"), "Command1", {kGrossed + "0"}},
        {"no planned volume, unit full cost",
         160,
         plan("", "20000", "70000", "0.1"),
         "Command4",
         {kUnitCost}},
        {"negative volume, unit target profit",
         160,
         plan("-5", "20000", "70000", "0.1"),
         "Command5",
         {kUnitProfit}},
        {"target price", 161, target("40", "100", "400"), "Command1", {kTarget + "20"}},
        {"target price, other quarters ignored", 161, otherQuarters, "Command1", {kTarget + "20"}},
        {"as first shown, no target", 161, {}, "Command1", {kTarget}},
        {"no third-quarter volume", 161, target("40", "0", "400"), "Command1", {kTarget + "0"}},
        {"negative target with a negative volume", 161, target("40", "-100", "-400"), "Command1", {kTarget}},
    });
}

TEST(PricingTest, FaultsPrintNothing) {
    expectLines({
        {"tax rate of 1", 160, plan("1000", "20000", "70000", "1"), "Command1", {}, "division-by-zero"},
        // Without a volume the sum is 0, and 0 / 0 has no value at all.
        {"tax rate of 1 without a volume",
         160,
         plan("", "20000", "70000", "1"),
         "Command1",
         {},
         "invalid-operation"},
        {"unit cost beyond range", 160, plan("1E-10", "0", "1E300", "0"), "Command4", {}, "overflow"},
        {"negative third-quarter volume",
         161,
         target("40", "-100", "400"),
         "Command1",
         {},
         "invalid-operation"},
        {"price beyond range", 161, target("1E300", "1E300", "1E-300"), "Command1", {}, "overflow"},
    });
}

TEST(PricingTest, TargetSheetClearKeepsTheTargetAndHeadings) {
    Cli cli;
    cli.press(161, target("40", "100", "400"), "Command1");
    EXPECT_EQ(cli.run("click Form161.Command4\n"), "write\tForm161.Text1\t\nwrite\tForm161.Text2\t\n"
                                                   "write\tForm161.Text3\t\nwrite\tForm161.Text4\t\n"
                                                   "write\tForm161.Text5\t\nwrite\tForm161.Text6\t\n");
    EXPECT_EQ(
        cli.run("click Form161.Command1\nread Form161.Text14\nread Form161.Text13\nread Form161.Text7\n"),
        "print\tForm161\t单价=0\ntext\tForm161.Text14\t400\ntext\tForm161.Text13\t销售任务\n"
        "text\tForm161.Text7\t销售价格-元\n");
    const std::string dump = cli.run("dump Form161\n");
    EXPECT_NE(dump.find("line\tForm161\t单价=20\nline\tForm161\t单价=0\n"), std::string::npos) << dump;
}

} // namespace
} // namespace fincalc::test
