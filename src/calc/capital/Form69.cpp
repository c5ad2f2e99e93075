// Cost of common stock by the capital asset pricing model.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm69() {
    return ScreenDesign(69)
        .field("Text1", "无风险收益率")
        .field("Text2", "β系数")
        .field("Text3", "市场平均收益率")
        .button("Command1", "股票资金成本率",
                [](Ctx& c) {
                    const auto [Rf, beta, Rm] = c.nums<3>(1);
                    c.print("普通股资本成本率=无风险收益率+β*（市场平均收益率-无风险收益率）=",
                            capital::assetPricing(Rf, beta, Rm));
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
