// Cost management: cost-volume-profit and target profit, standard cost variances and activity-based
// costing. Worked values, failed guards and faults as tables of printed lines; the worksheets'
// write-backs and clearing ranges as the exact events of a press.
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace fincalc::test {
namespace {

// ---- cost-volume-profit and target profit

const std::string kUnitCost = "单位变动成本=总变动成本/年产量=";
const std::string kBreakEven = "保本点销售量=总固定成本/（售价-单位变动成本）=";
const std::string kTargetVolume = "目标净利润销售量=（目标净利润/（1-所得税税率）+(预计利息费用+营业固定成本+"
                                  "期间费用固定成本)）/（售价-单位变动成本）=";
const std::string kSafetyMargin = "安全边际量=目标净利润销售量-保本点销量=";

// Vo, Vp, Y, Fo, Fp, N, T, I, p: a unit cost of 40 against a price of 100.
const Inputs kProduct =
    fields(1, {"30000", "10000", "1000", "20000", "5000", "15000", "0.25", "5000", "100"});

Inputs product(const Inputs& changes) { return with(kProduct, changes); }

TEST(CostVolumeTest, BreakEvenOfOneProduct) {
    const Inputs noOutput = product({{"Text3", ""}});
    const Inputs priceAtCost = product({{"Text9", "40"}});
    const Inputs untaxable =
        product({{"Text7", "1"}, {"Text9", "30"}}); // no margin: the tax rate is not used
    expectLines({
        {"unit variable cost", 123, kProduct, "Command2", {kUnitCost + "40"}},
        {"break-even volume", 123, kProduct, "Command1", {kBreakEven + "416.666666666667"}},
        {"target net profit volume", 123, kProduct, "Command5", {kTargetVolume + "833.333333333333"}},
        {"safety margin", 123, kProduct, "Command6", {kSafetyMargin + "416.666666666667"}},
        {"no output: no unit cost", 123, noOutput, "Command2", {kUnitCost}},
        {"no output: the price alone is the margin", 123, noOutput, "Command1", {kBreakEven + "250"}},
        {"price at unit cost: no break-even", 123, priceAtCost, "Command1", {kBreakEven}},
        {"price at unit cost: no target volume", 123, priceAtCost, "Command5", {kTargetVolume}},
        {"price at unit cost: both volumes empty", 123, priceAtCost, "Command6", {kSafetyMargin + "0"}},
        {"price below unit cost, tax rate 1", 123, untaxable, "Command6", {kSafetyMargin + "0"}},
        {"tax rate 1 leaves the break-even",
         123,
         product({{"Text7", "1"}}),
         "Command1",
         {kBreakEven + "416.666666666667"}},
        {"tax rate 1, target volume", 123, product({{"Text7", "1"}}), "Command5", {}, "division-by-zero"},
        {"tax rate 1, safety margin", 123, product({{"Text7", "1"}}), "Command6", {}, "division-by-zero"},
        {"tax rate 1 and no target profit",
         123,
         product({{"Text7", "1"}, {"Text6", ""}}),
         "Command5",
         {},
         "invalid-operation"},
        {"the break-even is computed, though not printed, for the target volume",
         123,
         product({{"Text4", "1e308"}, {"Text5", ""}, {"Text6", ""}, {"Text8", "-1e308"}, {"Text9", "40.5"}}),
         "Command5",
         {},
         "overflow"},
    });
}

TEST(CostVolumeTest, SensitivityCoefficientForAnyFactorChange) {
    const std::string k = "敏感系数=利润变动百分比/因素变动百分比=";
    expectLines({
        {"factor rises", 124, fields(1, {"0.3", "0.1"}), "Command2", {k + "3"}},
        {"profit falls", 124, fields(1, {"-0.2", "0.1"}), "Command2", {k + "-2"}},
        {"factor falls", 124, fields(1, {"0.2", "-0.1"}), "Command2", {k + "-2"}},
        {"both fall", 124, fields(1, {"-0.2", "-0.1"}), "Command2", {k + "2"}},
        {"factor unchanged", 124, fields(1, {"0.2", "0"}), "Command2", {k}},
        {"nothing typed", 124, {}, "Command2", {k}},
    });
}

const std::vector<std::string> kRatioTexts = {
    "A产品边际贡献率=（单价-单位变动成本）/单价=", "B产品边际贡献率=（单价-单位变动成本）/单价=",
    "C产品边际贡献率=（单价-单位变动成本）/单价=", "综合边际贡献率=∑（每种边际贡献率*每种销售比重）="};
const std::vector<std::string> kWeightTexts = {
    "A产品销售比重=单个销售量/总销售量=", "B产品销售比重=单个销售量/总销售量=",
    "C产品销售比重=单个销售量/总销售量="};
const std::vector<std::string> kMixTexts = {
    "综合保本销售额=固定成本总额/综合边际贡献率=", "A产品保本销售额=综合保本销售额*销售比重=",
    "B产品保本销售额=综合保本销售额*销售比重=", "C产品保本销售额=综合保本销售额*销售比重="};

std::vector<std::string> lines(const std::vector<std::string>& texts,
                               const std::vector<std::string>& values) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < texts.size(); ++i)
        out.push_back(texts[i] + values[i]);
    return out;
}

