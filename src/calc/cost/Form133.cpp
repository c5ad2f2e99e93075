// Volume and sales that reach a target profit, from the price and the unit variable cost.
#include "app/Session.h"

namespace fincalc {

namespace {

Value targetVolume(const Ctx& c) {
    const auto [p, v, P, F] = c.nums<4>(1);
    Value q;
    if (p - v > 0)
        q = (F + P) / (p - v);
    return q;
}

} // namespace

ScreenDesign declareForm133() {
    return ScreenDesign(133)
        .field("Text1", "单价")
        .field("Text2", "单位变动成本")
        .field("Text3", "目标利润")
        .field("Text4", "固定成本")
        .button("Command4", "实现目标利润销售量",
                [](Ctx& c) {
                    c.print("实现目标利润的销售量=（目标利润+固定成本）/（单价-单位变动成本）=",
                            targetVolume(c));
                })
        .button("Command1", "实现目标利润销售额",
                [](Ctx& c) {
                    const Num p = c.num(1);
                    const Value sales = targetVolume(c) * p; // 0 when the volume fails its guard
                    c.print("实现目标利润的销售额=实现目标利润的销售量*单价=", sales);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
