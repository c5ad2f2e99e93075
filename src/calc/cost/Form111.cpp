// Receivables turnover: the sales over the average receivables. The printed formula names the
// numerator "销货成本" although the field is the sales revenue.
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm111() {
    return ScreenDesign(111)
        .field("Text1", "销货收入")
        .field("Text2", "应收账款平均余额")
        .button("Command1", "应收账款周转次数",
                [](Ctx& c) {
                    const auto [X, Y] = c.nums<2>(1);
                    Value turnover;
                    if (Y > 0)
                        turnover = X / Y;
                    c.print("应收账款周转次数=销货成本/应收账款平均余额=", turnover);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
