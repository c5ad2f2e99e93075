// Cost of a long-term loan grossed up for borrowing fees, and the financing cost of a net amount
// raised with fund-raising fees.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm71() {
    return ScreenDesign(71)
        .field("Text1", "长期借款")
        .field("Text2", "年利率")
        .field("Text3", "借款费用率")
        .field("Text4", "所得税税率")
        .field("Text5", "筹资费用率")
        .button("Command1", "长借资本成本率",
                [](Ctx& c) {
                    const auto [L, i, f, T, F] = c.nums<5>(1);
                    c.print("长期借款资本成本率=年利率*（1-所得税税率）/（1-借款费用率）=",
                            (i * (1 - T)) / (1 - f));
                })
        .button("Command2", "筹资成本",
                [](Ctx& c) {
                    const auto [L, i, f, T, F] = c.nums<5>(1);
                    // L is the net amount raised, G the gross amount; G is worked out before the
                    // guard, so a fee rate of 1 faults whatever L is.
                    const Num G = L / (1 - F);
                    Value cost;
                    if (L > 0)
                        cost = ((G * i) * (1 - T)) / L;
                    c.print("筹资成本=筹资总额*年利率*（1-所得税税率）/筹资净额=", cost);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
