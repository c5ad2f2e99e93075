// Cost of retained earnings by constant dividend growth, without fees.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm76() {
    return ScreenDesign(76)
        .field("Text1", "每股股利")
        .field("Text2", "固定增长率")
        .field("Text3", "普通股市价")
        .button("Command1", "留收资本成本率",
                [](Ctx& c) {
                    const auto [D, g, P] = c.nums<3>(1);
                    Value cost;
                    if (P > 0)
                        cost = capital::dividendGrowth(D, g, P);
                    c.print("留存收益资本成本率=每股股利*（1+股利固定增长率）/股价+股利固定增长率=", cost);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
