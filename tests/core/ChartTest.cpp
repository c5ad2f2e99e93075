// The charts' series, marks and notes, on the screens' worked examples: the same numbers the
// screens print must be where the charts put their marks.
#include "../ChartExamples.h"
#include "Cli.h"

#include "app/Chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace fincalc;
using fincalc::test::chartExample;
using fincalc::test::Cli;

Chart chart(int screen, const FieldTexts& texts) { return chartOf(screen, Fields(texts)); }

// The console script that opens the screen and types the texts into its fields.
std::string typing(int screen, const FieldTexts& texts) {
    const std::string form = "Form" + std::to_string(screen);
    std::string script = "open " + form + "\n";
    for (const auto& [field, text] : texts)
        script += "type " + form + "." + field + " " + text + "\n";
    return script;
}

const ChartSeries& series(const Chart& c, const std::string& name) {
    for (const ChartPlot& plot : c.plots)
        for (const ChartSeries& s : plot.series)
            if (s.name == name)
                return s;
    throw std::runtime_error("no series " + name);
}

std::vector<std::string> markLabels(const Chart& c) {
    std::vector<std::string> labels;
    for (const ChartPlot& plot : c.plots)
        for (const ChartMark& m : plot.marks)
            labels.push_back(m.label);
    return labels;
}

// Every point and mark inside its plot's axes, and every axis titled and labelled.
void expectDrawable(const Chart& c) {
    for (const ChartPlot& plot : c.plots) {
        for (const ChartAxis* axis : {&plot.x, &plot.y}) {
            EXPECT_FALSE(axis->title.empty());
            ASSERT_GE(axis->ticks.size(), 1u); // one bar has one tick
            EXPECT_LT(axis->min, axis->max);
        }
        const auto inside = [&](ChartPoint p) {
            EXPECT_TRUE(p.x >= plot.x.min && p.x <= plot.x.max && p.y >= plot.y.min && p.y <= plot.y.max)
                << plot.title << " (" << p.x << ", " << p.y << ")";
        };
        for (const ChartSeries& s : plot.series)
            std::for_each(s.points.begin(), s.points.end(), inside);
        for (const ChartMark& m : plot.marks)
            inside(m.at);
    }
}

const FieldTexts& kProfit = chartExample(128);

TEST(ChartTest, BreakEvenChartMarksTheBreakEvenPointAndTheCurrentVolume) {
    const Chart c = chart(128, kProfit);
    EXPECT_EQ(c.title, "本量利图");
    EXPECT_TRUE(c.note.empty());
    EXPECT_EQ(markLabels(c),
              (std::vector<std::string>{"保本点：q=500，收入=成本=5000", "当前销售量：q=800，利润=1200"}));
    EXPECT_DOUBLE_EQ(c.plots[0].marks[0].at.x, 500);
    EXPECT_DOUBLE_EQ(c.plots[0].marks[0].at.y, 5000);
    // Revenue from the origin with slope p, cost from F with slope v.
    const ChartSeries& revenue = series(c, "销售收入p×q");
    const ChartSeries& cost = series(c, "总成本F+v×q");
    EXPECT_DOUBLE_EQ(revenue.points.front().y, 0);
    EXPECT_DOUBLE_EQ(cost.points.front().y, 2000);
    EXPECT_DOUBLE_EQ(revenue.points.back().y, 10 * revenue.points.back().x);
    EXPECT_DOUBLE_EQ(cost.points.back().y, 2000 + 6 * cost.points.back().x);
    EXPECT_EQ(c.plots[0].x.title, "销售量q");
    expectDrawable(c);
}

