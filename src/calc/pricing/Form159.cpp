// Unit price as the sum of unit cost, unit tax and unit profit.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm159() {
    return ScreenDesign(159)
        .field("Text1", "单位成本")
        .field("Text2", "单位税金")
        .field("Text3", "单位利润")
        .button("Command1", "单价",
                [](Ctx& c) {
                    const auto [cu, tu, pu] = c.nums<3>(1);
                    c.print("单价=单位成本+单位税金+单位利润=", tu + cu + pu);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
