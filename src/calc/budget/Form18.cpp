// Funds required at a planned sales volume, by the high-low method.
#include "calc/budget/Table.h"

namespace fincalc {

ScreenDesign declareForm18() {
    using namespace budget;
    ScreenDesign design(18);
    design.heading("Label1", "资金需要量变化");
    table(design, 1, 0,
          {
              {{9}, {7, "高点坐标"}, {8, "低点坐标"}},
              {{5, "x产销量"}, {1}, {3}},
              {{6, "y成本"}, {2}, {4}},
          });
    design.field("Text10", "预计销售量", "Label2")
        .button("Command1", "求资金需要量",
                [](Ctx& c) {
                    const auto [xH, yH, xL, yL] = c.nums<4>(1);
                    const Num x = c.num(10);
                    const Num b = (yH - yL) / (xH - xL); // variable funds per unit of volume
                    const Num a = yH - b * xH;           // the fixed part
                    c.print("资金需要量", x * b + a);
                })
        .cancel("Command2")
        .exit("Command3");
    return design;
}

} // namespace fincalc
