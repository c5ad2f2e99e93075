// Cost of bonds: the after-tax coupon over the issue price net of issue costs.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm72() {
    return ScreenDesign(72)
        .field("Text1", "债券面值")
        .field("Text2", "票面利率")
        .field("Text3", "所得税税率")
        .field("Text4", "发行价格")
        .field("Text5", "发行费用率")
        .button("Command1", "债券资本成本率",
                [](Ctx& c) {
                    const auto [B, r, T, P, f] = c.nums<5>(1);
                    Value cost;
                    if (P > 0)
                        cost = ((B * r) * (1 - T)) / (P * (1 - f));
                    c.print(
                        "债券资本成本率=债券面值*票面利率*（1-所得税税率）/（发行价格*（1-发行费用率））=",
                        cost);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
