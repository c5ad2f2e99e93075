// Investment appraisal, securities and cash calculators: worked values, failed guards, verdicts,
// fixed remarks and the faults that stop a press, one table per group of screens.
#include "ScreenCases.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace fincalc::test;

// ---- Form96, a production line: I, W, S, n, ΔR, T, ΔC, i
const Inputs kLine = {{"Text1", "100000"}, {"Text2", "10000"}, {"Text3", "5000"},  {"Text4", "5"},
                      {"Text5", "60000"},  {"Text6", "0.25"},  {"Text7", "20000"}, {"Text8", "0.1"}};
const std::string kNpv = "净现值=末年现金净流量*(P/F,i,n)+前年现金净流量*(P/A,i,n-1)-原始投资额=";

TEST(InvestmentTest, ProductionLineCashFlowsAndNetPresentValue) {
    expectLines({
        {"outlay",
         96,
         kLine,
         "Command1",
         {"原始投资额=生产线投资额+营运资金="
          "110000"}},
        {"depreciation",
         96,
         kLine,
         "Command2",
         {"年折旧额=（生产线投资额-预计净残值）/使用年限="
          "19000"}},
        {"no life, no depreciation",
         96,
         with(kLine, {{"Text4", ""}}),
         "Command2",
         {"年折旧额=（生产线投资额-预计净残值）/使用年限="}},
        {"negative life, no depreciation",
         96,
         with(kLine, {{"Text4", "-5"}}),
         "Command2",
         {"年折旧额=（生产线投资额-预计净残值）/使用年限="}},
        {"cash flows, the years counted in the texts",
         96,
         kLine,
         "Command5",
         {"前"
          "4"
          "年现金净流量=（营业收入变动额-付现成本变动额）*（1-所得税税率）+年折旧*税率= "
          "34750",
          "第"
          "5"
          "年现金净流量=往年平均现金净流量+预计净残值+营运资金="
          "49750"}},
        {"cash flows without a life: depreciation counts as 0",
         96,
         with(kLine, {{"Text4", ""}}),
         "Command5",
         {"前"
          "-1"
          "年现金净流量=（营业收入变动额-付现成本变动额）*（1-所得税税率）+年折旧*税率= "
          "30000",
          "第"
          "0"
          "年现金净流量=往年平均现金净流量+预计净残值+营运资金="
          "45000"}},
        {"buy", 96, kLine, "Command6", {kNpv + "31043.6600828309", "由于净现值>0，所以应购置生产线"}},
        {"do not buy",
         96,
         with(kLine, {{"Text8", "0.3"}}),
         "Command6",
         {kNpv + "-21324.0149962429", "由于净现值<0，所以不应购置生产线"}},
        {"indifferent",
         96,
         {{"Text8", "0.1"}},
         "Command6",
         {kNpv + "0", "由于净现值=0，所以购置生产线是任意的"}},
        // Without a rate there is no present value, and no verdict is drawn from it.
        {"no rate, no verdict", 96, with(kLine, {{"Text8", ""}}), "Command6", {kNpv}},
        {"negative rate, no verdict", 96, with(kLine, {{"Text8", "-0.1"}}), "Command6", {kNpv}},
        {"a life so negative that discounting overflows",
         96,
         with(kLine, {{"Text4", "-100000"}}),
         "Command6",
         {},
         "overflow"},
    });
}

// ---- Form97, replacing equipment; its fields are numbered out of screen order
const Inputs kNewEquipment = {{"Text1", "50000"}, {"Text2", "0.25"},   {"Text3", "20000"},
                              {"Text4", "6000"},  {"Text10", "10000"}, {"Text13", "5"},
                              {"Text15", "8000"}, {"Text11", "40000"}, {"Text12", "0.1"}};
const Inputs kOldEquipment = {{"Text2", "0.25"},  {"Text9", "3"},    {"Text5", "60000"}, {"Text6", "6000"},
                              {"Text7", "30000"}, {"Text8", "6000"}, {"Text14", "5000"}};

