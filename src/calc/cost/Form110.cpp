// Inventory turnover: the cost of sales over the average inventory.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm110() {
    return ScreenDesign(110)
        .field("Text1", "销货成本")
        .field("Text2", "存货平均余额")
        .button("Command1", "存货周转次数",
                [](Ctx& c) {
                    const auto [X, Y] = c.nums<2>(1);
                    Value turnover;
                    if (Y > 0)
                        turnover = X / Y;
                    c.print("存货周转次数=销货成本/存货平均余额=", turnover);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
