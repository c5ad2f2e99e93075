// Cost of common stock by constant dividend growth, with fund-raising fees; "或" opens the same
// cost by the capital asset pricing model beside it.
#include "calc/capital/CostOfCapital.h"

namespace fincalc {

ScreenDesign declareForm74() {
    return ScreenDesign(74)
        .field("Text1", "普通股股利")
        .field("Text2", "股利年增长率")
        .field("Text3", "普通股市价")
        .field("Text4", "筹资费用率")
        .button("Command1", "普股资本成本率",
                [](Ctx& c) {
                    const auto [D, g, P, f] = c.nums<4>(1);
                    Value cost;
                    if (P > 0)
                        cost = capital::dividendGrowth(D, g, P * (1 - f));
                    c.print("普通股资本成本率=普通股股利*（1+股利年增长率）/"
                            "（普通股市价*（1-筹资费用率））+股利年增长率=",
                            cost);
                })
        .button("Command2", "或")
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
