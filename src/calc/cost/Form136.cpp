// Standard cost of one material with its cost, quantity and price variances, and the direct
// labour cost variance and standard cost from the labour variances.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm136() {
    return ScreenDesign(136)
        .heading("Label1", "直接单个材料标准成本")
        .field("Text1", "单位产品用料标准", 1, 2)
        .field("Text2", "材料标准单价", 2, 2)
        .field("Text3", "月实际产量", 3, 2)
        .field("Text4", "月实际用料", 4, 2)
        .field("Text5", "直接材料实际成本", 5, 2)
        .field("Text6", "直接人工实际成本", 5, 0)
        .field("Text7", "实际耗用工时", 6, 0) // no button reads it
        .field("Text8", "直接人工效率差异", 7, 0)
        .field("Text9", "直接人工工资率差异", 8, 0)
        .button("Command1", "直接材料标准成本",
                [](Ctx& c) {
                    const auto [m, pm] = c.nums<2>(1);
                    c.print("单位产品直接材料标准成本=单位产品用料标准*材料标准单价=", pm * m);
                })
        .button("Command2", "直接材料差异",
                [](Ctx& c) {
                    const auto [m, pm, Q, M, Cm] = c.nums<5>(1);
                    const Value cost = Cm - (Q * m) * pm;
                    const Value quantity = (M - Q * m) * pm;
                    Value price;
                    if (M > 0)
                        price = (Cm / M - pm) * M;
                    c.print("直接材料成本差异=直接材料实际成本-实际产量*直接材料标准成本=", cost);
                    c.print("直接材料数量差异=（实际用料-标准用料）*材料标准单价=", quantity);
                    c.print("直接材料价格差异=实际用料*（直接材料实际成本/实际用料-材料标准单价）=", price);
                })
        .button("Command3", "直接人工单位标准成本",
                [](Ctx& c) {
                    const Num Q = c.num(3), Cl = c.num(6), Ve = c.num(8), Vr = c.num(9);
                    const Value variance = Ve + Vr;
                    const Value standard = Cl - (Ve + Vr);
                    Value unit;
                    if (Q > 0)
                        unit = standard / Q;
                    c.print("直接人工成本差异=直接人工效率差异+直接人工工资率差异=", variance);
                    c.print("直接人工标准成本=直接实际人工成本-直接人工标准差异=", standard);
                    c.print("直接人工单位标准成本=直接人工标准成本/实际产量=", unit);
                })
        .cancel("Command4")
        .exit("Command5");
}

} // namespace fincalc