TEST(ChartTest, FieldsThatGiveNoPictureGiveANote) {
    struct Case {
        int screen;
        FieldTexts texts;
        std::string note;
    };
    const Case cases[] = {
        {128,
         {{"Text1", "6"}, {"Text2", "6"}, {"Text4", "100"}},
         "单价不大于单位变动成本，收入追不上成本，没有保本点。"},
        {128, {{"Text2", "6"}}, "请输入单价。"},
        {128, {{"Text1", "10"}, {"Text4", "-1"}}, "固定成本不能为负数。"},
        {90, {{"Text7", "100"}}, "已发行普通股和增发普通股须大于0，才有每股收益无差别点。"},
        {90, {{"Text6", "1"}, {"Text7", "100"}, {"Text8", "50"}}, "所得税税率须小于1。"},
        {14, {{"Text1", "0.1"}, {"Text4", "0.2"}}, "请输入A、B两个项目的σ和相关系数。"},
        {14, {{"Text1", "0.1"}, {"Text4", "0.2"}, {"Text13", "1.5"}}, "相关系数须在-1至1之间。"},
        {14, {{"Text1", "-0.1"}, {"Text4", "0.2"}, {"Text13", "0"}}, "σ不能为负数。"},
        {163, {{"Text1", "0.1"}}, "请输入各期现金净流量。"},
        {165,
         {{"Text1", "1000"}, {"Text2", "0.05"}, {"Text3", "0.5"}, {"Text4", "3"}},
         "贷款年数与每年还款次数须为正数，二者之积（还款期数）须为1至1200之间的整数。"},
        {165, {{"Text2", "0.05"}, {"Text3", "1"}, {"Text4", "12"}}, "贷款金额须大于0，且不超过1万亿。"},
        {128, {{"Text1", "1E300"}, {"Text3", "1E300"}}, "数值超出计算范围，无法作图。"},
        {2, {}, "这个界面没有图表。"},
    };
    for (const Case& c : cases) {
        const Chart drawn = chart(c.screen, c.texts);
        EXPECT_EQ(drawn.note, c.note) << "Form" << c.screen;
        EXPECT_TRUE(drawn.plots.empty()) << "Form" << c.screen;
    }
}

const FieldTexts& kPlans = chartExample(90);

TEST(ChartTest, EbitEpsChartMarksTheIndifferencePoint) {
    const Chart c = chart(90, kPlans);
    EXPECT_EQ(markLabels(c), (std::vector<std::string>{"无差别点：EBIT=230，EPS=0.75",
                                                       "预计EBIT=200：甲EPS=0.6，乙EPS=0.525", ""}));
    EXPECT_DOUBLE_EQ(c.plots[0].marks[2].at.y, 0.525);
    // Both plans' lines pass through the indifference point.
    const auto at = [&](const char* name, double ebit) {
        const auto& p = series(c, name).points;
        return p.front().y + (p.back().y - p.front().y) * (ebit - p.front().x) / (p.back().x - p.front().x);
    };
    EXPECT_NEAR(at("甲方案（增发普通股）", 230), 0.75, 1e-12);
    EXPECT_NEAR(at("乙方案（借债）", 230), 0.75, 1e-12);
    EXPECT_EQ(c.plots[0].x.title, "息税前利润EBIT");
    expectDrawable(c);
}

TEST(ChartTest, EbitEpsChartAgreesWithTheScreen) {
    Cli cli;
    cli.run(typing(90, kPlans));
    EXPECT_NE(cli.run("chart Form90\n").find("mark\tForm90\t无差别点：EBIT=230，EPS=0.75\t230\t0.75\n"),
              std::string::npos);
    // What the screen prints at the expected EBIT is what the chart marks there.
    const std::string printed = cli.run("click Form90.Command2\n");
    EXPECT_NE(printed.find("=0.6\n"), std::string::npos);
    EXPECT_NE(printed.find("=0.525\n"), std::string::npos);
}

