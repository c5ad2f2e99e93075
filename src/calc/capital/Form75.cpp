// Cost of common stock by the capital asset pricing model, with the treasury rate as the
// risk-free rate.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm75() {
    return ScreenDesign(75)
        .field("Text1", "β系数")
        .field("Text2", "国债利率")
        .field("Text3", "市场平均收益率")
        .button("Command1", "普股资本成本率",
                [](Ctx& c) {
                    const auto [beta, Rf, Rm] = c.nums<3>(1);
                    c.print("普通股资本成本率=无风险收益率+β系数*（市场平均收益率-无风险收益率）=",
                            capital::assetPricing(Rf, beta, Rm));
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
