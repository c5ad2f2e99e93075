// The firm's after-tax cost of debt, cost of equity and average cost of capital, the market value
// of its stock from EBIT, and its total value with bond financing.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

namespace {

void valueTheFirm(Ctx& c) {
    const auto [rS, T, Rf, Rm, beta, D, V, S, EBIT, DB, rB, KS] = c.nums<12>(1);
    const Num Kd = (1 - T) * rS;
    c.print("债务税后资本成本=", Kd);
    const Num Ke = capital::assetPricing(Rf, beta, Rm);
    c.print("普通股资本成本=", Ke);
    Value average;
    if (V > 0)
        average = Kd * (D / V) + Ke * (S / V);
    c.print("平均资本成本=", average);
    // The stock is valued at the cost typed in, not at Ke.
    Value SV;
    if (KS > 0)
        SV = ((EBIT - rB * DB) * (1 - T)) / KS;
    c.print("股票市场价值=", SV);
    c.print("债券融资公司总价值=", DB + SV); // a stock value not worked out counts as 0
}

} // namespace

// The right-hand column holds Text1 to Text6, the left-hand column Text7 to Text12.
ScreenDesign declareForm93() {
    return ScreenDesign(93)
        .field("Text7", "公司总价值-股", 0, 0)
        .field("Text8", "股票市场价值", 1, 0)
        .field("Text9", "息税前利润", 2, 0)
        .field("Text10", "债券市场价值-债", 3, 0)
        .field("Text11", "税前利率-债", 4, 0)
        .field("Text12", "普通股资本成本", 5, 0)
        .field("Text1", "税前利率-股", 0, 2)
        .field("Text2", "所得税税率", 1, 2)
        .field("Text3", "无风险收益率", 2, 2)
        .field("Text4", "平均市场收益率", 3, 2)
        .field("Text5", "β系数", 4, 2)
        .field("Text6", "债券市场价值-股", 5, 2)
        .button("Command1", "综合计算", valueTheFirm)
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