TEST(InvestmentTest, EquipmentReplacement) {
    expectLines({
        {"new equipment",
         97,
         kNewEquipment,
         "Command2",
         {"税后年营业收入=年营业收入*（1-所得税税率）="
          "37500",
          "税后年付现成本=年付现成本*（1-所得税税率）="
          "15000",
          "每年折旧抵税=年折旧*所得税税率="
          "2000",
          "残值变价收入=最终报废残值+（税法残值-最终报废残值）*0.4="
          "7600",
          "残值净收益纳税=（税法残值-最终报废残值）*所得税税率="
          "1000",
          "以前NCF=税后年营业收入-税后年付现成本+每年折旧抵税="
          "24500",
          "末年NCF=以前NCF+残值变价收入="
          "32100",
          kNpv + "57593.2779057566"}},
        // The scrap proceeds take the 0.4 their text shows, whatever the tax rate.
        {"scrap proceeds ignore the tax rate, no rate leaves the value alone",
         97,
         with(kNewEquipment, {{"Text2", "0.9"}, {"Text12", ""}}),
         "Command2",
         {"税后年营业收入=年营业收入*（1-所得税税率）="
          "5000",
          "税后年付现成本=年付现成本*（1-所得税税率）="
          "2000",
          "每年折旧抵税=年折旧*所得税税率="
          "7200",
          "残值变价收入=最终报废残值+（税法残值-最终报废残值）*0.4="
          "7600",
          "残值净收益纳税=（税法残值-最终报废残值）*所得税税率="
          "3600",
          "以前NCF=税后年营业收入-税后年付现成本+每年折旧抵税="
          "10200",
          "末年NCF=以前NCF+残值变价收入="
          "17800",
          kNpv}},
        {"a life so negative that discounting overflows",
         97,
         with(kNewEquipment, {{"Text13", "-100000"}}),
         "Command2",
         {},
         "overflow"},
        {"old equipment",
         97,
         kOldEquipment,
         "Command5",
         {"目前账面价值=设备原值-已计折旧"
          "42000",
          "目前资产报损失=目前账面价值-目前变现价值="
          "12000",
          "资产报废损失抵税额=目前资产报废损失*所得税税率="
          "3000",
          "残值报废损失减税=（税法残值-最终报废残值）*所得税税率="
          "250"}},
        {"old equipment, nothing typed",
         97,
         {},
         "Command5",
         {"目前账面价值=设备原值-已计折旧"
          "0",
          "目前资产报损失=目前账面价值-目前变现价值="
          "0",
          "资产报废损失抵税额=目前资产报废损失*所得税税率="
          "0",
          "残值报废损失减税=（税法残值-最终报废残值）*所得税税率="
          "0"}},
    });
}

// ---- Form98, a machine: K, T, D, S, n, i, C; Form99: PV, i, n
const Inputs kMachine = {{"Text1", "10000"}, {"Text2", "0.25"}, {"Text3", "2000"}, {"Text4", "1000"},
                         {"Text5", "5"},     {"Text6", "0.1"},  {"Text7", "3000"}};
const std::string kAnnuityCost = "年金成本=年金净流出量现值/年金现值系数=";

TEST(InvestmentTest, AnnuityCostOfEquipment) {
    const std::vector<std::string> cashItems = {"税后付现成本=年付现成本*（1-所得税税率）="
                                                "2250",
                                                "折旧抵税额=年折旧额*所得税税率="
                                                "500",
                                                "最后一年年末税后残值收入=最终报废残值*（1-所得税税率）="
                                                "750"};
    const auto outflows = [&](const std::string& PV) {
        std::vector<std::string> lines = cashItems;
        lines.push_back(
            "现金净流出现值=设备成本+（税后付现成本-折旧抵税额）*(P/A,i,n)-税后残值收入*(P/F,i,n)=" + PV);
        return lines;
    };
    expectLines({
        {"outflows", 98, kMachine, "Command1", outflows("16168.1858541704")},
        {"annuity cost", 98, kMachine, "Command2", {kAnnuityCost + "4265.12669735139"}},
        {"outflows without a rate", 98, with(kMachine, {{"Text6", "0"}}), "Command1", outflows("")},
        {"outflows without a life: the scrap comes back at once", 98, with(kMachine, {{"Text5", "0"}}),
         "Command1", outflows("9250")},
        {"annuity cost without a life", 98, with(kMachine, {{"Text5", "0"}}), "Command2", {kAnnuityCost}},
        {"annuity cost at a negative rate: no outflows, so 0",
         98,
         with(kMachine, {{"Text6", "-0.1"}}),
         "Command2",
         {kAnnuityCost + "0"}},
        {"annuity cost at a zero rate",
         98,
         with(kMachine, {{"Text6", "0"}}),
         "Command2",
         {},
         "invalid-operation"},
        {"short form, the same cost",
         99,
         {{"Text1", "16168.19"}, {"Text2", "0.1"}, {"Text3", "5"}},
         "Command2",
         {kAnnuityCost + "4265.12779101079"}},
        {"short form without a life",
         99,
         {{"Text1", "16168.19"}, {"Text2", "0.1"}},
         "Command2",
         {kAnnuityCost}},
        {"short form at a zero rate",
         99,
         {{"Text1", "16168.19"}, {"Text3", "5"}},
         "Command2",
         {},
         "invalid-operation"},
    });
}

