// Pricing a sales target from the third quarter's price and volume: P = P3 × √(Q3 / Qt), the
// demand-elasticity price for an elasticity of 2.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm161() {
    return ScreenDesign(161)
        .heading("Label1", "需求价格弹性定价法")
        .box("Text12", 1, 0, "项目")
        .box("Text9", 1, 1, "第一季")
        .box("Text10", 1, 2, "第二季")
        .box("Text11", 1, 3, "第三季")
        .box("Text7", 2, 0, "销售价格-元")
        .box("Text1", 2, 1, "1")
        .box("Text3", 2, 2, "3")
        .box("Text5", 2, 3, "5")
        .box("Text8", 3, 0, "销售数量-件")
        .box("Text2", 3, 1, "2")
        .box("Text4", 3, 2, "4")
        .box("Text6", 3, 3, "6")
        .box("Text13", 4, 3, "销售任务")
        .box("Text14", 5, 3)
        .button("Command1", "单价",
                [](Ctx& c) {
                    const Num P3 = c.num("Text5"), Q3 = c.num("Text6"), Qt = c.num("Text14");
                    Value P;
                    if (Qt > 0) // a negative third-quarter volume has no square root
                        P = sqrt(Q3) * P3 / sqrt(Qt);
                    c.print("单价=", P);
                })
        .side("Command4", "清空", [](Ctx& c) { c.clearFields(1, 6); })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
