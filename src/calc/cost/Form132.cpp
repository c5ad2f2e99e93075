// Volume and sales that reach an after-tax target profit, from the unit contribution margin.
#include "app/Session.h"

namespace fincalc {

namespace {

// A tax rate of 1 with a positive margin divides by zero.
Value targetVolume(const Ctx& c) {
    const auto [F, N, T, I, m] = c.nums<5>(1);
    Value q;
    if (m > 0)
        q = ((N / (1 - T)) + F + I) / m;
    return q;
}

} // namespace

ScreenDesign declareForm132() {
    return ScreenDesign(132)
        .field("Text1", "固定成本", 0, 2)
        .field("Text2", "税后目标利润", 1, 2)
        .field("Text3", "所得税税率", 2, 2)
        .field("Text4", "利息", 3, 2)
        .field("Text5", "单位边际贡献", 4, 0)
        .field("Text6", "单价", 5, 0)
        .button("Command4", "实现目标利润销售量",
                [](Ctx& c) {
                    c.print(
                        "实现目标利润的销售量=（固定成本+税后目标利润/（1-所得税税率）+利息）/单位边际贡献=",
                        targetVolume(c));
                })
        .button("Command1", "实现目标利润销售额",
                [](Ctx& c) {
                    const Num p = c.num(6);
                    const Value sales = targetVolume(c) * p; // 0 when the volume fails its guard
                    c.print("实现目标利润的销售额=实现目标利润的销售量*单价=", sales);
                })
        .button("Command5", "或")
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