// The product mix by column (price, volume, unit variable cost) and the fixed cost.
Inputs mix(std::vector<std::string> a, std::vector<std::string> b, std::vector<std::string> c,
           std::string F) {
    Inputs inputs = fields(1, {a[0], a[1], a[2], b[0], b[1], b[2], c[0], c[1], c[2]});
    inputs.emplace_back("Text17", std::move(F));
    return inputs;
}

TEST(CostVolumeTest, ProductMix) {
    const Inputs worked = mix({"10", "100", "6"}, {"20", "50", "12"}, {"5", "200", "4"}, "900");
    const Inputs noPrices = mix({"", "100", "6"}, {"", "50", "12"}, {"", "200", "4"}, "900");
    const Inputs headingsRenamed = with(worked, {{"Text16", "品种"}, {"Text13", "甲"}, {"Text10", "价"}});
    const std::string third = "0.333333333333333";
    expectLines({
        {"margin ratios", 127, worked, "Command1", lines(kRatioTexts, {"0.4", "0.4", "0.2", third})},
        {"sales weights", 127, worked, "Command2", lines(kWeightTexts, {third, third, third})},
        {"break-even sales", 127, worked, "Command3", lines(kMixTexts, {"2700", "900", "900", "900"})},
        {"headings are never read", 127, headingsRenamed, "Command3",
         lines(kMixTexts, {"2700", "900", "900", "900"})},
        {"as first shown, margin ratios",
         127,
         {},
         "Command1",
         lines(kRatioTexts, {"-2", "-0.5", "-0.285714285714286", "-0.384615384615385"})},
        {"as first shown, weights by revenue",
         127,
         {},
         "Command2",
         lines(kWeightTexts, {"0.0256410256410256", "0.256410256410256", "0.717948717948718"})},
        {"as first shown, no positive weighted ratio",
         127,
         {},
         "Command3",
         lines(kMixTexts, {"", "0", "0", "0"})},
        {"no prices, margin ratios", 127, noPrices, "Command1", lines(kRatioTexts, {"", "", "", "0"})},
        {"no prices, break-even sales", 127, noPrices, "Command3", lines(kMixTexts, {"", "0", "0", "0"})},
        {"revenue beyond range",
         127,
         mix({"1e300", "1e300", ""}, {"", "", ""}, {"", "", ""}, ""),
         "Command2",
         {},
         "overflow"},
    });
}

TEST(CostVolumeTest, ProductMixClearsItsDataBoxesOnly) {
    Cli cli;
    cli.run("open Form127\nclick Form127.Command1\n");
    EXPECT_EQ(cli.run("click Form127.Command5\n"), clears(127, {{1, 9}, {17, 17}}));
    EXPECT_EQ(cli.run("read Form127.Text16\nread Form127.Text10\n"),
              "text\tForm127.Text16\t产品\ntext\tForm127.Text10\t销售单价\n");
    EXPECT_EQ(cli.run("click Form127.Command2\n"), prints(127, lines(kWeightTexts, {"", "", ""})));
    EXPECT_EQ(cli.run("click Form127.Command4\n"), "clear\tForm127\n");
}

