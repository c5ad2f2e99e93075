// Actual cost of a revolving credit line: the commitment fee on the undrawn part of the line
// plus the interest on the amount drawn.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm120() {
    return ScreenDesign(120)
        .field("Text1", "周转信贷额度")
        .field("Text2", "约定年利率")
        .field("Text3", "承诺率")
        .field("Text4", "实际动用借款")
        .button("Command2", "实际借款成本",
                [](Ctx& c) {
                    const auto [G, i, rate, W] = c.nums<4>(1);
                    c.print("实际借款成本=利息费用+承诺费=", (G - W) * rate + W * i);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