TEST(ChartTest, BreakEvenChartAgreesWithTheScreen) {
    Cli cli;
    cli.run(typing(128, kProfit));
    const std::string events = cli.run("chart Form128\n");
    EXPECT_NE(events.find("mark\tForm128\t保本点：q=500，收入=成本=5000\t500\t5000\n"), std::string::npos);
    EXPECT_NE(events.find("mark\tForm128\t当前销售量：q=800，利润=1200\t800\t8000\n"), std::string::npos);
    EXPECT_EQ(Cli::lastPrint(cli.run("click Form128.Command1\n")),
              "利润=（单价-单位变动成本）*销售量-固定成本=1200");
}

const FieldTexts& kTwoAssets = chartExample(14);

TEST(ChartTest, PortfolioChartRunsFromBToAAndMarksTheTypedWeight) {
    const Chart c = chart(14, kTwoAssets);
    const auto& curve = series(c, "组合标准差σp").points;
    ASSERT_EQ(curve.size(), 51u);
    EXPECT_DOUBLE_EQ(curve.front().y, 0.2); // all in B
    EXPECT_DOUBLE_EQ(curve.back().y, 0.1);  // all in A
    EXPECT_EQ(markLabels(c), std::vector<std::string>{"输入的比重：wA=0.6，σp=0.121655250605964"});
    EXPECT_EQ(Cli::lastPrint(Cli().press(14, kTwoAssets, "Command2")),
              "σp=√(w1^2*σ1^2+w2^2*σ2^2+ 2*w1*w2*σ1*σ2)=0.121655250605964");
    EXPECT_TRUE(c.note.empty());
    expectDrawable(c);
}

TEST(ChartTest, PortfolioChartShowsWhereDiversificationRemovesTheRisk) {
    // ρ = −1: wA = σB / (σA + σB) = 2/3 leaves no risk at all.
    const Chart hedged = chart(14, {{"Text1", "0.1"}, {"Text4", "0.2"}, {"Text13", "-1"}});
    ASSERT_EQ(hedged.plots[0].marks.size(), 1u);
    EXPECT_NEAR(hedged.plots[0].marks[0].at.x, 2.0 / 3, 1e-12);
    EXPECT_NEAR(hedged.plots[0].marks[0].at.y, 0, 1e-9);
    // Weights that do not add up to 1 are drawn on the curve, with a note that says so.
    const Chart odd =
        chart(14, {{"Text1", "0.1"}, {"Text2", "0.5"}, {"Text4", "0.2"}, {"Text5", "0.7"}, {"Text13", "1"}});
    EXPECT_EQ(odd.note, "曲线按wB=1-wA画出，输入的wA+wB不等于1。");
    EXPECT_EQ(odd.plots.size(), 1u);
}

TEST(ChartTest, RegressionChartShowsTheTwelvePointsAndTheFittedLine) {
    // As first shown, row k holds x = k and y = 13 + k: the line y = 13 + x through all of them.
    Cli cli;
    cli.run("open Form125\n");
    const std::string events = cli.run("chart Form125\n");
    EXPECT_NE(events.find("plot\tForm125\t回归直线y=a+bx：a=13，b=1\t变量X\t成本Y\n"), std::string::npos);
    EXPECT_NE(events.find("point\tForm125\t观测值\t12\t25\n"), std::string::npos);
    EXPECT_NE(events.find("point\tForm125\t回归直线\t1\t14\n"), std::string::npos);
    EXPECT_NE(events.find("point\tForm125\t回归直线\t12\t25\n"), std::string::npos);
    // The screen's own fit agrees.
    const std::string printed = cli.run("click Form125.Command1\n");
    EXPECT_NE(printed.find("print\tForm125\t单位变动成本1\n"), std::string::npos);
    EXPECT_NE(printed.find("print\tForm125\t固定成本13\n"), std::string::npos);

    // One x for every row fixes no line: the points alone, and a note.
    FieldTexts sameX;
    for (int row = 1; row <= 12; ++row) {
        sameX[fieldName(row)] = "5";
        sameX[fieldName(13 + row)] = std::to_string(row);
    }
    const Chart flat = chart(125, sameX);
    EXPECT_EQ(flat.note, "变量X全部相同，回归直线无法确定。");
    ASSERT_EQ(flat.plots.size(), 1u);
    EXPECT_EQ(flat.plots[0].series.size(), 1u);
    expectDrawable(flat);
}