TEST(InvestmentTest, OrButtonsOpenTheShortFormBesideAndKeepTheOutput) {
    for (const auto& [screen, button, target, compute] :
         {std::tuple{96, "Command7", 97, "Command1"}, std::tuple{98, "Command5", 99, "Command2"}}) {
        const std::string form = "Form" + std::to_string(screen);
        Cli cli;
        const std::string printed = cli.press(screen, {}, compute);
        EXPECT_EQ(cli.run("click " + form + "." + button + "\n"),
                  "show\tForm" + std::to_string(target) + "\n");
        const std::string dump = cli.run("dump " + form + "\n");
        EXPECT_NE(dump.find("line\t" + form + "\t" + Cli::lastPrint(printed) + "\n"), std::string::npos)
            << dump;
        EXPECT_EQ(cli.run("click Form" + std::to_string(target) + ".Command4\nclick " + form + ".Command3\n"),
                  "hide\tForm" + std::to_string(target) + "\nshow\tForm1\nclear\t" + form + "\n");
    }
}

// ---- Form101 to Form104, bond, stock and fund values
const std::vector<std::string> kIssueRemarks = {"市场利率<票面利率，债券将溢价发行。",
                                                "市场利率>票面利率，债券将折价发行。",
                                                "市场利率=票面利率，债券将等价发行。"};
std::vector<std::string> bond(const std::string& value) {
    std::vector<std::string> lines = {"债券价值P=利息I*(P/A,i,n)+本金M*(P/F,i,n)=" + value};
    lines.insert(lines.end(), kIssueRemarks.begin(), kIssueRemarks.end());
    return lines;
}
const Inputs kBond = {{"Text1", "1000"}, {"Text2", "5"}, {"Text3", "0.1"}, {"Text4", "0.08"}};
const std::string kStock = "股票价值=每股股利*（1+股利增长速度）/（股票收益率-股利增长速度）=";
const std::string kBuyBelow = "若市价低于股票价值，则它值得被购买";

TEST(InvestmentTest, BondStockAndFundValues) {
    expectLines({
        {"bond", 101, kBond, "Command2", bond("924.184264611831")},
        {"bond, nothing typed: text alone and the remarks", 101, {}, "Command2", bond("")},
        {"bond due now is worth its face value", 101, with(kBond, {{"Text2", "0"}}), "Command2",
         bond("1000")},
        {"bond at a negative market rate", 101, with(kBond, {{"Text3", "-0.1"}}), "Command2", bond("")},
        {"bond term so negative that discounting overflows",
         101,
         with(kBond, {{"Text2", "-100000"}}),
         "Command2",
         {},
         "overflow"},
        {"stock",
         102,
         {{"Text1", "0.15"}, {"Text2", "2"}, {"Text3", "0.05"}},
         "Command2",
         {kStock + "21", kBuyBelow}},
        {"stock growing as fast as its return",
         102,
         {{"Text1", "0.05"}, {"Text2", "2"}, {"Text3", "0.05"}},
         "Command2",
         {kStock, kBuyBelow}},
        {"stock growing faster than its return",
         102,
         {{"Text1", "0.05"}, {"Text2", "2"}, {"Text3", "0.08"}},
         "Command2",
         {kStock, kBuyBelow}},
        {"internal rate",
         103,
         {{"Text1", "20"}, {"Text2", "2"}, {"Text3", "0.05"}},
         "Command2",
         {"股票内部收益率=D1/P0+g="
          "0.155"}},
        {"internal rate without a price",
         103,
         {{"Text2", "2"}, {"Text3", "0.05"}},
         "Command2",
         {"股票内部收益率=D1/P0+g="}},
        {"internal rate at a negative price",
         103,
         {{"Text1", "-20"}, {"Text2", "2"}, {"Text3", "0.05"}},
         "Command2",
         {"股票内部收益率=D1/P0+g="}},
        {"fund",
         104,
         {{"Text1", "1000"}, {"Text2", "0.05"}},
         "Command2",
         {"基金投入额=每年发放额/年利率+每年发放额="
          "21000"}},
        {"fund without a rate",
         104,
         {{"Text1", "1000"}},
         "Command2",
         {"基金投入额=每年发放额/年利率+每年发放额="}},
    });
}