TEST(CostVolumeTest, TargetProfit) {
    const std::string volume =
        "实现目标利润的销售量=（固定成本+税后目标利润/（1-所得税税率）+利息）/单位边际贡献=";
    const std::string sales = "实现目标利润的销售额=实现目标利润的销售量*单价=";
    const std::string byPrice = "实现目标利润的销售量=（目标利润+固定成本）/（单价-单位变动成本）=";
    // F, N, T, I, m, p: a pre-tax target of 1000 and interest of 200 over a margin of 10.
    const Inputs afterTax = fields(1, {"800", "750", "0.25", "200", "10", "25"});
    const Inputs noMargin = with(afterTax, {{"Text5", "0"}});
    const Inputs priceAtCost = fields(1, {"25", "25", "1000", "1000"});
    expectLines({
        {"profit",
         128,
         fields(1, {"10", "6", "100", "300"}),
         "Command1",
         {"利润=（单价-单位变动成本）*销售量-固定成本=100"}},
        {"loss",
         128,
         fields(1, {"10", "12", "100", "300"}),
         "Command1",
         {"利润=（单价-单位变动成本）*销售量-固定成本=-500"}},
        {"target profit volume",
         129,
         fields(1, {"900", "100", "4"}),
         "Command1",
         {"目标利润销售量=（固定成本+目标利润）/单位边际贡献=250"}},
        {"no unit margin",
         129,
         fields(1, {"900", "100", "-4"}),
         "Command1",
         {"目标利润销售量=（固定成本+目标利润）/单位边际贡献="}},
        {"pre-tax target",
         130,
         fields(1, {"750", "0.25", "100"}),
         "Command1",
         {"目标利润=税后利润/（1-税率）+利息=税前利润+利息=1100"}},
        {"target sales: the line names no divisor",
         131,
         fields(1, {"900", "100", "0.4"}),
         "Command1",
         {"目标利润销售额=（固定成本+目标利润）2500"}},
        {"target sales without a ratio",
         131,
         fields(1, {"900", "100", "0"}),
         "Command1",
         {"目标利润销售额=（固定成本+目标利润）"}},
        {"after-tax target volume", 132, afterTax, "Command4", {volume + "200"}},
        {"after-tax target sales", 132, afterTax, "Command1", {sales + "5000"}},
        {"no margin: no volume", 132, noMargin, "Command4", {volume}},
        {"no margin: sales 0", 132, noMargin, "Command1", {sales + "0"}},
        {"no margin, tax rate 1: sales 0", 132, with(noMargin, {{"Text3", "1"}}), "Command1", {sales + "0"}},
        {"volume by price", 133, fields(1, {"25", "15", "1000", "1000"}), "Command4", {byPrice + "200"}},
        {"sales by price", 133, fields(1, {"25", "15", "1000", "1000"}), "Command1", {sales + "5000"}},
        {"price at cost: no volume", 133, priceAtCost, "Command4", {byPrice}},
        {"price at cost: sales 0", 133, priceAtCost, "Command1", {sales + "0"}},
        {"tax rate 1", 130, fields(1, {"750", "1", "100"}), "Command1", {}, "division-by-zero"},
        {"tax rate 1, volume", 132, with(afterTax, {{"Text3", "1"}}), "Command4", {}, "division-by-zero"},
        {"tax rate 1, sales", 132, with(afterTax, {{"Text3", "1"}}), "Command1", {}, "division-by-zero"},
        {"tax rate 1 and no target",
         132,
         with(afterTax, {{"Text3", "1"}, {"Text2", ""}}),
         "Command4",
         {},
         "invalid-operation"},
        {"profit beyond range", 128, fields(1, {"1e200", "", "1e200", ""}), "Command1", {}, "overflow"},
    });
}

