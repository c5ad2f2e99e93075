// Per-share, market, solvency, liquidity and funding ratios: worked values, failed guards, the
// verdict thresholds, faults, and each screen's own "取消" and "退出" buttons.
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fincalc::test;

// Text1 and Text2, the two fields of every ratio screen.
Inputs pair(std::string a, std::string b) { return {{"Text1", std::move(a)}, {"Text2", std::move(b)}}; }

const std::string kEarnings =
    "每股收益＝净利润÷年末普通股份总数＝（净利润－优先股股利）÷（年度股份总数－年度末优先股数）";
const std::string kPriceEarnings = "市盈率（倍数）＝普通股每股市价÷普通股每股收益";
const std::string kDividend = "每股股利＝股利总额÷年末普通股股份总数";
const std::string kYield = "股票获利率＝普通股每股股利÷普通股每股市价×100%";
const std::string kPayout = "股利支付率＝（普通股每股股利÷普通股每股净收益）×100%";
const std::string kCover = "股利保障倍数＝普通股每股净收益÷普通股每股股利 ＝1÷股利支付率";
const std::string kBookValue = "每股净资产＝年度末股东权益÷年度末普通股数";
const std::string kPriceToBook = "市净率（倍数）＝每股市价÷每股净资产";
const std::string kDebt = "资产负债率＝（负债总额÷资产总额）×100%=";
const std::string kEquity = "所有者权益比率＝（所有者权益总额÷资产总额）×100%";
const std::string kDebtToEquity = "产权比率＝（负债总额÷所有者权益总额）×100%";
const std::string kCurrent = "流动比率＝（流动资合计产÷流动负债合计）×100%";
const std::string kQuick = "速动比率＝（速动资合计产÷流动负债合计）×100%";
const std::string kInterest = "已获利息倍数＝息税前利润÷利息支出";

const std::string kDebtFair = "资产负债率适宜，在40%-60%之间";
const std::string kDebtLow = "资产负债率较低，小于40%";
const std::string kDebtHigh = "资产负债率较高，大于60%";
const std::string kCurrentFair = "流动比率正常，在1.5与2之间，短期偿债能力正常";
const std::string kCurrentLow = "流动比率较低，小于1.5，短期偿债能力较差";
const std::string kCurrentHigh = "流动比率较高，小于2，短期偿债能力较好";
const std::string kQuickFair = "速动比率正常，在1与1.5之间，短期偿债压力正常";
const std::string kQuickLow = "速动比率较低，小于1，短期偿债压力较高";
const std::string kQuickHigh = "速动比率较高，小于1.5，短期偿债压力较低";
const std::string kCoverBelow = "当该指标小于1时，企业要支付利息支出，就得动用自有资金";
const std::string kCoverEqual = "当该指标等于1时，企业利用贷款创造的收益刚好够支付利息费用";
const std::string kCoverAbove = "当该指标大于1时，企业利用贷款创造的收益不仅能够支付利息费用，还有剩余";
const std::string kCoverThree = "国际上通常认为，该指标为3时较为适当";

TEST(RatiosTest, PerShareAndMarketRatios) {
    expectLines({
        {"earnings per share", 44, fields({"1000", "200", "500", "100"}), "Command1", {kEarnings + "2"}},
        {"more preferred shares than shares",
         44,
         fields({"1000", "", "100", "500"}),
         "Command1",
         {kEarnings + "-2.5"}},
        {"price-earnings", 45, pair("20", "0.5"), "Command1", {kPriceEarnings + "40"}},
        {"price-earnings, no earnings", 45, pair("20", ""), "Command1", {kPriceEarnings}},
        {"price-earnings, a loss", 45, pair("20", "-0.5"), "Command1", {kPriceEarnings}},
        {"dividend per share", 46, pair("300", "1000"), "Command1", {kDividend + "0.3"}},
        {"dividend per share, no shares", 46, pair("300", ""), "Command1", {kDividend}},
        {"yield is a fraction, not a percentage", 47, pair("0.5", "10"), "Command1", {kYield + "0.05"}},
        {"yield, no price", 47, pair("0.5", "0"), "Command1", {kYield}},
        {"payout", 48, pair("0.3", "1.2"), "Command1", {kPayout + "0.25"}},
        {"payout, no earnings", 48, pair("0.3", ""), "Command1", {kPayout}},
        {"cover", 49, pair("1.2", "0.3"), "Command1", {kCover + "4"}},
        {"cover, no dividend", 49, pair("1.2", ""), "Command1", {kCover}},
        {"book value per share", 50, pair("5000", "1000"), "Command1", {kBookValue + "5"}},
        {"book value, no shares", 50, pair("5000", "-1"), "Command1", {kBookValue}},
        {"price-to-book", 51, pair("12", "5"), "Command1", {kPriceToBook + "2.4"}},
        {"price-to-book, no book value", 51, pair("12", ""), "Command1", {kPriceToBook}},
    });
}