// ---- Form106, Form108, Form109, cash and stock
const Inputs kCash = {{"Text1", "100000"}, {"Text2", "200"}, {"Text3", "0.1"}};
const std::string kHolding = "最佳现金持有量=（2*资金需要量*转换成本/有价证券利率）^1/2=",
                  kRelated = "相关总成本=（2*资金需要量*转换成本*有价证券利率）^1/2=",
                  kConversion = "转换成本=最佳现金持有量/相关总成本*每次转换成本=",
                  kOpportunity = "持有机会成本=最佳现金持有量/2*有价证券利率=",
                  kTransactions = "交易次数=最佳现金持有量/相关总成本=",
                  kInterval = "交易间隔期=360/交易次数=";

TEST(InvestmentTest, CashHoldingAndLimits) {
    const Inputs noRate = with(kCash, {{"Text3", "0"}});
    const Inputs negativeRate = with(kCash, {{"Text3", "-0.1"}});
    const Inputs negativeNeed = with(kCash, {{"Text1", "-100000"}});
    const Inputs limits = {{"Text1", "8000"}, {"Text2", "1500"}, {"Text3", "22000"}};
    expectLines({
        {"holding", 106, kCash, "Command2", {kHolding + "20000"}},
        {"related cost", 106, kCash, "Command1", {kRelated + "2000"}},
        {"conversion cost", 106, kCash, "Command5", {kConversion + "2000"}},
        {"opportunity cost", 106, kCash, "Command6", {kOpportunity + "1000"}},
        {"transactions", 106, kCash, "Command7", {kTransactions + "10"}},
        {"interval", 106, kCash, "Command8", {kInterval + "36"}},
        {"nothing typed, holding", 106, {}, "Command2", {kHolding}},
        {"nothing typed, related cost", 106, {}, "Command1", {kRelated + "0"}},
        {"nothing typed, conversion cost", 106, {}, "Command5", {kConversion}},
        {"nothing typed, opportunity cost", 106, {}, "Command6", {kOpportunity + "0"}},
        {"nothing typed, transactions", 106, {}, "Command7", {kTransactions}},
        {"nothing typed, interval", 106, {}, "Command8", {kInterval}},
        {"zero rate, holding", 106, noRate, "Command2", {kHolding}},
        {"zero rate, related cost", 106, noRate, "Command1", {kRelated + "0"}},
        {"zero rate, conversion cost", 106, noRate, "Command5", {kConversion}},
        {"zero rate, transactions", 106, noRate, "Command7", {kTransactions}},
        {"zero rate, interval", 106, noRate, "Command8", {kInterval}},
        {"negative rate, holding skipped", 106, negativeRate, "Command2", {kHolding}},
        {"negative rate, opportunity cost of no holding",
         106,
         negativeRate,
         "Command6",
         {kOpportunity + "0"}},
        // A negative quantity under the square root has no real result.
        {"negative rate, related cost", 106, negativeRate, "Command1", {}, "invalid-operation"},
        {"negative rate, conversion cost", 106, negativeRate, "Command5", {}, "invalid-operation"},
        {"negative rate, transactions", 106, negativeRate, "Command7", {}, "invalid-operation"},
        {"negative rate, interval", 106, negativeRate, "Command8", {}, "invalid-operation"},
        {"negative need, holding", 106, negativeNeed, "Command2", {}, "invalid-operation"},
        {"negative need, opportunity cost", 106, negativeNeed, "Command6", {}, "invalid-operation"},
        {"upper limit",
         108,
         limits,
         "Command5",
         {"现金上限=3*目标现金余额-2*最低限额="
          "21000"}},
        {"cash above the limit",
         108,
         limits,
         "Command6",
         {"投资金额=现金-目标现金余额="
          "14000"}},
        {"cash below the limit",
         108,
         with(limits, {{"Text3", "20000"}}),
         "Command6",
         {"投资金额=现金-目标现金余额="}},
        {"cash at the limit",
         108,
         with(limits, {{"Text3", "21000"}}),
         "Command6",
         {"投资金额=现金-目标现金余额="}},
        {"nothing typed, upper limit",
         108,
         {},
         "Command5",
         {"现金上限=3*目标现金余额-2*最低限额="
          "0"}},
        {"nothing typed, investment", 108, {}, "Command6", {"投资金额=现金-目标现金余额="}},
        {"storage cost",
         109,
         {{"Text1", "2"}, {"Text2", "50"}, {"Text3", "0.1"}},
         "Command5",
         {"单位变动储存成本=单位增加仓储费+单位标准件占用资金*资金利息率="
          "7"}},
        {"storage cost beyond range", 109, {{"Text2", "1E308"}, {"Text3", "10"}}, "Command5", {}, "overflow"},
    });
}

} // namespace
