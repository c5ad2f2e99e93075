// Profit from price, unit variable cost, volume and fixed cost.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm128() {
    return ScreenDesign(128)
        .field("Text1", "单价")
        .field("Text2", "单位变动成本")
        .field("Text3", "销售量")
        .field("Text4", "固定成本")
        .button("Command1", "利润",
                [](Ctx& c) {
                    const auto [p, v, q, F] = c.nums<4>(1);
                    c.print("利润=（单价-单位变动成本）*销售量-固定成本=", (p - v) * q - F);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
