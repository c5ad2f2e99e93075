// Financing choice between new stock (plan 甲) and new debt (plan 乙), from amounts of debt and
// their rates: the EBIT at which both give the same earnings per share, and each plan's EPS.
#include "calc/leverage/Leverage.h"

namespace fincalc {

namespace {

using leverage::Figure;

struct Plans {
    Figure EBIT, T, N;
    Figure N1; // shares under plan 甲
    Figure I1; // interest under plan 甲
    Figure I2; // interest under plan 乙
};

// Every button reads all eight fields, top to bottom.
Plans readPlans(const Ctx& c) {
    const auto [D, r, dD, r2, EBIT, T, N, dN] = leverage::readFigures<8>(c);
    const Figure I1 = r * D;
    return {EBIT, T, N, dN + N, I1, I1 + r2 * dD};
}

} // namespace

ScreenDesign declareForm90() {
    return leverage::inTwoColumns(90,
                                  {"举债数额", "债务利率", "银行借债", "新债务利率", "息税前利润",
                                   "所得税税率", "已发行普通股", "增发普通股"},
                                  6)
        .button("Command1", "EBIT息税前利润",
                [](Ctx& c) {
                    const Plans x = readPlans(c);
                    Value X; // the indifference EBIT, computed only when new shares are issued
                    if (x.N1 - x.N > 0)
                        X = (x.N1 * x.I2 - x.N * x.I1) / (x.N1 - x.N);
                    c.print("股票息税前利润=（甲外发普通股*乙利息费用-乙外发普通股*甲利息费用）/增发普通股=",
                            X);
                    leverage::printVerdict(c, X, x.EBIT,
                                           {"股票EBIT>债券EBIT，股票融资更优", "股票EBIT=债券EBIT，二者任意",
                                            "股票EBIT<债券EBIT，债券融资更优"});
                })
        .button("Command2", "EPS每股盈余",
                [](Ctx& c) {
                    const Plans x = readPlans(c);
                    Value X, Y;
                    if (x.N1 > 0)
                        X = (x.EBIT - x.I1) * (1 - x.T) / x.N1;
                    if (x.N > 0)
                        Y = (x.EBIT - x.I2) * (1 - x.T) / x.N;
                    leverage::printEarningsPerShare(c, X, Y,
                                                    {"权益EPS>债券EPS，权益融资更优",
                                                     "权益EPS=债券EPS，二者任意",
                                                     "权益EPS<债券EPS，债券融资更优"});
                })
        .button("Command5", "或")
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
