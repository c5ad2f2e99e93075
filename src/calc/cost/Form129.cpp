// The sales volume that reaches a target profit, from the unit contribution margin.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm129() {
    return ScreenDesign(129)
        .field("Text1", "固定成本")
        .field("Text2", "目标利润")
        .field("Text3", "单位边际贡献")
        .button("Command1", "目标利润销售量",
                [](Ctx& c) {
                    const auto [F, P, m] = c.nums<3>(1);
                    Value q;
                    if (m > 0)
                        q = (F + P) / m;
                    c.print("目标利润销售量=（固定成本+目标利润）/单位边际贡献=", q);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
