// Financing choice between new stock (plan 甲) and new debt (plan 乙), from annual interest
// amounts, with the EBIT coming from sales: the indifference point and each plan's EPS.
#include "calc/leverage/Leverage.h"

namespace fincalc {

namespace {

using leverage::Figure;

// Every button reads all eight fields, top to bottom.
struct Plans {
    Figure I, dN, dI, S, v, F, T, N;

    Figure ebit() const { return (1 - v) * S - F; }
};

Plans readPlans(const Ctx& c) { return leverage::readAll<Plans, 8>(c); }

} // namespace

ScreenDesign declareForm91() {
    return leverage::inTwoColumns(91,
                                  {"原年利息", "增发股总数", "新借年利息", "销售额", "变动成本率", "固定成本",
                                   "所得税税率", "已发股总数"},
                                  6)
        .title("") // the one screen whose window has no title
        .button("Command1", "EBIT息税前利润",
                [](Ctx& c) {
                    const Plans x = readPlans(c);
                    Value X; // the indifference EBIT, computed only when new shares are issued
                    if (x.dN > 0)
                        X = (x.N * x.dI + x.dN * x.I + x.dI * x.dN) / x.dN;
                    const Value Y = x.ebit();
                    c.print("每股收益无差别点=（利息*增发股数+新利息*已发股数+新利息*增发股数）/增发股数=",
                            X);
                    c.print("债券息税前利润=销售额*（1-变动成本率）-固定成本=", Y);
                    leverage::printVerdict(c, X, Y,
                                           {"股票EBIT>债券EBIT，股票融资更优", "股票EBIT=债券EBIT，二者任意",
                                            "股票EBIT<债券EBIT，债券融资更优"});
                })
        .button("Command2", "EPS每股盈余",
                [](Ctx& c) {
                    const Plans x = readPlans(c);
                    const Figure E = x.ebit();
                    Value X, Y;
                    if (x.N + x.dN > 0)
                        X = (E - x.I) * (1 - x.T) / (x.N + x.dN);
                    if (x.N > 0)
                        Y = (E - x.I - x.dI) * (1 - x.T) / x.N;
                    leverage::printEarningsPerShare(c, X, Y,
                                                    {"权益EPS>债券EPS，股票融资更优",
                                                     "权益EPS=债券EPS，二者任意",
                                                     "权益EPS<债券EPS，债券融资更优"});
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
