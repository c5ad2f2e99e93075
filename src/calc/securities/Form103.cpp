// Internal rate of return of a stock whose dividend grows at a constant rate.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm103() {
    return ScreenDesign(103)
        .field("Text1", "股票市场价格")
        .field("Text2", "今年现金股利")
        .field("Text3", "股利增长率")
        .button("Command2", "内部收益率",
                [](Ctx& c) {
                    const auto [P0, D0, g] = c.nums<3>(1); // every field, top to bottom
                    Value R;
                    if (P0 > 0)
                        R = (1 + g) * D0 / P0 + g;
                    c.print("股票内部收益率=D1/P0+g=", R);
                })
        .cancel("Command3")
        .exit("Command4");
}

} // namespace fincalc
