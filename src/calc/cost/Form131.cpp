// The sales revenue that reaches a target profit, from the contribution margin ratio.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm131() {
    return ScreenDesign(131)
        .field("Text1", "固定成本")
        .field("Text2", "目标利润")
        .field("Text3", "边际贡献率")
        .button("Command1", "目标利润销售额",
                [](Ctx& c) {
                    const auto [F, P, r] = c.nums<3>(1);
                    Value sales;
                    if (r > 0)
                        sales = (F + P) / r;
                    c.print("目标利润销售额=（固定成本+目标利润）", sales); // the line names no divisor
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