TEST(RatiosTest, SolvencyLiquidityAndFunding) {
    const std::vector<std::string> assets = {"100", "20", "30", "40", "10", "50"};
    const std::vector<std::string> liabilities = {"60", "10", "20", "5", "3", "2"};
    const Inputs strategy = fields({"1000", "300", "200", "800"});
    expectLines({
        {"funding requirement",
         52,
         fields({"1000", "100", "0.1", "0.05"}),
         "Command1",
         {"资金需要量=（基期资金平均占用额-不合理资金占用额）*（1+预测期销售增减率）*（1-"
          "预测期资金周转速度增长率）="
          "940.5"}},
        {"funding requirement, nothing typed",
         52,
         {},
         "Command1",
         {"资金需要量=（基期资金平均占用额-不合理资金占用额）*（1+预测期销售增减率）*（1-"
          "预测期资金周转速度增长率）="
          "0"}},
        {"equity ratio", 54, pair("60", "100"), "Command1", {kEquity + "0.6"}},
        {"equity ratio, no assets", 54, pair("60", ""), "Command1", {kEquity}},
        {"debt-to-equity", 55, pair("40", "160"), "Command1", {kDebtToEquity + "0.25"}},
        {"debt-to-equity, no equity", 55, pair("40", "-160"), "Command1", {kDebtToEquity}},
        {"current assets include the inventory", 57, fields(assets), "Command1", {"流动资产250"}},
        {"quick assets leave the inventory out", 57, fields(assets), "Command2", {"速动资产200"}},
        {"current liabilities", 58, fields(liabilities), "Command1", {"流动负债100"}},
        {"current liabilities, nothing typed", 58, {}, "Command1", {"流动负债0"}},
        {"earnings before interest and tax",
         61,
         fields({"700", "100", "200"}),
         "Command1",
         {"息税前利润=税后净利润+利息支出+所得税=1000"}},
        {"working capital", 64, pair("300", "450"), "Command1", {"营运资金=流动资产-流动负债=-150"}},
        {"retained earnings", 65, pair("1000", "0.3"), "Command1", {"留存收益=净利润*利润留存率=700"}},
        {"external funding",
         66,
         fields({"500", "200", "100"}),
         "Command1",
         {"外部资金需要量=流动资产-流动负债-留存收益=200"}},
        {"non-current assets",
         107,
         strategy,
         "Command5",
         {"非流动资产=资产总额-流动资产-波动性流动资产=500"}},
        {"long-term funds match the permanent assets",
         107,
         strategy,
         "Command6",
         {"长期资金适中，期限匹配融资策略"}},
        {"long-term funds short of them",
         107,
         fields({"1000", "300", "200", "799"}),
         "Command6",
         {"长期资金较小，激进融资策略"}},
        {"long-term funds beyond them",
         107,
         fields({"1000", "300", "200", "801"}),
         "Command6",
         {"长期资金较大，保守融资策略"}},
        {"nothing typed: nothing against nothing", 107, {}, "Command6", {"长期资金适中，期限匹配融资策略"}},
    });
}

// Each ratio with its verdicts, at every threshold and on either side of it. A ratio that was
// not computed (its divisor empty, zero or negative) gets no verdict at all.
struct VerdictCase {
    int screen;
    const char* a;
    const char* b;
    const char* shown; // the printed ratio, "" when it was not computed
    std::vector<std::string> verdicts;
};