FieldTexts cashFlowFields(const char* rate, std::initializer_list<const char*> ncf) {
    FieldTexts texts{{"Text1", rate}};
    int k = 2;
    for (const char* x : ncf)
        texts[fieldName(k++)] = x;
    return texts;
}

TEST(ChartTest, NpvCurveCrossesZeroAtTheIrrTheScreenPrints) {
    // The textbook project: NPV at 10 % is 78.8197527491292, the IRR 0.144888442785856.
    const Chart c = chart(163, chartExample(163));
    EXPECT_EQ(markLabels(c),
              (std::vector<std::string>{"IRR=0.144888442785856", "i=0.1，NPV=78.8197527491292"}));
    // The sampled curve changes sign once, around the IRR.
    const auto& curve = series(c, "净现值NPV").points;
    int crossings = 0;
    for (std::size_t k = 1; k < curve.size(); ++k)
        if ((curve[k - 1].y > 0) != (curve[k].y > 0)) {
            ++crossings;
            EXPECT_LE(curve[k - 1].x, 0.144888442785856);
            EXPECT_GE(curve[k].x, 0.144888442785856);
        }
    EXPECT_EQ(crossings, 1);
    const auto& flows = series(c, "现金净流量NCFt").points;
    ASSERT_EQ(flows.size(), 5u);
    EXPECT_DOUBLE_EQ(flows[0].y, -1000);
    EXPECT_DOUBLE_EQ(flows[4].x, 4);
    EXPECT_EQ(c.plots[1].series[0].style, ChartSeries::Style::Bars);
    expectDrawable(c);

    EXPECT_EQ(Cli::lastPrint(Cli().press(163, chartExample(163), "Command1")),
              "NPV=∑NCFt/(1+i)^t=78.8197527491292");
}

TEST(ChartTest, NpvCurveMarksEveryIrrOrSaysThereIsNone) {
    const Chart twice = chart(163, cashFlowFields("", {"-100", "230", "-132"}));
    EXPECT_EQ(markLabels(twice), (std::vector<std::string>{"IRR=0.1", "IRR=0.2"}));
    const Chart never = chart(163, cashFlowFields("", {"100", "100"}));
    EXPECT_EQ(never.note, "在-99%至1000%之间没有使NPV=0的折现率。");
    EXPECT_EQ(never.plots.size(), 2u);
    expectDrawable(never);
}

TEST(ChartTest, LoanChartFollowsBothSchedules) {
    // 1200 over one year of monthly payments at 12 %: the screen's level payment is 106.62.
    const Chart c = chart(165, {{"Text1", "1200"}, {"Text2", "0.12"}, {"Text3", "1"}, {"Text4", "12"}});
    ASSERT_EQ(c.plots.size(), 3u);
    for (const char* method : {"等额本息", "等额本金"}) {
        const auto& balance = series(c, std::string(method) + "剩余本金").points;
        ASSERT_EQ(balance.size(), 13u);
        EXPECT_DOUBLE_EQ(balance.front().y, 1200);
        EXPECT_DOUBLE_EQ(balance.back().y, 0);
        const auto& principal = series(c, std::string(method) + "本金").points;
        const auto& interest = series(c, std::string(method) + "利息").points;
        ASSERT_EQ(principal.size(), 12u);
        // Each period's principal is what the balance fell by; the interest is 1 % of the balance before.
        for (std::size_t k = 0; k < 12; ++k) {
            EXPECT_NEAR(principal[k].y, balance[k].y - balance[k + 1].y, 1e-9);
            EXPECT_NEAR(interest[k].y, std::round(balance[k].y) / 100, 0.01);
        }
    }
    EXPECT_NEAR(series(c, "等额本息本金").points[0].y + series(c, "等额本息利息").points[0].y, 106.62, 1e-9);
    EXPECT_NE(
        Cli()
            .press(165, {{"Text1", "1200"}, {"Text2", "0.12"}, {"Text3", "1"}, {"Text4", "12"}}, "Command1")
            .find("print\tForm165\t每期还款额=106.62\n"),
        std::string::npos);
    expectDrawable(c);
}

