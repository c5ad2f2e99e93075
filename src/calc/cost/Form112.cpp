// Payables turnover: the purchases over the average payables. The printed formula names the
// numerator "购货成本" although the field is labelled "购货收入".
#include "app/Session.h"

namespace fincalc {

ScreenDesign declareForm112() {
    return ScreenDesign(112)
        .field("Text1", "购货收入")
        .field("Text2", "应付账款平均余额")
        .button("Command1", "应付账款周转次数",
                [](Ctx& c) {
                    const auto [X, Y] = c.nums<2>(1);
                    Value turnover;
                    if (Y > 0)
                        turnover = X / Y;
                    c.print("应付账款周转次数=购货成本/应付账款平均余额=", turnover);
                })
        .cancel("Command2")
        .exit("Command3");
}

} // namespace fincalc