class RatioVerdicts : public testing::TestWithParam<VerdictCase> {};

void PrintTo(const VerdictCase& k, std::ostream* os) {
    *os << form(k.screen) << "(" << k.a << ", " << k.b << ")";
}

TEST_P(RatioVerdicts, FollowTheRatio) {
    const VerdictCase& k = GetParam();
    const std::string text = k.screen == 53   ? kDebt
                             : k.screen == 56 ? kCurrent
                             : k.screen == 59 ? kQuick
                                              : kInterest;
    std::vector<std::string> lines = {text + k.shown};
    lines.insert(lines.end(), k.verdicts.begin(), k.verdicts.end());
    EXPECT_EQ(Cli().press(k.screen, pair(k.a, k.b), "Command1"), prints(k.screen, lines));
}

INSTANTIATE_TEST_SUITE_P(RatiosDebt, RatioVerdicts,
                         testing::Values(VerdictCase{53, "50", "100", "0.5", {kDebtFair}},
                                         VerdictCase{53, "40", "100", "0.4", {kDebtFair}},
                                         VerdictCase{53, "0.4", "1", "0.4", {kDebtFair}},
                                         VerdictCase{53, "39.9", "100", "0.399", {kDebtLow}},
                                         VerdictCase{53, "60", "100", "0.6", {kDebtFair}},
                                         VerdictCase{53, "0.6", "1", "0.6", {kDebtFair}},
                                         VerdictCase{53, "60.1", "100", "0.601", {kDebtHigh}},
                                         // A computed 0 is judged.
                                         VerdictCase{53, "", "100", "0", {kDebtLow}},
                                         VerdictCase{53, "", "", "", {}}, VerdictCase{53, "50", "0", "", {}},
                                         VerdictCase{53, "50", "-100", "", {}}));

INSTANTIATE_TEST_SUITE_P(RatiosCurrent, RatioVerdicts,
                         testing::Values(VerdictCase{56, "300", "100", "3", {kCurrentHigh}},
                                         VerdictCase{56, "150", "100", "1.5", {kCurrentFair}},
                                         VerdictCase{56, "149", "100", "1.49", {kCurrentLow}},
                                         VerdictCase{56, "200", "100", "2", {kCurrentFair}},
                                         VerdictCase{56, "201", "100", "2.01", {kCurrentHigh}},
                                         VerdictCase{56, "150", "", "", {}}));

INSTANTIATE_TEST_SUITE_P(RatiosQuick, RatioVerdicts,
                         testing::Values(VerdictCase{59, "100", "100", "1", {kQuickFair}},
                                         VerdictCase{59, "99", "100", "0.99", {kQuickLow}},
                                         VerdictCase{59, "150", "100", "1.5", {kQuickFair}},
                                         VerdictCase{59, "151", "100", "1.51", {kQuickHigh}},
                                         VerdictCase{59, "100", "0", "", {}}));

INSTANTIATE_TEST_SUITE_P(
    RatiosTimesInterestEarned, RatioVerdicts,
    testing::Values(VerdictCase{60, "300", "100", "3", {kCoverAbove, kCoverThree}},
                    VerdictCase{60, "100", "100", "1", {kCoverEqual}},
                    VerdictCase{60, "99", "100", "0.99", {kCoverBelow}},
                    VerdictCase{60, "101", "100", "1.01", {kCoverAbove}},
                    VerdictCase{60, "299", "100", "2.99", {kCoverAbove}},
                    // Shown as 3, but the quotient of the two doubles lies just below it.
                    VerdictCase{60, "0.3", "0.1", "3", {kCoverAbove}}, VerdictCase{60, "300", "", "", {}}));