TEST(ChartTest, AxesEndOnRoundNumbers) {
    struct Case {
        double low, high;
        bool whole;
        double min, max, step;
    };
    const Case cases[] = {
        {0, 1000, false, 0, 1000, 200}, {-1000, 500, false, -1000, 500, 500},
        {0, 0, false, -1, 1, 0.5},      {5, 5, false, 2, 8, 1},
        {0, 4, true, 0, 4, 1},          {0.07, 0.93, false, 0, 1, 0.2},
    };
    for (const Case& c : cases) {
        const ChartAxis axis = makeAxis("x", c.low, c.high, c.whole);
        EXPECT_LE(axis.min, c.low);
        EXPECT_GE(axis.max, c.high);
        EXPECT_DOUBLE_EQ(axis.ticks.front(), axis.min);
        EXPECT_DOUBLE_EQ(axis.ticks.back(), axis.max);
        EXPECT_GE(axis.ticks.size(), 4u);
        EXPECT_LE(axis.ticks.size(), 7u);
        EXPECT_DOUBLE_EQ(axis.min, c.min) << c.low << " " << c.high;
        EXPECT_DOUBLE_EQ(axis.max, c.max) << c.low << " " << c.high;
        EXPECT_NEAR(axis.ticks[1] - axis.ticks[0], c.step, 1e-12) << c.low << " " << c.high;
    }
}

TEST(ChartTest, ConsoleChartOfAScreenNotShownOrWithoutAChartIsAnError) {
    Cli cli;
    EXPECT_EQ(cli.run("chart Form14\n"), "error\tscreen not shown: Form14\n");
    EXPECT_EQ(cli.run("chart Form1\n"), "error\tno chart: Form1\n");
    EXPECT_EQ(cli.run("chart Form999\n"), "error\tunknown screen: Form999\n");
    EXPECT_EQ(cli.run("open Form14\nchart Form14\n"), "show\tForm14\nchart\tForm14\t组合标准差与A项目比重\n"
                                                      "note\tForm14\t请输入A、B两个项目的σ和相关系数。\n");
}

} // namespace

namespace {

// Any texts in the fields give a note, or a picture of finite numbers that fits its axes.
TEST(ChartTest, AnyFieldsGiveANoteOrAPictureOfFiniteNumbers) {
    const char* texts[] = {"",    "0",     "1",      "-1",     "0.5", "-0.99", "12",
                           "100", "1E300", "-1E300", "1E-300", "abc", "1.5"};
    std::mt19937 random(20);
    for (const int screen : {14, 90, 125, 128, 163, 165}) {
        for (int round = 0; round < 300; ++round) {
            FieldTexts fields;
            for (int k = 1; k <= 65; ++k)
                fields[fieldName(k)] = texts[random() % std::size(texts)];
            const Chart c = chart(screen, fields);
            EXPECT_TRUE(!c.plots.empty() || !c.note.empty()) << "Form" << screen;
            for (const ChartPlot& plot : c.plots) {
                for (const double end : {plot.x.min, plot.x.max, plot.y.min, plot.y.max})
                    ASSERT_TRUE(std::isfinite(end)) << "Form" << screen;
                for (const ChartSeries& s : plot.series)
                    for (const ChartPoint& p : s.points)
                        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y))
                            << "Form" << screen << " " << s.name;
            }
            if (HasFailure())
                return;
            expectDrawable(c);
        }
    }
}

} // namespace
