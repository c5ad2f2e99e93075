// Variable overhead: its cost variance (spending plus efficiency) and its cost per unit.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm24() {
    return ScreenDesign(24)
        .field("Text1", "实际变动制造费用")
        .field("Text2", "实际使用工时")
        .field("Text3", "标准工资率")
        .field("Text4", "生产件数")
        .field("Text5", "标准工时")
        .button("Command1", "变动制造费用成本差异",
                [](Ctx& c) {
                    const auto [A, H, R, U, h] = c.nums<5>(1);
                    Value variance;
                    if (H > 0) {
                        const Num efficiency = (H - h * U) * R, spending = (A / H - R) * H;
                        variance = efficiency + spending;
                    }
                    c.print("变动制造费用成本差异=开支差异+效率差异=", variance);
                })
        .button("Command2", "单位变动制造费用成本",
                [](Ctx& c) {
                    const auto [A, H, R, U, h] = c.nums<5>(1);
                    Value perUnit;
                    if (U > 0)
                        perUnit = A / U;
                    c.print("单位变动制造费用成本=实际变动制造费用/生产件数=", perUnit);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
