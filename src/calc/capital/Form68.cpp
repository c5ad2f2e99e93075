// Cost of bonds: the coupon on the face value over the issue price, after tax.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm68() {
    return ScreenDesign(68)
        .field("Text1", "发行面值")
        .field("Text2", "票面利率")
        .field("Text3", "发行价格")
        .field("Text4", "所得税税率")
        .button("Command1", "债券资金成本率",
                [](Ctx& c) {
                    const auto [B, r, P, T] = c.nums<4>(1);
                    Value cost;
                    if (P > 0)
                        cost = ((B * r) / P) * (1 - T);
                    c.print("债券资金成本率=发行面值*票面利率/发行价格*（1-所得税税率）=", cost);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