TEST(CostVolumeTest, OrOpensTheOtherTargetProfitScreenBeside) {
    Cli cli;
    cli.run("open Form132\n");
    EXPECT_EQ(cli.run("click Form132.Command5\n"), "show\tForm133\n");
    EXPECT_EQ(cli.run("click Form133.Command3\n"), "hide\tForm133\nshow\tForm1\n");
    EXPECT_EQ(cli.run("click Form132.Command2\n"), "clear\tForm132\n"); // still on screen
}

// ---- standard cost variances

const std::string kRateVariance = "直接人工工资率差异＝（实际工资率-标准工资率）×实际产量下实际人工工时 ＝";
const std::string kEfficiencyVariance =
    "直接人工效率差异＝（实际人工工时－实际产量下标准人工工时）×标准工资率 ＝";

TEST(CostVolumeTest, CostStandardSheetWritesStandardCostsThenPrintsLabourVariances) {
    const struct {
        const char* what;
        Inputs inputs;
        Boxes standardCosts; // Text11 to Text14, in order
        std::vector<std::string> lines;
    } cases[] = {
        {"worked values",
         {{"Text2", "2"}, {"Text7", "10"}, {"Text17", "20500"}, {"Text32", "950"}, {"Text34", "2000"}},
         {{11, "6"}, {12, "20"}, {13, "24"}, {14, "36"}},
         {kRateVariance + "500", kEfficiencyVariance + "1000"}},
        {"as first shown",
         {},
         {{11, "6"}, {12, "14"}, {13, "24"}, {14, "36"}},
         {kRateVariance + "-221", kEfficiencyVariance + "-210"}},
        {"no actual hours",
         {{"Text2", "2"}, {"Text7", "10"}, {"Text17", "20500"}, {"Text32", "950"}, {"Text34", "0"}},
         {{11, "6"}, {12, "20"}, {13, "24"}, {14, "36"}},
         {kRateVariance, kEfficiencyVariance + "-19000"}},
        {"totals and unread boxes take no part",
         {{"Text5", "9"},
          {"Text10", "9"},
          {"Text15", "9"},
          {"Text20", "9"},
          {"Text31", "9"},
          {"Text33", "9"},
          {"Text11", "100"},
          {"Text1", "1.5"},
          {"Text6", "4"}},
         {{11, "6"}, {12, "14"}, {13, "24"}, {14, "36"}},
         {kRateVariance + "-221", kEfficiencyVariance + "-210"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(press(134, c.inputs, "Command1"), writes(134, c.standardCosts) + prints(134, c.lines));
    }
    // A product beyond range stops the press at that box; the boxes before it keep their new figures.
    EXPECT_EQ(press(134, {{"Text2", "1e300"}, {"Text7", "1e300"}}, "Command1"),
              writes(134, {{11, "6"}}) + "fault\tForm134\toverflow\n");
}

TEST(CostVolumeTest, VarianceWorksheetsStartWithTheirNumbersAndClearTheirDataBoxes) {
    Cli cli;
    cli.run("open Form134\n");
    EXPECT_EQ(cli.run("read Form134.Text5\nread Form134.Text15\nread Form134.Text20\nread Form134.Text34\n"
                      "read Form134.Text30\n"),
              "text\tForm134.Text5\t\ntext\tForm134.Text15\t\ntext\tForm134.Text20\t20\n"
              "text\tForm134.Text34\t34\ntext\tForm134.Text30\t成本项目\n");
    EXPECT_EQ(cli.run("click Form134.Command2\n"), clears(134, {{1, 20}, {31, 34}}));
    EXPECT_EQ(cli.run("click Form134.Command1\n"),
              writes(134, {{11, "0"}, {12, "0"}, {13, "0"}, {14, "0"}}) +
                  prints(134, {kRateVariance, kEfficiencyVariance + "0"}));

    cli.run("open Form135\n");
    EXPECT_EQ(cli.run("click Form135.Command2\n"), clears(135, {{1, 6}, {13, 17}}));
    EXPECT_EQ(cli.run("read Form135.Text22\n"), "text\tForm135.Text22\t实直人工成本\n");
    EXPECT_EQ(cli.run("click Form135.Command1\n"),
              prints(135, {"单位直接材料标准成本=∑各价格标准*各用量标准=0",
                           "直接人工成本差异=直接人工成本-月实际产量*工时标准*标准工资率=0",
                           "直接人工效率差异=（实际工时-实际产量*工时标准）*标准工资率=0",
                           "直接人工工资率差异=（直接人工成本/实际工时-标准工资率）*实际工时="}));
}

TEST(CostVolumeTest, MaterialAndLabourVariances) {
    const std::vector<std::string> labour = {
        "直接人工成本差异=直接人工成本-月实际产量*工时标准*标准工资率=",
        "直接人工效率差异=（实际工时-实际产量*工时标准）*标准工资率=",
        "直接人工工资率差异=（直接人工成本/实际工时-标准工资率）*实际工时="};
    const std::string materials = "单位直接材料标准成本=∑各价格标准*各用量标准=";
    // Prices 2, 3, 4 and quantities 5, 6, 7 of materials X, Y and Z; then h, w, Q, H, Cl.
    const Inputs worked =
        fields(1, {"2", "5", "3", "6", "4", "7"}) + fields(13, {"2", "8", "1000", "2100", "17850"});
    const std::vector<std::string> material = {
        "直接材料成本差异=直接材料实际成本-实际产量*直接材料标准成本=",
        "直接材料数量差异=（实际用料-标准用料）*材料标准单价=",
        "直接材料价格差异=实际用料*（直接材料实际成本/实际用料-材料标准单价）="};
    const std::vector<std::string> labourCost = {"直接人工成本差异=直接人工效率差异+直接人工工资率差异=",
                                                 "直接人工标准成本=直接实际人工成本-直接人工标准差异=",
                                                 "直接人工单位标准成本=直接人工标准成本/实际产量="};
    // m, pm, Q, M, Cm; Cl, actual hours, Ve, Vr.
    const Inputs single =
        fields(1, {"3", "5", "100", "320", "1700"}) + fields(6, {"4250", "999", "150", "100"});
    expectLines({
        {"several materials and labour",
         135,
         worked,
         "Command1",
         {materials + "56", labour[0] + "1850", labour[1] + "800", labour[2] + "1050"}},
        {"as first shown",
         135,
         {},
         "Command1",
         {materials + "44", labour[0] + "-2713", labour[1] + "-2506", labour[2] + "-207"}},
        {"one material's standard cost",
         136,
         single,
         "Command1",
         {"单位产品直接材料标准成本=单位产品用料标准*材料标准单价=15"}},
        {"material variances", 136, single, "Command2", lines(material, {"200", "100", "100"})},
        {"no material used", 136, with(single, {{"Text4", ""}}), "Command2",
         lines(material, {"200", "-1500", ""})},
        {"labour standard cost", 136, single, "Command3", lines(labourCost, {"250", "4000", "40"})},
        {"labour without output", 136, with(single, {{"Text3", "0"}}), "Command3",
         lines(labourCost, {"250", "4000", ""})},
    });
}

TEST(CostVolumeTest, OverheadRatesAndVariances) {
    const std::string spending = "耗费差异=实际固定制造费用-预算固定制造费用=";
    // r, h, Qb, Q, H, A.
    const Inputs fixed = fields(1, {"2", "3", "1000", "900", "2800", "6100"});
    const std::vector<std::string> variable = {
        "变动制造费用标准分配率=月标准变动制造费用总额/月标准总工时=",
        "变动制造费用实际分配率=实际发生变动制造费用/实际耗用总工时=",
        "变动制造费用成本差异=变动制造费用成本-实际制造费用成本=",
        "变动制造费用效率差异=（实际耗用总工时-标准耗用总工时）*变动制造费用标准分配率=",
        "变动制造费用耗费差异=实际耗费总工时*（变动制造费用实际分配率-变动制造费用标准分配率）="};
    // Hs, Bs, h, Q, H, A: a standard rate of 2 and an actual rate of 2.1.
    const Inputs overhead = fields(1, {"5000", "10000", "2", "2400", "5000", "10500"});
    const Inputs noStandardHours = with(overhead, {{"Text1", "0"}});
    const std::string saving = "预算成本节约额=（预算单位成本-实际单位成本）*实际产量=";
    const std::string savingRate = "预算成本节约率=预算成本节约额/（预算单位成本*实际产量）=";
    const std::string capacityRate = "固定制造费用分配率=固定制造费用预算额/"
                                     "（工时标准*计划生产能力）=固定制造费用预算额/标准人工工时总数=";
    expectLines({
        {"actual rate",
         137,
         fields(1, {"6100", "2800"}),
         "Command1",
         {"实际分配率=固定制造费用实际数/实际工时=2.17857142857143"}},
        {"no actual hours",
         137,
         fields(1, {"6100", "0"}),
         "Command1",
         {"实际分配率=固定制造费用实际数/实际工时="}},
        {"standard rate",
         138,
         fields(1, {"6000", "3000"}),
         "Command1",
         {"标准分配率=固定制造费用预算数/预算产量的标准工时=2"}},
        {"no budgeted hours",
         138,
         fields(1, {"6000", "-3000"}),
         "Command1",
         {"标准分配率=固定制造费用预算数/预算产量的标准工时="}},
        {"fixed overhead cost variance",
         139,
         fixed,
         "Command1",
         {"制造费用成本差异=实际固定制造费用-标准固定制造费用=700"}},
        {"two-way",
         139,
         fixed,
         "Command2",
         {spending + "100", "能力差异=预算固定制造费用-标准固定制造费用=600"}},
        {"three-way",
         139,
         fixed,
         "Command3",
         {spending + "100", "产量差异=预算固定制造费用-用工时间*固定制造费用标准分配率=400",
          "效率差异=用工时间*固定制造费用标准分配率-标准固定制造费用=200"}},
        {"fixed overhead budget",
         140,
         fields(1, {"1000", "3", "2"}),
         "Command1",
         {"固定制造费用预算数=预算产量*工时标准*标准分配率=6000"}},
        {"rate from capacity", 141, fields(1, {"6000", "3", "1000"}), "Command1", {capacityRate + "2"}},
        {"no capacity", 141, fields(1, {"6000", "3", "0"}), "Command1", {capacityRate}},
        {"variable standard rate", 142, overhead, "Command1", {variable[0] + "2"}},
        {"variable actual rate", 142, overhead, "Command2", {variable[1] + "2.1"}},
        {"variable cost variance", 142, overhead, "Command3", {variable[2] + "900"}},
        {"variable efficiency variance", 142, overhead, "Command4", {variable[3] + "400"}},
        {"variable spending variance", 142, overhead, "Command5", {variable[4] + "500"}},
        {"no standard hours: no standard rate", 142, noStandardHours, "Command1", {variable[0]}},
        {"no standard hours: cost variance is the actual",
         142,
         noStandardHours,
         "Command3",
         {variable[2] + "10500"}},
        {"no standard hours: no efficiency variance", 142, noStandardHours, "Command4", {variable[3] + "0"}},
        {"no actual hours: spending variance 0",
         142,
         with(overhead, {{"Text5", ""}}),
         "Command5",
         {variable[4] + "0"}},
        {"budget cost saving", 143, fields(2, {"50", "100", "45"}), "Command2", {saving + "500"}},
        {"saving rate", 143, fields(2, {"50", "100", "45"}), "Command3", {savingRate + "0.1"}},
        {"no output: saving 0", 143, fields(2, {"50", "0", "45"}), "Command2", {saving + "0"}},
        {"no output: no saving rate", 143, fields(2, {"50", "0", "45"}), "Command3", {savingRate}},
    });
}

// ---- activity-based costing

constexpr int kActivities = 144;

// The activity worksheet after "清空" with the given boxes typed.
std::string allocate(Cli& cli, const Inputs& inputs) {
    std::string script = "open Form144\nclick Form144.Command2\n";
    for (const auto& [box, text] : inputs)
        script += "type Form144." + box + " " + text + "\n";
    cli.run(script);
    return cli.run("click Form144.Command1\n");
}

std::string overheads(const std::string& a, const std::string& b) {
    return prints(kActivities, {"甲产品制造费用=" + a + "元", "乙产品制造费用=" + b + "元"});
}

// Totals Text22 to Text28, then rates Text29 to Text35: the listed rows hold these figures, every
// other row 0.
std::string totalsThenRates(const std::vector<std::pair<int, std::string>>& totals,
                            const std::vector<std::pair<int, std::string>>& rates) {
    Boxes boxes;
    for (int offset : {21, 28})
        for (int i = 1; i <= 7; ++i) {
            const auto& given = offset == 21 ? totals : rates;
            std::string text = "0";
            for (const auto& [row, figure] : given)
                if (row == i)
                    text = figure;
            boxes.emplace_back(offset + i, text);
        }
    return writes(kActivities, boxes);
}

TEST(CostVolumeTest, ActivityRatesAreWrittenBackAndOverheadsPrinted) {
    const struct {
        const char* what;
        Inputs inputs;
        std::vector<std::pair<int, std::string>> totals, rates;
        std::string a, b;
    } cases[] = {
        {"one activity",
         {{"Text1", "1200"}, {"Text8", "40"}, {"Text15", "80"}},
         {{1, "120"}},
         {{1, "10"}},
         "400",
         "800"},
        {"a row without a positive total keeps the rate in its box",
         {{"Text2", "500"}, {"Text9", "10"}, {"Text16", "-10"}, {"Text30", "3"}},
         {},
         {{2, "3"}},
         "30",
         "-30"},
        {"a typed rate is overwritten when the row has a total",
         {{"Text1", "1200"}, {"Text8", "40"}, {"Text15", "80"}, {"Text29", "99"}, {"Text31", "0.5abc"}},
         {{1, "120"}},
         {{1, "10"}, {3, "0.5"}},
         "400",
         "800"},
        {"the total column is never read",
         {{"Text1", "1200"}, {"Text8", "40"}, {"Text15", "80"}, {"Text22", "7"}},
         {{1, "120"}},
         {{1, "10"}},
         "400",
         "800"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Cli cli;
        EXPECT_EQ(allocate(cli, c.inputs), totalsThenRates(c.totals, c.rates) + overheads(c.a, c.b));
        // A second press finds the same figures and prints the lines again.
        EXPECT_EQ(cli.run("click Form144.Command1\n"),
                  totalsThenRates(c.totals, c.rates) + overheads(c.a, c.b));
    }
}

TEST(CostVolumeTest, ActivityWorksheetAsFirstShown) {
    Cli cli;
    cli.run("open Form144\n");
    const std::string events = cli.run("click Form144.Command1\n");
    EXPECT_TRUE(events.starts_with(writes(kActivities, {{22, "23"}, {23, "25"}})));
    EXPECT_NE(events.find(writes(kActivities, {{28, "35"}, {29, "0.0434782608695652"}})), std::string::npos);
    EXPECT_EQ(cli.run("read Form144.Text43\nread Form144.Text42\nread Form144.Text56\n"),
              "text\tForm144.Text43\t原料处理\ntext\tForm144.Text42\t包装次数-次\ntext\tForm144."
              "Text56\t作业名称\n");
    EXPECT_EQ(cli.run("click Form144.Command2\n"), clears(kActivities, {{1, 35}}));
    EXPECT_EQ(cli.run("read Form144.Text43\n"), "text\tForm144.Text43\t原料处理\n");
}

TEST(CostVolumeTest, ActivityRateBeyondRangeKeepsTheTotalsAndWritesNoRate) {
    Cli cli;
    EXPECT_EQ(allocate(cli, {{"Text1", "1e308"}, {"Text8", "1e-10"}}),
              writes(kActivities,
                     {{22, "1E-10"}, {23, "0"}, {24, "0"}, {25, "0"}, {26, "0"}, {27, "0"}, {28, "0"}}) +
                  "fault\tForm144\toverflow\n");
}

} // namespace
} // namespace fincalc::test
