// Cost of preferred stock: the dividend over the issue price net of issue costs.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm73() {
    return ScreenDesign(73)
        .field("Text1", "优先股面值")
        .field("Text2", "年股息率")
        .field("Text3", "发行价格")
        .field("Text4", "发行费用率")
        .button("Command1", "优股资本成本率",
                [](Ctx& c) {
                    const auto [B, d, P, f] = c.nums<4>(1);
                    Value cost;
                    if (P > 0)
                        cost = (B * d) / (P * (1 - f));
                    c.print("优先股资本成本率=面值总额*年股息率/（发行价值*（1-发行费用率））=", cost);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