TEST(RatiosTest, FaultsPrintNothing) {
    expectLines({
        {"no shares and no profit", 44, {}, "Command1", {}, "invalid-operation"},
        {"as many preferred shares as shares",
         44,
         fields({"1000", "200", "100", "100"}),
         "Command1",
         {},
         "division-by-zero"},
        {"a quotient beyond range", 45, pair("1E308", "1E-10"), "Command1", {}, "overflow"},
        {"a quotient beyond range, with verdicts", 53, pair("1E308", "1E-10"), "Command1", {}, "overflow"},
        {"a growth beyond range", 52, fields({"1E308", "", "2"}), "Command1", {}, "overflow"},
        {"a sum beyond range", 57, fields({"1E308", "1E308"}), "Command2", {}, "overflow"},
        {"the inventory beyond range",
         57,
         fields({"1E308", "", "", "", "", "1E308"}),
         "Command1",
         {},
         "overflow"},
        {"a sum beyond range", 58, fields({"", "", "", "", "1E308", "1E308"}), "Command1", {}, "overflow"},
        {"a sum beyond range", 61, fields({"1E308", "1E308"}), "Command1", {}, "overflow"},
        {"a difference beyond range", 64, pair("1E308", "-1E308"), "Command1", {}, "overflow"},
        {"a difference beyond range", 66, fields({"1E308", "-1E308"}), "Command1", {}, "overflow"},
        {"a difference beyond range", 107, fields({"-1E308", "1E308"}), "Command6", {}, "overflow"},
    });
}

// "取消" clears every line the compute button printed and "退出" goes home, on each screen's own
// buttons; a label without a link does nothing.
TEST(RatiosTest, CancelExitAndPlainLabels) {
    struct Buttons {
        int screen;
        const char* compute;
        const char* cancel;
        const char* exit;
    };
    const Buttons screens[] = {
        {44, "Command1", "Command4", "Command5"}, {45, "Command1", "Command4", "Command5"},
        {46, "Command1", "Command4", "Command5"}, {47, "Command1", "Command4", "Command5"},
        {48, "Command1", "Command4", "Command5"}, {49, "Command1", "Command4", "Command5"},
        {50, "Command1", "Command4", "Command5"}, {51, "Command1", "Command4", "Command5"},
        {52, "Command1", "Command4", "Command5"}, {53, "Command1", "Command4", "Command5"},
        {54, "Command1", "Command4", "Command5"}, {55, "Command1", "Command4", "Command5"},
        {56, "Command1", "Command4", "Command5"}, {57, "Command2", "Command3", "Command4"},
        {58, "Command1", "Command3", "Command4"}, {59, "Command1", "Command4", "Command5"},
        {60, "Command1", "Command4", "Command5"}, {61, "Command1", "Command4", "Command5"},
        {64, "Command1", "Command4", "Command5"}, {65, "Command1", "Command4", "Command5"},
        {66, "Command1", "Command3", "Command4"}, {107, "Command6", "Command3", "Command4"},
    };
    for (const Buttons& s : screens) {
        const std::string f = form(s.screen);
        SCOPED_TRACE(f);
        Cli cli;
        // Earnings per share needs a share count besides.
        const std::string once =
            cli.press(s.screen, s.screen == 44 ? fields({"2", "1", "2"}) : pair("2", "1"), s.compute);
        ASSERT_TRUE(once.starts_with("print\t" + f + "\t")) << once;
        EXPECT_EQ(cli.run("click " + f + "." + s.compute + "\nclick " + f + "." + s.compute + "\n"),
                  once + once);
        EXPECT_EQ(cli.run("click " + f + "." + s.cancel + "\n"), "clear\t" + f + "\n");
        EXPECT_EQ(cli.run("read " + f + ".Text1\n"), "text\t" + f + ".Text1\t2\n");
        EXPECT_EQ(cli.run("click " + f + "." + s.exit + "\n"), "hide\t" + f + "\nshow\tForm1\n");
    }
    Cli cli;
    EXPECT_EQ(cli.run("open Form51\nclick Form51.Label1\nclick Form51.Label2\n"), "show\tForm51\n");
    EXPECT_EQ(cli.run("open Form45\nclick Form45.Label1\n"), "show\tForm45\n");
    EXPECT_EQ(cli.run("open Form66\nclick Form66.Label1\nclick Form66.Label2\n"), "show\tForm66\n");
}

} // namespace
